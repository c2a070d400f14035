#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/DialogTemplate.h"
#include "dialogs/Dialogs.h"
#include "model/GameState.h"

namespace {

// Caption of the program's own message boxes.
const QString kAppName = QStringLiteral("vandor");

// Reads a whole box as a decimal integer; blanks around it are allowed,
// anything else ("9a", an empty box) is not.
bool ParseInteger(const QString& text, int& value)
{
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = parsed;
    return ok;
}

}  // namespace

CSizeDlg::CSizeDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du = SetUpDialog(*this, QStringLiteral("サイズ変更"));

    AddStaticText(*this, du, du.Rect(7, 10, 46, 8), QStringLiteral("横ｻｲｽﾞ(5～15)"));
    m_widthEdit = new QLineEdit(this);
    m_widthEdit->setObjectName(QStringLiteral("widthEdit"));
    m_widthEdit->setGeometry(du.Rect(55, 6, 16, 12));

    AddStaticText(*this, du, du.Rect(7, 24, 47, 8), QStringLiteral("縦ｻｲｽﾞ(5～15)"));
    m_heightEdit = new QLineEdit(this);
    m_heightEdit->setObjectName(QStringLiteral("heightEdit"));
    m_heightEdit->setGeometry(du.Rect(55, 21, 16, 12));

    QPushButton* ok = AddPushButton(*this, du, du.Rect(7, 36, 26, 14), QStringLiteral("OK"), true);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel = AddPushButton(*this, du, du.Rect(47, 36, 26, 14), QStringLiteral("ｷｬﾝｾﾙ"), false);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CSizeDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSizeDlg::reject);

    setTabOrder(m_widthEdit, m_heightEdit);
    setTabOrder(m_heightEdit, ok);
    setTabOrder(ok, cancel);

    FixDialogSize(*this, du, 79, 57);
}

int CSizeDlg::DoModal()
{
    DoDataExchange(false);
    m_widthEdit->setFocus(Qt::TabFocusReason);
    m_widthEdit->selectAll();
    return exec();
}

void CSizeDlg::accept()
{
    if (DoDataExchange(true))
        QDialog::accept();
}

bool CSizeDlg::DoDataExchange(bool saveAndValidate)
{
    if (!saveAndValidate) {
        m_widthEdit->setText(QString::number(m_width));
        m_heightEdit->setText(QString::number(m_height));
        return true;
    }

    // The width is parsed and checked in full before the height is looked
    // at, so with both boxes wrong the user hears about the width first.
    auto refuse = [this](QLineEdit* edit, const QString& message) {
        QMessageBox::warning(this, kAppName, message);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        return false;
    };
    auto exchange = [&](QLineEdit* edit, int& value) {
        if (!ParseInteger(edit->text(), value))
            return refuse(edit, QStringLiteral("整数を入力してください。"));
        if (value < kMinSize || value > kMaxSize)
            return refuse(edit, QStringLiteral("%1 から %2 までの整数を入力してください。")
                                    .arg(kMinSize)
                                    .arg(kMaxSize));
        return true;
    };

    int width = 0;
    int height = 0;
    if (!exchange(m_widthEdit, width) || !exchange(m_heightEdit, height))
        return false;
    m_width = width;
    m_height = height;
    return true;
}
