// The reasoner against the exact engine on many random sparse boards, and
// against a plain enumeration of every solution on tiny ones: no step
// decides a cell that some solution colours otherwise, a unique puzzle ends
// solved at its solution, several solutions end with exactly the cells that
// differ left undecided, and no solution is said so.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exact/Enumerate.h"
#include "exact/ExactSolver.h"
#include "io/Notation.h"
#include "reason/Reasoner.h"
#include "tests/reason/ReasonTestSupport.h"

namespace {

// What every solution of a board has in common: the number of solutions
// (0, 1, 2 for more), one solution's colours and the cells that differ.
struct Truth {
    int solutions = 0;
    std::vector<int> colours;  // reason::kWhite / kBlack per cell
    std::vector<int> undecided;
};

Grid RandomBoard(std::mt19937& rng, int w, int h, int percent)
{
    Grid g(w, h);
    for (std::uint8_t& c : g.cells) {
        const int r = static_cast<int>(rng() % 200);
        if (r < percent)
            c = GivenWhite;
        else if (r < 2 * percent)
            c = GivenBlack;
    }
    return g;
}

void ExpectAgrees(const Grid& puzzle, const Truth& truth, const std::string& where)
{
    SCOPED_TRACE(where + "\n" + FormatGridNotation(puzzle));
    const reason::Explanation e = reason::Explain(puzzle);
    ASSERT_FALSE(e.cancelled);
    if (truth.solutions == 0) {
        EXPECT_EQ(e.outcome, reason::Outcome::NoSolution);
        return;
    }
    for (std::size_t k = 0; k < e.steps.size(); ++k)
        for (int cell : e.steps[k].cells) {
            ASSERT_FALSE(truth.solutions > 1 && truth.undecided[cell])
                << "step " << k + 1 << " (" << reason::InfoOf(e.steps[k].technique).id << ") decides cell " << cell
                << ", which differs between solutions";
            ASSERT_EQ(e.steps[k].colour, truth.colours[cell])
                << "step " << k + 1 << " (" << reason::InfoOf(e.steps[k].technique).id << ") at cell " << cell;
        }
    if (truth.solutions == 1) {
        EXPECT_EQ(e.outcome, reason::Outcome::Solved);
        return;
    }
    EXPECT_EQ(e.outcome, reason::Outcome::Several);
    std::vector<int> expected;
    for (int cell = 0; cell < static_cast<int>(truth.undecided.size()); ++cell)
        if (truth.undecided[cell])
            expected.push_back(cell);
    EXPECT_EQ(e.undecided, expected);
    // Every other cell was decided.
    for (int cell = 0; cell < e.board.Size(); ++cell)
        EXPECT_EQ(e.board.colours[cell] == reason::kFree, truth.undecided[cell] != 0) << "cell " << cell;
}

Truth ExactTruth(const Grid& puzzle)
{
    ExactOptions options;
    options.findUndecided = true;
    const ExactResult r = SolveExact(puzzle, options);
    Truth t;
    t.solutions = r.solutions;
    for (std::uint8_t c : r.first.cells)
        t.colours.push_back(c == GivenWhite ? reason::kWhite : reason::kBlack);
    t.undecided.assign(r.undecided.begin(), r.undecided.end());
    return t;
}

TEST(ReasonerSoundness, AgreesWithTheExactEngineOnRandomSparseBoards)
{
    for (unsigned seed = 1; seed <= 600; ++seed) {
        std::mt19937 rng(seed);
        const int w = 2 + static_cast<int>(rng() % 8), h = 2 + static_cast<int>(rng() % 8);
        const int percent = 6 + static_cast<int>(rng() % 30);  // each colour, per 200 cells
        const Grid puzzle = RandomBoard(rng, w, h, percent);
        ExpectAgrees(puzzle, ExactTruth(puzzle), "seed " + std::to_string(seed));
        if (HasFatalFailure())
            return;
    }
}

// Published puzzles with a few givens taken away: several solutions, and
// a larger board than random givens can make solvable.
TEST(ReasonerSoundness, AgreesWithTheExactEngineOnPublishedPuzzlesMissingGivens)
{
    const std::vector<Published> all = PublishedPuzzles();
    if (all.empty())
        GTEST_SKIP() << "no published puzzles (set VANDOR_JANKO_DIR)";
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        const Published& p = all[rng() % all.size()];
        Grid puzzle = p.puzzle;
        std::vector<int> givens;
        for (int i = 0; i < static_cast<int>(puzzle.cells.size()); ++i)
            if (puzzle.cells[i] != Empty)
                givens.push_back(i);
        for (int k = 1 + static_cast<int>(rng() % 3); k > 0 && !givens.empty(); --k) {
            const std::size_t at = rng() % givens.size();
            puzzle.cells[givens[at]] = Empty;
            givens.erase(givens.begin() + static_cast<std::ptrdiff_t>(at));
        }
        ExpectAgrees(puzzle, ExactTruth(puzzle), p.name + " seed " + std::to_string(seed));
        if (HasFatalFailure())
            return;
    }
}

// The twin that needs no engine: every solution of the board by plain
// enumeration.
Truth EnumeratedTruth(const Grid& puzzle, const std::vector<std::uint64_t>& all)
{
    Truth t;
    const int n = puzzle.width * puzzle.height;
    std::uint64_t first = 0;
    t.undecided.assign(static_cast<std::size_t>(n), 0);
    for (std::uint64_t black : all) {
        bool fits = true;
        for (int i = 0; i < n && fits; ++i) {
            const std::uint8_t c = puzzle.cells[static_cast<std::size_t>(i)];
            fits = c == Empty || (c == GivenBlack) == ((black >> i & 1) != 0);
        }
        if (!fits)
            continue;
        if (t.solutions == 0)
            first = black;
        for (int i = 0; i < n; ++i)
            t.undecided[i] |= ((black ^ first) >> i & 1) != 0;
        t.solutions = std::min(t.solutions + 1, 2);
    }
    for (int i = 0; i < n; ++i)
        t.colours.push_back((first >> i & 1) ? reason::kBlack : reason::kWhite);
    return t;
}

TEST(ReasonerSoundness, AgreesWithPlainEnumerationOnTinyBoards)
{
    for (const auto& [w, h] : {std::pair<int, int>{3, 3}, {4, 4}, {5, 4}, {4, 5}, {2, 6}}) {
        const std::vector<std::uint64_t> all = BoardEnumerator(w, h).All();
        for (unsigned seed = 1; seed <= 150; ++seed) {
            std::mt19937 rng(seed * 7919 + static_cast<unsigned>(w * 10 + h));
            const Grid puzzle = RandomBoard(rng, w, h, 10 + static_cast<int>(rng() % 40));
            ExpectAgrees(puzzle, EnumeratedTruth(puzzle, all),
                         std::to_string(w) + "x" + std::to_string(h) + " seed " + std::to_string(seed));
            if (HasFatalFailure())
                return;
        }
    }
}

}  // namespace
