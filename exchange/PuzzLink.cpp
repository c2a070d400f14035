#include "exchange/PuzzLink.h"

#include <cstddef>

#include "io/InputFile.h"

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
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// A size of 1..kGridMaxSize, or 0 for anything else.
int SizeValue(const std::string& s)
{
    unsigned long long value = 0;
    return ParseDecimal(s, kGridMaxSize, value) ? static_cast<int>(value) : 0;
}

// The text of a URL between the blanks around it, taken apart segment by
// segment between slashes; every offset is one into the whole text.
struct UrlCursor {
    const std::string& text;
    std::size_t begin = 0, end = 0, pos = 0;

    explicit UrlCursor(const std::string& t) : text(t), end(t.size())
    {
        while (begin < end && IsBlank(text[begin]))
            ++begin;
        while (end > begin && IsBlank(text[end - 1]))
            --end;
    }

    bool Next(std::string& segment)
    {
        if (pos > end)
            return false;
        std::size_t slash = text.find('/', pos);
        if (slash > end)
            slash = end;
        segment = text.substr(pos, slash - pos);
        pos = slash + 1;
        return true;
    }
};

// Moves the cursor to the query: that of a full URL, or the whole text when
// it is only the part after the '?'.
bool FindQuery(UrlCursor& u, ReadError& error)
{
    if (u.begin == u.end) {
        error = ReadError(ReadProblem::NoUrl);
        return false;
    }
    u.pos = u.begin;
    if (StartsWithGenre(u.text, u.begin, u.end))
        return true;
    const std::size_t question = u.text.find('?', u.begin);
    if (question >= u.end) {
        error = ReadError(u.text.find("://", u.begin) < u.end ? ReadProblem::NoQuery : ReadProblem::NotAUrl);
        return false;
    }
    u.pos = question + 1;
    return true;
}

// The type and the size: "yinyang", any segments that are no numbers
// ("v:"), the columns and the rows.
bool ReadHead(UrlCursor& u, int& width, int& height, ReadError& error)
{
    std::string genre, columns, rows, segment;
    u.Next(genre);
    if (genre != kGenre) {
        error = ReadError(genre.empty() ? ReadProblem::NoGenre : ReadProblem::WrongGenre);
        error.text = Shortened(genre);
        return false;
    }
    while (columns.empty() && u.Next(segment))
        if (IsNumber(segment))
            columns = segment;
    if (columns.empty()) {
        error = ReadError(ReadProblem::NoSize);
        return false;
    }
    if (!u.Next(rows) || !IsNumber(rows)) {
        error = ReadError(ReadProblem::NoRowCount);
        error.text = Shortened(columns);
        return false;
    }
    width = SizeValue(columns);
    height = SizeValue(rows);
    if (width == 0 || height == 0) {
        error = ReadError(ReadProblem::UrlSize);
        error.text = Shortened(columns);
        error.text2 = Shortened(rows);
        error.high = kGridMaxSize;
        return false;
    }
    return true;
}

// The cells of the body text[body..end): three to a digit, the last digit
// padded with empty cells. A short body leaves the rest empty; what lies
// past the board's last digit is not looked at, but noted.
bool ReadBody(const std::string& text, std::size_t body, std::size_t end, Grid& grid, ReadWarning& warning,
              ReadError& error)
{
    const std::size_t cellCount = grid.cells.size();
    const std::size_t needed = (cellCount + 2) / 3;
    const std::size_t available = end - body < needed ? end - body : needed;
    warning = end - body < needed ? ReadWarning::ShortBody : end - body > needed ? ReadWarning::ExtraData
                                                                                 : ReadWarning::None;
    for (std::size_t i = 0; i < available; ++i) {
        const int value = DigitValue(text[body + i]);
        if (value < 0) {
            error = ReadError(ReadProblem::BadUrlCharacter);
            error.column = static_cast<int>(body + i + 1);
            error.value = static_cast<unsigned char>(text[body + i]);
            return false;
        }
        const int colours[3] = {value / 9, value / 3 % 3, value % 3};
        for (std::size_t k = 0; k < 3 && 3 * i + k < cellCount; ++k)
            grid.cells[3 * i + k] = static_cast<std::uint8_t>(colours[k]);
    }
    return true;
}

}  // namespace

bool ParsePuzzLinkUrl(const std::string& text, Grid& out, ReadError& error, ReadWarning* warning)
{
    UrlCursor u(text);
    int width = 0, height = 0;
    if (!FindQuery(u, error) || !ReadHead(u, width, height, error))
        return false;
    // The body runs to the end of the text.
    const std::size_t body = u.pos <= u.end ? u.pos : u.end;
    Grid grid(width, height);
    ReadWarning noted = ReadWarning::None;
    if (!ReadBody(text, body, u.end, grid, noted, error))
        return false;
    if (warning)
        *warning = noted;
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
    const UrlCursor u(text);
    for (std::size_t i = u.begin; i < u.end; ++i)
        if (IsBlank(text[i]))
            return false;
    if (StartsWithNoCase(text, u.begin, "http://") || StartsWithNoCase(text, u.begin, "https://")) {
        const std::size_t question = text.find('?', u.begin);
        return question < u.end;
    }
    return u.end - u.begin > sizeof kGenre - 1 && StartsWithGenre(text, u.begin, u.end);
}
