// The two checks of the ﾂｰﾙ menu: their verdicts, the red frames they leave
// on the board, what ends the frames, and cancelling a long check.
#include "mouse_view_fixture.h"

#include <QProgressDialog>
#include <QPushButton>

#include <chrono>
#include <set>
#include <thread>
#include <utility>

#include "view/CheckCommands.h"

namespace {

using Cells = std::set<std::pair<int, int>>;  // 1-based (column, row)

bool IsRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
}

// Red pixels of cell (c, r) on the two pixel wide ring along the inside of
// its 23 x 23 picture (ring true), or inside that ring (ring false).
int RedPixels(const QImage& shot, int c, int r, bool ring)
{
    int red = 0;
    for (int y = 24 * r + 27; y < 24 * r + 50; ++y)
        for (int x = 24 * c + 2; x < 24 * c + 25; ++x) {
            const bool onRing = x < 24 * c + 4 || x > 24 * c + 22 || y < 24 * r + 29 || y > 24 * r + 47;
            red += onRing == ring && IsRed(shot.pixel(x, y));
        }
    return red;
}

// The cells with a red frame in the shot: the whole ring, 4 * 2 * 23 - 4 * 4
// pixels, or none of it.
Cells FramedCells(const QImage& shot)
{
    Cells framed;
    for (int c = 1; c <= GameState.width; ++c)
        for (int r = 1; r <= GameState.height; ++r) {
            const int red = RedPixels(shot, c, r, true);
            EXPECT_TRUE(red == 0 || red == 168) << "cell " << c << "," << r << ": " << red << " red pixels";
            if (red > 0)
                framed.insert({c, r});
        }
    return framed;
}

// The cells with a red cross inside the ring: red through the centre and
// along both diagonals.
Cells CrossedCells(const QImage& shot)
{
    Cells crossed;
    for (int c = 1; c <= GameState.width; ++c)
        for (int r = 1; r <= GameState.height; ++r) {
            const int left = 24 * c + 2, top = 24 * r + 27;  // the picture's inside
            const bool cross = IsRed(shot.pixel(left + 11, top + 11)) && IsRed(shot.pixel(left + 6, top + 6)) &&
                               IsRed(shot.pixel(left + 16, top + 6)) && IsRed(shot.pixel(left + 6, top + 16)) &&
                               IsRed(shot.pixel(left + 16, top + 16));
            if (cross)
                crossed.insert({c, r});
            else
                EXPECT_EQ(RedPixels(shot, c, r, false), 0) << "cell " << c << "," << r << " has red but no cross";
        }
    return crossed;
}

// Pixels on the grid lines that differ between two shots.
int GridLinePixelsChanged(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 50; y <= 24 * GameState.height + 50; ++y)
        for (int x = 25; x <= 24 * GameState.width + 25; ++x)
            changed += ((x - 25) % 24 == 0 || (y - 50) % 24 == 0) && a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

// An engine that works until it is told to stop (or gives up after a while,
// so a lost cancel fails the test instead of hanging it), then claims a
// result that must not be used: every cell undecided.
ExactResult WorkUntilCancelled(const Grid& puzzle, const ExactOptions& options)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!options.cancel->load() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ExactResult r;
    r.solutions = 2;
    r.undecided.assign(puzzle.cells.size(), 1);
    return r;
}

const std::string kUnique = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});
const std::string kUniqueSolution = Rows({"b b b b b", "b w w w B", "B b w b B", "w b w B W", "W W W w w"});
// Two solutions, which differ in the 2 x 2 of the lower right corner only
// (checked by enumerating every filling).
const std::string kTwoSolutions = Rows({". . . . .", "B . . W B", "B . W . W", ". . . . .", ". B . . ."});
const Cells kTwoSolutionsUndecided{{4, 4}, {5, 4}, {4, 5}, {5, 5}};

}  // namespace

class CheckCommandTest : public MouseViewFixture {
protected:
    void TearDown() override
    {
        SetCheckEngine(nullptr);
        MouseViewFixture::TearDown();
    }

    // Runs a check; returns the text of the one message box it shows.
    std::string Check(void (CVandorView::*command)())
    {
        guitest::ModalWatchdog watch(true);
        (view.get()->*command)();
        Settle();
        EXPECT_EQ(watch.captions, QStringList{QStringLiteral("vandor")});
        return watch.texts.value(0).toStdString();
    }

    Cells Framed() { return FramedCells(view->grab().toImage()); }
};

TEST_F(CheckCommandTest, UniquenessCheckFramesTheUndecidedCellsUntilTheNextEdit)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    RightCell(1, 1);  // a placed stone: the check ignores it
    const StateSummary before = StateSummary::Take();
    const QImage unmarked = view->grab().toImage();

    EXPECT_EQ(Check(&CVandorView::OnCheckUnique), "この問題は別解があります\n決まらないマス: 4 個（赤い枠）");
    EXPECT_EQ(StateSummary::Take(), before) << "board, mode, status or history changed";
    const QImage marked = view->grab().toImage();
    EXPECT_EQ(FramedCells(marked), kTwoSolutionsUndecided);
    EXPECT_EQ(GridLinePixelsChanged(unmarked, marked), 0);

    // Taking the placed stone off again is an edit: every frame goes.
    RightCell(1, 1);
    EXPECT_TRUE(Framed().empty());
}

