#include "cli/CliCommands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

// A board of 15 rows is a few hundred bytes; anything far larger is not a
// puzzle, and reading it all would only waste memory.
constexpr std::size_t kMaxNotationBytes = 1 << 20;

bool EndsWithVdr(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext == ".vdr";
}

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

std::string Label(const std::string& name) { return name == "-" ? std::string("standard input") : name; }

bool ReadNotationInput(const std::string& name, PuzzleRecord& out, std::string& error)
{
    std::string text;
    if (!ReadTextInput(name, text, error))
        return false;
    std::string why;
    if (!ParseNotation(text, out, why)) {
        error = Label(name) + ": " + why;
        return false;
    }
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
    if (EndsWithVdr(name))
        return ReadPuzzleFile(name, out, error);
    return ReadNotationInput(name, out, error);
}

bool ReadPuzzleGrid(const std::string& name, Grid& out, std::string& error)
{
    if (EndsWithVdr(name)) {
        PuzzleRecord record;
        if (!ReadPuzzleFile(name, record, error))
            return false;
        out = GridFromRecord(record);
        return true;
    }
    std::string text;
    if (!ReadTextInput(name, text, error))
        return false;
    std::string why;
    if (!ParseGridNotation(text, out, why)) {
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
    AutoSolve();
    std::fputs((FormatBoard() + StatusLine()).c_str(), stdout);
    return ExitDone;
}

int RunShow(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("show", args, 1, "one PUZZLE", exitCode))
        return exitCode;
    PuzzleRecord record;
    std::string error;
    if (!ReadPuzzleInput(args[0], record, error))
        return Fail(error);
    std::fputs((FormatNotation(record) + "mode: " + std::to_string(record.mode) + "\n").c_str(), stdout);
    return ExitDone;
}

int RunConvert(const std::vector<std::string>& args)
{
    int exitCode = ExitDone;
    if (!TakeOperands("convert", args, 2, "IN and OUT", exitCode))
        return exitCode;
    const std::string& in = args[0];
    const std::string& out = args[1];
    PuzzleRecord record;
    std::string error;
    if (!ReadPuzzleInput(in, record, error))
        return Fail(error);

    if (EndsWithVdr(out)) {
        if (!WritePuzzleFile(out, record, error))
            return Fail(error);
        return ExitDone;
    }
    const std::string text = FormatNotation(record);
    // A cell the notation has no letter for would make a file that cannot
    // be read back.
    if (text.find('#') != std::string::npos)
        return Fail(in + ": holds a cell code the text notation cannot show (written as '#'); not converted");
    if (out == "-") {
        std::fputs(text.c_str(), stdout);
        return ExitDone;
    }
    if (!WriteFileSafely(out, std::vector<std::uint8_t>(text.begin(), text.end()), error))
        return Fail(error);
    return ExitDone;
}
