// Why an input was refused, as a value: the window and vandor-cli each put
// it into words of their own, from one table each. The fields a problem
// uses are listed beside it; the others stay 0 or empty.
#pragma once

#include <iosfwd>
#include <string>

enum class ReadProblem {
    None,

    // Files and standard input.
    CannotOpen,          // value = errno
    CannotRead,          // value = errno
    NotRegularFile,      // a FIFO, device or socket
    TooLarge,            // more than kMaxInputBytes

    // The board notation.
    NoRows,              // nothing but blank lines
    BadCharacter,        // line, column, value = the byte
    RowSize,             // line, value = cells in the first row, low..high
    RowsDiffer,          // line, value = cells, expected = cells of the first row
    TooManyRows,         // line, high
    TooFewRows,          // value = rows, low..high

    // A board taken into the window's record.
    BoardSize,           // width x height outside low..high
    NotAStone,           // column, line (1-based cell), value = the code

    // Puzzle URLs.
    NoUrl,               // the text is blank
    NotAUrl,
    NoQuery,             // a scheme but nothing after a '?'
    NoGenre,
    WrongGenre,          // text = the type named
    NoSize,
    NoRowCount,          // text = the columns as written
    UrlSize,             // text x text2 as written, outside 1..high
    BadUrlCharacter,     // column = position in the text, value = the byte

    // pzprv3 files.
    EmptyPzprv3,
    NoMagic,             // text = line 1
    NoGenreLine,
    WrongGenreLine,      // text = line 2
    BadRowCount,         // text = line 3, high
    BadColumnCount,      // text = line 4, high
    EndsEarly,           // line, value = rows of the board
    CellCount,           // line, value = cells, expected = columns
    BadToken,            // line, column = cell, text = the token
    AnswerOnGiven,       // line, column = cell, value = answer's colour, expected = given's (1 white, 2 black)

    // .vdr files.
    EmptyFile,
    TooShort,            // value = bytes, expected = bytes needed; width x height, or 0 x 0 for the header
    EndsAt26,            // column = offset of the byte 26, expected, width, height as for TooShort
    BadMode,             // value
    BadFileSize,         // width x height
    BadEmptyCount,       // value, high
    BadUndoCount,        // value, high
    BadCellCode,         // column = x, line = y (0-based, the Wall ring included), value = the code
    BorderNotWall,       // column = x, line = y as for BadCellCode, value = the code
    WouldStore26,        // column = offset of the logical byte
};

// The last problem above: every value from None to it has words in both tables.
constexpr ReadProblem kLastReadProblem = ReadProblem::WouldStore26;

struct ReadError {
    ReadProblem problem = ReadProblem::None;
    int line = 0;
    int column = 0;
    long long value = 0;
    long long expected = 0;
    int width = 0;
    int height = 0;
    int low = 0;
    int high = 0;
    std::string text;   // what the input holds there, cut to a few characters
    std::string text2;

    ReadError() = default;
    explicit ReadError(ReadProblem p) : problem(p) {}
};

// What an input read in full but not quite as written (a puzzle URL) says.
enum class ReadWarning {
    None,
    ShortBody,   // the data ends before the board: the rest is empty
    ExtraData,   // data past the last cell, or a further '/' segment, was ignored
};

// A quoted word of hostile input: at most a few characters, "..." after.
std::string Shortened(const std::string& text);

// vandor-cli's words for a reason: "line 3 column 5: bad character 'x' ...".
std::string ReadErrorText(const ReadError& error);

// vandor-cli's words for a warning.
std::string ReadWarningText(ReadWarning warning);

// ReadErrorText on a stream, for test messages.
std::ostream& operator<<(std::ostream& out, const ReadError& error);
