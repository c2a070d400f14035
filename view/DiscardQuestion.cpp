// Before a command replaces the board with another puzzle: the question
// whether the stones that were put on it since the last load or save may go.
#include "view/CVandorView.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

#include "io/PuzzleRecord.h"
#include "model/GameState.h"

namespace {

bool HasStones(const Grid& board)
{
    return std::any_of(board.cells.begin(), board.cells.end(), [](std::uint8_t c) { return colour(c) != 0; });
}

}  // namespace

void CVandorView::KeepBoard()
{
    m_keptBoard = GridFromRecord(CapturePuzzle());
}

void CVandorView::NoteBoardSaved()
{
    KeepBoard();
}

bool CVandorView::BoardWouldBeLost() const
{
    // A board loaded and not yet painted is what was loaded.
    if (GameState.layoutState == 1 && GameState.refitPending == 1)
        return false;
    const Grid board = GridFromRecord(CapturePuzzle());
    return HasStones(board) && board != m_keptBoard;
}

bool CVandorView::ConfirmDiscardBoard()
{
    if (!BoardWouldBeLost())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("vandor"),
                    QStringLiteral("現在の盤面は失われます。よろしいですか?"), QMessageBox::Yes | QMessageBox::No,
                    window());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
