#include "dialogs/UrlDlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "dialogs/DialogTemplate.h"
#include "dialogs/ReasonTexts.h"
#include "exchange/PuzzLink.h"
#include "exchange/PuzzleInput.h"

CUrlDlg::CUrlDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du = SetUpDialog(*this, QStringLiteral("URLから読み込む"));

    AddStaticText(*this, du, du.Rect(7, 7, 200, 8), QStringLiteral("問題のURL(puzz.link)"));
    m_urlEdit = new QLineEdit(this);
    m_urlEdit->setObjectName(QStringLiteral("urlEdit"));
    m_urlEdit->setGeometry(du.Rect(7, 18, 246, 12));

    // Up to three lines for why the last URL was refused; empty until then.
    m_errorText = AddErrorText(*this, du.Rect(7, 34, 246, 24));

    QPushButton* ok = AddPushButton(*this, du, du.Rect(149, 62, 50, 14), QStringLiteral("OK"), true);
    ok->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel = AddPushButton(*this, du, du.Rect(203, 62, 50, 14), QStringLiteral("ｷｬﾝｾﾙ"), false);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &CUrlDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CUrlDlg::reject);

    setTabOrder(m_urlEdit, ok);
    setTabOrder(ok, cancel);

    FixDialogSize(*this, du, 260, 83);
}

int CUrlDlg::DoModal()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (LooksLikePuzzleUrl(clip.toStdString()))
        m_urlEdit->setText(clip.trimmed());
    m_urlEdit->setFocus(Qt::TabFocusReason);
    m_urlEdit->selectAll();
    return exec();
}

void CUrlDlg::accept()
{
    PuzzleInput input;
    ReadError error;
    if (!ReadPuzzleInput(m_urlEdit->text().toStdString(), input, error, InputFormat::Url) ||
        !RecordOfInput(input, m_record, error)) {
        m_errorText->setText(ReadErrorMessage(error));
        m_urlEdit->setFocus(Qt::OtherFocusReason);
        m_urlEdit->selectAll();
        return;
    }
    m_warning = input.warning;
    QDialog::accept();
}
