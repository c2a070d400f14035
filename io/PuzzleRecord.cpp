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

bool RecordFromGrid(const Grid& grid, PuzzleRecord& out, std::string& error)
{
    if (grid.width < kMinSize || grid.width > kMaxSize || grid.height < kMinSize || grid.height > kMaxSize) {
        error = "the board is " + std::to_string(grid.width) + " x " + std::to_string(grid.height) +
                "; this needs 5..15 columns and rows";
        return false;
    }
    PuzzleRecord r;
    r.width = grid.width;
    r.height = grid.height;
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y)
            r.codes[x][y] = Wall;
    bool placed = false;
    r.emptyCount = 0;
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            const int code = grid.at(x, y);
            if (code == Wall || code > PlacedBlack) {
                error = "cell " + std::to_string(x + 1) + "," + std::to_string(y + 1) + " holds code " +
                        std::to_string(code) + ", which is no stone";
                return false;
            }
            r.codes[x + 1][y + 1] = static_cast<std::uint8_t>(code);
            if (code == Empty)
                ++r.emptyCount;
            if (IsPlacedStone(code))
                placed = true;
        }
    }
    r.mode = placed ? SolveInProgress : CreateMode;
    out = r;
    return true;
}
