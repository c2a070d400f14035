// vandor-cli generate: new puzzles with exactly one solution, each printed in
// the notation with the seed that makes it again, or written as .vdr files.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// What the command line asks for.
struct GenerateRequest {
    int width = 0;
    int height = 0;
    GenerateLevel level = GenerateLevel::Program;
    bool levelGiven = false;
    int grade = 0;  // --grade G, 0 without
    bool seedGiven = false;
    unsigned long long seed = 0;
    unsigned long long count = 1;
    long long timeLimitMs = 0;  // --time-limit S; 0: the level's own (none, or graded)
    bool vdr = false;
    bool url = false;
    std::string outFile;
};

// One option and its value into the request; false with exitCode set when
// the value is bad.
bool ReadOption(const std::string& option, const std::string& value, GenerateRequest& r, int& exitCode)
{
    if (option == "--level") {
        if (!ParseLevel(value, r.level)) {
            exitCode = UsageError("generate: bad level '" + value + "' (program or any)");
            return false;
        }
        r.levelGiven = true;
    } else if (option == "--grade") {
        unsigned long long g = 0;
        GenerateLevel level;
        if (!ParseNumber(value, 9, g) || !GradeLevel(static_cast<int>(g), level)) {
            exitCode = UsageError("generate: bad grade '" + value + "' (1..5)");
            return false;
        }
        r.grade = static_cast<int>(g);
    } else if (option == "--seed") {
        if (!ParseNumber(value, ~0ULL, r.seed)) {
            exitCode =
                UsageError("generate: bad seed '" + value + "' (a whole number 0.." + std::to_string(~0ULL) + ")");
            return false;
        }
        r.seedGiven = true;
    } else if (option == "--count") {
        if (!ParseNumber(value, kMaxCount, r.count) || r.count == 0) {
            exitCode = UsageError("generate: bad count '" + value + "' (1.." + std::to_string(kMaxCount) + ")");
            return false;
        }
    } else if (option == "--time-limit") {
        char* end = nullptr;
        const double seconds = std::strtod(value.c_str(), &end);
        if (end == value.c_str() || *end != '\0' || !(seconds > 0) || seconds > 1e6) {
            exitCode = UsageError("generate: --time-limit takes a number of seconds above 0");
            return false;
        }
        r.timeLimitMs = std::max(1LL, static_cast<long long>(seconds * 1000 + 0.5));
    } else if (option == "--format") {
        r.vdr = value == "vdr";
        r.url = value == "url";
        if (!r.vdr && !r.url && value != "notation") {
            exitCode = UsageError("generate: bad format '" + value + "' (notation, url or vdr)");
            return false;
        }
    } else {
        r.outFile = value;
    }
    return true;
}

// The operands W and H, and what the size allows of level and format.
bool CheckSize(const std::vector<std::string>& operands, GenerateRequest& r, int& exitCode)
{
    if (operands.size() != 2) {
        exitCode = UsageError("generate: needs the width W and the height H");
        return false;
    }
    unsigned long long w = 0, h = 0;
    if (!ParseNumber(operands[0], kGridMaxSize, w) || !ParseNumber(operands[1], kGridMaxSize, h) ||
        w < kCliMinSize || h < kCliMinSize) {
        exitCode = UsageError("generate: bad size '" + operands[0] + " " + operands[1] + "' (2..64 each)");
        return false;
    }
    r.width = static_cast<int>(w);
    r.height = static_cast<int>(h);

    if (r.grade != 0) {
        if (r.levelGiven) {
            exitCode = UsageError("generate: --grade and --level do not go together");
            return false;
        }
        GradeLevel(r.grade, r.level);
        if (!LevelFitsSize(r.level, r.width, r.height)) {
            exitCode = UsageError("generate: --grade needs a size of 5..15 each");
            return false;
        }
    }
    // The automatic solver works on the window's boards only; other sizes
    // get level any unless program was asked for by name.
    if (!r.levelGiven && !LevelFitsSize(r.level, r.width, r.height))
        r.level = GenerateLevel::Any;
    if (!LevelFitsSize(r.level, r.width, r.height)) {
        exitCode = UsageError("generate: level program needs a size of 5..15 each (the automatic solver's); "
                              "use --level any");
        return false;
    }
    if (r.vdr && r.outFile.empty()) {
        exitCode = UsageError("generate: --format vdr needs -o FILE");
        return false;
    }
    if (r.vdr && !IsBoardSize(r.width, r.height)) {
        exitCode = UsageError("generate: a .vdr file holds 5..15 columns and rows");
        return false;
    }
    if (!r.vdr && !r.outFile.empty()) {
        exitCode = UsageError("generate: -o FILE goes with --format vdr");
        return false;
    }
    return true;
}

