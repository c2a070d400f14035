#include "exact/ExactSolver.h"

#include "exact/ConflictSearch.h"

namespace {

using exact::Answer;
using exact::ConflictSearch;
using exact::Lit;
using exact::LitOf;

// Asks for a solution that differs from `base` in at least one of `cells`,
// through a clause switched on for this query only. Solved leaves it in the
// search's model; the clause is switched off for good afterwards.
Answer DifferentSolution(ConflictSearch& search, const Grid& base, const std::vector<int>& cells)
{
    const int sw = search.NewSwitch();
    std::vector<Lit> clause{exact::Negate(LitOf(sw, exact::kWhite))};
    for (int cell : cells) {
        const std::uint8_t colour = base.cells[cell] == GivenWhite ? exact::kBlack : exact::kWhite;
        clause.push_back(LitOf(cell, colour));
        search.PreferColour(cell, colour);
    }
    Answer answer = Answer::NoSolution;
    if (search.AddClause(clause))
        answer = search.Solve({LitOf(sw, exact::kWhite)});
    search.AddClause({exact::Negate(LitOf(sw, exact::kWhite))});
    return answer;
}

// Every cell that differs between two solutions is undecided. The others are
// asked all at once: a solution that differs from the first in any of them
// strikes out every cell it differs in, and the question is asked again
// about the cells left, until no solution differs in any of them (then they
// are the same in every solution). The queries share what they learn.
Answer FindUndecided(ConflictSearch& search, const Grid& first, const Grid& second, ExactResult& result)
{
    const std::size_t n = first.cells.size();
    result.undecided.assign(n, 0);
    std::vector<int> open;
    for (std::size_t i = 0; i < n; ++i) {
        result.undecided[i] = first.cells[i] != second.cells[i];
        if (!result.undecided[i] && search.Fixed(static_cast<int>(i)) == exact::kFree)
            open.push_back(static_cast<int>(i));
    }
    Grid other;
    while (!open.empty()) {
        const Answer answer = DifferentSolution(search, first, open);
        if (answer != Answer::Solved)
            return answer;
        search.StoreModel(other);
        std::size_t kept = 0;
        for (int cell : open) {
            if (other.cells[cell] != first.cells[cell])
                result.undecided[cell] = 1;
            else
                open[kept++] = cell;
        }
        open.resize(kept);
    }
    return Answer::NoSolution;
}

// The cells no propagation has fixed: where a second solution may differ.
std::vector<int> FreeCells(const ConflictSearch& search)
{
    std::vector<int> cells;
    for (int i = 0; i < search.Cells(); ++i)
        if (search.Fixed(i) == exact::kFree)
            cells.push_back(i);
    return cells;
}

ExactResult Stopped(const std::atomic<bool>* cancel)
{
    ExactResult result;
    result.cancelled = true;
    result.timedOut = !(cancel && cancel->load());
    return result;
}

}  // namespace

ExactResult SolveExact(const Grid& puzzle, const ExactOptions& options)
{
    ExactResult result;
    if (!IsGridSize(puzzle.width, puzzle.height) ||
        puzzle.cells.size() != static_cast<std::size_t>(puzzle.width) * puzzle.height)
        return result;

    ConflictSearch search(puzzle, options.cancel);
    if (options.timeLimitMs > 0)
        search.SetDeadline(std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeLimitMs));
    if (!search.Start())
        return result;
    Answer answer = search.Solve({});
    if (answer == Answer::Stopped)
        return Stopped(options.cancel);
    if (answer == Answer::NoSolution)
        return result;
    search.StoreModel(result.first);
    result.solutions = 1;
    answer = DifferentSolution(search, result.first, FreeCells(search));
    if (answer == Answer::Stopped)
        return Stopped(options.cancel);
    if (answer == Answer::NoSolution)
        return result;
    search.StoreModel(result.second);
    result.solutions = 2;
    if (options.findUndecided && FindUndecided(search, result.first, result.second, result) == Answer::Stopped)
        return Stopped(options.cancel);
    return result;
}
