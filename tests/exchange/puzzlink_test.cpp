#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>

#include "exchange/PuzzLink.h"
#include "exchange_test_support.h"

namespace {

Grid FromUrl(const std::string& url)
{
    Grid grid;
    ReadError error;
    EXPECT_TRUE(ParsePuzzLinkUrl(url, grid, error)) << url << ": " << error;
    return grid;
}

TEST(PuzzLinkUrl, EveryDigitStandsForItsThreeCellsInEitherCase)
{
    const struct {
        char digit;
        const char* cells;
    } digits[] = {
        {'0', "..."}, {'1', "..W"}, {'2', "..B"}, {'3', ".W."}, {'4', ".WW"}, {'5', ".WB"}, {'6', ".B."},
        {'7', ".BW"}, {'8', ".BB"}, {'9', "W.."}, {'a', "W.W"}, {'b', "W.B"}, {'c', "WW."}, {'d', "WWW"},
        {'e', "WWB"}, {'f', "WB."}, {'g', "WBW"}, {'h', "WBB"}, {'i', "B.."}, {'j', "B.W"}, {'k', "B.B"},
        {'l', "BW."}, {'m', "BWW"}, {'n', "BWB"}, {'o', "BB."}, {'p', "BBW"}, {'q', "BBB"},
    };
    for (const auto& d : digits) {
        SCOPED_TRACE(d.digit);
        const Grid expected = GridOf(d.cells);
        EXPECT_EQ(FromUrl(std::string("yinyang/3/1/") + d.digit), expected);
        EXPECT_EQ(FromUrl(std::string("yinyang/3/1/") + static_cast<char>(std::toupper(d.digit))), expected);
        EXPECT_EQ(FormatPuzzLinkUrl(expected), std::string("https://puzz.link/p?yinyang/3/1/") + d.digit);
    }
}

TEST(PuzzLinkUrl, ExampleReadsFromEveryFormAndWritesBack)
{
    const Grid example = GridOf(kExampleA);
    for (const char* url : {
             "https://puzz.link/p?yinyang/5/5/000o20mc0",
             "http://pzv.jp/p.html?yinyang/5/5/000o20mc0",
             "https://pzprxs.vercel.app/p?yinyang/5/5/000o20mc0",
             "yinyang/5/5/000o20mc0",
             "https://puzz.link/p?yinyang/v:/5/5/000o20mc0",
             "https://puzz.link/p?yinyang/v:/x/5/5/000o20mc0",
             "  https://puzz.link/p?yinyang/5/5/000O20MC0\r\n",
         }) {
        EXPECT_EQ(FromUrl(url), example) << url;
    }
    EXPECT_EQ(FormatPuzzLinkUrl(example), "https://puzz.link/p?yinyang/5/5/000o20mc0");
}

TEST(PuzzLinkUrl, LastDigitIsPaddedAndBodiesMayBeShortOrLong)
{
    // 2 and 4 cells: the last digit carries one or two padding cells.
    EXPECT_EQ(FormatPuzzLinkUrl(GridOf("WB")), "https://puzz.link/p?yinyang/2/1/f");
    EXPECT_EQ(FormatPuzzLinkUrl(GridOf("...B")), "https://puzz.link/p?yinyang/4/1/0i");
    EXPECT_EQ(FromUrl("yinyang/4/1/0i"), GridOf("...B"));
    // Padding cells of the last digit are not part of the board.
    EXPECT_EQ(FromUrl("yinyang/4/1/0q"), GridOf("...B"));

    // Short: the rest of the board stays empty.
    EXPECT_EQ(FromUrl("yinyang/5/5/000o"), GridOf(".....\n....B\nB....\n.....\n.....\n"));
    EXPECT_EQ(FromUrl("yinyang/2/2/"), Grid(2, 2));
    EXPECT_EQ(FromUrl("yinyang/2/2"), Grid(2, 2));
    // Long: whatever follows the board is not looked at, not even a bad character.
    EXPECT_EQ(FromUrl("yinyang/2/1/f0z!/x"), GridOf("WB"));
}

// The readers tell a URL that holds its board exactly from one that holds
// less or more; the online players read all of them.
TEST(PuzzLinkUrl, WarnsWhenTheDataIsShorterOrLongerThanTheBoard)
{
    const struct {
        const char* url;
        ReadWarning warning;
    } cases[] = {
        {"yinyang/4/1/0i", ReadWarning::None},
        {"yinyang/5/5/000o20mc0", ReadWarning::None},
        {"yinyang/5/5/000o", ReadWarning::ShortBody},
        {"yinyang/2/2/", ReadWarning::ShortBody},
        {"yinyang/2/2", ReadWarning::ShortBody},
        {"yinyang/2/1/f0z!", ReadWarning::ExtraData},
        {"yinyang/2/1/f/", ReadWarning::ExtraData},
        {"https://puzz.link/p?yinyang/5/5/000o20mc0/extra", ReadWarning::ExtraData},
    };
    for (const auto& c : cases) {
        Grid grid;
        ReadError error;
        ReadWarning warning = ReadWarning::None;
        EXPECT_TRUE(ParsePuzzLinkUrl(c.url, grid, error, &warning)) << c.url;
        EXPECT_EQ(warning, c.warning) << c.url;
    }
    // Whatever the online tools and url write is exact.
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 1}, {3, 1}, {64, 64}, {7, 5}}) {
        Grid grid;
        ReadError error;
        ReadWarning warning = ReadWarning::ShortBody;
        ASSERT_TRUE(ParsePuzzLinkUrl(FormatPuzzLinkUrl(Scatter(w, h, false)), grid, error, &warning));
        EXPECT_EQ(warning, ReadWarning::None) << w << " x " << h;
    }
}

