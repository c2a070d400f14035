#include "io/Notation.h"

#include <vector>

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

// The cell codes of one line of the notation, or false with the reason.
bool ParseRow(const std::string& line, int lineNo, std::vector<int>& row, ReadError& error)
{
    const bool spaced = IsSpaced(line);
    for (std::size_t i = 0; i < line.size(); i += spaced ? 2 : 1) {
        const int code = CodeFor(line[i]);
        if (code < 0) {
            error = ReadError(ReadProblem::BadCharacter);
            error.line = lineNo;
            error.column = static_cast<int>(i + 1);
            error.value = static_cast<unsigned char>(line[i]);
            return false;
        }
        row.push_back(code);
    }
    return true;
}

// Checks a new row against the rows before it: the first one's length in
// low..high, every other as long, at most high rows.
bool CheckRow(const std::vector<std::vector<int>>& rows, const std::vector<int>& row, int lineNo, int low,
              int high, ReadError& error)
{
    const int cells = static_cast<int>(row.size());
    if (rows.empty() && (cells < low || cells > high)) {
        error = ReadError(ReadProblem::RowSize);
        error.value = cells;
    } else if (!rows.empty() && row.size() != rows[0].size()) {
        error = ReadError(ReadProblem::RowsDiffer);
        error.value = cells;
        error.expected = static_cast<long long>(rows[0].size());
    } else if (rows.size() == static_cast<std::size_t>(high)) {
        error = ReadError(ReadProblem::TooManyRows);
    } else {
        return true;
    }
    error.line = lineNo;
    error.low = low;
    error.high = high;
    return false;
}

// Splits the notation into rows of cell codes, each between low and high
// cells, and between low and high rows.
bool ParseRows(const std::string& text, int low, int high, std::vector<std::vector<int>>& rows, ReadError& error)
{
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
        std::vector<int> row;
        if (!ParseRow(line, lineNo, row, error) || !CheckRow(rows, row, lineNo, low, high, error))
            return false;
        rows.push_back(std::move(row));
    }
    if (rows.size() < static_cast<std::size_t>(low)) {
        error = ReadError(rows.empty() ? ReadProblem::NoRows : ReadProblem::TooFewRows);
        error.value = static_cast<long long>(rows.size());
        error.low = low;
        error.high = high;
        return false;
    }
    return true;
}

Grid GridOfRows(const std::vector<std::vector<int>>& rows)
{
    Grid grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            grid.at(x, y) = static_cast<std::uint8_t>(rows[y][x]);
    return grid;
}

}  // namespace

bool ParseNotation(const std::string& text, PuzzleRecord& out, ReadError& error)
{
    std::vector<std::vector<int>> rows;
    if (!ParseRows(text, kMinSize, kMaxSize, rows, error))
        return false;
    return RecordFromGrid(GridOfRows(rows), out, error);
}

bool ParseGridNotation(const std::string& text, Grid& out, ReadError& error)
{
    std::vector<std::vector<int>> rows;
    if (!ParseRows(text, kGridMinSize, kGridMaxSize, rows, error))
        return false;
    out = GridOfRows(rows);
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
    ReadError why;
    if (!ParseNotation(text, r, why)) {
        if (error)
            *error = ReadErrorText(why);
        return false;
    }
    ApplyPuzzle(r);
    return true;
}

std::string FormatBoard()
{
    return FormatNotation(CapturePuzzle());
}
