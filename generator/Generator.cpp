#include "generator/Generator.h"

#include <random>
#include <vector>

#include "exact/ExactSolver.h"
#include "generator/Random.h"
#include "generator/SolutionBoard.h"
#include "solver/Solver.h"

namespace {

std::uint8_t OtherGiven(std::uint8_t code)
{
    return GivenStone(OtherColour(colour(code)));
}

bool Cancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load();
}

// The puzzle `givens` has exactly the one solution it was taken from (which
// gives cell i the colour `code`) when nothing else fits with cell i turned
// to the other colour. 1 yes, 0 no, -1 cancelled.
int UniqueWithout(Grid& givens, std::size_t i, std::uint8_t code, const std::atomic<bool>* cancel)
{
    givens.cells[i] = OtherGiven(code);
    ExactOptions options;
    options.cancel = cancel;
    const ExactResult r = SolveExact(givens, options);
    givens.cells[i] = code;
    if (r.cancelled)
        return -1;
    return r.solutions == 0 ? 1 : 0;
}

}  // namespace

const char* LevelName(GenerateLevel level)
{
    return level == GenerateLevel::Program ? "program" : "any";
}

bool ParseLevel(const std::string& word, GenerateLevel& level)
{
    if (word == "program")
        level = GenerateLevel::Program;
    else if (word == "any")
        level = GenerateLevel::Any;
    else
        return false;
    return true;
}

bool LevelFitsSize(GenerateLevel level, int width, int height)
{
    if (level == GenerateLevel::Program)
        return IsBoardSize(width, height);
    return IsGridSize(width, height);
}

GenerateResult GeneratePuzzle(const GenerateOptions& o)
{
    GenerateResult result;
    if (!LevelFitsSize(o.level, o.width, o.height))
        return result;
    const bool program = o.level == GenerateLevel::Program;

    Rng rng(o.seed);
    const std::size_t n = static_cast<std::size_t>(o.width) * o.height;
    std::vector<std::size_t> order(n);
    std::vector<std::size_t> keptForProgram;
    // Level program on a size where the automatic solver hardly ever
    // finishes would otherwise search on for ever.
    constexpr int kMaxBoards = 100;
    while (result.boards < kMaxBoards) {
        ++result.boards;
        const Grid solution = RandomSolution(o.width, o.height, rng, o.cancel);
        if (Cancelled(o.cancel)) {
            result.cancelled = true;
            return result;
        }
        for (std::size_t i = 0; i < n; ++i)
            order[i] = i;
        rng.Shuffle(order);

        // Once a stone has been found necessary it stays necessary: every
        // later puzzle has fewer givens, so at least as many solutions
        // without it. One pass therefore leaves a minimal puzzle.
        Grid givens = solution;
        keptForProgram.clear();
        for (std::size_t i : order) {
            if (Cancelled(o.cancel)) {
                result.cancelled = true;
                return result;
            }
            const std::uint8_t code = givens.cells[i];
            if (program) {
                givens.cells[i] = Empty;
                const bool solved = SolvedByAutoSolve(givens);
                givens.cells[i] = code;
                if (!solved) {
                    keptForProgram.push_back(i);
                    continue;
                }
            }
            const int unique = UniqueWithout(givens, i, code, o.cancel);
            if (unique < 0) {
                result.cancelled = true;
                return result;
            }
            if (unique == 1)
                givens.cells[i] = Empty;
        }

        // A stone that only the automatic solver needs may be one the
        // puzzle could do without; then it is not minimal, and the next
        // board is tried.
        bool minimal = true;
        for (std::size_t i : keptForProgram) {
            const int unique = UniqueWithout(givens, i, givens.cells[i], o.cancel);
            if (unique < 0) {
                result.cancelled = true;
                return result;
            }
            if (unique == 1) {
                minimal = false;
                break;
            }
        }
        if (!minimal)
            continue;

        result.ok = true;
        result.puzzle = givens;
        result.solution = solution;
        for (std::uint8_t code : givens.cells)
            result.givens += code != Empty;
        return result;
    }
    return result;
}

std::uint64_t RandomSeed()
{
    // 32 bits: enough to tell puzzles apart, short enough to type again.
    std::random_device device;
    return device();
}

bool SolvedByAutoSolve(const Grid& givens)
{
    if (!LevelFitsSize(GenerateLevel::Program, givens.width, givens.height))
        return false;
    GameStateRecord state;
    state.width = givens.width;
    state.height = givens.height;
    ResetBoard(state);
    for (int y = 0; y < givens.height; ++y) {
        for (int x = 0; x < givens.width; ++x) {
            const std::uint8_t code = givens.at(x, y);
            if (IsGivenStone(code))
                state.board[x + 1][y + 1].code = code;
        }
    }
    AutoSolve(state);
    return state.status == StatusNone && state.emptyCount == 0;
}
