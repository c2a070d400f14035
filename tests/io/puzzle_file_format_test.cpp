// The .vdr format byte for byte. The expected files are spelled out here
// from the format itself, never produced by the writer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "io/io_test_support.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

const std::string kTrailerOnDisk = "\r\n\r\n\r\n\r\n";

// The cell digits of an empty W x H board and its Wall ring, column by column.
std::string EmptyCells(int w, int h)
{
    std::string s;
    for (int x = 0; x <= w + 1; ++x)
        for (int y = 0; y <= h + 1; ++y)
            s += (x == 0 || y == 0 || x == w + 1 || y == h + 1) ? '3' : '0';
    return s;
}

void SetCell(std::string& cells, int h, int x, int y, char digit) { cells[x * (h + 2) + y] = digit; }

std::string Raw(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

PuzzleRecord FromNotation(const std::string& text)
{
    PuzzleRecord r;
    ReadError why;
    EXPECT_TRUE(ParseNotation(text, r, why)) << why;
    return r;
}

std::string Rows(int w, int h, char fill = '.')
{
    std::string s;
    for (int y = 0; y < h; ++y)
        s += std::string(w, fill) + "\n";
    return s;
}

class PuzzleFileFormatTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }

    // Checks one golden file in every direction: the encoder produces it,
    // the decoder reads it back into the record, and the same bytes arrive
    // on disk through the writer and load into GameState.
    void CheckGolden(const PuzzleRecord& record, const std::string& golden, std::size_t diskSize)
    {
        ASSERT_EQ(golden.size(), diskSize);
        Bytes encoded;
        std::string error;
        ReadError why;
        ASSERT_TRUE(EncodePuzzle(record, encoded, why)) << why;
        EXPECT_EQ(encoded, ToBytes(golden));

        PuzzleRecord decoded;
        ASSERT_TRUE(DecodePuzzle(ToBytes(golden), decoded, why)) << why;
        EXPECT_TRUE(SameRecord(decoded, record));

        const std::string path = dir_.File("golden.vdr");
        ASSERT_TRUE(WritePuzzleFile(path, record, error)) << error;
        EXPECT_EQ(ReadBytes(path), ToBytes(golden));

        ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
        EXPECT_TRUE(SameRecord(CapturePuzzle(), record, false));
        EXPECT_EQ(GameState.layoutState, 1);
    }

    TempDir dir_;
};

TEST_F(PuzzleFileFormatTest, EmptyNineByNineIs738BytesWithEmptyCount81AsTwoPartNumber)
{
    PuzzleRecord r = FromNotation(Rows(9, 9));
    r.undoX[0] = 3;  // an entry above undoCount is stored too
    r.undoY[0] = 4;
    r.undoPrev[0] = 5;

    const std::string golden = Raw({0, 2, 9, 9, '1', '0', 129, '0', '0'}) + EmptyCells(9, 9) + "345" +
                               std::string(597, '0') + kTrailerOnDisk;
    ASSERT_EQ(r.emptyCount, 81);
    CheckGolden(r, golden, 738);
}

TEST_F(PuzzleFileFormatTest, TenByTenStoresBothSizesAsCarriageReturnNewline)
{
    PuzzleRecord r = FromNotation("Ww........\n"
                                  "..........\n"
                                  "..........\n"
                                  "..........\n"
                                  "..........\n"
                                  "..........\n"
                                  "....b.....\n"
                                  "..........\n"
                                  "..........\n"
                                  ".........B\n");
    ASSERT_EQ(r.mode, SolveInProgress);
    r.undoCount = 2;
    r.undoX[0] = 2, r.undoY[0] = 1, r.undoPrev[0] = 0;
    r.undoX[1] = 5, r.undoY[1] = 7, r.undoPrev[1] = 0;

    std::string cells = EmptyCells(10, 10);
    SetCell(cells, 10, 1, 1, '1');
    SetCell(cells, 10, 2, 1, '4');
    SetCell(cells, 10, 5, 7, '5');
    SetCell(cells, 10, 10, 10, '2');
    const std::string golden = Raw({2, 2, 13, 10, 13, 10, '1', '0', 48 + 96, '0', '2'}) + cells + "210570" +
                               std::string(594, '0') + kTrailerOnDisk;
    CheckGolden(r, golden, 763);
}

