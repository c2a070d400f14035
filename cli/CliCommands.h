// The commands of vandor-cli and what they share.
#pragma once

#include <string>
#include <vector>

#include "io/PuzzleRecord.h"
#include "model/Grid.h"

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

// Reads PUZZLE like ReadPuzzleInput, but the notation may have any size from
// 1 x 1 to 64 x 64.
bool ReadPuzzleGrid(const std::string& name, Grid& out, std::string& error);

// Checks that a command got exactly `count` operands and no options; sets
// exitCode to ExitUsage (after saying why) when not.
bool TakeOperands(const char* command, const std::vector<std::string>& args, std::size_t count,
                  const char* what, int& exitCode);

// "vandor-cli: message" on standard error; returns ExitBadInput.
int Fail(const std::string& message);

// "vandor-cli: message" on standard error; returns ExitUsage.
int UsageError(const std::string& message);

int RunSolve(const std::vector<std::string>& args);
int RunShow(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);     // CheckCommand.cpp
int RunUrl(const std::vector<std::string>& args);       // UrlCommand.cpp
int RunGenerate(const std::vector<std::string>& args);  // GenerateCommand.cpp
int RunExplain(const std::vector<std::string>& args);   // ExplainCommand.cpp
int RunGrade(const std::vector<std::string>& args);     // ExplainCommand.cpp
