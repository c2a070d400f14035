#include "io/ReadError.h"

#include <cstring>
#include <ostream>

namespace {

std::string Str(long long n) { return std::to_string(n); }

// A character of the input: 'x' when printable, otherwise its byte.
std::string Char(long long byte)
{
    const auto u = static_cast<unsigned char>(byte);
    if (u >= 0x21 && u <= 0x7e)
        return std::string("'") + static_cast<char>(u) + "'";
    static const char* hex = "0123456789abcdef";
    return std::string("byte 0x") + hex[u >> 4] + hex[u & 15];
}

std::string Range(const ReadError& e) { return Str(e.low) + ".." + Str(e.high); }

std::string Line(const ReadError& e) { return "line " + Str(e.line); }

std::string Colour(long long colour) { return colour == 1 ? "white" : "black"; }

// "the header" or "a 9 x 9 puzzle", for a file that ends too soon.
std::string ShortWhat(const ReadError& e)
{
    return e.width == 0 ? std::string("the header") : "a " + Str(e.width) + " x " + Str(e.height) + " puzzle";
}

std::string FileText(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::CannotOpen: return "cannot open: " + std::string(std::strerror(static_cast<int>(e.value)));
    case ReadProblem::CannotRead: return "cannot read: " + std::string(std::strerror(static_cast<int>(e.value)));
    case ReadProblem::NotRegularFile: return "cannot read: not a regular file";
    case ReadProblem::TooLarge: return "too large for a puzzle (more than 1 MiB)";
    default: return "";
    }
}

std::string NotationText(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::NoRows: return "no board: the input holds no rows";
    case ReadProblem::BadCharacter:
        return Line(e) + " column " + Str(e.column) + ": bad character " + Char(e.value) + " (expected W B w b or .)";
    case ReadProblem::RowSize:
        return Line(e) + ": bad size: " + Str(e.value) + " cells in a row (must be " + Range(e) + ")";
    case ReadProblem::RowsDiffer:
        return Line(e) + ": " + Str(e.value) + " cells, but the first row has " + Str(e.expected);
    case ReadProblem::TooManyRows: return Line(e) + ": bad size: more than " + Str(e.high) + " rows";
    case ReadProblem::TooFewRows: return "bad size: " + Str(e.value) + " rows (must be " + Range(e) + ")";
    case ReadProblem::BoardSize:
        return "the board is " + Str(e.width) + " x " + Str(e.height) + "; this needs " + Range(e) +
               " columns and rows";
    case ReadProblem::NotAStone:
        return "cell " + Str(e.column) + "," + Str(e.line) + " holds code " + Str(e.value) + ", which is no stone";
    default: return "";
    }
}

std::string UrlText(const ReadError& e)
{
    switch (e.problem) {
    case ReadProblem::NoUrl: return "no URL: the text is empty";
    case ReadProblem::NotAUrl: return "not a puzzle URL (expected https://puzz.link/p?yinyang/...)";
    case ReadProblem::NoQuery: return "no puzzle: nothing follows a '?'";
    case ReadProblem::NoGenre: return "no puzzle type after the '?'";
    case ReadProblem::WrongGenre: return "a puzzle of type '" + e.text + "', not yinyang";
    case ReadProblem::NoSize: return "no board size (expected yinyang/COLUMNS/ROWS/...)";
    case ReadProblem::NoRowCount: return "the number of columns (" + e.text + ") but no number of rows";
    case ReadProblem::UrlSize:
        return "bad size: " + e.text + " x " + e.text2 + " (columns and rows must be 1.." + Str(e.high) + ")";
    case ReadProblem::BadUrlCharacter:
        return "position " + Str(e.column) + ": bad character " + Char(e.value) + " in the board (expected 0-9 or a-q)";
    default: return "";
    }
}