TEST_F(PuzzleFileFormatTest, ThirteenByTenWithFullUndoHistory)
{
    PuzzleRecord r = FromNotation(Rows(13, 10));
    r.mode = SolveFinished;
    r.layoutState = 1;
    r.emptyCount = 130;
    r.undoCount = 199;
    std::string undo;
    for (int i = 0; i < kUndoEntries; ++i) {
        const int x = 1 + i % 13, y = 1 + i % 10, prev = i % 3 == 0 ? 0 : 3 + i % 3;
        if (i < 199) {
            r.undoX[i] = static_cast<std::uint8_t>(x);
            r.undoY[i] = static_cast<std::uint8_t>(y);
            r.undoPrev[i] = static_cast<std::uint8_t>(prev);
            undo += Raw({48 + x, 48 + y, 48 + prev});
        } else {
            undo += "000";
        }
    }
    // Width 13 is a lone 13 followed by height 10 as 13, 10; undoCount 199
    // is "1" and byte 147; columns 10..13 are the characters ':' to '='.
    const std::string golden =
        Raw({3, 1, 13, 13, 10, '1', '1', 48 + 30, '1', 147}) + EmptyCells(13, 10) + undo + kTrailerOnDisk;
    EXPECT_EQ(undo.substr(3 * 9, 6), "::0;14");
    CheckGolden(r, golden, 617 + 15 * 12 + 1);
}

TEST_F(PuzzleFileFormatTest, ReadingKeepsLoneCarriageReturnsAndPlainNewlines)
{
    // layoutState 13, width 13, height 10 on disk as 13, 13, 13, 10.
    const std::string body = EmptyCells(13, 10) + std::string(600, '0');
    PuzzleRecord r;
    ReadError why;
    ASSERT_TRUE(DecodePuzzle(ToBytes(Raw({0, 13, 13, 13, 10, '1', '1', 48 + 30, '0', '0'}) + body), r, why))
        << why;
    EXPECT_EQ(r.layoutState, 13);
    EXPECT_EQ(r.width, 13);
    EXPECT_EQ(r.height, 10);

    // A file whose newlines were stored as plain 10s still reads.
    ASSERT_TRUE(DecodePuzzle(ToBytes(Raw({0, 2, 10, 10, '1', '1', 48, '0', '0'}) + EmptyCells(10, 10) +
                                     std::string(600, '0') + "\n\n\n\n"),
                             r, why))
        << why;
    EXPECT_EQ(r.width, 10);
    EXPECT_EQ(r.height, 10);
    EXPECT_EQ(r.emptyCount, 100);
}

TEST_F(PuzzleFileFormatTest, FileEndsAtLastUndoEntryOrAtByte26AndIgnoresTheRest)
{
    const std::string body = Raw({1, 2, 9, 9, '1', '0', 129, '0', '0'}) + EmptyCells(9, 9) + std::string(600, '0');
    PuzzleRecord r;
    std::string error;
    ReadError why;
    EXPECT_TRUE(DecodePuzzle(ToBytes(body), r, why)) << why;
    EXPECT_TRUE(DecodePuzzle(ToBytes(body + "\r\n\x1a garbage \x01\x02"), r, why)) << why;
    EXPECT_TRUE(DecodePuzzle(ToBytes(body + "anything at all"), r, why)) << why;
    EXPECT_EQ(r.mode, SolveStart);

    std::string cut = body + kTrailerOnDisk;
    cut[100] = 26;
    EXPECT_FALSE(DecodePuzzle(ToBytes(cut), r, why));
    EXPECT_EQ(ReadErrorText(why), "too short: a byte 26 at offset 100 ends the file; a 9 x 9 puzzle needs at least 730 bytes");
}

struct BadHeader {
    const char* what;
    int offset;      // byte of a valid 9 x 9 file to change, or -1
    int value;
    int cutTo;       // keep only this many bytes, or -1
    const char* message;
};

