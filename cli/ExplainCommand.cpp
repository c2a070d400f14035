// vandor-cli explain and grade: the reasoner's steps on a puzzle, one line
// each, and the grade of the hardest technique they need.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/CliCommands.h"
#include "reason/Reasoner.h"

namespace {

std::string CellName(const reason::Board& b, int cell)
{
    return std::to_string(b.X(cell) + 1) + ',' + std::to_string(b.Y(cell) + 1);
}

// "block 4,3=B because 3,2 4,2 3,3"
std::string StepText(const reason::Board& b, const reason::Finding& f)
{
    std::string s = reason::InfoOf(f.technique).id;
    const char colour = f.colour == reason::kWhite ? 'W' : 'B';
    for (int cell : f.cells)
        s += ' ' + CellName(b, cell) + '=' + colour;
    if (f.technique == reason::Technique::Trial || f.technique == reason::Technique::Either)
        s += " depth " + std::to_string(f.depth);
    if (!f.because.empty()) {
        s += " because";
        for (int cell : f.because)
            s += ' ' + CellName(b, cell);
    }
    return s;
}

// "result: ..." with the undecided cells by column, then row, as check
// --undecided lists them.
std::string ResultText(const reason::Explanation& e)
{
    switch (e.outcome) {
    case reason::Outcome::Solved: return "result: solved\n";
    case reason::Outcome::NoSolution: return "result: no solution\n";
    case reason::Outcome::Several: break;
    case reason::Outcome::Stopped: return "result: stopped\n";
    }
    std::vector<int> cells = e.undecided;
    const reason::Board& b = e.board;
    std::sort(cells.begin(), cells.end(), [&](int p, int q) {
        return b.X(p) != b.X(q) ? b.X(p) < b.X(q) : b.Y(p) < b.Y(q);
    });
    std::string s = "result: several solutions; undecided";
    for (int cell : cells)
        s += ' ' + CellName(b, cell);
    return s + '\n';
}

// "techniques: block=12 ring=3 ..." for every technique used.
std::string TechniquesText(const reason::Explanation& e)
{
    std::string s = "techniques:";
    for (int k = 0; k < reason::kTechniqueCount; ++k)
        if (e.counts[k] > 0)
            s += ' ' + std::string(reason::InfoOf(static_cast<reason::Technique>(k)).id) + '=' +
                 std::to_string(e.counts[k]);
    return s + '\n';
}

// Reads the one PUZZLE operand and explains it; false with exitCode set.
bool ExplainInput(const char* command, const std::vector<std::string>& args, reason::Explanation& out,
                  int& exitCode)
{
    if (!TakeOperands(command, args, 1, "one PUZZLE", exitCode))
        return false;
    Grid grid;
    std::string error;
    if (!ReadPuzzleGrid(args[0], grid, error)) {
        exitCode = Fail(error);
        return false;
    }
    out = reason::Explain(grid);
    return true;
}

}  // namespace

int RunExplain(const std::vector<std::string>& args)
{
    reason::Explanation e;
    int exitCode = ExitDone;
    if (!ExplainInput("explain", args, e, exitCode))
        return exitCode;
    std::string out;
    for (std::size_t k = 0; k < e.steps.size(); ++k)
        out += "step " + std::to_string(k + 1) + ": " + StepText(e.board, e.steps[k]) + '\n';
    out += ResultText(e) + "grade: " + std::to_string(e.grade) + '\n';
    std::fputs(out.c_str(), stdout);
    return ExitDone;
}

int RunGrade(const std::vector<std::string>& args)
{
    reason::Explanation e;
    int exitCode = ExitDone;
    if (!ExplainInput("grade", args, e, exitCode))
        return exitCode;
    // A grade alone would pass a puzzle without one solution for a sound one.
    std::string out = e.outcome == reason::Outcome::Solved ? "" : ResultText(e);
    out += "grade: " + std::to_string(e.grade) + '\n' + TechniquesText(e);
    std::fputs(out.c_str(), stdout);
    return ExitDone;
}
