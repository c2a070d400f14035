// The two checks of the ﾂｰﾙ menu: their verdicts, the red frames they leave
// on the board, what ends the frames, and cancelling a long check.
#include "mouse_view_fixture.h"

#include <QProgressDialog>
#include <QPushButton>

#include <chrono>
#include <set>
#include <thread>
#include <utility>

#include "solver/NaiveRules.h"
#include "view/CheckCommands.h"

namespace {

using Cells = std::set<std::pair<int, int>>;  // 1-based (column, row)

bool IsRed(const QColor& p)
{
    return p.red() > 200 && p.green() < 80 && p.blue() < 80;
}

// Red pixels in the cell's 23 x 23 inside, and on its frame lines.
int RedInside(const QImage& shot, int c, int r)
{
    int red = 0;
    for (int y = 24 * r + 27; y < 24 * r + 50; ++y)
        for (int x = 24 * c + 2; x < 24 * c + 25; ++x)
            red += IsRed(shot.pixelColor(x, y));
    return red;
}

// Pixels of every grid line of a w x h board that differ between two shots.
int GridLinePixelsChanged(const QImage& a, const QImage& b, int w, int h)
{
    int changed = 0;
    for (int y = 50; y <= 24 * h + 50; ++y)
        for (int x = 25; x <= 24 * w + 25; ++x)
            if (((x - 25) % 24 == 0 || (y - 50) % 24 == 0) && a.pixel(x, y) != b.pixel(x, y))
                ++changed;
    return changed;
}

// The cells with a red frame: the frame is the two pixel wide ring along the
// inside edge, 4 * 2 * 23 - 4 * 4 = 168 pixels.
Cells FramedCells(const QImage& shot, int w, int h)
{
    Cells framed;
    for (int c = 1; c <= w; ++c)
        for (int r = 1; r <= h; ++r) {
            const int red = RedInside(shot, c, r);
            EXPECT_TRUE(red == 0 || red == 168) << "cell " << c << "," << r << ": " << red << " red pixels";
            if (red > 0)
                framed.insert({c, r});
        }
    return framed;
}

Cells MarkedCells()
{
    Cells marked;
    for (int c = 1; c <= GameState.width; ++c)
        for (int r = 1; r <= GameState.height; ++r)
            if (GameState.checkMarks[c][r])
                marked.insert({c, r});
    return marked;
}

// The cells that are not the same colour in every solution of the givens,
// by plain enumeration.
Cells UndecidedByEnumeration()
{
    NaiveBoard givens(GameState.width, GameState.height);
    for (int x = 1; x <= givens.w; ++x)
        for (int y = 1; y <= givens.h; ++y) {
            const int code = GameState.board[x][y].code;
            givens.Set(x, y, IsPlacedStone(code) ? 0 : colour(code));
        }
    Cells undecided;
    for (int x = 1; x <= givens.w; ++x)
        for (int y = 1; y <= givens.h; ++y) {
            if (givens.At(x, y) != 0)
                continue;
            NaiveBoard white = givens, black = givens;
            white.Set(x, y, 1);
            black.Set(x, y, 2);
            if (CountSolutions(white, 1) > 0 && CountSolutions(black, 1) > 0)
                undecided.insert({x, y});
        }
    return undecided;
}

// An engine that works until it is told to stop, and then claims a result
// with every cell undecided that nobody may use.
ExactResult WorkUntilCancelled(const Grid& puzzle, const ExactOptions& options)
{
    while (!options.cancel->load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ExactResult r;
    r.solutions = 2;
    r.undecided.assign(puzzle.cells.size(), 1);
    return r;
}

const std::string kUnique = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});
const std::string kUniqueSolution = Rows({"b b b b b", "b w w w B", "B b w b B", "w b w B W", "W W W w w"});
const std::string kTwoSolutions = Rows({". . . . .", "B . . W B", "B . W . W", ". . . . .", ". B . . ."});

}  // namespace

class CheckCommandTest : public MouseViewFixture {
protected:
    void TearDown() override
    {
        SetCheckEngine(nullptr);
        MouseViewFixture::TearDown();
    }

    // Runs a check and returns the text of the one message box it shows.
    std::string Check(void (CVandorView::*command)())
    {
        guitest::ModalWatchdog watch(true);
        (view.get()->*command)();
        Settle();
        EXPECT_EQ(watch.captions, QStringList{QStringLiteral("vandor")});
        return watch.texts.value(0).toStdString();
    }

    QImage Shot() { return view->grab().toImage(); }
};

TEST_F(CheckCommandTest, UniquenessCheckFramesTheUndecidedCellsUntilTheNextEdit)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    RightCell(1, 1);  // a placed stone: the check ignores it
    const Cells undecided = UndecidedByEnumeration();
    ASSERT_FALSE(undecided.empty());
    const StateSummary before = StateSummary::Take();
    const QImage unmarked = Shot();

    EXPECT_EQ(Check(&CVandorView::OnCheckUnique),
              "この問題は別解があります\n決まらないマス: " + std::to_string(undecided.size()) + " 個（赤い枠）");
    EXPECT_EQ(StateSummary::Take(), before) << "board, mode, status or history changed";
    EXPECT_EQ(MarkedCells(), undecided);

    const QImage marked = Shot();
    EXPECT_EQ(FramedCells(marked, 5, 5), undecided);
    EXPECT_EQ(GridLinePixelsChanged(unmarked, marked, 5, 5), 0);

    // Taking the placed stone off again is an edit: every frame goes.
    RightCell(1, 1);
    EXPECT_TRUE(MarkedCells().empty());
    EXPECT_TRUE(FramedCells(Shot(), 5, 5).empty());
}