// Offsets into the valid file below: cell (x, y) is at 9 + 11 x + y.
const BadHeader kBadHeaders[] = {
    {"mode above 3", 0, 4, -1, "bad mode 4 (must be 0..3)"},
    {"mode 255", 0, 255, -1, "bad mode 255 (must be 0..3)"},
    {"width below 5", 2, 4, -1, "bad size 4 x 9 (width and height must be 5..15)"},
    {"width 0", 2, 0, -1, "bad size 0 x 9 (width and height must be 5..15)"},
    {"height above 15", 3, 16, -1, "bad size 9 x 16 (width and height must be 5..15)"},
    {"width beyond the board array", 2, 21, -1, "bad size 21 x 9 (width and height must be 5..15)"},
    {"undo count 200", 7, '2', -1, "bad undo count 200 (must be 0..199)"},
    {"negative undo count", 8, '/', -1, "bad undo count -1 (must be 0..199)"},
    {"negative empty count", 5, '/', -1, "bad empty-cell count -19 (must be 0..225)"},
    {"empty count above 15 x 15", 5, '2', -1, "bad empty-cell count 281 (must be 0..225)"},
    {"cell code 6", 9 + 11 * 3 + 4, '6', -1, "bad cell code 6 at column 3 row 4 (must be 0..5)"},
    {"cell byte below '0'", 9 + 11 * 9 + 9, '/', -1, "bad cell code 255 at column 9 row 9 (must be 0..5)"},
    {"empty ring cell", 9 + 5, '0', -1, "border cell at column 0 row 5 holds 0, not a wall (3)"},
    {"stone in ring corner", 9 + 11 * 10 + 10, '1', -1, "border cell at column 10 row 10 holds 1, not a wall (3)"},
    {"empty file", -1, 0, 0, "too short: the file is empty"},
    {"cut in the header", -1, 0, 5, "too short: 5 bytes; the header needs at least 9"},
    {"cut in the board", -1, 0, 50, "too short: 50 bytes; a 9 x 9 puzzle needs at least 730"},
    {"cut in the undo history", -1, 0, 729, "too short: 729 bytes; a 9 x 9 puzzle needs at least 730"},
    {"byte 26 in the header", 4, 26, -1,
     "too short: a byte 26 at offset 4 ends the file; the header needs at least 9 bytes"},
};

TEST_F(PuzzleFileFormatTest, BadFilesAreRefusedWithAClearMessage)
{
    const std::string valid = Raw({0, 2, 9, 9, '1', '0', 129, '0', '0'}) + EmptyCells(9, 9) +
                              std::string(600, '0') + kTrailerOnDisk;
    for (const BadHeader& bad : kBadHeaders) {
        SCOPED_TRACE(bad.what);
        Bytes bytes = ToBytes(valid);
        if (bad.offset >= 0)
            bytes[bad.offset] = static_cast<std::uint8_t>(bad.value);
        if (bad.cutTo >= 0)
            bytes.resize(bad.cutTo);
        PuzzleRecord r;
        r.width = 77;  // must stay untouched
        ReadError why;
        EXPECT_FALSE(DecodePuzzle(bytes, r, why));
        EXPECT_EQ(ReadErrorText(why), bad.message);
        EXPECT_EQ(r.width, 77);
    }
}

TEST_F(PuzzleFileFormatTest, ReadErrorsSayWhyTheFileIsRefused)
{
    PuzzleRecord r;
    std::string error;
    ReadError why;
    const std::string missing = dir_.File("missing.vdr");
    EXPECT_FALSE(ReadPuzzleFile(missing, r, why));
    EXPECT_EQ(ReadErrorText(why), "cannot open: No such file or directory");

    const std::string shortFile = dir_.File("short.vdr");
    WriteBytes(shortFile, Bytes{0, 2, 9});
    EXPECT_FALSE(ReadPuzzleFile(shortFile, r, why));
    EXPECT_EQ(ReadErrorText(why), "too short: 3 bytes; the header needs at least 9");

    EXPECT_FALSE(ReadPuzzleFile(dir_.Path(), r, why));
    EXPECT_EQ(ReadErrorText(why), "cannot read: Is a directory");
}

