// Damaged files: every truncation and every single changed byte of valid
// files must either load a sound board or fail leaving GameState alone.
#include <gtest/gtest.h>

#include <string>

#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "io/io_test_support.h"
#include "model/GameState.h"

namespace {

// What a loaded record must satisfy for the rest of the program to be safe.
::testing::AssertionResult Sound(const PuzzleRecord& r)
{
    if (r.mode < CreateMode || r.mode > SolveFinished)
        return ::testing::AssertionFailure() << "mode " << r.mode;
    if (!IsBoardSize(r.width, r.height))
        return ::testing::AssertionFailure() << "size " << r.width << " x " << r.height;
    if (r.undoCount < 0 || r.undoCount >= kUndoEntries)
        return ::testing::AssertionFailure() << "undoCount " << r.undoCount;
    for (int x = 0; x < kBoardCells; ++x)
        for (int y = 0; y < kBoardCells; ++y) {
            const bool playable = x >= 1 && x <= r.width && y >= 1 && y <= r.height;
            if (r.codes[x][y] > PlacedBlack || (!playable && r.codes[x][y] != Wall))
                return ::testing::AssertionFailure() << "cell (" << x << ", " << y << ")";
        }
    return ::testing::AssertionSuccess();
}

class PuzzleFileDamageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        // A distinctive state, so that any stray write shows.
        ASSERT_TRUE(LoadNotation("W.b.B.\n.w....\n......\n....bB\n......\n.....W\n"));
        GameState.board[1][1].closed = 1;
        GameState.board[3][1].visited = 1;
        GameState.undo.undoCount = 1;
        GameState.undo.undoX[0] = 3, GameState.undo.undoY[0] = 1;
        GameState.layoutState = 2;
        GameState.refitPending = 0;
        GameState.status = StatusContradiction;
    }

    // A valid file of the given board with an undo history.
    Bytes ValidFile(const std::string& notation, int mode)
    {
        PuzzleRecord r;
        ReadError why;
        EXPECT_TRUE(ParseNotation(notation, r, why)) << why;
        r.mode = mode;
        r.undoCount = 3;
        for (int i = 0; i < 3; ++i)
            r.undoX[i] = static_cast<std::uint8_t>(i + 1), r.undoY[i] = 2, r.undoPrev[i] = PlacedWhite;
        Bytes disk;
        EXPECT_TRUE(EncodePuzzle(r, disk, why)) << why;
        return disk;
    }

    // Loads the bytes from a file: success must give a sound board; failure
    // must change nothing but status.
    void LoadAndCheck(const Bytes& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        const VisibleState before = VisibleState::Capture();
        WriteBytes(path_, bytes);
        std::string error;
        ReadError why;
        if (LoadPuzzleFile(path_, why)) {
            EXPECT_TRUE(Sound(CapturePuzzle()));
            EXPECT_EQ(GameState.status, StatusNone);
            SetUp();
        } else {
            EXPECT_NE(why.problem, ReadProblem::None);
            VisibleState expected = before;
            expected.status = StatusLoadFailed;
            EXPECT_TRUE(SameState(VisibleState::Capture(), expected));
            GameState.status = before.status;
        }
    }

    TempDir dir_;
    std::string path_ = dir_.File("damaged.vdr");
};

const char* const kTenByTen =
    "W.........\n..b.......\n..........\n.....B....\n..........\n"
    "..........\n...w......\n..........\n..........\n.........B\n";

TEST_F(PuzzleFileDamageTest, FileCutAtEveryLengthFailsCleanlyUntilTheLastUndoEntry)
{
    // 10 x 10 has folded size bytes, so some cuts split a 13, 10 pair.
    for (const char* notation : {kTenByTen, "W....\n.....\n..b..\n.....\n....B\n"}) {
        const Bytes valid = ValidFile(notation, SolveInProgress);
        const std::size_t trailer = 8;
        for (std::size_t length = 0; length < valid.size(); ++length) {
            const Bytes cut(valid.begin(), valid.begin() + static_cast<long>(length));
            PuzzleRecord r;
            ReadError why;
            EXPECT_EQ(DecodePuzzle(cut, r, why), length >= valid.size() - trailer) << "length " << length;
            LoadAndCheck(cut, "cut to " + std::to_string(length));
        }
    }
}

TEST_F(PuzzleFileDamageTest, EverySingleByteValueAtEveryOffsetIsSafe)
{
    const Bytes valid = ValidFile(kTenByTen, SolveStart);
    Bytes changed = valid;
    PuzzleRecord r;
    std::string error;
    ReadError why;
    // Header and board bytes take every value; in the undo history, where
    // any byte but 26 is accepted, the values that fold or end the file.
    const std::size_t undoStart = 11 + 12 * 12;
    const std::vector<int> undoValues{0, 10, 13, 26, 47, 48, 147, 255};
    std::vector<int> allValues(256);
    for (int v = 0; v < 256; ++v)
        allValues[v] = v;
    for (std::size_t offset = 0; offset < valid.size(); ++offset) {
        for (int value : offset < undoStart ? allValues : undoValues) {
            changed[offset] = static_cast<std::uint8_t>(value);
            why = ReadError();
            if (DecodePuzzle(changed, r, why))
                ASSERT_TRUE(Sound(r)) << "offset " << offset << " value " << value;
            else
                ASSERT_NE(why.problem, ReadProblem::None) << "offset " << offset << " value " << value;
        }
        changed[offset] = valid[offset];
    }
}

TEST_F(PuzzleFileDamageTest, ChangedBytesNeverHalfLoad)
{
    const Bytes valid = ValidFile(kTenByTen, SolveFinished);
    // Through the real file path, a few telling values at every offset.
    for (std::size_t offset = 0; offset < valid.size(); ++offset) {
        for (int value : {0, 10, 13, 26, 47, 54, 255}) {
            Bytes changed = valid;
            changed[offset] = static_cast<std::uint8_t>(value);
            LoadAndCheck(changed, "offset " + std::to_string(offset) + " value " + std::to_string(value));
            if (HasFatalFailure())
                return;
        }
    }
}

}  // namespace
