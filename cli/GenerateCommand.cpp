// vandor-cli generate: new puzzles with exactly one solution, each printed in
// the notation with the seed that makes it again, or written as .vdr files.
#include <cstdio>
#include <string>

#include "cli/CliCommands.h"
#include "exchange/PuzzLink.h"
#include "generator/Generator.h"
#include "io/InputFile.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"

namespace {

constexpr int kCliMinSize = 2;
constexpr int kMaxCount = 10000;

// A whole decimal number in 0..hi, nothing else.
bool ParseNumber(const std::string& text, unsigned long long hi, unsigned long long& out)
{
    return ParseDecimal(text, hi, out);
}

// FILE with "-K" before its extension: puzzles.vdr -> puzzles-2.vdr.
std::string NumberedName(const std::string& file, int k)
{
    const std::size_t slash = file.find_last_of('/');
    const std::size_t dot = file.find_last_of('.');
    const std::string suffix = "-" + std::to_string(k);
    if (dot == std::string::npos || dot == 0 || (slash != std::string::npos && dot < slash + 2))
        return file + suffix;
    return file.substr(0, dot) + suffix + file.substr(dot);
}

}  // namespace

int RunGenerate(const std::vector<std::string>& args)
{
    std::vector<std::string> operands;
    GenerateLevel level = GenerateLevel::Program;
    bool levelGiven = false, seedGiven = false, vdr = false, url = false;
    unsigned long long seed = 0, count = 1;
    std::string outFile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool option = arg == "--level" || arg == "--seed" || arg == "--count" || arg == "--format" || arg == "-o";
        if (!option) {
            if (arg.size() > 1 && arg[0] == '-')
                return UsageError("generate: unknown option '" + arg + "'");
            operands.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return UsageError("generate: " + arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--level") {
            if (!ParseLevel(value, level))
                return UsageError("generate: bad level '" + value + "' (program or any)");
            levelGiven = true;
        } else if (arg == "--seed") {
            if (!ParseNumber(value, ~0ULL, seed))
                return UsageError("generate: bad seed '" + value + "' (a whole number 0.." +
                                  std::to_string(~0ULL) + ")");
            seedGiven = true;
        } else if (arg == "--count") {
            if (!ParseNumber(value, kMaxCount, count) || count == 0)
                return UsageError("generate: bad count '" + value + "' (1.." + std::to_string(kMaxCount) + ")");
        } else if (arg == "--format") {
            vdr = value == "vdr";
            url = value == "url";
            if (!vdr && !url && value != "notation")
                return UsageError("generate: bad format '" + value + "' (notation, url or vdr)");
        } else {
            outFile = value;
        }
    }
    if (operands.size() != 2)
        return UsageError("generate: needs the width W and the height H");
    unsigned long long w = 0, h = 0;
    if (!ParseNumber(operands[0], kGridMaxSize, w) || !ParseNumber(operands[1], kGridMaxSize, h) ||
        w < kCliMinSize || h < kCliMinSize)
        return UsageError("generate: bad size '" + operands[0] + " " + operands[1] + "' (2..64 each)");
    const int width = static_cast<int>(w), height = static_cast<int>(h);

    // The automatic solver works on the window's boards only; other sizes
    // get level any unless program was asked for by name.
    if (!levelGiven && !LevelFitsSize(level, width, height))
        level = GenerateLevel::Any;
    if (!LevelFitsSize(level, width, height))
        return UsageError("generate: level program needs a size of 5..15 each (the automatic solver's); "
                          "use --level any");
    if (vdr) {
        if (outFile.empty())
            return UsageError("generate: --format vdr needs -o FILE");
        if (!IsBoardSize(width, height))
            return UsageError("generate: a .vdr file holds 5..15 columns and rows");
    } else if (!outFile.empty()) {
        return UsageError("generate: -o FILE goes with --format vdr");
    }
    if (!seedGiven)
        seed = RandomSeed();

    for (unsigned long long k = 0; k < count; ++k) {
        GenerateOptions options;
        options.width = width;
        options.height = height;
        options.level = level;
        options.seed = seed + k;  // each puzzle can be made again on its own
        const GenerateResult r = GeneratePuzzle(options);
        if (!r.ok)
            return Fail("generate: no puzzle was made");
        const std::string info = "seed: " + std::to_string(options.seed) + " givens: " + std::to_string(r.givens) +
                                 " level: " + LevelName(level) + "\n";
        if (vdr) {
            const std::string name = count > 1 ? NumberedName(outFile, static_cast<int>(k + 1)) : outFile;
            PuzzleRecord record;
            std::string error;
            ReadError why;
            if (!RecordFromGrid(r.puzzle, record, why))
                return Fail(ReadErrorText(why));
            if (!WritePuzzleFile(name, record, error))
                return Fail(error);
            std::fputs((name + ": " + info).c_str(), stdout);
        } else if (url) {
            // Standard output holds nothing but the URLs; the seed still
            // has to reach the user.
            std::fputs((FormatPuzzLinkUrl(r.puzzle) + "\n").c_str(), stdout);
            std::fputs(info.c_str(), stderr);
        } else {
            std::fputs((FormatGridNotation(r.puzzle) + info).c_str(), stdout);
        }
        std::fflush(stdout);
    }
    return ExitDone;
}