// Opening a FIFO without a writer would wait for one for ever; the read runs
// in a child process that an alarm ends should it block.
TEST_F(PuzzleFileFormatTest, FifoOrDeviceIsRefusedWithoutWaiting)
{
    const std::string fifo = dir_.File("pipe.vdr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        EXPECT_EXIT(
            {
                ::alarm(10);
                ResetGameState();
                ReadError why;
                const bool loaded = LoadPuzzleFile(path, why);
                std::fprintf(stderr, "%s\n", ReadErrorText(why).c_str());
                std::exit(!loaded && GameState.status == StatusLoadFailed ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "^cannot read: not a regular file\n$");
    }
}

TEST_F(PuzzleFileFormatTest, WriterRefusesRecordsThatWouldNotLoadBack)
{
    struct Case {
        const char* what;
        void (*spoil)(PuzzleRecord&);
        const char* reason;
    };
    const Case cases[] = {
        {"too wide", [](PuzzleRecord& r) { r.width = 16; }, "bad size 16 x 9 (width and height must be 5..15)"},
        {"undo count 200", [](PuzzleRecord& r) { r.undoCount = 200; }, "bad undo count 200 (must be 0..199)"},
        {"broken ring", [](PuzzleRecord& r) { r.codes[10][3] = Empty; },
         "border cell at column 10 row 3 holds 0, not a wall (3)"},
        {"value stored as 26", [](PuzzleRecord& r) { r.undoPrev[0] = 234; },
         "the value at byte 132 would be stored as 26, which marks the end of a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PuzzleRecord r = FromNotation(Rows(9, 9));
        c.spoil(r);
        const std::string path = dir_.File("refused.vdr");
        std::string error;
        EXPECT_FALSE(WritePuzzleFile(path, r, error));
        EXPECT_EQ(error, path + ": cannot save this puzzle: " + c.reason);
        EXPECT_TRUE(dir_.Names().empty());
    }
}

TEST_F(PuzzleFileFormatTest, EveryModeAndSizeRoundTripsThroughAFile)
{
    const int sizes[][2] = {{5, 5}, {15, 15}, {10, 13}, {13, 10}, {15, 5}, {9, 9}};
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) & 0x7fff);
    };
    for (int mode = CreateMode; mode <= SolveFinished; ++mode) {
        for (const auto& size : sizes) {
            SCOPED_TRACE("mode " + std::to_string(mode) + ", " + std::to_string(size[0]) + " x " +
                         std::to_string(size[1]));
            PuzzleRecord r = FromNotation(Rows(size[0], size[1]));
            r.mode = mode;
            r.layoutState = next() % 3;
            r.boardFlag = next() % 10;
            for (int x = 1; x <= r.width; ++x)
                for (int y = 1; y <= r.height; ++y)
                    r.codes[x][y] = static_cast<std::uint8_t>(next() % 6);
            r.emptyCount = next() % 226;
            r.undoCount = next() % 200;
            for (int i = 0; i < kUndoEntries; ++i) {
                r.undoX[i] = static_cast<std::uint8_t>(next() % 16);
                r.undoY[i] = static_cast<std::uint8_t>(next() % 16);
                r.undoPrev[i] = static_cast<std::uint8_t>(next() % 6);
            }
            const std::string path = dir_.File("round.vdr");
            std::string error;
            ReadError why;
            ASSERT_TRUE(WritePuzzleFile(path, r, error)) << error;
            ResetGameState();
            ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
            EXPECT_TRUE(SameRecord(CapturePuzzle(), r, false));

            PuzzleRecord back;
            ASSERT_TRUE(ReadPuzzleFile(path, back, why)) << why;
            EXPECT_TRUE(SameRecord(back, r));
        }
    }
}

// Counts the writer cannot store as they were read: -49 would come back as
// 207, -22 cannot be written at all (a byte 26).
TEST_F(PuzzleFileFormatTest, EmptyCountTheWriterCannotStoreIsRefusedOnLoad)
{
    const struct {
        int b5, b6, count;
    } cases[] = {{47, 99, -49}, {47, 126, -22}, {50, 74, 226}, {50, 147, 299}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const std::string path = dir_.File("count.vdr");
        WriteBytes(path, ToBytes(Raw({0, 2, 5, 5, '1', c.b5, c.b6, '0', '0'}) + EmptyCells(5, 5) +
                                 std::string(600, '0') + kTrailerOnDisk));
        std::string error;
        ReadError why;
        EXPECT_FALSE(LoadPuzzleFile(path, why));
        EXPECT_EQ(ReadErrorText(why), "bad empty-cell count " + std::to_string(c.count) + " (must be 0..225)");
        EXPECT_EQ(GameState.status, StatusLoadFailed);
    }
}

