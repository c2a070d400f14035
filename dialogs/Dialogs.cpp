// Placeholder until the dialogs land.
#include "dialogs/Dialogs.h"

CSizeDlg::CSizeDlg(QWidget* parent) : QDialog(parent) {}
int CSizeDlg::DoModal() { return exec(); }
CRulesDlg::CRulesDlg(QWidget* parent) : QDialog(parent) {}
int CRulesDlg::DoModal() { return exec(); }
CCreateHelpDlg::CCreateHelpDlg(QWidget* parent) : QDialog(parent) {}
int CCreateHelpDlg::DoModal() { return exec(); }
CSolveHelpDlg::CSolveHelpDlg(QWidget* parent) : QDialog(parent) {}
int CSolveHelpDlg::DoModal() { return exec(); }
CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {}
int CAboutDlg::DoModal() { return exec(); }
