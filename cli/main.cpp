// vandor-cli: solve, show, convert, print and exchange puzzles without a window.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Version.h"
#include "cli/CliCommands.h"

// The print command draws the page with Qt; a build without Qt keeps the
// command and has it say that printing is not available.
#include "cli/PrintCommand.h"

namespace {

const CliCommand kCommands[] = {
    {"solve", "solve PUZZLE", "run the automatic solver on the puzzle's given stones", RunSolve},
    {"show", "show PUZZLE", "print the board as stored, without solving", RunShow},
    {"convert", "convert IN OUT", "write IN as notation, .vdr or .pzprv3 (by OUT's extension)", RunConvert},
    {"print", "print PUZZLE -o page.pdf", "print the puzzle's page into a PDF file", RunPrint},
    {"check", "check PUZZLE [--undecided] [--time-limit S]", "prove whether the puzzle has 0, 1 or 2+ solutions", RunCheck},
    {"url", "url PUZZLE", "print the puzz.link URL of the puzzle's given stones", RunUrl},
    {"generate", "generate W H [OPTIONS]", "make new puzzles with exactly one solution", RunGenerate},
    {"explain", "explain PUZZLE", "explain the puzzle step by step, as a person solves it", RunExplain},
    {"grade", "grade PUZZLE", "grade the puzzle 1..5 by the hardest technique it needs", RunGrade},
};

// What follows the list of commands in the usage text.
const char kDetails[] =
    "\n"
    "PUZZLE is a .vdr file or a text file in the board notation: one line per\n"
    "row from the top, one character per cell from the left, optionally\n"
    "separated by single spaces: W given white, B given black, w placed white,\n"
    "b placed black, . empty. '-' reads the notation from standard input.\n"
    "PUZZLE may also be a puzzle URL (https://puzz.link/p?yinyang/W/H/...), a\n"
    ".pzprv3 file (its answer as placed stones) or a text file holding either.\n"
    "A URL whose data is shorter or longer than its board is read with a\n"
    "warning on standard error. check, show, url and convert take boards of\n"
    "1..64 columns and rows; solve, print and .vdr files need 5..15.\n"
    "convert writes OUT by its extension: .vdr, .pzprv3, or the notation for\n"
    ".txt, a name without an extension or '-' (standard output).\n"
    "\n"
    "solve prints the board and one line 'status: solved', 'status: contradiction',\n"
    "'status: unsolvable' or 'status: multiple X Y'; show prints the board and\n"
    "'mode: N'.\n"
    "\n"
    "check accepts the notation in any size from 1 x 1 to 64 x 64 and prints\n"
    "'solutions: 0', 'solutions: 1' and the solution, or 'solutions: 2+', two\n"
    "solutions, a line 'differ: X,Y ...' and, with --undecided, a line\n"
    "'undecided: X,Y ...' naming every cell not the same in every solution.\n"
    "With --time-limit S it stops after S seconds (a decimal number above 0):\n"
    "then it prints 'stopped: the time limit ran out before the search\n"
    "finished', no verdict, and exits with status 1.\n"
    "\n"
    "generate W H [--level program|any | --grade G] [--seed N] [--count K]\n"
    "[--time-limit S] [--format notation|url|vdr -o FILE] makes K puzzles\n"
    "(default 1) of W x H (2..64 each) with exactly one solution, none of whose\n"
    "given stones can go. Level program (the default for 5..15) means the\n"
    "automatic solver solves them too; any asks only for one solution. Each\n"
    "puzzle is printed in the notation and a line 'seed: N givens: G level: L',\n"
    "or as one URL per line, or written to FILE (FILE-1, FILE-2 ... before the\n"
    "extension when K > 1). --seed N makes the same puzzles again; puzzle k of\n"
    "a run uses seed N + k - 1.\n"
    "--grade G (1..5, sizes 5..15) asks for puzzles whose grade (see grade) is\n"
    "exactly G, with no stone that could go without raising it; the line gains\n"
    "' grade: G'. It shows progress on standard error after a second, and fails\n"
    "after 400 boards without one or after 60 seconds. --time-limit S gives\n"
    "each puzzle S seconds instead (any level); a puzzle found in time is the\n"
    "one its seed always makes.\n"
    "\n"
    "Exit status: 0 done, 1 the input cannot be read or the output not written,\n"
    "2 wrong arguments (one line says what, and points here).\n";

void PrintUsage(std::FILE* to)
{
    std::fputs("usage: vandor-cli COMMAND ARGUMENTS\n\n", to);
    for (const CliCommand& c : kCommands)
        std::fprintf(to, "  vandor-cli %-26s %s\n", c.synopsis, c.summary);
    std::fprintf(to, "  vandor-cli %-26s %s\n", "--help", "print this text");
    std::fprintf(to, "  vandor-cli %-26s %s\n", "--version", "print the program's name and version");
    std::fputs(kDetails, to);
}

// An argument error has said what is wrong in one line; this points to the rest.
int UsageHint()
{
    std::fputs("Try 'vandor-cli --help' for more information.\n", stderr);
    return ExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        UsageError("no command given");
        return UsageHint();
    }
    // Options of the program itself, before any command.
    if (args[0] == "--help" || args[0] == "-h") {
        PrintUsage(stdout);
        return ExitDone;
    }
    if (args[0] == "--version") {
        std::printf("vandor-cli (%s) %s\n", version::kProgramName, version::kVersion);
        return ExitDone;
    }

    const CliCommand* command = nullptr;
    for (const CliCommand& c : kCommands)
        if (args[0] == c.name)
            command = &c;
    if (!command) {
        UsageError("unknown command '" + args[0] + "'");
        return UsageHint();
    }

    int exitCode = command->run(std::vector<std::string>(args.begin() + 1, args.end()));
    if (exitCode == ExitUsage)
        UsageHint();
    // Output that never arrived (a full disk, a closed pipe) is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        exitCode = Fail(std::string("standard output: cannot write: ") + std::strerror(errno));
    return exitCode;
}