TEST_F(CheckCommandTest, UniquenessCheckSaysUniqueOrNoSolutionInAnyMode)
{
    const struct {
        std::string givens;
        int mode;
        const char* verdict;
    } cases[] = {
        {kUnique, CreateMode, "この問題は唯一解です"},
        {kUnique, SolveFinished, "この問題は唯一解です"},
        {Rows({"B B . . .", "B B . . .", ". . . . .", ". . . . .", ". . . . ."}), CreateMode,
         "この問題は成立していません"},
        {Rows({"W B . . .", "B W . . .", ". . . . .", ". . . . .", ". . . . ."}), SolveStart,
         "この問題は成立していません"},
    };
    for (const auto& c : cases) {
        StartWith(c.givens, c.mode);
        // Frames left by an earlier check give way to the new verdict.
        GameState.checkMarks[3][3] = 1;
        GameState.checkMarkCount = 1;
        if (!view)
            Show();
        const StateSummary before = StateSummary::Take();
        EXPECT_EQ(Check(&CVandorView::OnCheckUnique), c.verdict) << c.givens;
        EXPECT_EQ(StateSummary::Take(), before);
        EXPECT_TRUE(FramedCells(Shot(), 5, 5).empty()) << c.givens;
    }
}

TEST_F(CheckCommandTest, AnswerCheckNamesWhatIsWrongAndFramesItThenSaysCorrect)
{
    StartWith(kUnique, SolveStart);
    Show();
    // A black 2 x 2 in the top left corner; (2, 2) is white in the solution.
    RightCell(1, 1);
    RightCell(2, 1);
    RightCell(1, 2);
    RightCell(2, 2);
    const StateSummary before = StateSummary::Take();

    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), std::string("同じ色の 2×2 が 1 か所あります\n"
                                                                 "答えと違う石が 1 個あります\n"
                                                                 "空いているマスが 13 個あります"));
    EXPECT_EQ(StateSummary::Take(), before);
    const Cells block{{1, 1}, {2, 1}, {1, 2}, {2, 2}};
    EXPECT_EQ(MarkedCells(), block);
    EXPECT_EQ(FramedCells(Shot(), 5, 5), block);

    // Put (2, 2) right and fill in the rest as the solution has it.
    RightCell(2, 2);
    LeftCell(2, 2);
    EXPECT_TRUE(FramedCells(Shot(), 5, 5).empty());
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), std::string("ここまでに間違いはありません\n空いているマスが 13 個あります"));
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            if (Code(x, y) == Empty)
                (kUniqueSolution[(y - 1) * 10 + (x - 1) * 2] == 'w' ? LeftCell(x, y) : RightCell(x, y));
    ASSERT_EQ(FormatBoard(), kUniqueSolution);
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), std::string("正解です"));
    EXPECT_TRUE(MarkedCells().empty());
}

TEST_F(CheckCommandTest, AnswerCheckOutsideSolveModeOnlySaysWhereItWorks)
{
    StartWith(Rows({"B B . . .", "B B . . .", ". . . . .", ". . . . .", ". . . . ."}), CreateMode);
    Show();
    const StateSummary before = StateSummary::Take();
    EXPECT_EQ(Check(&CVandorView::OnCheckAnswer), std::string("答え合わせは解答モードで使えます"));
    EXPECT_EQ(StateSummary::Take(), before);
    EXPECT_TRUE(MarkedCells().empty());
}

TEST_F(CheckCommandTest, FramesGoWithAModeChangeASizeChangeOrALoad)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    const auto markAgain = [this] {
        Check(&CVandorView::OnCheckUnique);
        ASSERT_FALSE(FramedCells(Shot(), GameState.width, GameState.height).empty());
    };

    markAgain();
    LeftLower();  // back to create mode
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_TRUE(FramedCells(Shot(), 5, 5).empty());

    markAgain();
    guitest::WhenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    view->OnBoardSize();
    Settle();
    EXPECT_TRUE(MarkedCells().empty());

    LoadNotation(kTwoSolutions);
    Settle();
    markAgain();
    LoadNotation(kTwoSolutions);
    view->update();
    Settle();
    EXPECT_TRUE(FramedCells(Shot(), 5, 5).empty());
}

TEST_F(CheckCommandTest, CancellingALongCheckLeavesEverythingAsItWas)
{
    StartWith(kTwoSolutions, SolveStart);
    Show();
    Check(&CVandorView::OnCheckUnique);
    const Cells framesBefore = MarkedCells();
    const StateSummary before = StateSummary::Take();

    SetCheckEngine(&WorkUntilCancelled);
    QString label;
    guitest::WhenModalOpens([&label](QWidget* w) {
        auto* progress = qobject_cast<QProgressDialog*>(w);
        ASSERT_NE(progress, nullptr);
        label = progress->labelText();
        QPushButton* cancel = progress->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    for (auto command : {&CVandorView::OnCheckUnique, &CVandorView::OnCheckAnswer}) {
        guitest::ModalWatchdog watch(true);
        (view.get()->*command)();
        Settle();
        EXPECT_TRUE(watch.texts.isEmpty()) << watch.texts.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(label.isEmpty()) << "no progress dialog";
        EXPECT_EQ(StateSummary::Take(), before);
        EXPECT_EQ(MarkedCells(), framesBefore);
        EXPECT_EQ(FramedCells(Shot(), 5, 5), framesBefore);
        if (command == &CVandorView::OnCheckUnique) {
            label.clear();
            // The answer check needs a board that is not yet correct, which
            // it is not: most of it is empty.
            guitest::WhenModalOpens([&label](QWidget* w) {
                auto* progress = qobject_cast<QProgressDialog*>(w);
                ASSERT_NE(progress, nullptr);
                label = progress->labelText();
                QTest::keyClick(progress, Qt::Key_Escape);
            });
        }
    }
}
