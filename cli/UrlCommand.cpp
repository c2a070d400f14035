#include <cstdio>

#include "cli/CliCommands.h"
#include "exchange/PuzzLink.h"

int RunUrl(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("url", args, 1, "one PUZZLE", exitCode))
        return exitCode;
    Grid grid;
    std::string error;
    if (!ReadPuzzleGrid(args[0], grid, error))
        return Fail(error);
    std::fputs((FormatPuzzLinkUrl(grid) + "\n").c_str(), stdout);
    return ExitDone;
}
