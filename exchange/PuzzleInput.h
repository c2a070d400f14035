// The one reader of a puzzle operand, for every command of vandor-cli and
// the window's loaders: what an operand holds is decided here, once.
//
//   "-"                          the notation, a URL or a pzprv3 file on standard input
//   http://..., https://...      a puzzle URL
//   yinyang/...                  a puzzle URL, unless a file of that name exists
//   NAME.vdr                     a puzzle file
//   NAME.pzprv3                  a pzprv3 file
//   any other file               by its first line: "pzprv3", a URL, or the notation
#pragma once

#include <string>

#include "io/PuzzleRecord.h"
#include "io/ReadError.h"
#include "model/Grid.h"

enum class InputFormat { Detect, Vdr, Notation, Url, Pzprv3 };

enum class InputOrigin {
    Argument,       // the operand itself is the URL
    File,           // the operand names a file
    StandardInput,  // "-"
};

struct PuzzleInput {
    InputFormat format = InputFormat::Detect;
    InputOrigin origin = InputOrigin::Argument;
    std::string name;               // the operand as given
    Grid grid;                      // the board, 1..kGridMaxSize each way
    bool hasRecord = false;         // a .vdr file: record holds all of it
    PuzzleRecord record;
    ReadWarning warning = ReadWarning::None;  // a URL not quite as written
};

// Reads the operand into out. With a format other than Detect the operand
// is read as that format: for Url the operand is the URL's text itself,
// otherwise a file or "-". On failure out is unchanged and error says why;
// InputOriginOf tells where the operand was read from.
bool ReadPuzzleInput(const std::string& operand, PuzzleInput& out, ReadError& error,
                     InputFormat format = InputFormat::Detect);

// Where an operand is read from, as ReadPuzzleInput decides it; for naming
// the input in a message when the read failed.
InputOrigin InputOriginOf(const std::string& operand, InputFormat format = InputFormat::Detect);

// The input as the window, the automatic solver, printing and .vdr files
// take it: a .vdr file's record as read, any other board through
// RecordFromGrid (BoardSize outside kMinSize..kMaxSize).
bool RecordOfInput(const PuzzleInput& input, PuzzleRecord& out, ReadError& error);
