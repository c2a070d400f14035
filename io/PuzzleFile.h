// Reading and writing .vdr puzzle files.
#pragma once

#include <string>

#include "io/PuzzleRecord.h"

// Reads and checks a whole file into a record; false with a message naming
// what is wrong when the file cannot be read or is not a valid puzzle.
bool ReadPuzzleFile(const std::string& path, PuzzleRecord& out, std::string& error);

// Writes the record to path through a temporary file beside it that replaces
// the target only when every byte was written and closed; false with a
// message naming the file and the reason, the target untouched.
bool WritePuzzleFile(const std::string& path, const PuzzleRecord& record, std::string& error);

// The program's load: on success GameState holds the file (ApplyPuzzle); on
// failure only status changes, to StatusLoadFailed.
bool LoadPuzzleFile(const std::string& path, std::string& error);

// The program's save of GameState; never changes GameState.
bool SavePuzzleFile(const std::string& path, std::string& error);
