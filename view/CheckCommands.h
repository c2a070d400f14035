// The two checks of the ﾂｰﾙ menu: whether the puzzle has exactly one
// solution, and what is wrong with the stones on the board.
#pragma once

#include "exact/ExactSolver.h"

using ExactEngine = ExactResult (*)(const Grid& puzzle, const ExactOptions& options);

// The engine the checks and ヒント run, SolveExact unless replaced; tests put
// in one that takes its time. Returns the one it replaces.
ExactEngine SetCheckEngine(ExactEngine engine);
ExactEngine CheckEngine();
