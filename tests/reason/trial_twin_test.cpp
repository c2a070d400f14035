// Trial told each cell's colour in every solution finds exactly the step it
// finds without: that knowledge only spares the suppositions that cannot
// break a rule. Checked step after step on random sparse boards.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "exact/ExactSolver.h"
#include "io/Notation.h"
#include "reason/Trial.h"

namespace {

std::vector<std::uint8_t> KnownColours(const ExactResult& r)
{
    std::vector<std::uint8_t> known(r.first.cells.size(), reason::kFree);
    for (std::size_t i = 0; i < known.size(); ++i)
        if (r.solutions == 1 || !r.undecided[i])
            known[i] = r.first.cells[i] == GivenWhite ? reason::kWhite : reason::kBlack;
    return known;
}

}  // namespace

TEST(TrialWithKnownColours, FindsTheSameStepAsWithout)
{
    std::mt19937 rng(11);
    int steps = 0;
    for (int round = 0; round < 120; ++round) {
        const int w = 4 + static_cast<int>(rng() % 4), h = 4 + static_cast<int>(rng() % 4);
        Grid g(w, h);
        for (std::uint8_t& c : g.cells) {
            const int r = static_cast<int>(rng() % 100);
            c = r < 9 ? GivenWhite : r < 18 ? GivenBlack : Empty;
        }
        ExactOptions options;
        options.findUndecided = true;
        const ExactResult truth = SolveExact(g, options);
        if (truth.solutions == 0)
            continue;
        const std::vector<std::uint8_t> known = KnownColours(truth);
        reason::Board b = reason::BoardOf(g);
        reason::Techniques t(w, h);
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(FormatGridNotation(reason::GridOf(b)));
            reason::Finding plain, told;
            const bool found = reason::FindTrial(t, b, plain, nullptr);
            ASSERT_EQ(reason::FindTrial(t, b, told, nullptr, &known), found);
            if (!found)
                break;
            EXPECT_EQ(told.technique, plain.technique);
            EXPECT_EQ(told.colour, plain.colour);
            EXPECT_EQ(told.cells, plain.cells);
            EXPECT_EQ(told.because, plain.because);
            EXPECT_EQ(told.depth, plain.depth);
            ++steps;
            for (int cell : plain.cells)
                b.colours[cell] = static_cast<std::uint8_t>(plain.colour);
        }
    }
    EXPECT_GT(steps, 100);
}
