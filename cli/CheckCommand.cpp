// vandor-cli check: how many solutions the puzzle's givens have (0, 1, 2+),
// proved by the exact engine.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/CliCommands.h"
#include "exact/ExactSolver.h"
#include "io/Notation.h"

namespace {

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
    long long limitMs = 0;
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--undecided") {
            undecided = true;
        } else if (args[k] == "--time-limit" && k + 1 < args.size()) {
            char* end = nullptr;
            const double seconds = std::strtod(args[++k].c_str(), &end);
            if (end == args[k].c_str() || *end != '\0' || !(seconds > 0) || seconds > 1e6)
                return UsageError("check: --time-limit takes a number of seconds above 0");
            limitMs = static_cast<long long>(seconds * 1000 + 0.5);
            limitMs = limitMs > 0 ? limitMs : 1;
        } else {
            operands.push_back(args[k]);
        }
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
    options.timeLimitMs = limitMs;
    const ExactResult r = SolveExact(GivensOf(grid), options);
    // A search that stopped early proved nothing: never print a verdict.
    if (r.cancelled) {
        std::fputs("stopped: the time limit ran out before the search finished\n", stdout);
        return ExitBadInput;
    }
    std::string out;
    if (r.solutions == 0) {
        out = "solutions: 0\n";
    } else if (r.solutions == 1) {
        out = "solutions: 1\n" + FormatGridNotation(r.first);
    } else {
        out = "solutions: 2+\n" + FormatGridNotation(r.first) + "\n" + FormatGridNotation(r.second);
        out += CellList("differ", r.first, [&](std::size_t i) { return r.first.cells[i] != r.second.cells[i]; });
        if (undecided)
            out += CellList("undecided", r.first, [&](std::size_t i) { return r.undecided[i] != 0; });
    }
    std::fputs(out.c_str(), stdout);
    return ExitDone;
}
