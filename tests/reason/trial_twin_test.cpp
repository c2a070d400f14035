// Trial told each cell's colour in every solution finds exactly the step it
// finds without: that knowledge only spares the suppositions that cannot
// break a rule. Checked step after step on random sparse boards, and for
// whole explanations whose engine is asked before the first trial.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "exact/ExactSolver.h"
#include "generator/Generator.h"
#include "io/Notation.h"
#include "reason/Reasoner.h"
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

// The whole explanation, with the engine asked before the first trial and
// without, on boards with no solution, one and several: every step, the
// outcome and the cells it names.
TEST(ExplainAskingTheEngineFirst, GivesTheSameExplanationAsWithout)
{
    std::mt19937 rng(23);
    int withTrial = 0, outcomes[4] = {0, 0, 0, 0};
    for (int round = 0; round < 150; ++round) {
        const int w = 4 + static_cast<int>(rng() % 6), h = 4 + static_cast<int>(rng() % 6);
        const int density = 6 + static_cast<int>(rng() % 20);
        Grid g(w, h);
        if (round % 3 == 0) {  // one solution, with few givens
            GenerateOptions o;
            o.width = w;
            o.height = h;
            o.level = GenerateLevel::Any;
            o.seed = static_cast<std::uint64_t>(round);
            g = GeneratePuzzle(o).puzzle;
        } else {
            for (std::uint8_t& c : g.cells) {
                const int r = static_cast<int>(rng() % 100);
                c = r < density ? GivenWhite : r < 2 * density ? GivenBlack : Empty;
            }
        }
        SCOPED_TRACE(FormatGridNotation(g));
        reason::ExplainOptions first, later;
        later.engineFirst = false;
        const reason::Explanation a = reason::Explain(g, first), b = reason::Explain(g, later);
        ASSERT_EQ(a.steps.size(), b.steps.size());
        for (std::size_t k = 0; k < a.steps.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(a.steps[k].technique, b.steps[k].technique);
            EXPECT_EQ(a.steps[k].colour, b.steps[k].colour);
            EXPECT_EQ(a.steps[k].cells, b.steps[k].cells);
            EXPECT_EQ(a.steps[k].because, b.steps[k].because);
            EXPECT_EQ(a.steps[k].depth, b.steps[k].depth);
        }
        EXPECT_EQ(a.outcome, b.outcome);
        EXPECT_EQ(a.undecided, b.undecided);
        EXPECT_EQ(a.broken, b.broken);
        EXPECT_EQ(a.grade, b.grade);
        withTrial += a.counts[static_cast<int>(reason::Technique::Trial)] > 0;
        ++outcomes[static_cast<int>(a.outcome)];
    }
    // The boards reach trial often enough, and end every way but stopped.
    EXPECT_GT(withTrial, 15) << outcomes[0] << ' ' << outcomes[1] << ' ' << outcomes[2];
    EXPECT_GT(outcomes[static_cast<int>(reason::Outcome::Solved)], 10);
    EXPECT_GT(outcomes[static_cast<int>(reason::Outcome::Several)], 10);
    EXPECT_GT(outcomes[static_cast<int>(reason::Outcome::NoSolution)], 10);
}
