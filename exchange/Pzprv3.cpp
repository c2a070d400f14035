#include "exchange/Pzprv3.h"

#include <vector>

#include "io/InputFile.h"

namespace {

const char kMagic[] = "pzprv3";
const char kGenre[] = "yinyang";

std::string Trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
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
    unsigned long long value = 0;
    return ParseDecimal(s, kGridMaxSize, value) ? static_cast<int>(value) : 0;
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

ReadError Problem(ReadProblem problem, const std::string& text = std::string())
{
    ReadError e(problem);
    e.text = Shortened(text);
    e.high = kGridMaxSize;
    return e;
}

// The four lines before the board: the magic word, the type, the rows and
// the columns.
bool ReadHead(const std::vector<std::string>& lines, int& width, int& height, ReadError& error)
{
    auto line = [&](std::size_t number) {
        return number <= lines.size() ? Trimmed(lines[number - 1]) : std::string();
    };
    if (lines.empty())
        error = Problem(ReadProblem::EmptyPzprv3);
    else if (line(1) != kMagic)
        error = Problem(ReadProblem::NoMagic, line(1));
    else if (lines.size() < 2)
        error = Problem(ReadProblem::NoGenreLine);
    else if (line(2) != kGenre)
        error = Problem(ReadProblem::WrongGenreLine, line(2));
    else if ((height = SizeValue(line(3))) == 0)
        error = Problem(ReadProblem::BadRowCount, line(3));
    else if ((width = SizeValue(line(4))) == 0)
        error = Problem(ReadProblem::BadColumnCount, line(4));
    else
        return true;
    return false;
}

ReadError CellProblem(ReadProblem problem, std::size_t line, int cell)
{
    ReadError e(problem);
    e.line = static_cast<int>(line);
    e.column = cell;
    return e;
}

// One line of givens (layer 0) or of the answer (layer 1) into row y.
bool ReadRow(const std::string& text, std::size_t number, int layer, int y, Grid& grid, ReadError& error)
{
    const std::vector<std::string> tokens = Tokens(text);
    if (tokens.size() != static_cast<std::size_t>(grid.width)) {
        error = CellProblem(ReadProblem::CellCount, number, 0);
        error.value = static_cast<long long>(tokens.size());
        error.expected = grid.width;
        return false;
    }
    for (int x = 0; x < grid.width; ++x) {
        const int colour = ColourOf(tokens[x]);
        std::uint8_t& code = grid.at(x, y);
        if (colour < 0) {
            error = CellProblem(ReadProblem::BadToken, number, x + 1);
            error.text = Shortened(tokens[x]);
            return false;
        }
        if (layer == 0) {
            code = static_cast<std::uint8_t>(colour);
        } else if (code == Empty) {
            if (colour != 0)
                code = colour == 1 ? PlacedWhite : PlacedBlack;
        } else if (colour != 0 && colour != code) {
            error = CellProblem(ReadProblem::AnswerOnGiven, number, x + 1);
            error.value = colour;
            error.expected = code;
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParsePzprv3(const std::string& text, Grid& out, ReadError& error)
{
    const std::vector<std::string> lines = SplitLines(text);
    int width = 0, height = 0;
    if (!ReadHead(lines, width, height, error))
        return false;
    const std::size_t needed = 4 + 2 * static_cast<std::size_t>(height);
    if (lines.size() < needed) {
        error = CellProblem(ReadProblem::EndsEarly, lines.size() + 1, 0);
        error.value = height;
        return false;
    }
    Grid grid(width, height);
    for (int layer = 0; layer < 2; ++layer) {
        for (int y = 0; y < height; ++y) {
            const std::size_t number = 5 + static_cast<std::size_t>(layer) * height + y;
            if (!ReadRow(lines[number - 1], number, layer, y, grid, error))
                return false;
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

bool WritePzprv3File(const std::string& path, const Grid& grid, std::string& error, WriteError* failure)
{
    const std::string text = FormatPzprv3(grid);
    return WriteFileSafely(path, std::vector<std::uint8_t>(text.begin(), text.end()), error, failure);
}

bool LooksLikePzprv3(const std::string& text)
{
    const std::vector<std::string> lines = SplitLines(text.substr(0, text.find('\n')));
    return !lines.empty() && Trimmed(lines[0]) == kMagic;
}

