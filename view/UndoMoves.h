// The undo history of the solve modes, as a press on the board and 1つ戻る
// use it (MouseInput.cpp).
#pragma once

// Records that the cell (x, y), 1-based, held previousCode before a move.
void AppendUndoRecord(int x, int y, int previousCode);

// Takes the newest move back; returns whether a cell was written.
bool TakeBackMove();