// The count is whatever the latest solve left, and the board may have been
// edited or resized since: 225 on a 5 x 5 board, 0 on a board with holes.
TEST_F(PuzzleFileFormatTest, EveryEmptyCountTheProgramLeavesSavesAndLoadsBack)
{
    const std::string path = dir_.File("count.vdr");
    std::string error;
    ReadError why;

    LoadNotation(Rows(15, 15));
    AutoSolve(GameState);
    ASSERT_EQ(GameState.emptyCount, 225);
    GameState.width = GameState.height = 5;  // the size dialog, then the paint
    ResetBoard();
    ASSERT_TRUE(SavePuzzleFile(path, error)) << error;
    ResetGameState();
    ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
    EXPECT_EQ(GameState.emptyCount, 225);

    ASSERT_TRUE(LoadNotation(".....\n....B\nB...B\n...BW\nWWW..\n"));
    AutoSolve(GameState);
    ASSERT_EQ(GameState.emptyCount, 0);
    GameState.mode = SolveStart;
    GameState.board[2][2].code = Empty;  // a press erases a placed stone
    ASSERT_TRUE(SavePuzzleFile(path, error)) << error;
    ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
    EXPECT_EQ(GameState.emptyCount, 0);

    for (int count = 0; count <= 225; ++count) {
        PuzzleRecord r = FromNotation(Rows(9, 9));
        r.emptyCount = count;
        PuzzleRecord back;
        ASSERT_TRUE(WritePuzzleFile(path, r, error)) << error;
        ASSERT_TRUE(ReadPuzzleFile(path, back, why)) << why;
        EXPECT_EQ(back.emptyCount, count);
    }
}

TEST_F(PuzzleFileFormatTest, ZeroUndoEntriesBelowUndoCountLoad)
{
    // After a clear-all that kept the count, the entries are zero.
    PuzzleRecord r = FromNotation(Rows(9, 9));
    r.mode = SolveStart;
    r.undoCount = 5;
    const std::string path = dir_.File("cleared.vdr");
    std::string error;
    ReadError why;
    ASSERT_TRUE(WritePuzzleFile(path, r, error)) << error;
    ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
    EXPECT_EQ(GameState.undo.undoCount, 5);
    EXPECT_EQ(GameState.undo.undoX[4], 0);
}

TEST_F(PuzzleFileFormatTest, FailedLoadChangesOnlyStatus)
{
    ASSERT_TRUE(LoadNotation("W....\n.b...\n.....\n.....\n....B\n"));
    GameState.board[2][2].closed = 1;
    GameState.layoutState = 2;
    GameState.refitPending = 0;
    VisibleState expected = VisibleState::Capture();
    expected.status = StatusLoadFailed;

    const std::string path = dir_.File("bad.vdr");
    WriteBytes(path, ToBytes(Raw({0, 2, 9, 9, '1', '0', 129, '0', '0'}) + EmptyCells(9, 9)));
    std::string error;
    ReadError why;
    EXPECT_FALSE(LoadPuzzleFile(path, why));
    EXPECT_EQ(ReadErrorText(why), "too short: 130 bytes; a 9 x 9 puzzle needs at least 730");
    EXPECT_TRUE(SameState(VisibleState::Capture(), expected));
}

TEST_F(PuzzleFileFormatTest, LoadClearsLoadFailureAndAsksForARefit)
{
    const std::string path = dir_.File("good.vdr");
    std::string error;
    ReadError why;
    ASSERT_TRUE(WritePuzzleFile(path, FromNotation(Rows(7, 6)), error)) << error;
    GameState.status = StatusLoadFailed;
    GameState.layoutState = 2;
    ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(GameState.layoutState, 1);
    EXPECT_EQ(GameState.refitPending, 1);
    EXPECT_EQ(GameState.width, 7);
    EXPECT_EQ(GameState.height, 6);
    EXPECT_EQ(GameState.board[8][3].code, Wall);
    EXPECT_EQ(GameState.board[12][3].code, Wall);  // beyond the ring too
}

TEST_F(PuzzleFileFormatTest, SaveLeavesGameStateAloneAndLoadsBackTheSameHandSolve)
{
    ASSERT_TRUE(LoadNotation("W.b..\n.w...\n.....\n.....\n....B\n"));
    GameState.status = StatusMultipleSolutions;
    GameState.undo.undoCount = 2;
    GameState.undo.undoX[0] = 3, GameState.undo.undoY[0] = 1, GameState.undo.undoPrev[0] = Empty;
    GameState.undo.undoX[1] = 2, GameState.undo.undoY[1] = 2, GameState.undo.undoPrev[1] = PlacedBlack;
    const VisibleState before = VisibleState::Capture();

    const std::string path = dir_.File("hand.vdr");
    std::string error;
    ReadError why;
    ASSERT_TRUE(SavePuzzleFile(path, error)) << error;
    EXPECT_TRUE(SameState(VisibleState::Capture(), before));

    ResetGameState();
    ASSERT_TRUE(LoadPuzzleFile(path, why)) << why;
    EXPECT_EQ(GameState.mode, SolveInProgress);
    EXPECT_TRUE(SameRecord(CapturePuzzle(), before.record, false));
}

}  // namespace