TEST(PuzzLinkUrl, PlacedStonesAreLeftOut)
{
    EXPECT_EQ(FormatPuzzLinkUrl(GridOf("Ww.\nbB.\n")), "https://puzz.link/p?yinyang/3/2/96");
}

TEST(PuzzLinkUrl, ColumnsComeFirstOnEveryShape)
{
    // One stone in the last column of the first row, one in the first
    // column of the last row: swapping the two numbers moves both.
    for (const auto& [w, h] : {std::pair{1, 1}, {15, 5}, {5, 15}, {64, 64}, {64, 1}, {1, 64}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        Grid grid(w, h);
        grid.at(w - 1, 0) = GivenWhite;
        grid.at(0, h - 1) = GivenBlack;
        if (w * h == 1)
            grid.at(0, 0) = GivenBlack;
        const std::string url = FormatPuzzLinkUrl(grid);
        const std::string head = "https://puzz.link/p?yinyang/" + std::to_string(w) + "/" + std::to_string(h) + "/";
        ASSERT_EQ(url.rfind(head, 0), 0u) << url;
        EXPECT_EQ(url.size(), head.size() + (w * h + 2) / 3);
        const Grid back = FromUrl(url);
        EXPECT_EQ(back.width, w);
        EXPECT_EQ(back.height, h);
        EXPECT_EQ(back, grid);
    }
    EXPECT_EQ(FormatPuzzLinkUrl(GridOf("W")), "https://puzz.link/p?yinyang/1/1/9");
    EXPECT_EQ(FromUrl("yinyang/1/1/i"), GridOf("B"));
    // The fifteenth cell is the end of the first row of 15, the end of the
    // third row of 5.
    const Grid wide = FromUrl("yinyang/15/5/00001");
    const Grid tall = FromUrl("yinyang/5/15/00001");
    ASSERT_EQ(wide.width, 15);
    ASSERT_EQ(tall.height, 15);
    EXPECT_EQ(wide.at(14, 0), GivenWhite);
    EXPECT_EQ(tall.at(4, 2), GivenWhite);
}

TEST(PuzzLinkUrl, BoardsGoThereAndBackWithTheirGivens)
{
    for (const auto& [w, h] : {std::pair{5, 5}, {7, 11}, {15, 15}, {13, 2}, {64, 63}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Grid board = Scatter(w, h, true);
        const std::string url = FormatPuzzLinkUrl(board);
        EXPECT_EQ(FromUrl(url), GivensOf(board));
        EXPECT_EQ(FormatPuzzLinkUrl(FromUrl(url)), url);
    }
}

TEST(PuzzLinkUrl, BadUrlsSayWhatIsWrong)
{
    const struct {
        const char* url;
        const char* error;
    } cases[] = {
        {"", "no URL: the text is empty"},
        {"hello", "not a puzzle URL (expected https://puzz.link/p?yinyang/...)"},
        {"https://puzz.link/p", "no puzzle: nothing follows a '?'"},
        {"https://puzz.link/p?", "no puzzle type after the '?'"},
        {"https://puzz.link/p?/5/5/0", "no puzzle type after the '?'"},
        {"https://puzz.link/p?nurikabe/5/5/0", "a puzzle of type 'nurikabe', not yinyang"},
        {"https://puzz.link/p?yinyangyinyangyinyang/5/5", "a puzzle of type 'yinyangyinya...', not yinyang"},
        {"yinyang", "no board size (expected yinyang/COLUMNS/ROWS/...)"},
        {"yinyang/5", "the number of columns (5) but no number of rows"},
        {"yinyang/5/v:/5/0", "the number of columns (5) but no number of rows"},
        {"yinyang/0/5/0", "bad size: 0 x 5 (columns and rows must be 1..64)"},
        {"yinyang/5/65/0", "bad size: 5 x 65 (columns and rows must be 1..64)"},
        {"yinyang/5/99999999999999999999/0", "bad size: 5 x 999999999999... (columns and rows must be 1..64)"},
        {"https://puzz.link/p?yinyang/5/5/000z", "position 36: bad character 'z' in the board (expected 0-9 or a-q)"},
        {"  yinyang/2/2/0r", "position 16: bad character 'r' in the board (expected 0-9 or a-q)"},
        {"yinyang/5/5/00 0", "position 15: bad character byte 0x20 in the board (expected 0-9 or a-q)"},
        {"yinyang/5/5/0/0", "position 14: bad character '/' in the board (expected 0-9 or a-q)"},
    };
    for (const auto& c : cases) {
        Grid grid = GridOf("W");
        ReadError error;
        EXPECT_FALSE(ParsePuzzLinkUrl(c.url, grid, error)) << c.url;
        EXPECT_EQ(ReadErrorText(error), c.error) << c.url;
        EXPECT_EQ(grid, GridOf("W")) << "changed by " << c.url;
    }
    // Leading zeros are only digits.
    EXPECT_EQ(FromUrl("yinyang/0000000000005/05/000o20mc0"), GridOf(kExampleA));
}

TEST(PuzzLinkUrl, OnlyPuzzleLikeTextLooksLikeAUrl)
{
    for (const char* text : {"https://puzz.link/p?yinyang/5/5/0", "HTTP://pzv.jp/p.html?nurikabe/5/5",
                             " yinyang/5/5/000\n", "https://x?"})
        EXPECT_TRUE(LooksLikePuzzleUrl(text)) << text;
    for (const char* text : {"", "yinyang", "yinyangs/5/5", "https://puzz.link/", "see https://puzz.link/p?yinyang/5/5",
                             "https://puzz.link/p?yinyang/5/5/0 https://puzz.link/p?yinyang/5/5/0", ". . . . .\n"})
        EXPECT_FALSE(LooksLikePuzzleUrl(text)) << text;
}

}  // namespace
