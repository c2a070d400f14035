// The commands of vandor-cli and what they share.
#pragma once

#include <string>
#include <vector>

#include "exchange/PuzzleInput.h"
#include "io/PuzzleRecord.h"
#include "model/Grid.h"

enum CliExit {
    ExitDone = 0,        // the command did its job, whatever the solver found
    ExitBadInput = 1,    // the input cannot be read (or the output written)
    ExitUsage = 2,       // wrong arguments; main then points to --help
};

// One entry of main's command table. run gets the arguments after the
// command's name and returns a CliExit.
struct CliCommand {
    const char* name;
    const char* synopsis;  // "solve PUZZLE"
    const char* summary;   // one line for the usage text
    int (*run)(const std::vector<std::string>& args);
};

// Reads PUZZLE through the one reader of operands. False with "NAME: what
// is wrong" in error; a URL that does not hold exactly its board is read
// and a warning line goes to standard error.
bool ReadOperand(const std::string& name, PuzzleInput& out, std::string& error);

// Reads PUZZLE as a board of any size from 1 x 1 to 64 x 64.
bool ReadPuzzleGrid(const std::string& name, Grid& out, std::string& error);

// What a command needs a window-sized record for; it names the command in
// the refusal of a board of another size.
enum class RecordUse { SolveOrPrint, VdrFile };

// Reads PUZZLE as a record of 5..15 columns and rows: a .vdr file as it is
// stored, any other board with its givens and placed stones.
bool ReadPuzzleRecord(const std::string& name, PuzzleRecord& out, std::string& error, RecordUse use);

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