bool ReadRequest(const std::vector<std::string>& args, GenerateRequest& r, int& exitCode)
{
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool option = arg == "--level" || arg == "--grade" || arg == "--seed" || arg == "--count" || arg == "--time-limit" || arg == "--format" || arg == "-o";
        if (!option) {
            if (arg.size() > 1 && arg[0] == '-') {
                exitCode = UsageError("generate: unknown option '" + arg + "'");
                return false;
            }
            operands.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) {
            exitCode = UsageError("generate: " + arg + " needs a value");
            return false;
        }
        if (!ReadOption(arg, args[++i], r, exitCode))
            return false;
    }
    return CheckSize(operands, r, exitCode);
}

// Prints or writes puzzle k (0-based) of the run; false with exitCode set
// when its file cannot be written.
bool PutOut(const GenerateRequest& r, unsigned long long k, std::uint64_t seed, const GenerateResult& made,
            int& exitCode)
{
    const std::string info = "seed: " + std::to_string(seed) + " givens: " + std::to_string(made.givens) +
                             " level: " + LevelName(r.level) +
                             (made.grade != 0 ? " grade: " + std::to_string(made.grade) : std::string()) + "\n";
    if (r.vdr) {
        const std::string name = r.count > 1 ? NumberedName(r.outFile, static_cast<int>(k + 1)) : r.outFile;
        PuzzleRecord record;
        ReadError why;
        if (!RecordFromGrid(made.puzzle, record, why)) {
            exitCode = Fail(ReadErrorText(why));
            return false;
        }
        std::string error;
        if (!WritePuzzleFile(name, record, error)) {
            exitCode = Fail(error);
            return false;
        }
        std::fputs((name + ": " + info).c_str(), stdout);
    } else if (r.url) {
        // Standard output holds nothing but the URLs; the seed still has to
        // reach the user.
        std::fputs((FormatPuzzLinkUrl(made.puzzle) + "\n").c_str(), stdout);
        std::fputs(info.c_str(), stderr);
    } else {
        std::fputs((FormatGridNotation(made.puzzle) + info).c_str(), stdout);
    }
    std::fflush(stdout);
    return true;
}

// 60000 -> "60 s", 1500 -> "1.5 s".
std::string SecondsText(long long ms)
{
    std::string s = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        char frac[8];
        std::snprintf(frac, sizeof frac, ".%03lld", ms % 1000);
        std::string f = frac;
        while (f.back() == '0')
            f.pop_back();
        s += f;
    }
    return s + " s";
}

// Progress on standard error for a graded search that has run a second.
struct Progress {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    bool shown = false;
};

void ShowProgress(int boards, void* context)
{
    auto& p = *static_cast<Progress*>(context);
    if (std::chrono::steady_clock::now() - p.start < std::chrono::seconds(1))
        return;
    std::fprintf(stderr, "\rgenerate: board %d of at most %d...", boards, kGradeBoards);
    std::fflush(stderr);
    p.shown = true;
}

}  // namespace

int RunGenerate(const std::vector<std::string>& args)
{
    GenerateRequest request;
    int exitCode = ExitDone;
    if (!ReadRequest(args, request, exitCode))
        return exitCode;
    if (!request.seedGiven)
        request.seed = RandomSeed();

    for (unsigned long long k = 0; k < request.count; ++k) {
        GenerateOptions options;
        options.width = request.width;
        options.height = request.height;
        options.level = request.level;
        options.seed = request.seed + k;  // each puzzle can be made again on its own
        Progress progress;
        options.progress = ShowProgress;
        options.progressContext = &progress;
        options.timeLimitMs = request.timeLimitMs > 0   ? request.timeLimitMs
                              : request.grade != 0 ? kGradeTimeLimitSeconds * 1000LL
                                                   : 0;
        const GenerateResult made = GeneratePuzzle(options);
        if (progress.shown)
            std::fputs("\n", stderr);
        if (made.timedOut)
            return Fail("generate: " +
                        (request.grade != 0 ? "no puzzle of grade " + std::to_string(request.grade)
                                            : std::string("no puzzle")) +
                        " was found within the time limit of " + SecondsText(options.timeLimitMs) + " (" +
                        std::to_string(made.boards) + (made.boards == 1 ? " board" : " boards") +
                        " tried); try another --seed or size, or a longer --time-limit");
        if (!made.ok && request.grade != 0)
            return Fail("generate: no puzzle of grade " + std::to_string(request.grade) + " was found on " +
                        std::to_string(made.boards) + " boards; try another --seed or size");
        if (!made.ok)
            return Fail("generate: no puzzle was made");
        if (!PutOut(request, k, options.seed, made, exitCode))
            return exitCode;
    }
    return ExitDone;
}
