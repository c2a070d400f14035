#include "io/PuzzleRecord.h"

PuzzleRecord CapturePuzzle()
{
    PuzzleRecord r;
    r.mode = GameState.mode;
    r.layoutState = GameState.layoutState;
    r.width = GameState.width;
    r.height = GameState.height;
    r.boardFlag = GameState.boardFlag;
    r.emptyCount = GameState.emptyCount;
    r.undoCount = GameState.undo.undoCount;
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            r.codes[x][y] = GameState.board[x][y].code;
    for (int i = 0; i < kUndoEntries; ++i) {
        r.undoX[i] = GameState.undo.undoX[i];
        r.undoY[i] = GameState.undo.undoY[i];
        r.undoPrev[i] = GameState.undo.undoPrev[i];
    }
    return r;
}

void ApplyPuzzle(const PuzzleRecord& r)
{
    GameState.mode = r.mode;
    GameState.width = r.width;
    GameState.height = r.height;
    GameState.boardFlag = r.boardFlag;
    GameState.emptyCount = r.emptyCount;
    GameState.undo.undoCount = r.undoCount;
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            GameState.board[x][y].code = r.codes[x][y];
    for (int i = 0; i < kUndoEntries; ++i) {
        GameState.undo.undoX[i] = r.undoX[i];
        GameState.undo.undoY[i] = r.undoY[i];
        GameState.undo.undoPrev[i] = r.undoPrev[i];
    }
    GameState.layoutState = 1;
    GameState.refitPending = 1;
    GameState.status = StatusNone;
    ClearCheckMarks();
}

Grid GridFromRecord(const PuzzleRecord& r)
{
    const int w = r.width >= 0 && r.width <= kBoardCells - 2 ? r.width : 0;
    const int h = r.height >= 0 && r.height <= kBoardCells - 2 ? r.height : 0;
    Grid grid(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            grid.at(x, y) = r.codes[x + 1][y + 1];
    return grid;
}

namespace {

// The record's cells from the grid, or false when one holds no stone.
bool CopyCells(const Grid& grid, PuzzleRecord& r, ReadError& error)
{
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            r.codes[x][y] = Wall;
    r.emptyCount = 0;
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            const int code = grid.at(x, y);
            if (code == Wall || code > PlacedBlack) {
                error = ReadError(ReadProblem::NotAStone);
                error.column = x + 1;
                error.line = y + 1;
                error.value = code;
                return false;
            }
            r.codes[x + 1][y + 1] = static_cast<std::uint8_t>(code);
            if (code == Empty)
                ++r.emptyCount;
        }
    }
    return true;
}

}  // namespace

bool RecordFromGrid(const Grid& grid, PuzzleRecord& out, ReadError& error)
{
    if (!IsBoardSize(grid.width, grid.height)) {
        error = ReadError(ReadProblem::BoardSize);
        error.width = grid.width;
        error.height = grid.height;
        error.low = kMinSize;
        error.high = kMaxSize;
        return false;
    }
    PuzzleRecord r;
    r.width = grid.width;
    r.height = grid.height;
    if (!CopyCells(grid, r, error))
        return false;
    bool placed = false;
    for (std::uint8_t code : grid.cells)
        placed = placed || IsPlacedStone(code);
    r.mode = placed ? SolveInProgress : CreateMode;
    out = r;
    return true;
}
