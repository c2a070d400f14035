#include "model/GameState.h"

GameStateRecord GameState;

void ResetBoard(GameStateRecord& state)
{
    for (int x = 0; x < kBoardCells; ++x) {
        for (int y = 0; y < kBoardCells; ++y) {
            const bool playable = x >= 1 && x <= state.width && y >= 1 && y <= state.height;
            state.board[x][y].code = playable ? Empty : Wall;
        }
    }
    for (int i = 0; i < kUndoEntries; ++i) {
        state.undo.undoX[i] = 0;
        state.undo.undoY[i] = 0;
        state.undo.undoPrev[i] = 0;
    }
    state.layoutState = 1;
    state.status = StatusNone;
    state.mode = CreateMode;
    state.boardFlag = 1;
    ClearCheckMarks(state);
}

void ResetBoard()
{
    ResetBoard(GameState);
}

void ClearCheckMarks(GameStateRecord& state)
{
    for (auto& column : state.checkMarks)
        for (auto& mark : column)
            mark = 0;
    state.checkMarkCount = 0;
}

void ClearCheckMarks()
{
    ClearCheckMarks(GameState);
}

void ResetGameState()
{
    GameState = GameStateRecord{};
}
