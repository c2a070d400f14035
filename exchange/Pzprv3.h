// The text files of the online players and editors:
//
//   pzprv3
//   yinyang
//   H                  rows
//   W                  columns
//   H lines of givens  one token per cell, each followed by a space:
//   H lines of answer    1 white, 2 black, . none
//
// In the answer a given cell is written '.'; reading also takes the given's
// own colour there. Anything after the answer is ignored; CR LF line ends
// are read as well.
#pragma once

#include <string>

#include "io/PuzzleFile.h"
#include "io/ReadError.h"
#include "model/Grid.h"

// Reads the text into a grid: the givens as given stones, the answer's
// stones on the other cells as placed stones. On failure out is unchanged and
// error says what is wrong and on which line.
bool ParsePzprv3(const std::string& text, Grid& out, ReadError& error);

// The file of the grid: its given stones, and its placed stones as the answer.
std::string FormatPzprv3(const Grid& grid);

// Writes FormatPzprv3(grid) to path as WriteFileSafely does; false with
// "PATH: what failed: reason" and, when asked, the failure.
bool WritePzprv3File(const std::string& path, const Grid& grid, std::string& error, WriteError* failure = nullptr);

// True when the first line of text is "pzprv3".
bool LooksLikePzprv3(const std::string& text);
