// The one reader of operands: what each kind of operand is read as, and
// what the window's record of it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "exchange/PuzzleInput.h"
#include "exchange/Pzprv3.h"
#include "exchange_test_support.h"
#include "io/PuzzleFile.h"
#include "io/io_test_support.h"

namespace {

const char* const kUrl = "https://puzz.link/p?yinyang/5/5/000o20mc0";

class PuzzleInputTest : public ::testing::Test {
protected:
    // Relative operands are read from the temporary folder.
    void SetUp() override
    {
        ASSERT_NE(::getcwd(cwd_, sizeof cwd_), nullptr);
        ASSERT_EQ(::chdir(dir_.Path().c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(::chdir(cwd_), 0); }

    void Write(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

    TempDir dir_;
    char cwd_[4096] = {};
};

TEST_F(PuzzleInputTest, EachOperandIsReadAsWhatItHolds)
{
    const Grid example = GridOf(kExampleA);
    PuzzleRecord record;
    ReadError error;
    ASSERT_TRUE(RecordFromGrid(example, record, error));
    record.mode = SolveStart;
    record.undoCount = 2;
    std::string message;
    ASSERT_TRUE(WritePuzzleFile("p.VDR", record, message)) << message;
    Write("pzprv3.txt", FormatPzprv3(example));
    Write("url.txt", std::string(kUrl) + "\r\n");
    Write("board.txt", kExampleA);
    Write("board.pzprv3", kExampleA);  // the extension decides: refused
    ASSERT_EQ(::mkdir("yinyang", 0755), 0);
    ASSERT_EQ(::mkdir("yinyang/5", 0755), 0);
    Write("yinyang/5/5", kExampleA);  // a file that looks like a URL

    const struct {
        const char* operand;
        InputFormat format;
        InputOrigin origin;
        ReadWarning warning;
    } cases[] = {
        {kUrl, InputFormat::Url, InputOrigin::Argument, ReadWarning::None},
        {"HTTP://pzv.jp/p.html?yinyang/5/5/000o20mc0", InputFormat::Url, InputOrigin::Argument, ReadWarning::None},
        {"yinyang/5/5/000o20mc0", InputFormat::Url, InputOrigin::Argument, ReadWarning::None},
        {"https://puzz.link/p?yinyang/5/5/000o20mc0/x.vdr", InputFormat::Url, InputOrigin::Argument,
         ReadWarning::ExtraData},
        {"yinyang/5/5", InputFormat::Notation, InputOrigin::File, ReadWarning::None},
        {"p.VDR", InputFormat::Vdr, InputOrigin::File, ReadWarning::None},
        {"pzprv3.txt", InputFormat::Pzprv3, InputOrigin::File, ReadWarning::None},
        {"url.txt", InputFormat::Url, InputOrigin::File, ReadWarning::None},
        {"board.txt", InputFormat::Notation, InputOrigin::File, ReadWarning::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operand);
        PuzzleInput in;
        ASSERT_TRUE(ReadPuzzleInput(c.operand, in, error)) << error;
        EXPECT_EQ(in.format, c.format);
        EXPECT_EQ(in.origin, c.origin);
        EXPECT_EQ(InputOriginOf(c.operand), c.origin);
        EXPECT_EQ(in.warning, c.warning);
        EXPECT_EQ(in.name, c.operand);
        EXPECT_EQ(GivensOf(in.grid), example);
        EXPECT_EQ(in.hasRecord, c.format == InputFormat::Vdr);
    }

    PuzzleInput in;
    EXPECT_FALSE(ReadPuzzleInput("board.pzprv3", in, error));
    EXPECT_EQ(error.problem, ReadProblem::NoMagic);
    // Told it is a URL, a file name is only text.
    EXPECT_FALSE(ReadPuzzleInput("p.VDR", in, error, InputFormat::Url));
    EXPECT_EQ(error.problem, ReadProblem::NotAUrl);
    EXPECT_EQ(InputOriginOf("p.VDR", InputFormat::Url), InputOrigin::Argument);
    EXPECT_EQ(InputOriginOf("-"), InputOrigin::StandardInput);
    EXPECT_FALSE(ReadPuzzleInput("missing.txt", in, error));
    EXPECT_EQ(error.problem, ReadProblem::CannotOpen);
    EXPECT_EQ(in.name, "");  // unchanged by a failed read
}

TEST_F(PuzzleInputTest, RecordKeepsAVdrFileWholeAndTakesOtherBoardsOfTheWindowsSizes)
{
    PuzzleRecord record;
    ReadError error;
    ASSERT_TRUE(RecordFromGrid(GridOf(kExampleA), record, error));
    record.mode = SolveFinished;
    record.undoCount = 7;
    std::string message;
    ASSERT_TRUE(WritePuzzleFile("p.vdr", record, message)) << message;

    PuzzleInput in;
    PuzzleRecord out;
    ASSERT_TRUE(ReadPuzzleInput("p.vdr", in, error)) << error;
    ASSERT_TRUE(RecordOfInput(in, out, error)) << error;
    EXPECT_EQ(out.mode, SolveFinished);
    EXPECT_EQ(out.undoCount, 7);

    ASSERT_TRUE(ReadPuzzleInput("yinyang/20/3/q0000000000000000000", in, error)) << error;
    EXPECT_FALSE(RecordOfInput(in, out, error));
    EXPECT_EQ(error.problem, ReadProblem::BoardSize);
    EXPECT_EQ(error.width, 20);
    EXPECT_EQ(error.height, 3);
    EXPECT_EQ(out.mode, SolveFinished);  // unchanged

    Write("solving.txt", "W b . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    ASSERT_TRUE(ReadPuzzleInput("solving.txt", in, error)) << error;
    ASSERT_TRUE(RecordOfInput(in, out, error)) << error;
    EXPECT_EQ(out.mode, SolveInProgress);
    EXPECT_EQ(out.undoCount, 0);
}

// A problem added without words would reach the user as "unreadable input".
TEST(ReadErrorText, EveryProblemHasItsOwnWords)
{
    std::vector<std::string> seen;
    for (int p = 1; p <= static_cast<int>(kLastReadProblem); ++p) {
        ReadError e(static_cast<ReadProblem>(p));
        const std::string text = ReadErrorText(e);
        EXPECT_NE(text, "unreadable input") << p;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), text), 0) << p << ": " << text;
        seen.push_back(text);
    }
    EXPECT_EQ(ReadWarningText(ReadWarning::None), "");
    EXPECT_NE(ReadWarningText(ReadWarning::ShortBody), ReadWarningText(ReadWarning::ExtraData));
}

}  // namespace
