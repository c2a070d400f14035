// Mouse input: presses on the grid edit cells, left presses on the two
// on-screen buttons switch modes, clear the board, return to the start or take
// a move back. The handlers change GameState and mark what must be repainted;
// drawing happens in the next paint.
#include "view/CVandorView.h"

#include <QMessageBox>
#include <QTimer>

#include "exact/AnswerCheck.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/Geometry.h"
#include "view/UndoMoves.h"
#include "view/WindowSettings.h"

namespace {

// Undo records and the board size can come from a puzzle file, so nothing is
// written to a cell that is not a playable cell the array can hold.
bool IsPlayableCell(int x, int y)
{
    return x >= 1 && x <= GameState.width && x < kBoardCells - 1 &&
           y >= 1 && y <= GameState.height && y < kBoardCells - 1;
}

// Forgets the oldest 100 records and keeps the newest 100 in order; the bytes
// of entries 100..199 stay as they were, beyond the count.
void CompactUndoHistory()
{
    UndoHistory& u = GameState.undo;
    constexpr int kKept = kUndoEntries / 2;
    for (int k = 0; k < kKept; ++k) {
        u.undoX[k] = u.undoX[k + kKept];
        u.undoY[k] = u.undoY[k + kKept];
        u.undoPrev[k] = u.undoPrev[k + kKept];
    }
    u.undoCount = kKept;
}

// A count read from a file may lie outside 0..199. Below zero nothing in the
// arrays can be trusted, so the history counts as empty; 200 or more means a
// full array, which is compacted as the 200th record would have been.
void NormaliseUndoCount()
{
    UndoHistory& u = GameState.undo;
    if (u.undoCount < 0)
        u.undoCount = 0;
    else if (u.undoCount >= kUndoEntries)
        CompactUndoHistory();
}

}  // namespace

void AppendUndoRecord(int x, int y, int previousCode)
{
    NormaliseUndoCount();
    UndoHistory& u = GameState.undo;
    const int i = u.undoCount;
    u.undoCount = i + 1;
    u.undoX[i] = static_cast<std::uint8_t>(x);
    u.undoY[i] = static_cast<std::uint8_t>(y);
    u.undoPrev[i] = static_cast<std::uint8_t>(previousCode);
    if (u.undoCount == kUndoEntries)
        CompactUndoHistory();
}

// Puts back the code the newest record names, whatever the cell holds now.
// A record naming a cell off the board (only a file can hold one) is dropped
// and the next one is tried, so one press takes back one real move. Returns
// whether a cell was written.
bool TakeBackMove()
{
    NormaliseUndoCount();
    UndoHistory& u = GameState.undo;
    while (u.undoCount > 0) {
        const int n = --u.undoCount;
        const int x = u.undoX[n];
        const int y = u.undoY[n];
        if (IsPlayableCell(x, y)) {
            GameState.board[x][y].code = u.undoPrev[n];
            return true;
        }
    }
    return false;
}

