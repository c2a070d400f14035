#include "model/GameState.h"

GameStateRecord GameState;

void ResetBoard()
{
    for (int x = 0; x < kBoardCells; ++x) {
        for (int y = 0; y < kBoardCells; ++y) {
            const bool playable = x >= 1 && x <= GameState.width && y >= 1 && y <= GameState.height;
            GameState.board[x][y].code = playable ? Empty : Wall;
        }
    }
    for (int i = 0; i < kUndoEntries; ++i) {
        GameState.undo.undoX[i] = 0;
        GameState.undo.undoY[i] = 0;
        GameState.undo.undoPrev[i] = 0;
    }
    GameState.layoutState = 1;
    GameState.status = StatusNone;
    GameState.mode = CreateMode;
    GameState.boardFlag = 1;
    ClearCheckMarks();
}

void ClearCheckMarks()
{
    for (auto& column : GameState.checkMarks)
        for (auto& mark : column)
            mark = 0;
    GameState.checkMarkCount = 0;
}

void ResetGameState()
{
    GameState = GameStateRecord{};
}
