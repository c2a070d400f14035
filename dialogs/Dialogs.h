// The modal dialogs: board size, rules, the two operation help texts, the
// help of the ﾂｰﾙ menu and the About box. DoModal shows the dialog and returns QDialog::Accepted
// for OK, QDialog::Rejected otherwise (Cancel, Escape, the close box).
// Each is laid out from its template in dialog units (DialogTemplate.h) and
// has a fixed size.
#pragma once

#include <QDialog>

class QLineEdit;

// Template 132. Opens with m_width and m_height in its two boxes; OK checks
// the width and then the height (integers 5..15), and only when both pass
// stores them back and closes.
class CSizeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSizeDlg(QWidget* parent = nullptr);
    int DoModal();

    int m_width = 0;
    int m_height = 0;

    void accept() override;

protected:
    // saveAndValidate false: members into the boxes. true: the boxes into the
    // members, width first; on the first box refused, tells the user why,
    // puts the focus back into that box and returns false.
    bool DoDataExchange(bool saveAndValidate);

private:
    QLineEdit* m_widthEdit = nullptr;
    QLineEdit* m_heightEdit = nullptr;
};

// Template 133.
class CRulesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRulesDlg(QWidget* parent = nullptr);
    int DoModal();
};

// Template 134.
class CCreateHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCreateHelpDlg(QWidget* parent = nullptr);
    int DoModal();
};

// Template 135.
class CSolveHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSolveHelpDlg(QWidget* parent = nullptr);
    int DoModal();
};

// The help of the ﾂｰﾙ menu: each item, the keys of keyboard play and the
// colours of the marks, in the style of the two above.
class CToolsHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CToolsHelpDlg(QWidget* parent = nullptr);
    int DoModal();
};

// Template 100: the program icon, name and version, and the credit line.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    int DoModal();
};
