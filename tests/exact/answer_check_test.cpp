// The rule part of the answer check and the comparison with the solution.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "exact/AnswerCheck.h"
#include "io/Notation.h"
#include "solver/NaiveRules.h"

namespace {

Grid Rows(const std::string& rows)
{
    Grid g;
    ReadError error;
    EXPECT_TRUE(ParseGridNotation(rows, g, error)) << error;
    return g;
}

// The marks as rows of the notation: 'x' marked, '.' not.
std::string Marks(const Grid& g, const AnswerReport& r)
{
    std::string s;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x)
            s += r.marks[static_cast<std::size_t>(y) * g.width + x] ? 'x' : '.';
        s += '\n';
    }
    return s;
}

// Fills every empty cell with colour c and counts the groups of c that hold
// at least one of the stones b had.
int GroupsWhenFilled(const NaiveBoard& b, int c)
{
    NaiveBoard filled = b;
    for (int& v : filled.cells)
        if (v == 0)
            v = c;
    std::vector<bool> seen(b.cells.size(), false);
    int groups = 0;
    for (std::size_t start = 0; start < b.cells.size(); ++start) {
        if (b.cells[start] != c || seen[start])
            continue;
        ++groups;
        std::vector<std::size_t> stack{start};
        seen[start] = true;
        while (!stack.empty()) {
            const int i = static_cast<int>(stack.back());
            stack.pop_back();
            const int x = i % b.w + 1, y = i / b.w + 1;
            const int nbrs[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : nbrs) {
                const std::size_t j = (n[1] - 1) * b.w + (n[0] - 1);
                if (filled.At(n[0], n[1]) == c && !seen[j]) {
                    seen[j] = true;
                    stack.push_back(j);
                }
            }
        }
    }
    return groups;
}

}  // namespace

TEST(AnswerCheckTest, SplitColourOnAFullBoardMarksEveryGroupButTheLargest)
{
    // White: a group of three on the left, two single stones; black is one group.
    const Grid g = Rows("W B W\nW B B\nW B W\n");
    const AnswerReport r = CheckAnswerRules(g);
    EXPECT_EQ(r.whiteGroups, 3);
    EXPECT_EQ(r.blackGroups, 1);
    EXPECT_FALSE(r.Correct());
    EXPECT_EQ(Marks(g, r), "..x\n...\n..x\n");
}

TEST(AnswerCheckTest, StonesThatCanStillJoinThroughEmptyCellsAreNotSplit)
{
    // White stones apart but linked by empty cells: nothing wrong yet.
    const Grid open = Rows("W . W\n. B .\nW . W\n");
    const AnswerReport r1 = CheckAnswerRules(open);
    EXPECT_EQ(r1.whiteGroups, 1);
    EXPECT_EQ(r1.emptyCells, 4);
    EXPECT_FALSE(r1.RulesBroken());
    EXPECT_EQ(Marks(open, r1), "...\n...\n...\n");

    // The white corner stone is walled in by black: it can never join the
    // other two.
    const Grid shut = Rows("W B . .\nB . W W\n. . . .\n");
    const AnswerReport r2 = CheckAnswerRules(shut);
    EXPECT_EQ(r2.whiteGroups, 2);
    EXPECT_EQ(r2.blackGroups, 1);
    EXPECT_TRUE(r2.RulesBroken());
    EXPECT_EQ(Marks(shut, r2), "x...\n....\n....\n");
}

TEST(AnswerCheckTest, OnlyPlacedStonesThatDifferFromTheSolutionAreWrong)
{
    const Grid solution = Rows("B W W\nB B W\nB W W\n");
    // (1,0) placed wrong, (0,2) placed right, the rest given or empty.
    const Grid board = Rows("B b W\n. B W\nb W W\n");
    AnswerReport r = CheckAnswerRules(board);
    MarkWrongStones(board, solution, r);
    EXPECT_EQ(r.wrongStones, 1);
    EXPECT_EQ(Marks(board, r), ".x.\n...\n...\n");
}

// Twins: on random small boards the check agrees with the plain restatement
// of the rules, and a colour counts as split exactly when filling every empty
// cell with it still leaves it in more than one group.
TEST(AnswerCheckTest, AgreesWithThePlainRulesOnRandomBoards)
{
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 rng(seed);
        const int w = 1 + static_cast<int>(rng() % 5);
        const int h = 1 + static_cast<int>(rng() % 5);
        const bool full = seed % 2 == 0;
        Grid g(w, h);
        NaiveBoard naive(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int c = full ? 1 + static_cast<int>(rng() % 2) : static_cast<int>(rng() % 3);
                naive.Set(x + 1, y + 1, c);
                g.at(x, y) = static_cast<std::uint8_t>(c == 0 ? Empty : (rng() % 2 ? c : c + 3));
            }
        const AnswerReport r = CheckAnswerRules(g);
        SCOPED_TRACE(::testing::Message() << "seed " << seed << "\n" << FormatGridNotation(g));

        EXPECT_EQ(r.blocks > 0, naive.HasOneColourBlock());
        for (int c = 1; c <= 2; ++c) {
            const int groups = c == 1 ? r.whiteGroups : r.blackGroups;
            EXPECT_EQ(groups > 1, GroupsWhenFilled(naive, c) > 1) << "colour " << c;
            if (full) {
                EXPECT_EQ(groups, naive.Groups(c)) << "colour " << c;
            }
        }
        if (full) {
            EXPECT_EQ(r.Correct(), naive.Solved());
        }
    }
}
