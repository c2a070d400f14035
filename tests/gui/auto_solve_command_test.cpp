// The auto-solve button: the analysing line is painted before the solver
// runs, then the solver's outcome is shown in SolveFinished.
#include "mouse_view_fixture.h"

namespace {

int RedPixelsAround(const QImage& shot, int c, int r)
{
    int red = 0;
    for (int y = 24 * r + 26; y < 24 * r + 50; ++y) {
        for (int x = 24 * c + 1; x < 24 * c + 25; ++x) {
            const QColor p = shot.pixelColor(x, y);
            red += p.red() > 200 && p.green() < 80 && p.blue() < 80;
        }
    }
    return red;
}

}  // namespace

class AutoSolveCommandTest : public MouseViewFixture {
protected:
    // Enters the givens in create mode, goes to solve mode with the lower
    // button and presses "自動解答".
    void SolveByButton(const std::string& givens)
    {
        StartWith(givens, CreateMode);
        Show();
        LeftLower();
        ASSERT_EQ(GameState.mode, SolveStart);
        LeftUpper();
    }

    // The paints of the press: first the analysing line over the untouched
    // givens, then the outcome in SolveFinished.
    void ExpectAnalysingLinePaintedFirst(const std::string& givens)
    {
        ASSERT_GE(recorder.paints.size(), 2u);
        const PaintRecord& first = recorder.paints.front();
        EXPECT_EQ(first.status, StatusAnalyzing);
        EXPECT_EQ(first.mode, SolveStart);
        EXPECT_EQ(first.board, givens);
        EXPECT_EQ(first.region, WholeView());
        const PaintRecord& last = recorder.paints.back();
        EXPECT_EQ(last.status, GameState.status);
        EXPECT_EQ(last.mode, SolveFinished);
        EXPECT_EQ(last.board, FormatBoard());
    }

    void ExpectFinishedWithoutUndoRecords()
    {
        EXPECT_EQ(GameState.mode, SolveFinished);
        EXPECT_EQ(GameState.undo.undoCount, 0);
    }
};

TEST_F(AutoSolveCommandTest, UniqueSolutionIsFilledInWithABlankStatusLine)
{
    const std::string givens = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});
    SolveByButton(givens);

    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(FormatBoard(), Rows({"b b b b b", "b w w w B", "B b w b B", "w b w B W", "W W W w w"}));
    ExpectFinishedWithoutUndoRecords();
    ExpectAnalysingLinePaintedFirst(givens);
}

TEST_F(AutoSolveCommandTest, SecondSolutionIsReportedWithTheRedCircle)
{
    const std::string givens = Rows({". . . . .", "B . . W B", "B . W . W", ". . . . .", ". B . . ."});
    SolveByButton(givens);

    EXPECT_EQ(GameState.status, StatusMultipleSolutions);
    EXPECT_EQ(GameState.altCell.x, 4);
    EXPECT_EQ(GameState.altCell.y, 4);
    EXPECT_EQ(FormatBoard(), Rows({"b b b b b", "B w b W B", "B w W w W", "b w b b w", "b B b w w"}));
    ExpectFinishedWithoutUndoRecords();
    ExpectAnalysingLinePaintedFirst(givens);

    const QImage shot = view->grab().toImage();
    EXPECT_GT(RedPixelsAround(shot, 4, 4), 20);
    EXPECT_EQ(RedPixelsAround(shot, 3, 4), 0);
}

TEST_F(AutoSolveCommandTest, GivensThatBreakARuleLeaveOnlyTheGivens)
{
    const std::string givens = Rows({"W W . . .", "W W . . .", ". . . . .", ". . . . .", ". . . . B"});
    SolveByButton(givens);

    EXPECT_EQ(GameState.status, StatusContradiction);
    EXPECT_EQ(FormatBoard(), givens);
    ExpectFinishedWithoutUndoRecords();
    ExpectAnalysingLinePaintedFirst(givens);
}

TEST_F(AutoSolveCommandTest, PuzzleTheSolverCannotFinishIsReportedUnsolvable)
{
    const std::string givens = Rows({". . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."});
    SolveByButton(givens);

    EXPECT_EQ(GameState.status, StatusUnsolvable);
    EXPECT_EQ(FormatBoard(), givens);
    ExpectFinishedWithoutUndoRecords();
    ExpectAnalysingLinePaintedFirst(givens);
}

TEST_F(AutoSolveCommandTest, AfterTheSolverTheButtonsReturnToTheStartOrClear)
{
    const std::string givens = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});
    SolveByButton(givens);
    ASSERT_EQ(GameState.mode, SolveFinished);

    // The lower button removes the solver's stones too.
    LeftLower();
    EXPECT_EQ(GameState.mode, SolveStart);
    EXPECT_EQ(FormatBoard(), givens);

    // Solving again gives the same result; the upper button then clears.
    LeftUpper();
    EXPECT_EQ(GameState.mode, SolveFinished);
    EXPECT_EQ(FormatBoard(), Rows({"b b b b b", "b w w w B", "B b w b B", "w b w B W", "W W W w w"}));
    LeftUpper();
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(FormatBoard(), Rows({". . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."}));
}