namespace {

// Every edit and mode change ends what a check showed. The marks may sit on
// any cell, so the whole board is repainted.
void ClearMarks(CVandorView& view)
{
    if (GameState.checkMarkCount == 0)
        return;
    ClearCheckMarks();
    view.update(geom::ToQRect(geom::BoardRect(GameState.width, GameState.height)));
}

// A press on the grid with the button whose stones are `given` and `placed`.
// Returns true when it put a stone on an empty cell in a solve mode.
bool PressGrid(CVandorView& view, CellCode given, CellCode placed)
{
    const int px = GameState.lastClickX;
    const int py = GameState.lastClickY;
    if (!geom::HitsGrid(px, py, GameState.width, GameState.height))
        return false;
    const int c = geom::ColumnAt(px);
    const int r = geom::RowAt(py);
    if (!IsPlayableCell(c, r))
        return false;

    std::uint8_t& code = GameState.board[c][r].code;
    const QRect cellRect = geom::ToQRect(geom::CellRect(c, r));
    if (GameState.mode == CreateMode) {
        code = code == Empty ? given : Empty;
        ClearMarks(view);
        view.update(cellRect);
        return false;
    }

    // Every solve mode records its edits, SolveFinished included.
    const bool filled = code == Empty;
    if (filled) {
        code = placed;
        AppendUndoRecord(c, r, Empty);
        ClearMarks(view);
        view.update(cellRect);
    } else if (IsPlacedStone(code)) {
        AppendUndoRecord(c, r, code);
        code = Empty;
        ClearMarks(view);
        view.update(cellRect);
    }
    // Given stones and Wall stay; the press still starts the solve.
    if (GameState.mode == SolveStart) {
        GameState.mode = SolveInProgress;
        ClearMarks(view);
        view.update();
    }
    return filled;
}

// Whether every playable cell holds a stone and the stones obey the rules.
// Placed stones never stand on a given, so the givens are kept too.
bool BoardSolved()
{
    for (int x = 1; x <= GameState.width && x < kBoardCells - 1; ++x)
        for (int y = 1; y <= GameState.height && y < kBoardCells - 1; ++y)
            if (GameState.board[x][y].code == Empty)
                return false;
    return CheckAnswerRules(GridFromRecord(CapturePuzzle())).Correct();
}

void RemovePlacedStones()
{
    for (int x = 1; x <= GameState.width && x < kBoardCells - 1; ++x) {
        for (int y = 1; y <= GameState.height && y < kBoardCells - 1; ++y) {
            if (IsPlacedStone(GameState.board[x][y].code))
                GameState.board[x][y].code = Empty;
        }
    }
}

}  // namespace

void CVandorView::OnLButtonDown(QPoint point)
{
    grabMouse();
    SetCursorShown(false);
    PressAt(point, true);
}

void CVandorView::OnRButtonDown(QPoint point)
{
    grabMouse();
    SetCursorShown(false);
    // The right button never works the on-screen buttons.
    PressAt(point, false);
}

void CVandorView::PressAt(QPoint point, bool left)
{
    PressBoard(point, left);
    RefreshUndecided();
}

void CVandorView::PressBoard(QPoint point, bool left)
{
    GameState.lastClickX = point.x();
    GameState.lastClickY = point.y();
    NormaliseUndoCount();
    const bool filled = PressGrid(*this, left ? GivenWhite : GivenBlack, left ? PlacedWhite : PlacedBlack);
    if (filled && NotifyWhenSolved() && BoardSolved())
        AnnounceSolved();
    if (!left)
        return;
    const int px = GameState.lastClickX;
    const int py = GameState.lastClickY;
    if (geom::HitsLowerButton(px, py, GameState.width))
        PressLowerButton();
    if (geom::HitsUpperButton(px, py, GameState.width))
        PressUpperButton();
}

// Says so once the press has been handled and the board painted, so the box
// never opens inside a mouse press with the mouse captured.
void CVandorView::AnnounceSolved()
{
    QTimer::singleShot(0, this, [this] {
        if (mouseGrabber() == this)
            releaseMouse();
        repaint();
        QMessageBox::information(window(), QStringLiteral("vandor"), QStringLiteral("正解です"));
    });
}

void CVandorView::PressLowerButton()
{
    // Every mode has a lower button, and every one changes the mode.
    ClearMarks(*this);
    switch (GameState.mode) {
    case CreateMode:
        GameState.mode = SolveStart;
        GameState.undo.undoCount = 0;
        break;
    case SolveStart:
        GameState.status = StatusNone;
        GameState.mode = CreateMode;
        break;
    case SolveInProgress:
    case SolveFinished:
        // status stays, so a solver message and its red circle survive
        // the return to the start.
        RemovePlacedStones();
        GameState.mode = SolveStart;
        GameState.undo.undoCount = 0;
        break;
    default:
        break;
    }
    update();
}

void CVandorView::PressUpperButton()
{
    switch (GameState.mode) {
    case CreateMode:
    case SolveFinished:
        ResetBoard();
        update();
        break;
    case SolveStart:
        OnAutoSolve();
        break;
    case SolveInProgress:
        if (TakeBackMove()) {
            ClearMarks(*this);
            update(geom::ToQRect(geom::BoardRect(GameState.width, GameState.height)));
        }
        break;
    default:
        break;
    }
}

void CVandorView::OnLButtonUp(QPoint)
{
    releaseMouse();
}

void CVandorView::OnRButtonUp(QPoint)
{
    releaseMouse();
}
