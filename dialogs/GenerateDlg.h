// The dialog of "問題を自動作成": the level of the new puzzle (the two of the
// automatic solver and of one solution only, or one of the five grades) and an optional
// seed. OK checks the seed; a seed that is no whole number is explained
// inside the dialog, which stays open.
#pragma once

#include <QDialog>

#include <cstdint>

#include "generator/Generator.h"

class QLabel;
class QLineEdit;
class QRadioButton;

class CGenerateDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGenerateDlg(QWidget* parent = nullptr);
    int DoModal();

    GenerateLevel m_level = GenerateLevel::Program;
    // After Accepted: whether the box held a seed, and which.
    bool m_hasSeed = false;
    std::uint64_t m_seed = 0;

    void accept() override;

private:
    QRadioButton* m_programRadio = nullptr;
    QRadioButton* m_anyRadio = nullptr;
    // 難易度1 入門 .. 難易度5 最上級: puzzles of exactly that grade.
    QRadioButton* m_gradeRadios[5] = {};
    QLineEdit* m_seedEdit = nullptr;
    QLabel* m_errorText = nullptr;
};
