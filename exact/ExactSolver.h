// The exact engine: proves whether a puzzle has no solution, exactly one or
// more than one, on a board of any size from 1 x 1 to 64 x 64.
//
// Rules: every cell white or black; no 2 x 2 block of one colour; the white
// cells form one orthogonally connected group and the black cells another (a
// colour with no cell at all counts as connected). Only the given stones
// (GivenWhite, GivenBlack) of the input count; every other cell is free.
//
// Plain C++, no Qt, no GameState: it runs on any thread on its own copy.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/Grid.h"

struct ExactOptions {
    // Also find every undecided cell (a cell that differs between two
    // solutions); costs extra searches when there is more than one solution.
    bool findUndecided = false;
    // Polled during the search; when it becomes true the search stops and the
    // result says cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // When above 0, the search stops after this many milliseconds and the
    // result says cancelled and timedOut.
    long long timeLimitMs = 0;
};

struct ExactResult {
    int solutions = 0;  // 0, 1, or 2 for "two or more"
    // The search stopped early (cancel or time limit): nothing in the result
    // is proved, solutions is 0 and the grids and undecided are empty.
    bool cancelled = false;
    bool timedOut = false;  // stopped by the time limit
    // With one solution, first is it; with two or more, first and second are
    // two different ones. Every cell GivenWhite or GivenBlack.
    Grid first;
    Grid second;
    // With findUndecided and two or more solutions: 1 for every cell that is
    // not the same colour in every solution, row by row like Grid::cells.
    // Empty otherwise.
    std::vector<std::uint8_t> undecided;
};

ExactResult SolveExact(const Grid& puzzle, const ExactOptions& options = {});
