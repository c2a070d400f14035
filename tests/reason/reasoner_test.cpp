// The reasoner's first step on small hand-made boards where one technique,
// and no simpler one, decides something; and what it says at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "exact/ExactSolver.h"
#include "reason/Reasoner.h"
#include "tests/reason/ReasonTestSupport.h"

namespace {

using reason::Technique;

struct FirstStep {
    const char* name;
    const char* board;
    Technique technique;
    int colour;
    std::vector<std::pair<int, int>> cells;    // 1-based column, row
    std::vector<std::pair<int, int>> because;  // empty: not checked
    int depth;
};

std::vector<int> Cells(int w, const std::vector<std::pair<int, int>>& xy)
{
    std::vector<int> out;
    for (const auto& [x, y] : xy)
        out.push_back(CellAt(w, x, y));
    std::sort(out.begin(), out.end());
    return out;
}

const FirstStep kFirstSteps[] = {
    {"three white of a 2x2 make the fourth black", "W W .\nW . .\n. . .\n", Technique::Block, reason::kBlack,
     {{2, 2}}, {{1, 1}, {2, 1}, {1, 2}}, 0},
    {"two white on a diagonal and a black beside make the fourth white", "W B .\n. W .\n. . .\n",
     Technique::Checker, reason::kWhite, {{1, 2}}, {{1, 1}, {2, 1}, {2, 2}}, 0},
    {"the ring between two white stones away from the black one is white",
     "W . . . W\n. . . . .\n. . . . .\n. . . . .\n. . B . .\n", Technique::Ring, reason::kWhite,
     {{2, 1}, {3, 1}, {4, 1}}, {{1, 1}, {5, 1}, {3, 5}}, 0},
    {"a white corner stone walled by black leaves by its last free neighbour",
     "W B . .\n. . . .\n. . W .\n. . . .\n", Technique::Escape, reason::kWhite, {{1, 2}}, {{1, 1}}, 0},
    {"a corner fenced off by black stones is black", ". B . .\nB . . .\n. . W .\n. . . .\n",
     Technique::Reach, reason::kBlack, {{1, 1}}, {{2, 1}, {1, 2}}, 0},
    {"the one gap in a black wall joins the white stones on both sides",
     ". . B . .\n. W . W .\n. . B . .\n. . B . .\n. . B . .\n", Technique::Cut, reason::kWhite, {{3, 2}},
     {{2, 2}, {4, 2}}, 0},
    {"black at 3,2 breaks a rule after one round", ". . . W .\n. W . . .\nW . . W .\n. B . . .\n. . . . .\n",
     Technique::Trial, reason::kBlack, {{3, 2}}, {}, 1},
    // Midway through bench/puzzles/unique_20x20_seed3: 12,15 white and 12,15
    // black both stand still with 10,11 and 9,13 black.
    {"no supposition breaks a rule, but both colours at one cell agree elsewhere",
     "W W W W W . B . W W W W W W W W W W W W\n"
     "W B W B B B . . . . . . . B W B B W B W\n"
     "W B W W W B W B . . . W . . W W B B B W\n"
     "W B W B B B W B W B . . . . B W W W B W\n"
     "W B B B W B W W W W . . . B . W B B B W\n"
     "W W B W W W W B W B . . B . . B B W B W\n"
     "W B B W B B B B W . W . . . . B W W B W\n"
     "W B W W B W B W W . . . B B W B W B B W\n"
     "W B B B B W B B W . . W B W W W W B W W\n"
     "W W B W W W W B W B . W W W B W B B B W\n"
     "W B B B B B W W W . . W B W B B B W W W\n"
     "W B W W B W W B . . . W B W W W B B B W\n"
     "W B W B B W B B . W . W B W B B B W B W\n"
     "W B W W B W W B W . . . B B B W W W W W\n"
     "W W W B B W B B . . W . B W B W B B B W\n"
     "W B W W B W W B W . . W W W B B B W B W\n"
     "W B B B B W B B B B B B B W W B W W B W\n"
     "W B W W B B B W W W B W W W B B B W B W\n"
     "W B B W B W B B W B B B B B B W B W B W\n"
     "W W W W W W W W W W W W W W W W W W W W\n",
     Technique::Either, reason::kBlack, {{10, 11}, {9, 13}}, {{12, 15}}, 8},
    {"a unique puzzle that no trial moves is decided by search",
     ". . . . .\n. W . . .\n. . . B .\n. B . W .\n. . . . W\n", Technique::Search, reason::kBlack, {{3, 3}}, {}, 0},
    // 6 x 6 has 25 inner points, so the line between the colours cannot end
    // between 2,1 and 3,1; 7 x 6 has 30, so with its end between 2,1 and
    // 3,1 the other cannot be between 6,1 and 7,1.
    {"the colour cannot change round the border where the line between the colours cannot end",
     ". . B . . .\n. . . . . .\n. . . . . .\n. . . . . .\n. . . . . .\n. . . . . .\n", Technique::Parity,
     reason::kBlack, {{2, 1}}, {{3, 1}}, 0},
    {"nor where its other end would lie on a point of the same parity as the first",
     ". W B B B B .\n. . . . . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .\n",
     Technique::Parity, reason::kBlack, {{7, 1}}, {{2, 1}, {3, 1}, {6, 1}}, 0},
};

TEST(ReasonerFirstStep, EachTechniqueWhereNoSimplerOneApplies)
{
    for (const FirstStep& c : kFirstSteps) {
        SCOPED_TRACE(c.name);
        const Grid g = ParseBoard(c.board);
        reason::ExplainOptions options;
        options.maxSteps = 1;
        const reason::Explanation e = reason::Explain(g, options);
        ASSERT_EQ(e.steps.size(), 1u);
        const reason::Finding& f = e.steps[0];
        EXPECT_STREQ(reason::InfoOf(f.technique).id, reason::InfoOf(c.technique).id);
        EXPECT_EQ(f.colour, c.colour);
        EXPECT_EQ(f.cells, Cells(g.width, c.cells));
        if (!c.because.empty()) {
            EXPECT_EQ(f.because, Cells(g.width, c.because));
        }
        EXPECT_EQ(f.depth, c.depth);
        EXPECT_EQ(e.outcome, reason::Outcome::Stopped);
        // The first step of the whole explanation is the same step.
        const reason::Explanation all = reason::Explain(g);
        ASSERT_FALSE(all.steps.empty());
        EXPECT_EQ(all.steps[0].cells, f.cells);
    }
}

TEST(ReasonerFirstStep, TrialNamesTheBrokenRuleAndSearchNamesNothing)
{
    const Grid trial = ParseBoard(kFirstSteps[6].board);
    reason::ExplainOptions one;
    one.maxSteps = 1;
    const reason::Finding t = reason::Explain(trial, one).steps[0];
    EXPECT_EQ(t.because.size(), 4u);  // a 2 x 2 that the supposition fills with one colour
    const reason::Finding s = reason::Explain(ParseBoard(kFirstSteps[8].board), one).steps[0];
    EXPECT_TRUE(s.because.empty());
}

TEST(ReasonerOutcome, SolvedBoardNeedsNoStepAndBrokenBoardHasNoSolution)
{
    const reason::Explanation solved = reason::Explain(ParseBoard("W W\nB W\n"));
    EXPECT_EQ(solved.outcome, reason::Outcome::Solved);
    EXPECT_TRUE(solved.steps.empty());
    EXPECT_EQ(solved.grade, 1);

    const reason::Explanation block = reason::Explain(ParseBoard("W W .\nW W .\n. . .\n"));
    EXPECT_EQ(block.outcome, reason::Outcome::NoSolution);
    EXPECT_EQ(block.broken.size(), 4u);
    EXPECT_TRUE(block.steps.empty());

    // Four arcs on the ring: white and black corners alternate.
    const reason::Explanation ring = reason::Explain(ParseBoard("W . B\n. . .\nB . W\n"));
    EXPECT_EQ(ring.outcome, reason::Outcome::NoSolution);
}

TEST(ReasonerOutcome, PlacedStonesCountAsStones)
{
    // The placed black stone makes the given white one a walled corner.
    const reason::Explanation e = reason::Explain(ParseBoard("W b . .\n. . . .\n. . W .\n. . . .\n"),
                                                  reason::ExplainOptions{nullptr, 1});
    ASSERT_EQ(e.steps.size(), 1u);
    EXPECT_EQ(e.steps[0].technique, Technique::Escape);
}

TEST(ReasonerOutcome, EmptyBoardLeavesEveryCellUndecided)
{
    const reason::Explanation e = reason::Explain(Grid(3, 3));
    EXPECT_EQ(e.outcome, reason::Outcome::Several);
    EXPECT_EQ(e.undecided.size(), 9u);
    EXPECT_TRUE(e.steps.empty());
}

TEST(ReasonerOutcome, OneCellAndOneRowBoards)
{
    // No 2 x 2 and no ring: only connection decides.
    EXPECT_EQ(reason::Explain(ParseBoard("W\n")).outcome, reason::Outcome::Solved);
    const reason::Explanation row = reason::Explain(ParseBoard("W . . B . W\n"));
    EXPECT_EQ(row.outcome, reason::Outcome::NoSolution);
    const reason::Explanation line = reason::Explain(ParseBoard("W . . . B\n"));
    EXPECT_EQ(line.outcome, reason::Outcome::Several);
    EXPECT_EQ(line.undecided.size(), 3u);
}

TEST(ReasonerOutcome, CancelStopsAtOnce)
{
    std::atomic<bool> cancel{true};
    const reason::Explanation e = reason::Explain(Grid(9, 9), reason::ExplainOptions{&cancel, 0});
    EXPECT_TRUE(e.cancelled);
    EXPECT_EQ(e.outcome, reason::Outcome::Stopped);
}

TEST(ReasonerGrade, HighestGradeOfTheStepsAndCountsPerTechnique)
{
    const reason::Explanation e = reason::Explain(ParseBoard(kFirstSteps[8].board));
    ASSERT_EQ(e.outcome, reason::Outcome::Solved);
    EXPECT_EQ(e.grade, 5);
    int total = 0, highest = 1;
    for (int k = 0; k < reason::kTechniqueCount; ++k) {
        total += e.counts[k];
        if (e.counts[k] > 0)
            highest = std::max(highest, reason::InfoOf(static_cast<Technique>(k)).grade);
    }
    EXPECT_EQ(total, static_cast<int>(e.steps.size()));
    EXPECT_EQ(highest, e.grade);
}

}  // namespace
