// The text notation for boards: one line per row from the top, one character
// per cell from the left, optionally separated by single spaces.
//   W given white   B given black   w placed white   b placed black   . empty
// Blank lines are ignored; 5..15 rows of equal length 5..15 (1..64 for a Grid).
#pragma once

#include <string>

#include "io/PuzzleRecord.h"
#include "model/Grid.h"

// Parses the notation into a record with its Wall ring, emptyCount counted,
// boardFlag 1, no undo history, mode CreateMode, or SolveInProgress when the
// board holds placed stones. On failure returns false and says why in error
// ("line 3 column 5: bad character 'x'", ...).
bool ParseNotation(const std::string& text, PuzzleRecord& out, std::string& error);

// How an error message names a character of the input: 'x' when printable,
// otherwise its byte ("byte 0x1b").
std::string DescribeChar(char c);

// The playable cells of a record, one line per row, cells separated by single
// spaces; '#' stands for any code the notation has no letter for.
std::string FormatNotation(const PuzzleRecord& record);

// The same notation for a board of any size from 1 x 1 to 64 x 64.
bool ParseGridNotation(const std::string& text, Grid& out, std::string& error);
std::string FormatGridNotation(const Grid& grid);

// Test and tool convenience: parse the notation straight into GameState
// (ApplyPuzzle). Returns false, leaving GameState alone, on bad input.
bool LoadNotation(const std::string& text, std::string* error = nullptr);

// The board of GameState in the notation.
std::string FormatBoard();
