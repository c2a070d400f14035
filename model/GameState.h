// The whole state of the puzzle. The window's board is one program-wide
// record, GameState, that the window's parts read and write directly; the
// solver works on whichever record it is handed, so a worker thread can solve
// a copy of its own. No Qt here: the model, the solver and the file code build
// and test without a display.
#pragma once

#include <cstdint>

#include "model/CellCode.h"

// Values of GameStateRecord::mode.
enum Mode : std::int32_t {
    CreateMode = 0,
    SolveStart = 1,
    SolveInProgress = 2,
    SolveFinished = 3,
};

// Values of GameStateRecord::status; each selects one line of the status line
// (see StatusText.h).
enum Status : std::int32_t {
    StatusNone = 0,
    StatusContradiction = 1,
    StatusUnsolvable = 2,
    StatusLoadFailed = 3,
    StatusAnalyzing = 4,
    StatusMultipleSolutions = 5,
};

struct Cell {
    std::uint8_t code;     // a CellCode (model/CellCode.h)
    std::uint8_t closed;   // solver: the stone is finished with (CloseCell)
    std::uint8_t visited;  // solver: flood-fill mark
};

// The grid is 22 x 22 cells indexed [x][y]; the playable cells are
// 1..width x 1..height, everything around them holds Wall, so every
// neighbour of a playable cell lies inside the array.
constexpr int kBoardCells = 22;
constexpr int kMinSize = 5;
constexpr int kMaxSize = 15;
constexpr int kUndoEntries = 200;

using Board = Cell[kBoardCells][kBoardCells];

// The user's moves in solve mode; entry undoCount-1 is the newest.
struct UndoHistory {
    std::uint8_t undoX[kUndoEntries];
    std::uint8_t undoY[kUndoEntries];
    std::uint8_t undoPrev[kUndoEntries];
    std::int32_t undoCount;
};

// The solver's single saved copy for trial placement.
struct SnapshotCopy {
    Board board;
    std::int32_t emptyCount;
    std::int32_t whiteCount;
    std::int32_t blackCount;
    std::int32_t whiteClosedCount;
    std::int32_t blackClosedCount;
};

// The solver's marks of the cells its passes still have to look at while
// AutoSolve runs (solver/PassTracking.h); bit y of [x] is cell (x, y).
struct ScanMarks {
    std::uint32_t local[kBoardCells];
    std::uint32_t deadEnd[kBoardCells];
    std::uint8_t ring;
    std::uint8_t active;
};

struct CellPos {
    std::int32_t x;
    std::int32_t y;
};

struct GameStateRecord {
    std::int32_t mode = CreateMode;
    std::int32_t status = StatusNone;
    std::int32_t width = 9;
    std::int32_t height = 9;
    // 0: rebuild the board and fit the window at the next paint;
    // 1: just rebuilt or loaded; 2: painted since.
    std::int32_t layoutState = 0;
    // 1: fit the window to the board at the next paint, keep the board.
    std::int32_t refitPending = 0;
    std::int32_t boardFlag = 1;

    Board board{};
    UndoHistory undo{};

    std::int32_t lastClickX = 0;
    std::int32_t lastClickY = 0;
    CellPos altCell{0, 0};

    // Solver counters and scratch values.
    std::int32_t emptyCount = 0;
    std::int32_t whiteCount = 0;
    std::int32_t blackCount = 0;
    std::int32_t whiteClosedCount = 0;
    std::int32_t blackClosedCount = 0;
    std::int32_t progressFlag = 0;
    std::int32_t fillCount = 0;
    std::int32_t stepCount = 0;
    std::int32_t stepNextX = 0;
    std::int32_t stepNextY = 0;

    SnapshotCopy snapshot{};
    ScanMarks scan{};

    // Cells marked by the last check of the ﾂｰﾙ menu, [x][y] like the board:
    // each set bit is one kind of mark (the window's view/CheckMarks.h names
    // them), 0 no mark. Only a check sets them; every edit, size change, load
    // and mode change clears them (ClearCheckMarks).
    std::uint8_t checkMarks[kBoardCells][kBoardCells]{};
    std::int32_t checkMarkCount = 0;
};

// The window's instance, in static storage.
extern GameStateRecord GameState;

// Rebuilds an empty board of the record's width x height with its Wall ring,
// zeroes the undo arrays (not undoCount) and returns to create mode. Without
// an argument it works on GameState, as do the other functions here.
void ResetBoard(GameStateRecord& state);
void ResetBoard();

// Takes every check mark off the board. ResetBoard and ApplyPuzzle do this
// themselves, so a rebuilt or loaded board never shows old marks.
void ClearCheckMarks(GameStateRecord& state);
void ClearCheckMarks();

// Puts every field back to its start value (program start, and between tests).
void ResetGameState();