std::string Pzprv3Text(const ReadError& e)
{
    const std::string cell = Line(e) + " cell " + Str(e.column);
    switch (e.problem) {
    case ReadProblem::EmptyPzprv3: return "line 1: expected 'pzprv3': the file is empty";
    case ReadProblem::NoMagic: return "line 1: expected 'pzprv3', found '" + e.text + "'";
    case ReadProblem::NoGenreLine: return "line 2: missing: the puzzle type";
    case ReadProblem::WrongGenreLine: return "line 2: the file is for '" + e.text + "' puzzles, not yinyang";
    case ReadProblem::BadRowCount:
        return "line 3: expected the number of rows (1.." + Str(e.high) + "), found '" + e.text + "'";
    case ReadProblem::BadColumnCount:
        return "line 4: expected the number of columns (1.." + Str(e.high) + "), found '" + e.text + "'";
    case ReadProblem::EndsEarly:
        return Line(e) + ": missing: the file ends before its " + Str(e.value) + " rows of givens and " +
               Str(e.value) + " rows of the answer";
    case ReadProblem::CellCount:
        return Line(e) + ": " + Str(e.value) + " cells, but the board has " + Str(e.expected) + " columns";
    case ReadProblem::BadToken: return cell + ": bad token '" + e.text + "' (expected 1, 2 or .)";
    case ReadProblem::AnswerOnGiven:
        return cell + ": the answer puts " + Colour(e.value) + " on a given " + Colour(e.expected) + " stone";
    default: return "";
    }
}

std::string VdrText(const ReadError& e)
{
    const std::string at = " at column " + Str(e.column) + " row " + Str(e.line);
    switch (e.problem) {
    case ReadProblem::EmptyFile: return "too short: the file is empty";
    case ReadProblem::TooShort:
        return "too short: " + Str(e.value) + " bytes; " + ShortWhat(e) + " needs at least " + Str(e.expected);
    case ReadProblem::EndsAt26:
        return "too short: a byte 26 at offset " + Str(e.column) + " ends the file; " + ShortWhat(e) +
               " needs at least " + Str(e.expected) + " bytes";
    case ReadProblem::BadMode: return "bad mode " + Str(e.value) + " (must be 0..3)";
    case ReadProblem::BadFileSize:
        return "bad size " + Str(e.width) + " x " + Str(e.height) + " (width and height must be " + Range(e) + ")";
    case ReadProblem::BadEmptyCount: return "bad empty-cell count " + Str(e.value) + " (must be 0.." + Str(e.high) + ")";
    case ReadProblem::BadUndoCount: return "bad undo count " + Str(e.value) + " (must be 0.." + Str(e.high) + ")";
    case ReadProblem::BadCellCode: return "bad cell code " + Str(e.value) + at + " (must be 0..5)";
    case ReadProblem::BorderNotWall:
        return "border cell" + at + " holds " + Str(e.value) + ", not a wall (3)";
    case ReadProblem::WouldStore26:
        return "the value at byte " + Str(e.column) + " would be stored as 26, which marks the end of a file";
    default: return "";
    }
}

}  // namespace

std::string Shortened(const std::string& text)
{
    constexpr std::size_t kMax = 12;
    return text.size() <= kMax ? text : text.substr(0, kMax) + "...";
}

std::string ReadErrorText(const ReadError& e)
{
    for (auto part : {FileText, NotationText, UrlText, Pzprv3Text, VdrText}) {
        std::string text = part(e);
        if (!text.empty())
            return text;
    }
    return e.problem == ReadProblem::None ? "no error" : "unreadable input";
}

std::string ReadWarningText(ReadWarning warning)
{
    switch (warning) {
    case ReadWarning::ShortBody: return "the URL's data ends before the board does; the remaining cells are empty";
    case ReadWarning::ExtraData: return "the URL holds data past the board, which was ignored";
    default: return "";
    }
}

std::ostream& operator<<(std::ostream& out, const ReadError& error)
{
    return out << ReadErrorText(error);
}
