// explain on every published puzzle ends at its published answer, and the
// grades of the set spread over at least three grades. Without the puzzles
// (see PublishedPuzzles) the test is skipped.
#include <gtest/gtest.h>

#include <set>

#include "reason/Reasoner.h"
#include "tests/reason/ReasonTestSupport.h"

namespace {

TEST(ReasonerPublished, EveryPuzzleEndsAtItsAnswer)
{
    const std::vector<Published> all = PublishedPuzzles();
    if (all.empty())
        GTEST_SKIP() << "no published puzzles (set VANDOR_JANKO_DIR)";
    std::set<int> grades;
    for (const Published& p : all) {
        SCOPED_TRACE(p.name);
        const reason::Explanation e = reason::Explain(p.puzzle);
        ASSERT_EQ(e.outcome, reason::Outcome::Solved);
        EXPECT_EQ(reason::GridOf(e.board), p.answer);
        grades.insert(e.grade);
    }
    EXPECT_GE(grades.size(), 3u);
}

}  // namespace
