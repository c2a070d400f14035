// The commands of vandor-cli and what they share.
#pragma once

#include <string>
#include <vector>

#include "io/PuzzleRecord.h"

enum CliExit {
    ExitDone = 0,        // the command did its job, whatever the solver found
    ExitBadInput = 1,    // the input cannot be read (or the output written)
    ExitUsage = 2,       // wrong arguments; main then prints the usage text
};

// One entry of main's command table. run gets the arguments after the
// command's name and returns a CliExit.
struct CliCommand {
    const char* name;
    const char* synopsis;  // "solve PUZZLE"
    const char* summary;   // one line for the usage text
    int (*run)(const std::vector<std::string>& args);
};

// Reads PUZZLE: a name ending in .vdr as a puzzle file, "-" as the notation
// on standard input, anything else as a notation file. False with
// "NAME: what is wrong" in error.
bool ReadPuzzleInput(const std::string& name, PuzzleRecord& out, std::string& error);

// "vandor-cli: message" on standard error; returns ExitBadInput.
int Fail(const std::string& message);

// "vandor-cli: message" on standard error; returns ExitUsage.
int UsageError(const std::string& message);

int RunSolve(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
