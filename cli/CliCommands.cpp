#include "cli/CliCommands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <unistd.h>

#include "exchange/PuzzLink.h"
#include "exchange/Pzprv3.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

// A board of 15 rows is a few hundred bytes; anything far larger is not a
// puzzle, and reading it all would only waste memory.
constexpr std::size_t kMaxNotationBytes = 1 << 20;

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

bool EndsWithVdr(const std::string& name) { return EndsWithNoCase(name, ".vdr"); }
bool EndsWithPzprv3(const std::string& name) { return EndsWithNoCase(name, ".pzprv3"); }

bool StartsWithScheme(const std::string& name)
{
    std::string head = name.substr(0, 8);
    for (char& c : head)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return head.rfind("http://", 0) == 0 || head.rfind("https://", 0) == 0;
}

// PUZZLE is the URL itself when it starts with a scheme, or when it reads
// "yinyang/..." and no file of that name exists.
bool IsUrlOperand(const std::string& name)
{
    if (StartsWithScheme(name))
        return true;
    std::error_code ec;
    return LooksLikePuzzleUrl(name) && !std::filesystem::exists(name, ec);
}

// PUZZLE is read as a .vdr file by its extension, unless it is a URL.
bool IsVdrOperand(const std::string& name) { return EndsWithVdr(name) && !IsUrlOperand(name); }

bool ReadStream(std::FILE* f, const std::string& label, std::string& text, std::string& error)
{
    char chunk[4096];
    for (;;) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
        text.append(chunk, n);
        if (text.size() > kMaxNotationBytes) {
            error = label + ": too large for a board (more than 1 MiB)";
            return false;
        }
        if (n < sizeof chunk) {
            if (std::ferror(f)) {
                error = label + ": cannot read: " + std::strerror(errno);
                return false;
            }
            return true;
        }
    }
}

bool ReadTextInput(const std::string& name, std::string& text, std::string& error)
{
    if (name == "-")
        return ReadStream(stdin, "standard input", text, error);
    const int fd = OpenFileForReading(name, error);
    if (fd < 0)
        return false;
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        error = name + ": cannot open: " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    const bool ok = ReadStream(f, name, text, error);
    std::fclose(f);
    return ok;
}

std::string Label(const std::string& name)
{
    if (name == "-")
        return "standard input";
    return IsUrlOperand(name) ? std::string("the URL") : name;
}

enum class InputKind { Notation, Url, Pzprv3 };

// The text of a PUZZLE that is no .vdr file, and what it holds: a .pzprv3
// file is always read as one; other files and standard input by their
// first line.
bool ReadPuzzleText(const std::string& name, std::string& text, InputKind& kind, std::string& error)
{
    if (IsUrlOperand(name)) {
        text = name;
        kind = InputKind::Url;
        return true;
    }
    if (!ReadTextInput(name, text, error))
        return false;
    if (EndsWithPzprv3(name) || LooksLikePzprv3(text))
        kind = InputKind::Pzprv3;
    else if (LooksLikePuzzleUrl(text))
        kind = InputKind::Url;
    else
        kind = InputKind::Notation;
    return true;
}

bool ParsePuzzleText(const std::string& text, InputKind kind, Grid& out, std::string& error)
{
    switch (kind) {
    case InputKind::Url: return ParsePuzzLinkUrl(text, out, error);
    case InputKind::Pzprv3: return ParsePzprv3(text, out, error);
    default: return ParseGridNotation(text, out, error);
    }
}

bool HasPlacedStone(const Grid& grid)
{
    for (std::uint8_t code : grid.cells)
        if (IsPlacedStone(code))
            return true;
    return false;
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

}  // namespace

bool ReadPuzzleInput(const std::string& name, PuzzleRecord& out, std::string& error)
{
    if (IsVdrOperand(name))
        return ReadPuzzleFile(name, out, error);
    std::string text;
    InputKind kind;
    if (!ReadPuzzleText(name, text, kind, error))
        return false;
    std::string why;
    if (kind == InputKind::Notation) {
        if (!ParseNotation(text, out, why)) {
            error = Label(name) + ": " + why;
            return false;
        }
        return true;
    }
    Grid grid;
    if (!ParsePuzzleText(text, kind, grid, why)) {
        error = Label(name) + ": " + why;
        return false;
    }
    if (grid.width < kMinSize || grid.width > kMaxSize || grid.height < kMinSize || grid.height > kMaxSize) {
        error = Label(name) + ": the board is " + std::to_string(grid.width) + " x " + std::to_string(grid.height) +
                "; solving, printing and .vdr files need 5..15 columns and rows";
        return false;
    }
    if (!RecordFromGrid(grid, out, why)) {
        error = Label(name) + ": " + why;
        return false;
    }
    return true;
}

bool ReadPuzzleGrid(const std::string& name, Grid& out, std::string& error)
{
    if (IsVdrOperand(name)) {
        PuzzleRecord record;
        if (!ReadPuzzleFile(name, record, error))
            return false;
        out = GridFromRecord(record);
        return true;
    }
    std::string text;
    InputKind kind;
    if (!ReadPuzzleText(name, text, kind, error))
        return false;
    std::string why;
    if (!ParsePuzzleText(text, kind, out, why)) {
        error = Label(name) + ": " + why;
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
    if (!ReadPuzzleInput(args[0], record, error))
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
    const std::string& name = args[0];
    std::string error;
    // A .vdr file keeps its mode; any other input would open in solve mode
    // when it holds placed stones, in create mode otherwise.
    int mode = CreateMode;
    Grid grid;
    if (IsVdrOperand(name)) {
        PuzzleRecord record;
        if (!ReadPuzzleFile(name, record, error))
            return Fail(error);
        grid = GridFromRecord(record);
        mode = record.mode;
    } else {
        if (!ReadPuzzleGrid(name, grid, error))
            return Fail(error);
        mode = HasPlacedStone(grid) ? SolveInProgress : CreateMode;
    }
    std::fputs((FormatGridNotation(grid) + "mode: " + std::to_string(mode) + "\n").c_str(), stdout);
    return ExitDone;
}

int RunConvert(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("convert", args, 2, "IN and OUT", exitCode))
        return exitCode;
    const std::string& in = args[0];
    const std::string& out = args[1];
    std::string error;

    // A .vdr file keeps mode and history through a conversion to .vdr, so
    // that path goes through the whole record.
    if (EndsWithVdr(out)) {
        PuzzleRecord record;
        if (!ReadPuzzleInput(in, record, error))
            return Fail(error);
        if (!WritePuzzleFile(out, record, error))
            return Fail(error);
        return ExitDone;
    }

    Grid grid;
    if (!ReadPuzzleGrid(in, grid, error))
        return Fail(error);
    // A cell the notation has no letter for would make a file that cannot
    // be read back.
    if (!HoldsOnlyStones(grid))
        return Fail(Label(in) + ": holds a cell code the text notation cannot show (written as '#'); not converted");
    const std::string text = EndsWithPzprv3(out) ? FormatPzprv3(grid) : FormatGridNotation(grid);
    if (out == "-") {
        std::fputs(text.c_str(), stdout);
        return ExitDone;
    }
    if (!WriteFileSafely(out, std::vector<std::uint8_t>(text.begin(), text.end()), error))
        return Fail(error);
    return ExitDone;
}
