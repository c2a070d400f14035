#include "cli/CliCommands.h"

#include <cstdio>

#include "exchange/Pzprv3.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

bool EndsWithNoCase(const std::string& name, const std::string& suffix)
{
    if (name.size() < suffix.size())
        return false;
    std::string ext = name.substr(name.size() - suffix.size());
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext == suffix;
}

// How a message names the input.
std::string Label(const std::string& name, InputOrigin origin)
{
    switch (origin) {
    case InputOrigin::StandardInput: return "standard input";
    case InputOrigin::Argument: return "the URL";
    default: return name;
    }
}

// True when every cell holds a code that the notation and pzprv3 files can
// write; a .vdr file read through its checks always does.
bool HoldsOnlyStones(const Grid& grid)
{
    for (std::uint8_t code : grid.cells)
        if (code == Wall || code > PlacedBlack)
            return false;
    return true;
}

bool HasPlacedStone(const Grid& grid)
{
    for (std::uint8_t code : grid.cells)
        if (IsPlacedStone(code))
            return true;
    return false;
}

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

std::string StatusLine()
{
    switch (GameState.status) {
    case StatusNone: return "status: solved\n";
    case StatusContradiction: return "status: contradiction\n";
    case StatusUnsolvable: return "status: unsolvable\n";
    case StatusMultipleSolutions:
        return "status: multiple " + std::to_string(GameState.altCell.x) + " " +
               std::to_string(GameState.altCell.y) + "\n";
    default: return "status: unknown " + std::to_string(GameState.status) + "\n";
    }
}

// Why a board of another size cannot be used this way.
std::string SizeRefusal(const Grid& grid, RecordUse use)
{
    const std::string board = "the board is " + std::to_string(grid.width) + " x " + std::to_string(grid.height);
    const std::string limits = std::to_string(kMinSize) + ".." + std::to_string(kMaxSize);
    if (use == RecordUse::VdrFile)
        return board + "; a .vdr file holds " + limits + " columns and rows";
    return board + "; solve and print need " + limits + " columns and rows (check, show, url and convert take " +
           std::to_string(kGridMinSize) + ".." + std::to_string(kGridMaxSize) + ")";
}

// The output formats of convert, by OUT's extension: the notation for
// "-", a .txt file or a name without an extension.
enum class OutputFormat { Notation, Vdr, Pzprv3, Unknown };

OutputFormat OutputFormatOf(const std::string& out)
{
    if (EndsWithNoCase(out, ".vdr"))
        return OutputFormat::Vdr;
    if (EndsWithNoCase(out, ".pzprv3"))
        return OutputFormat::Pzprv3;
    const std::size_t slash = out.find_last_of('/');
    const std::size_t dot = out.find_last_of('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return out == "-" || !extension || EndsWithNoCase(out, ".txt") ? OutputFormat::Notation : OutputFormat::Unknown;
}

}  // namespace

bool ReadOperand(const std::string& name, PuzzleInput& out, std::string& error)
{
    ReadError why;
    if (!ReadPuzzleInput(name, out, why)) {
        error = Label(name, InputOriginOf(name)) + ": " + ReadErrorText(why);
        return false;
    }
    if (out.warning != ReadWarning::None)
        std::fprintf(stderr, "vandor-cli: %s: warning: %s\n", Label(name, out.origin).c_str(),
                     ReadWarningText(out.warning).c_str());
    return true;
}

bool ReadPuzzleGrid(const std::string& name, Grid& out, std::string& error)
{
    PuzzleInput in;
    if (!ReadOperand(name, in, error))
        return false;
    out = std::move(in.grid);
    return true;
}

bool ReadPuzzleRecord(const std::string& name, PuzzleRecord& out, std::string& error, RecordUse use)
{
    PuzzleInput in;
    if (!ReadOperand(name, in, error))
        return false;
    ReadError why;
    if (!RecordOfInput(in, out, why)) {
        error = Label(name, in.origin) + ": " +
                (why.problem == ReadProblem::BoardSize ? SizeRefusal(in.grid, use) : ReadErrorText(why));
        return false;
    }
    return true;
}

bool TakeOperands(const char* command, const std::vector<std::string>& args, std::size_t count,
                  const char* what, int& exitCode)
{
    for (const std::string& arg : args) {
        if (IsOption(arg)) {
            exitCode = UsageError(std::string(command) + ": unknown option '" + arg + "'");
            return false;
        }
    }
    if (args.size() != count) {
        exitCode = UsageError(std::string(command) + " takes " + what);
        return false;
    }
    return true;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "vandor-cli: %s\n", message.c_str());
    return ExitBadInput;
}

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "vandor-cli: %s\n", message.c_str());
    return ExitUsage;
}

int RunSolve(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("solve", args, 1, "one PUZZLE", exitCode))
        return exitCode;
    PuzzleRecord record;
    std::string error;
    if (!ReadPuzzleRecord(args[0], record, error, RecordUse::SolveOrPrint))
        return Fail(error);
    ApplyPuzzle(record);
    AutoSolve(GameState);
    std::fputs((FormatBoard() + StatusLine()).c_str(), stdout);
    return ExitDone;
}

int RunShow(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("show", args, 1, "one PUZZLE", exitCode))
        return exitCode;
    PuzzleInput in;
    std::string error;
    if (!ReadOperand(args[0], in, error))
        return Fail(error);
    // A .vdr file keeps its mode; any other input would open in solve mode
    // when it holds placed stones, in create mode otherwise.
    const int mode = in.hasRecord ? in.record.mode : HasPlacedStone(in.grid) ? SolveInProgress : CreateMode;
    std::fputs((FormatGridNotation(in.grid) + "mode: " + std::to_string(mode) + "\n").c_str(), stdout);
    return ExitDone;
}

int RunConvert(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("convert", args, 2, "IN and OUT", exitCode))
        return exitCode;
    const std::string& in = args[0];
    const std::string& out = args[1];
    const OutputFormat format = OutputFormatOf(out);
    if (format == OutputFormat::Unknown)
        return UsageError("convert: cannot tell the format of '" + out + "' (end it in .txt, .vdr or .pzprv3)");
    std::string error;

    // A .vdr file keeps mode and history through a conversion to .vdr, so
    // that path goes through the whole record.
    if (format == OutputFormat::Vdr) {
        PuzzleRecord record;
        if (!ReadPuzzleRecord(in, record, error, RecordUse::VdrFile) || !WritePuzzleFile(out, record, error))
            return Fail(error);
        return ExitDone;
    }
    PuzzleInput input;
    if (!ReadOperand(in, input, error))
        return Fail(error);
    // A cell the notation has no letter for would make a file that cannot
    // be read back.
    if (!HoldsOnlyStones(input.grid))
        return Fail(Label(in, input.origin) +
                    ": holds a cell code the text notation cannot show (written as '#'); not converted");
    if (format == OutputFormat::Pzprv3)
        return WritePzprv3File(out, input.grid, error) ? ExitDone : Fail(error);
    const std::string text = FormatGridNotation(input.grid);
    if (out == "-") {
        std::fputs(text.c_str(), stdout);
        return ExitDone;
    }
    if (!WriteFileSafely(out, std::vector<std::uint8_t>(text.begin(), text.end()), error))
        return Fail(error);
    return ExitDone;
}
