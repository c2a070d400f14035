#include "dialogs/GenerateDlg.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogTemplate.h"
#include "dialogs/ReasonTexts.h"
#include "io/InputFile.h"

namespace {

// A whole decimal number of 64 bits at most; blanks around it are allowed.
bool ParseSeed(const QString& text, std::uint64_t& seed)
{
    unsigned long long value = 0;
    if (!ParseDecimal(text.trimmed().toStdString(), ~0ULL, value))
        return false;
    seed = value;
    return true;
}


// Rows of the dialog below the level buttons move down by this much.
constexpr int kGradeRows = 5 * 12;

}  // namespace

CGenerateDlg::CGenerateDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du = SetUpDialog(*this, QStringLiteral("問題を自動作成"));

    AddStaticText(*this, du, du.Rect(7, 7, 150, 8), QStringLiteral("現在の盤面のｻｲｽﾞで作成します"));
    m_programRadio = new QRadioButton(QStringLiteral("自動解答で解ける"), this);
    m_programRadio->setObjectName(QStringLiteral("programRadio"));
    m_programRadio->setGeometry(du.Rect(7, 20, 150, 10));
    m_anyRadio = new QRadioButton(QStringLiteral("唯一解のみ"), this);
    m_anyRadio->setObjectName(QStringLiteral("anyRadio"));
    m_anyRadio->setGeometry(du.Rect(7, 32, 150, 10));
    auto* levels = new QButtonGroup(this);
    levels->addButton(m_programRadio);
    levels->addButton(m_anyRadio);
    for (int g = 0; g < 5; ++g) {
        m_gradeRadios[g] = new QRadioButton(QStringLiteral("難易度%1 %2").arg(g + 1).arg(GradeName(g + 1)), this);
        m_gradeRadios[g]->setObjectName(QStringLiteral("grade%1Radio").arg(g + 1));
        m_gradeRadios[g]->setGeometry(du.Rect(7, 44 + 12 * g, 150, 10));
        levels->addButton(m_gradeRadios[g]);
    }
    constexpr int d = kGradeRows;

    AddStaticText(*this, du, du.Rect(7, 48 + d, 60, 8), QStringLiteral("ｼｰﾄﾞ(省略可)"));
    m_seedEdit = new QLineEdit(this);
    m_seedEdit->setObjectName(QStringLiteral("seedEdit"));
    m_seedEdit->setGeometry(du.Rect(67, 46 + d, 90, 12));

    m_errorText = AddErrorText(*this, du.Rect(7, 61 + d, 150, 16));

    QPushButton* ok = AddPushButton(*this, du, du.Rect(53, 80 + d, 50, 14), QStringLiteral("OK"), true);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel = AddPushButton(*this, du, du.Rect(107, 80 + d, 50, 14), QStringLiteral("ｷｬﾝｾﾙ"), false);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CGenerateDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CGenerateDlg::reject);

    setTabOrder(m_programRadio, m_anyRadio);
    QWidget* previous = m_anyRadio;
    for (QRadioButton* radio : m_gradeRadios) {
        setTabOrder(previous, radio);
        previous = radio;
    }
    setTabOrder(previous, m_seedEdit);
    setTabOrder(m_seedEdit, ok);
    setTabOrder(ok, cancel);

    FixDialogSize(*this, du, 164, 101 + d);
}

int CGenerateDlg::DoModal()
{
    const int grade = LevelGrade(m_level);
    (grade != 0 ? m_gradeRadios[grade - 1] : m_level == GenerateLevel::Program ? m_programRadio : m_anyRadio)
        ->setChecked(true);
    m_programRadio->setFocus(Qt::TabFocusReason);
    return exec();
}

void CGenerateDlg::accept()
{
    std::uint64_t seed = 0;
    const bool hasSeed = !m_seedEdit->text().trimmed().isEmpty();
    if (hasSeed && !ParseSeed(m_seedEdit->text(), seed)) {
        m_errorText->setText(QStringLiteral("ｼｰﾄﾞは 0 以上の整数で入力してください。"));
        m_seedEdit->setFocus(Qt::OtherFocusReason);
        m_seedEdit->selectAll();
        return;
    }
    m_level = m_programRadio->isChecked() ? GenerateLevel::Program : GenerateLevel::Any;
    for (int g = 0; g < 5; ++g)
        if (m_gradeRadios[g]->isChecked())
            GradeLevel(g + 1, m_level);
    m_hasSeed = hasSeed;
    m_seed = seed;
    QDialog::accept();
}
