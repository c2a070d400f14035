// vandor-cli check: how many solutions the puzzle's givens have (0, 1, 2+),
// proved by the exact engine.
#include <cstdio>
#include <string>

#include "cli/CliCommands.h"
#include "exact/ExactSolver.h"

namespace {

std::string Rows(const Grid& g)
{
    std::string s;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            if (x > 0)
                s += ' ';
            s += g.at(x, y) == GivenWhite ? 'W' : 'B';
        }
        s += '\n';
    }
    return s;
}

// "name: X,Y X,Y ..." with 1-based column,row, x outer and y inner.
template <typename Marked>
std::string CellList(const char* name, const Grid& g, Marked marked)
{
    std::string s = name;
    s += ':';
    for (int x = 0; x < g.width; ++x)
        for (int y = 0; y < g.height; ++y)
            if (marked(static_cast<std::size_t>(y) * g.width + x))
                s += ' ' + std::to_string(x + 1) + ',' + std::to_string(y + 1);
    return s + '\n';
}

}  // namespace

int RunCheck(const std::vector<std::string>& args)
{
    std::vector<std::string> operands;
    bool undecided = false;
    for (const std::string& arg : args) {
        if (arg == "--undecided")
            undecided = true;
        else
            operands.push_back(arg);
    }
    int exitCode = ExitDone;
    if (!TakeOperands("check", operands, 1, "one PUZZLE", exitCode))
        return exitCode;
    Grid grid;
    std::string error;
    if (!ReadPuzzleGrid(operands[0], grid, error))
        return Fail(error);

    ExactOptions options;
    options.findUndecided = undecided;
    const ExactResult r = SolveExact(GivensOf(grid), options);
    std::string out;
    if (r.solutions == 0) {
        out = "solutions: 0\n";
    } else if (r.solutions == 1) {
        out = "solutions: 1\n" + Rows(r.first);
    } else {
        out = "solutions: 2+\n" + Rows(r.first) + "\n" + Rows(r.second);
        out += CellList("differ", r.first, [&](std::size_t i) { return r.first.cells[i] != r.second.cells[i]; });
        if (undecided)
            out += CellList("undecided", r.first, [&](std::size_t i) { return r.undecided[i] != 0; });
    }
    std::fputs(out.c_str(), stdout);
    return ExitDone;
}
