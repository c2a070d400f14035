// The text notation for boards: one line per row from the top, one character
// per cell from the left, optionally separated by single spaces.
//   W given white   B given black   w placed white   b placed black   . empty
// Blank lines are ignored; 5..15 rows of equal length 5..15 (1..64 for a Grid).
#pragma once

#include <string>

#include "io/PuzzleRecord.h"
#include "io/ReadError.h"
#include "model/Grid.h"

// Parses the notation into a record with its Wall ring, emptyCount counted,
// boardFlag 1, no undo history, mode CreateMode, or SolveInProgress when the
// board holds placed stones. On failure returns false with the reason (the
// line and column of a bad character, ...).
bool ParseNotation(const std::string& text, PuzzleRecord& out, ReadError& error);

// The playable cells of a record, one line per row, cells separated by single
// spaces; '#' stands for any code the notation has no letter for.
std::string FormatNotation(const PuzzleRecord& record);

// The same notation for a board of any size from 1 x 1 to 64 x 64.
bool ParseGridNotation(const std::string& text, Grid& out, ReadError& error);
std::string FormatGridNotation(const Grid& grid);

// Test and tool convenience: parse the notation straight into GameState
// (ApplyPuzzle). Returns false, leaving GameState alone, on bad input, with
// the reason in vandor-cli's words.
bool LoadNotation(const std::string& text, std::string* error = nullptr);

// The board of GameState in the notation.
std::string FormatBoard();
