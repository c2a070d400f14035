#include "dialogs/GenerateDlg.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DialogTemplate.h"
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

    AddStaticText(*this, du, du.Rect(7, 48, 60, 8), QStringLiteral("ｼｰﾄﾞ(省略可)"));
    m_seedEdit = new QLineEdit(this);
    m_seedEdit->setObjectName(QStringLiteral("seedEdit"));
    m_seedEdit->setGeometry(du.Rect(67, 46, 90, 12));

    m_errorText = AddErrorText(*this, du.Rect(7, 61, 150, 16));

    QPushButton* ok = AddPushButton(*this, du, du.Rect(53, 80, 50, 14), QStringLiteral("OK"), true);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel = AddPushButton(*this, du, du.Rect(107, 80, 50, 14), QStringLiteral("ｷｬﾝｾﾙ"), false);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CGenerateDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CGenerateDlg::reject);

    setTabOrder(m_programRadio, m_anyRadio);
    setTabOrder(m_anyRadio, m_seedEdit);
    setTabOrder(m_seedEdit, ok);
    setTabOrder(ok, cancel);

    FixDialogSize(*this, du, 164, 101);
}

int CGenerateDlg::DoModal()
{
    (m_level == GenerateLevel::Program ? m_programRadio : m_anyRadio)->setChecked(true);
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
    m_hasSeed = hasSeed;
    m_seed = seed;
    QDialog::accept();
}
