// The dialog of "URLから読み込む": one box for a puzzle URL, pre-filled with
// the clipboard's text when that looks like one. OK reads the URL; a URL the
// window cannot open is explained inside the dialog, which stays open.
#pragma once

#include <QDialog>
#include <QString>

#include "io/PuzzleRecord.h"
#include "io/ReadError.h"

class QLabel;
class QLineEdit;

class CUrlDlg : public QDialog {
    Q_OBJECT
public:
    explicit CUrlDlg(QWidget* parent = nullptr);
    int DoModal();

    // After Accepted: the puzzle of the URL, its givens in create mode, and
    // whether the URL held less or more than its board.
    PuzzleRecord m_record;
    ReadWarning m_warning = ReadWarning::None;

    void accept() override;

private:
    QLineEdit* m_urlEdit = nullptr;
    QLabel* m_errorText = nullptr;
};
