#include "exact/ExactSolver.h"

#include "exact/ExactSearch.h"

namespace {

std::uint8_t ColourOf(std::uint8_t code)
{
    return code == GivenWhite ? exact::kWhite : exact::kBlack;
}

// Every cell that differs between two solutions is undecided; so is every
// cell that some solution colours otherwise than `first`. Each cell left is
// tried with the other colour; when that has no solution the cell is fixed
// for the rest of the run, which narrows every later try.
void FindUndecided(exact::Search& search, const Grid& first, const Grid& second, ExactResult& result)
{
    const std::size_t n = first.cells.size();
    result.undecided.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        result.undecided[i] = first.cells[i] != second.cells[i];
    Grid other;
    for (std::size_t i = 0; i < n; ++i) {
        const int cell = static_cast<int>(i);
        if (result.undecided[i] || search.RootColour(cell) != exact::kFree)
            continue;
        const std::uint8_t colour = ColourOf(first.cells[i]);
        if (search.Count(1, &other, cell, exact::Other(colour)) > 0) {
            for (std::size_t j = 0; j < n; ++j)
                if (other.cells[j] != first.cells[j])
                    result.undecided[j] = 1;
        } else if (!search.Cancelled()) {
            search.Fix(cell, colour);
        }
        if (search.Cancelled())
            return;
    }
}

}  // namespace

ExactResult SolveExact(const Grid& puzzle, const ExactOptions& options)
{
    ExactResult result;
    if (!IsGridSize(puzzle.width, puzzle.height) ||
        puzzle.cells.size() != static_cast<std::size_t>(puzzle.width) * puzzle.height)
        return result;

    exact::Search search(puzzle, options.cancel);
    if (!search.Start())
        return result;
    Grid found[2];
    result.solutions = search.Count(2, found);
    if (search.Cancelled()) {
        result.cancelled = true;
        result.solutions = 0;
        return result;
    }
    if (result.solutions >= 1)
        result.first = found[0];
    if (result.solutions >= 2) {
        result.second = found[1];
        if (options.findUndecided) {
            FindUndecided(search, result.first, result.second, result);
            if (search.Cancelled()) {
                result.cancelled = true;
                result.undecided.clear();
            }
        }
    }
    return result;
}
