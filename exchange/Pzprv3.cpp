#include "exchange/Pzprv3.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char kMagic[] = "pzprv3";
const char kGenre[] = "yinyang";

// A 64 x 64 file is under 20 KiB; anything far larger is not a puzzle.
constexpr std::size_t kMaxFileBytes = 1 << 20;

std::string Trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Quote(const std::string& s)
{
    constexpr std::size_t kMax = 12;
    return "'" + (s.size() <= kMax ? s : s.substr(0, kMax) + "...") + "'";
}

// The lines of text without their line ends (LF or CR LF) and without a
// byte order mark at the start.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return lines;
}

std::vector<std::string> Tokens(const std::string& line)
{
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t first = line.find_first_not_of(" \t", pos);
        if (first == std::string::npos)
            break;
        std::size_t last = line.find_first_of(" \t", first);
        if (last == std::string::npos)
            last = line.size();
        tokens.push_back(line.substr(first, last - first));
        pos = last;
    }
    return tokens;
}

// 1..kGridMaxSize, or 0 for anything else.
int SizeValue(const std::string& s)
{
    if (s.empty())
        return 0;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        if (value > kGridMaxSize)
            return 0;
    }
    return value;
}

// 0 none, 1 white, 2 black, -1 no cell token.
int ColourOf(const std::string& token)
{
    if (token == ".")
        return 0;
    if (token == "1")
        return 1;
    if (token == "2")
        return 2;
    return -1;
}

const char* ColourName(int colour) { return colour == 1 ? "white" : "black"; }

}  // namespace

bool ParsePzprv3(const std::string& text, Grid& out, std::string& error)
{
    const std::vector<std::string> lines = SplitLines(text);
    auto line = [&](std::size_t number) { return number <= lines.size() ? lines[number - 1] : std::string(); };

    if (lines.empty() || Trimmed(line(1)) != kMagic) {
        error = "line 1: expected '" + std::string(kMagic) + "'" +
                (lines.empty() ? std::string(": the file is empty") : ", found " + Quote(Trimmed(line(1))));
        return false;
    }
    if (lines.size() < 2 || Trimmed(line(2)) != kGenre) {
        error = lines.size() < 2 ? "line 2: missing: the puzzle type"
                                 : "line 2: the file is for " + Quote(Trimmed(line(2))) + " puzzles, not " + kGenre;
        return false;
    }
    const int height = SizeValue(Trimmed(line(3)));
    const int width = SizeValue(Trimmed(line(4)));
    const std::string range = "1.." + std::to_string(kGridMaxSize);
    if (lines.size() < 3 || height == 0) {
        error = "line 3: expected the number of rows (" + range + "), found " + Quote(Trimmed(line(3)));
        return false;
    }
    if (lines.size() < 4 || width == 0) {
        error = "line 4: expected the number of columns (" + range + "), found " + Quote(Trimmed(line(4)));
        return false;
    }

    const std::size_t needed = 4 + 2 * static_cast<std::size_t>(height);
    if (lines.size() < needed) {
        error = "line " + std::to_string(lines.size() + 1) + ": missing: the file ends before its " +
                std::to_string(height) + " rows of givens and " + std::to_string(height) + " rows of the answer";
        return false;
    }

    Grid grid(width, height);
    for (int layer = 0; layer < 2; ++layer) {
        for (int y = 0; y < height; ++y) {
            const std::size_t number = 5 + static_cast<std::size_t>(layer) * height + y;
            const std::vector<std::string> tokens = Tokens(line(number));
            const std::string where = "line " + std::to_string(number);
            if (tokens.size() != static_cast<std::size_t>(width)) {
                error = where + ": " + std::to_string(tokens.size()) + " cells, but the board has " +
                        std::to_string(width) + " columns";
                return false;
            }
            for (int x = 0; x < width; ++x) {
                const int colour = ColourOf(tokens[x]);
                const std::string cell = where + " cell " + std::to_string(x + 1);
                if (colour < 0) {
                    error = cell + ": bad token " + Quote(tokens[x]) + " (expected 1, 2 or .)";
                    return false;
                }
                std::uint8_t& code = grid.at(x, y);
                if (layer == 0) {
                    code = static_cast<std::uint8_t>(colour);
                } else if (code == Empty) {
                    if (colour != 0)
                        code = colour == 1 ? PlacedWhite : PlacedBlack;
                } else if (colour != 0 && colour != code) {
                    error = cell + ": the answer puts " + ColourName(colour) + " on a given " + ColourName(code) +
                            " stone";
                    return false;
                }
            }
        }
    }
    out = std::move(grid);
    return true;
}

std::string FormatPzprv3(const Grid& grid)
{
    std::string s = std::string(kMagic) + "\n" + kGenre + "\n" + std::to_string(grid.height) + "\n" +
                    std::to_string(grid.width) + "\n";
    for (int layer = 0; layer < 2; ++layer) {
        for (int y = 0; y < grid.height; ++y) {
            for (int x = 0; x < grid.width; ++x) {
                const int code = grid.at(x, y);
                const int given = layer == 0 ? GivenWhite : PlacedWhite;
                s += code == given ? "1 " : code == given + 1 ? "2 " : ". ";
            }
            s += '\n';
        }
    }
    return s;
}

bool LooksLikePzprv3(const std::string& text)
{
    const std::vector<std::string> lines = SplitLines(text.substr(0, text.find('\n')));
    return !lines.empty() && Trimmed(lines[0]) == kMagic;
}

bool ReadPzprv3File(const std::string& path, Grid& out, std::string& error)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    std::string text;
    char chunk[4096];
    bool failed = false;
    for (;;) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
        text.append(chunk, n);
        if (text.size() > kMaxFileBytes) {
            error = path + ": too large for a puzzle (more than 1 MiB)";
            failed = true;
            break;
        }
        if (n < sizeof chunk) {
            if (std::ferror(f)) {
                error = path + ": cannot read: " + std::strerror(errno);
                failed = true;
            }
            break;
        }
    }
    std::fclose(f);
    if (failed)
        return false;
    std::string why;
    if (!ParsePzprv3(text, out, why)) {
        error = path + ": " + why;
        return false;
    }
    return true;
}
