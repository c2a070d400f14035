#include "exchange/PuzzLink.h"

#include <cstddef>

#include "io/Notation.h"

namespace {

const char kGenre[] = "yinyang";
const char kDigits[] = "0123456789abcdefghijklmnopq";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of one body character, -1 for none.
int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'q')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Q')
        return c - 'A' + 10;
    return -1;
}

// Hostile input can hold anything; a message quotes at most a few characters.
std::string Quote(const std::string& s)
{
    constexpr std::size_t kMax = 12;
    return s.size() <= kMax ? s : s.substr(0, kMax) + "...";
}

bool StartsWithNoCase(const std::string& s, std::size_t from, const char* prefix)
{
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (from + i >= s.size())
            return false;
        char c = s[from + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

// "yinyang/..." or "yinyang" alone at text[begin..end).
bool StartsWithGenre(const std::string& text, std::size_t begin, std::size_t end)
{
    const std::size_t n = sizeof kGenre - 1;
    return end - begin >= n && text.compare(begin, n, kGenre) == 0 && (end - begin == n || text[begin + n] == '/');
}

bool IsNumber(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// A size of 1..kUrlMaxSize, or 0 for anything else (leading zeros allowed,
// however many digits there are).
int SizeValue(const std::string& s)
{
    int value = 0;
    for (char c : s) {
        value = value * 10 + (c - '0');
        if (value > kUrlMaxSize)
            return 0;
    }
    return value;
}

}  // namespace

bool ParsePuzzLinkUrl(const std::string& text, Grid& out, std::string& error)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (begin == end) {
        error = "no URL: the text is empty";
        return false;
    }

    // The puzzle is the query of a full URL, or the whole text when it is
    // only the part after the '?'.
    std::size_t query = begin;
    if (!StartsWithGenre(text, begin, end)) {
        const std::size_t question = text.find('?', begin);
        if (question >= end) {
            error = text.find("://", begin) < end
                        ? "no puzzle: nothing follows a '?'"
                        : "not a puzzle URL (expected https://puzz.link/p?" + std::string(kGenre) + "/...)";
            return false;
        }
        query = question + 1;
    }

    // Segments of the query between slashes, with their offsets in text.
    std::size_t pos = query;
    auto nextSegment = [&](std::string& segment) {
        if (pos > end)
            return false;
        std::size_t slash = text.find('/', pos);
        if (slash > end)
            slash = end;
        segment = text.substr(pos, slash - pos);
        pos = slash + 1;
        return true;
    };

    std::string genre;
    nextSegment(genre);
    if (genre != kGenre) {
        if (genre.empty())
            error = "no puzzle type after the '?'";
        else
            error = "a puzzle of type '" + Quote(genre) + "', not " + kGenre;
        return false;
    }

    std::string columns, rows, segment;
    while (nextSegment(segment)) {
        if (IsNumber(segment)) {
            columns = segment;
            break;
        }
    }
    if (columns.empty()) {
        error = "no board size (expected " + std::string(kGenre) + "/COLUMNS/ROWS/...)";
        return false;
    }
    if (!nextSegment(rows) || !IsNumber(rows)) {
        error = "the number of columns (" + Quote(columns) + ") but no number of rows";
        return false;
    }
    const int width = SizeValue(columns);
    const int height = SizeValue(rows);
    if (width == 0 || height == 0) {
        error = "bad size: " + Quote(columns) + " x " + Quote(rows) + " (columns and rows must be 1.." +
                std::to_string(kUrlMaxSize) + ")";
        return false;
    }

    // The body runs to the end of the text; what lies past the board's
    // last character is not looked at.
    const std::size_t body = pos <= end ? pos : end;
    const std::size_t cellCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t needed = (cellCount + 2) / 3;
    const std::size_t available = end - body < needed ? end - body : needed;

    Grid grid(width, height);
    for (std::size_t i = 0; i < available; ++i) {
        const char c = text[body + i];
        const int value = DigitValue(c);
        if (value < 0) {
            error = "position " + std::to_string(body + i + 1) + ": bad character " + DescribeChar(c) +
                    " in the board (expected 0-9 or a-q)";
            return false;
        }
        const int colours[3] = {value / 9, value / 3 % 3, value % 3};
        for (std::size_t k = 0; k < 3; ++k) {
            const std::size_t cell = 3 * i + k;
            if (cell < cellCount)
                grid.cells[cell] = static_cast<std::uint8_t>(colours[k]);
        }
    }
    out = std::move(grid);
    return true;
}

std::string FormatPuzzLinkUrl(const Grid& grid)
{
    std::string url = std::string("https://puzz.link/p?") + kGenre + "/" + std::to_string(grid.width) + "/" +
                      std::to_string(grid.height) + "/";
    auto colour = [&](std::size_t i) {
        if (i >= grid.cells.size())
            return 0;
        const int code = grid.cells[i];
        return code == GivenWhite || code == GivenBlack ? code : 0;
    };
    for (std::size_t i = 0; i < grid.cells.size(); i += 3)
        url += kDigits[9 * colour(i) + 3 * colour(i + 1) + colour(i + 2)];
    return url;
}

bool LooksLikePuzzleUrl(const std::string& text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    for (std::size_t i = begin; i < end; ++i)
        if (IsBlank(text[i]))
            return false;
    if (StartsWithNoCase(text, begin, "http://") || StartsWithNoCase(text, begin, "https://")) {
        const std::size_t question = text.find('?', begin);
        return question < end;
    }
    return end - begin > sizeof kGenre - 1 && StartsWithGenre(text, begin, end);
}
