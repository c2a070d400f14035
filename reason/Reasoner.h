// The reasoner: solves a puzzle the way a person would, one explained step
// at a time, always with the simplest technique that decides something, and
// grades the puzzle by the hardest technique it needed.
//
// Sound: a step never decides a cell that has another colour in some
// solution. When the puzzle has several solutions it decides exactly the
// cells that are the same in all of them and names the others.
#pragma once

#include <array>
#include <atomic>
#include <vector>

#include "model/Grid.h"
#include "reason/Board.h"
#include "reason/Techniques.h"

namespace reason {

enum class Outcome {
    Solved,      // every cell decided: the puzzle's one solution
    Several,     // more than one solution; undecided names the cells that differ
    NoSolution,  // no solution at all
    Stopped,     // maxSteps steps taken, or cancelled
};

struct Explanation {
    std::vector<Finding> steps;
    Outcome outcome = Outcome::Stopped;
    bool cancelled = false;
    // Several: every cell that is not the same colour in every solution.
    std::vector<int> undecided;
    // NoSolution, when a rule is seen broken: the cells that show it.
    std::vector<int> broken;
    Board board;  // the board after the last step
    // The highest grade of the steps (1 when there are none) and the number
    // of steps of each technique.
    int grade = 1;
    std::array<int, kTechniqueCount> counts{};
};

struct ExplainOptions {
    const std::atomic<bool>* cancel = nullptr;
    int maxSteps = 0;  // stop after this many steps; 0: go to the end
    // Ask the exact engine before the first trial whether the puzzle has one
    // solution, so that trial can leave out the suppositions that keep to
    // it. Much faster on large boards; the explanation is the same either
    // way, only a puzzle with two or more solutions pays for one more search.
    bool engineFirst = true;
};

// Starts from the given and placed stones of grid (1 x 1 to 64 x 64).
Explanation Explain(const Grid& grid, const ExplainOptions& options = {});

}  // namespace reason