TEST_F(CheckCommandTest, UniquenessCheckSaysUniqueOrNoSolutionInAnyMode)
{
    const struct {
        std::string givens;
        int mode;
        const char* verdict;
    } cases[] = {
        {kUnique, SolveFinished, "この問題は唯一解です"},
        {Rows({"W B . . .", "B W . . .", ". . . . .", ". . . . .", ". . . . ."}), CreateMode,
         "この問題は成立していません"},
    };
    Show();
    for (const auto& c : cases) {
        StartWith(c.givens, c.mode);
        GameState.checkMarks[3][3] = 1;  // left by an earlier check: the verdict replaces it
        GameState.checkMarkCount = 1;
        const StateSummary before = StateSummary::Take();
        EXPECT_EQ(Check(&CVandorView::OnCheckUnique), c.verdict);
        EXPECT_EQ(StateSummary::Take(), before);
        EXPECT_TRUE(Framed().empty()) << c.givens;
    }
}

TEST_F(CheckCommandTest, AnswerCheckNamesWhatIsWrongAndFramesItThenSaysCorrect)
{
    StartWith(kUnique, CreateMode);
    Show();
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), "答え合わせは解答モードで使えます");

    LeftLower();  // to solve mode
    // A black 2 x 2 in the top left corner; (2, 2) is white in the solution.
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r)
            RightCell(c, r);
    const StateSummary before = StateSummary::Take();
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer),
              "同じ色の 2×2 が 1 か所あります（赤い枠）\n答えと違う石が 1 個あります（赤い×）\n"
              "空いているマスが 13 個あります");
    EXPECT_EQ(StateSummary::Take(), before);
    // The wrong stone inside the block keeps the block's frame and has its cross.
    const QImage shot = view->grab().toImage();
    EXPECT_EQ(FramedCells(shot), (Cells{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    EXPECT_EQ(CrossedCells(shot), (Cells{{2, 2}}));

    // Put (2, 2) right, then fill in the rest as the solution has it.
    RightCell(2, 2);
    LeftCell(2, 2);
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), "ここまでに間違いはありません\n空いているマスが 13 個あります");
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            if (Code(x, y) == Empty)
                (kUniqueSolution[(y - 1) * 10 + (x - 1) * 2] == 'w' ? LeftCell(x, y) : RightCell(x, y));
    ASSERT_EQ(FormatBoard(), kUniqueSolution);
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), "正解です");
    EXPECT_TRUE(Framed().empty());
    EXPECT_TRUE(CrossedCells(view->grab().toImage()).empty());
}

TEST_F(CheckCommandTest, FramesGoWithAModeChangeASizeChangeOrALoad)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    const auto frameAgain = [this] {
        Check(&CVandorView::OnCheckUnique);
        ASSERT_EQ(Framed(), kTwoSolutionsUndecided);
    };

    frameAgain();
    LeftLower();
    ASSERT_EQ(GameState.mode, CreateMode);
    EXPECT_TRUE(Framed().empty()) << "mode change";

    frameAgain();
    ASSERT_TRUE(LoadNotation(kTwoSolutions));
    view->update();
    EXPECT_TRUE(Framed().empty()) << "load";

    frameAgain();
    guitest::WhenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    view->OnBoardSize();
    Settle();
    EXPECT_TRUE(Framed().empty()) << "size change";
}

TEST_F(CheckCommandTest, AnEngineThatStopsEarlyGivesNoVerdict)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    const StateSummary before = StateSummary::Take();
    // Stopped on its own (a limit, say), with a claim that must not be shown.
    SetCheckEngine([](const Grid& puzzle, const ExactOptions&) {
        ExactResult r;
        r.cancelled = true;
        r.solutions = 1;
        r.first = puzzle;
        return r;
    });
    EXPECT_EQ(Check(&CVandorView::OnCheckUnique), "調査を中止しました");
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), "調査を中止しました");
    EXPECT_EQ(StateSummary::Take(), before);
    EXPECT_TRUE(Framed().empty());
}

TEST_F(CheckCommandTest, CancellingALongCheckLeavesEverythingAsItWas)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    Check(&CVandorView::OnCheckUnique);
    const StateSummary before = StateSummary::Take();
    SetCheckEngine(&WorkUntilCancelled);

    // The dialog's button for one check, Escape for the other.
    const std::pair<void (CVandorView::*)(), bool> runs[] = {{&CVandorView::OnCheckUnique, true},
                                                             {&CVandorView::OnCheckAnswer, false}};
    for (const auto& [command, byButton] : runs) {
        bool progressShown = false;
        guitest::WhenModalOpens([&progressShown, byButton = byButton](QWidget* w) {
            auto* progress = qobject_cast<QProgressDialog*>(w);
            ASSERT_NE(progress, nullptr);
            progressShown = true;
            if (byButton)
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            else
                QTest::keyClick(progress, Qt::Key_Escape);
        });
        guitest::ModalWatchdog watch(true);
        (view.get()->*command)();
        Settle();
        EXPECT_TRUE(progressShown);
        EXPECT_EQ(watch.texts, QStringList{QStringLiteral("調査を中止しました")});
        EXPECT_EQ(StateSummary::Take(), before);
        EXPECT_EQ(Framed(), kTwoSolutionsUndecided) << "the frames of the check before";
    }
}
