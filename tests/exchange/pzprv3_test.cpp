#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "exchange/PuzzleInput.h"
#include "exchange/Pzprv3.h"
#include "exchange_test_support.h"
#include "io/io_test_support.h"

namespace {

Grid FromFile(const std::string& text)
{
    Grid grid;
    ReadError error;
    EXPECT_TRUE(ParsePzprv3(text, grid, error)) << error;
    return grid;
}

const char* const kExampleFile =
    "pzprv3\n"
    "yinyang\n"
    "5\n"
    "5\n"
    ". . . . . \n"
    ". . . . 2 \n"
    "2 . . . 2 \n"
    ". . . 2 1 \n"
    "1 1 1 . . \n"
    "2 2 2 2 2 \n"
    "2 1 1 1 . \n"
    ". 2 1 2 . \n"
    "1 2 1 . . \n"
    ". . . 1 1 \n";

TEST(Pzprv3File, GivensAndAnswerBecomeGivenAndPlacedStones)
{
    const Grid solved = GridOf("b b b b b\n"
                              "b w w w B\n"
                              "B b w b B\n"
                              "w b w B W\n"
                              "W W W w w\n");
    EXPECT_EQ(FromFile(kExampleFile), solved);
    EXPECT_EQ(FormatPzprv3(solved), kExampleFile);

    // No answer: only the givens.
    const Grid example = GridOf(kExampleA);
    const std::string givensOnly = FormatPzprv3(example);
    std::string emptyAnswer;
    for (int y = 0; y < 5; ++y)
        emptyAnswer += ". . . . . \n";
    EXPECT_EQ(givensOnly.substr(givensOnly.size() - emptyAnswer.size()), emptyAnswer);
    EXPECT_EQ(FromFile(givensOnly), example);
}

TEST(Pzprv3File, ReadsTheVariantsOfOtherWriters)
{
    const Grid expected = FromFile(kExampleFile);
    std::string crlf;
    for (char c : std::string(kExampleFile)) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(FromFile(crlf), expected);

    // Given colours repeated in the answer, no space after the last token,
    // tabs, a byte order mark, no final line end, and more after the answer.
    const std::string loose = "\xEF\xBB\xBFpzprv3\nyinyang\n5\n5\n"
                              ". . . . .\n. . . . 2\n2 . . . 2\n. . . 2 1\n1 1 1 . .\n"
                              "2 2 2 2 2\n2 1 1 1 2\n2 2 1 2 2\n1\t2 1 2 1\n1 1 1 1 1\n"
                              "history and comments\nthat other writers keep";
    EXPECT_EQ(FromFile(loose), expected);
    EXPECT_EQ(FromFile(loose.substr(0, loose.find("history") - 1)), expected);
}

TEST(Pzprv3File, RowsComeBeforeColumnsOnEveryShape)
{
    for (const auto& [w, h] : {std::pair{1, 1}, {15, 5}, {5, 15}, {64, 64}, {9, 13}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Grid board = Scatter(w, h, true);
        const std::string file = FormatPzprv3(board);
        EXPECT_EQ(file.rfind("pzprv3\nyinyang\n" + std::to_string(h) + "\n" + std::to_string(w) + "\n", 0), 0u);
        const Grid back = FromFile(file);
        EXPECT_EQ(back.width, w);
        EXPECT_EQ(back, board);
        EXPECT_EQ(FormatPzprv3(back), file);
    }
    const Grid wide = FromFile("pzprv3\nyinyang\n1\n3\n. . 1 \n2 . . \n");
    EXPECT_EQ(wide, GridOf("b.W"));
}

TEST(Pzprv3File, BadFilesSayWhatIsWrongAndWhere)
{
    const std::string head = "pzprv3\nyinyang\n2\n3\n";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"", "line 1: expected 'pzprv3': the file is empty"},
        {"pzprv\n", "line 1: expected 'pzprv3', found 'pzprv'"},
        {"pzprv3\n", "line 2: missing: the puzzle type"},
        {"pzprv3\nnurikabe\n2\n2\n", "line 2: the file is for 'nurikabe' puzzles, not yinyang"},
        {"pzprv3\nyinyang\n", "line 3: expected the number of rows (1..64), found ''"},
        {"pzprv3\nyinyang\n0\n5\n", "line 3: expected the number of rows (1..64), found '0'"},
        {"pzprv3\nyinyang\n65\n5\n", "line 3: expected the number of rows (1..64), found '65'"},
        {"pzprv3\nyinyang\n99999999999999999999\n5\n",
         "line 3: expected the number of rows (1..64), found '999999999999...'"},
        {"pzprv3\nyinyang\n5\n", "line 4: expected the number of columns (1..64), found ''"},
        {head, "line 5: missing: the file ends before its 2 rows of givens and 2 rows of the answer"},
        {head + ". . \n. . . \n. . . \n. . . \n", "line 5: 2 cells, but the board has 3 columns"},
        {head + ". . . \n. . . \n. . . \n. . . . \n", "line 8: 4 cells, but the board has 3 columns"},
        {head + ". x . \n. . . \n. . . \n. . . \n", "line 5 cell 2: bad token 'x' (expected 1, 2 or .)"},
        {head + ". . . \n. . . \n. . . \n+ . . \n", "line 8 cell 1: bad token '+' (expected 1, 2 or .)"},
        {head + "1 . . \n. . . \n2 . . \n. . . \n", "line 7 cell 1: the answer puts black on a given white stone"},
        {head + ". . . \n. 2 . \n. . . \n. 1 . \n", "line 8 cell 2: the answer puts white on a given black stone"},
    };
    for (const auto& c : cases) {
        Grid grid = GridOf("W");
        ReadError error;
        EXPECT_FALSE(ParsePzprv3(c.text, grid, error)) << c.text;
        EXPECT_EQ(ReadErrorText(error), c.error) << c.text;
        EXPECT_EQ(grid, GridOf("W")) << "changed by " << c.text;
    }
}

TEST(Pzprv3File, FilesAreReadWholeAndRefusedBeyondOneMebibyte)
{
    TempDir dir;
    const std::string good = dir.File("a.txt"), bad = dir.File("bad.pzprv3"), big = dir.File("big.pzprv3");
    std::ofstream(good, std::ios::binary) << kExampleFile;
    std::ofstream(bad, std::ios::binary) << "pzprv3\nyinyang\n5\n";
    std::ofstream(big, std::ios::binary) << kExampleFile << std::string(2 << 20, ' ');

    PuzzleInput in;
    ReadError error;
    EXPECT_TRUE(ReadPuzzleInput(good, in, error, InputFormat::Pzprv3)) << error;
    EXPECT_EQ(in.grid, FromFile(kExampleFile));
    EXPECT_FALSE(ReadPuzzleInput(bad, in, error, InputFormat::Pzprv3));
    EXPECT_EQ(ReadErrorText(error), "line 4: expected the number of columns (1..64), found ''");
    EXPECT_FALSE(ReadPuzzleInput(big, in, error, InputFormat::Pzprv3));
    EXPECT_EQ(error.problem, ReadProblem::TooLarge);
    EXPECT_TRUE(LooksLikePzprv3("pzprv3\r\nyinyang\n"));
    EXPECT_FALSE(LooksLikePzprv3("yinyang/5/5/0"));
}

}  // namespace
