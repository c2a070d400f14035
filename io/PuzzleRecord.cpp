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
}
