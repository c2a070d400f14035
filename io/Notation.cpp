#include "io/Notation.h"

#include <vector>

std::string DescribeChar(char c)
{
    if (c >= 0x21 && c <= 0x7e)
        return std::string("'") + c + "'";
    static const char* hex = "0123456789abcdef";
    const auto u = static_cast<unsigned char>(c);
    return std::string("byte 0x") + hex[u >> 4] + hex[u & 15];
}

namespace {

int CodeFor(char c)
{
    switch (c) {
    case 'W': return GivenWhite;
    case 'B': return GivenBlack;
    case 'w': return PlacedWhite;
    case 'b': return PlacedBlack;
    case '.': return Empty;
    default: return -1;
    }
}

char LetterFor(int code)
{
    switch (code) {
    case Empty: return '.';
    case GivenWhite: return 'W';
    case GivenBlack: return 'B';
    case PlacedWhite: return 'w';
    case PlacedBlack: return 'b';
    default: return '#';
    }
}

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

// A line is spaced when every second character is a space: "W . B".
bool IsSpaced(const std::string& line)
{
    if (line.size() < 3 || line.size() % 2 == 0)
        return false;
    for (std::size_t i = 1; i < line.size(); i += 2)
        if (line[i] != ' ')
            return false;
    return true;
}

}  // namespace

namespace {

// Splits the notation into rows of cell codes, each between minSize and
// maxSize cells, and between minSize and maxSize rows.
bool ParseRows(const std::string& text, std::size_t minSize, std::size_t maxSize,
               std::vector<std::vector<int>>& rows, std::string& error)
{
    const std::string range = std::to_string(minSize) + ".." + std::to_string(maxSize);
    std::size_t width = 0;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (IsBlank(line))
            continue;

        const bool spaced = IsSpaced(line);
        std::vector<int> row;
        for (std::size_t i = 0; i < line.size(); i += spaced ? 2 : 1) {
            const int code = CodeFor(line[i]);
            if (code < 0) {
                error = "line " + std::to_string(lineNo) + " column " + std::to_string(i + 1) +
                        ": bad character " + DescribeChar(line[i]) + " (expected W B w b or .)";
                return false;
            }
            row.push_back(code);
        }
        if (rows.empty()) {
            width = row.size();
            if (width < minSize || width > maxSize) {
                error = "line " + std::to_string(lineNo) + ": bad size: " + std::to_string(width) +
                        " cells in a row (must be " + range + ")";
                return false;
            }
        } else if (row.size() != width) {
            error = "line " + std::to_string(lineNo) + ": " + std::to_string(row.size()) +
                    " cells, but the first row has " + std::to_string(width);
            return false;
        }
        if (rows.size() == maxSize) {
            error = "line " + std::to_string(lineNo) + ": bad size: more than " + std::to_string(maxSize) + " rows";
            return false;
        }
        rows.push_back(std::move(row));
    }
    if (rows.size() < minSize) {
        error = rows.empty() ? "no board: the input holds no rows"
                             : "bad size: " + std::to_string(rows.size()) + " rows (must be " + range + ")";
        return false;
    }
    return true;
}

}  // namespace

bool ParseNotation(const std::string& text, PuzzleRecord& out, std::string& error)
{
    std::vector<std::vector<int>> rows;
    if (!ParseRows(text, kMinSize, kMaxSize, rows, error))
        return false;
    Grid grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            grid.at(x, y) = static_cast<std::uint8_t>(rows[y][x]);
    return RecordFromGrid(grid, out, error);
}

bool ParseGridNotation(const std::string& text, Grid& out, std::string& error)
{
    std::vector<std::vector<int>> rows;
    if (!ParseRows(text, 1, kGridMaxSize, rows, error))
        return false;
    Grid grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            grid.at(x, y) = static_cast<std::uint8_t>(rows[y][x]);
    out = std::move(grid);
    return true;
}

std::string FormatGridNotation(const Grid& grid)
{
    std::string s;
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x) {
            if (x > 0)
                s += ' ';
            s += LetterFor(grid.at(x, y));
        }
        s += '\n';
    }
    return s;
}

std::string FormatNotation(const PuzzleRecord& r)
{
    std::string s;
    for (int y = 1; y <= r.height; ++y) {
        for (int x = 1; x <= r.width; ++x) {
            if (x > 1)
                s += ' ';
            s += LetterFor(r.codes[x][y]);
        }
        s += '\n';
    }
    return s;
}

bool LoadNotation(const std::string& text, std::string* error)
{
    PuzzleRecord r;
    std::string why;
    if (!ParseNotation(text, r, why)) {
        if (error)
            *error = why;
        return false;
    }
    ApplyPuzzle(r);
    return true;
}

std::string FormatBoard()
{
    return FormatNotation(CapturePuzzle());
}
