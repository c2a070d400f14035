// The part of GameState that a puzzle file keeps: mode, size, every cell
// code with its Wall ring, the counters stored in the file and the undo
// history. Files and the text notation are read into a PuzzleRecord first and
// copied into GameState only when the whole input was accepted.
#pragma once

#include <cstdint>

#include <string>

#include "io/ReadError.h"
#include "model/GameState.h"
#include "model/Grid.h"

struct PuzzleRecord {
    std::int32_t mode = CreateMode;
    std::int32_t layoutState = 2;
    std::int32_t width = 9;
    std::int32_t height = 9;
    std::int32_t boardFlag = 1;
    std::int32_t emptyCount = 0;
    std::int32_t undoCount = 0;
    std::uint8_t codes[kBoardCells][kBoardCells] = {};  // [x][y], as Board
    std::uint8_t undoX[kUndoEntries] = {};
    std::uint8_t undoY[kUndoEntries] = {};
    std::uint8_t undoPrev[kUndoEntries] = {};
};

// A record of the current GameState.
PuzzleRecord CapturePuzzle();

// Makes GameState hold the record: mode, size, boardFlag, emptyCount, the undo
// history and the code of every cell (the solver's closed and visited bytes are
// left alone). Afterwards layoutState is 1, refitPending 1 and status
// StatusNone, as after a complete load: the next paint fits the window. No
// check marks remain.
void ApplyPuzzle(const PuzzleRecord& record);

// The playable cells of a record as a Grid.
Grid GridFromRecord(const PuzzleRecord& record);

// A record of the grid with its Wall ring, emptyCount counted, boardFlag 1,
// no undo history, mode CreateMode, or SolveInProgress when the grid holds
// placed stones. False when the size is outside kMinSize..kMaxSize
// (BoardSize) or a cell holds a code other than Empty, a given or a placed
// stone (NotAStone); out is then unchanged.
bool RecordFromGrid(const Grid& grid, PuzzleRecord& out, ReadError& error);
