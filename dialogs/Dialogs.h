// The five modal dialogs: board size, rules, the two operation help texts
// and the About box. DoModal shows the dialog and returns QDialog::Accepted
// for OK, QDialog::Rejected otherwise.
#pragma once

#include <QDialog>

class CSizeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSizeDlg(QWidget* parent = nullptr);
    int DoModal();

    int m_width = 0;
    int m_height = 0;
};

class CRulesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRulesDlg(QWidget* parent = nullptr);
    int DoModal();
};

class CCreateHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCreateHelpDlg(QWidget* parent = nullptr);
    int DoModal();
};

class CSolveHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSolveHelpDlg(QWidget* parent = nullptr);
    int DoModal();
};

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    int DoModal();
};
