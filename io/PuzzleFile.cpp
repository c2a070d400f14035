// Placeholder until the file format lands.
#include "io/PuzzleFile.h"

bool ReadPuzzleFile(const std::string&, PuzzleRecord&, std::string& error) { error = "not implemented"; return false; }
bool WritePuzzleFile(const std::string&, const PuzzleRecord&, std::string& error) { error = "not implemented"; return false; }
bool LoadPuzzleFile(const std::string&, std::string& error) { GameState.status = StatusLoadFailed; error = "not implemented"; return false; }
bool SavePuzzleFile(const std::string&, std::string& error) { error = "not implemented"; return false; }
