#include "generator/Generator.h"

#include <chrono>
#include <random>
#include <vector>

#include "exact/ExactSolver.h"
#include "generator/Random.h"
#include "generator/SolutionBoard.h"
#include "reason/Reasoner.h"
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

// When the generator stops before it is done: the caller's cancel, or the
// time limit, which is checked between stones (and between boards).
class Stop {
public:
    explicit Stop(const GenerateOptions& o) : cancel(o.cancel), limited_(o.timeLimitMs > 0)
    {
        if (limited_)
            deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(o.timeLimitMs);
    }

    const std::atomic<bool>* const cancel;

    bool Now()
    {
        if (!timedOut && limited_ && std::chrono::steady_clock::now() >= deadline_)
            timedOut = true;
        return timedOut || Cancelled(cancel);
    }

    bool timedOut = false;

private:
    bool limited_;
    std::chrono::steady_clock::time_point deadline_;
};

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

namespace {

// What tells the levels apart, in one place: the sizes each takes, whether
// every stone taken away must leave a puzzle the automatic solver solves, and
// how much engine work it may spend on more removal orders.
struct LevelRules {
    GenerateLevel level;
    const char* name;
    int minSize;
    int maxSize;
    bool solvedByProgram;
    // Removal orders are tried on each finished board while all of them
    // together ask the engine at most this often (at least one order); the
    // puzzle with the fewest givens is kept, the first of equals. Counted in
    // engine calls, never in time, so that a seed gives the same puzzle
    // everywhere.
    int engineBudget;
    // The reasoner's grade every puzzle must have; 0: any grade.
    int grade;
};

// About seven orders on 15 x 15, one from 29 x 29 on.
constexpr int kAnyEngineBudget = 1600;

constexpr LevelRules kLevels[] = {
    {GenerateLevel::Program, "program", kMinSize, kMaxSize, true, 0, 0},
    {GenerateLevel::Any, "any", kGridMinSize, kGridMaxSize, false, kAnyEngineBudget, 0},
    {GenerateLevel::Grade1, "grade1", kMinSize, kMaxSize, false, kAnyEngineBudget, 1},
    {GenerateLevel::Grade2, "grade2", kMinSize, kMaxSize, false, kAnyEngineBudget, 2},
    {GenerateLevel::Grade3, "grade3", kMinSize, kMaxSize, false, kAnyEngineBudget, 3},
    {GenerateLevel::Grade4, "grade4", kMinSize, kMaxSize, false, kAnyEngineBudget, 4},
    {GenerateLevel::Grade5, "grade5", kMinSize, kMaxSize, false, kAnyEngineBudget, 5},
};

constexpr int kTopGrade = reason::kMaxGrade;

const LevelRules& RulesOf(GenerateLevel level)
{
    for (const LevelRules& rules : kLevels)
        if (rules.level == level)
            return rules;
    return kLevels[0];
}

enum class Removal { Minimal, NotMinimal, Cancelled };

// The reasoner's grade of `givens`; -1 when cancelled.
int GradeOf(const Grid& givens, const std::atomic<bool>* cancel)
{
    reason::ExplainOptions options;
    options.cancel = cancel;
    const reason::Explanation e = reason::Explain(givens, options);
    return e.cancelled ? -1 : e.grade;
}

// Whether the stone at i may go as far as the level's grade is concerned:
// the puzzle without it must not need a harder grade. 1 yes, 0 no, -1
// cancelled.
int GradeAllowsRemoval(Grid& givens, std::size_t i, const LevelRules& rules, const std::atomic<bool>* cancel)
{
    if (rules.grade == 0 || rules.grade >= kTopGrade)
        return 1;
    const std::uint8_t code = givens.cells[i];
    givens.cells[i] = Empty;
    const int grade = GradeOf(givens, cancel);
    givens.cells[i] = code;
    return grade < 0 ? -1 : grade <= rules.grade ? 1 : 0;
}

// Takes the stones of `solution` away in `order` for as long as the puzzle
// keeps its one solution (and, when the level asks, the automatic solver
// solves it, or the reasoner's grade stays at most the level's). Once a
// stone has been found necessary it stays necessary: every later puzzle has
// fewer givens, so at least as many solutions without it. One pass
// therefore leaves a minimal puzzle, unless the automatic solver kept a
// stone that the puzzle could do without. A graded level's puzzle is
// minimal for its grade: each of its stones is needed for the one solution
// or for keeping the grade down (a puzzle without any spare stone is
// hardly ever of grade 1 or 2); its grade is checked afterwards.
Removal TakeStonesAway(const Grid& solution, const std::vector<std::size_t>& order, const LevelRules& rules,
                       Stop& stop, Grid& givens)
{
    const std::atomic<bool>* cancel = stop.cancel;
    givens = solution;
    std::vector<std::size_t> keptForProgram;
    for (std::size_t i : order) {
        if (stop.Now())
            return Removal::Cancelled;
        const std::uint8_t code = givens.cells[i];
        if (rules.solvedByProgram) {
            givens.cells[i] = Empty;
            const bool solved = SolvedByAutoSolve(givens);
            givens.cells[i] = code;
            if (!solved) {
                keptForProgram.push_back(i);
                continue;
            }
        }
        const int unique = UniqueWithout(givens, i, code, cancel);
        if (unique < 0)
            return Removal::Cancelled;
        if (unique == 0)
            continue;
        const int allowed = GradeAllowsRemoval(givens, i, rules, cancel);
        if (allowed < 0)
            return Removal::Cancelled;
        if (allowed == 1)
            givens.cells[i] = Empty;
    }
    for (std::size_t i : keptForProgram) {
        const int unique = UniqueWithout(givens, i, givens.cells[i], cancel);
        if (unique < 0)
            return Removal::Cancelled;
        if (unique == 1)
            return Removal::NotMinimal;
    }
    return Removal::Minimal;
}

int CountGivens(const Grid& givens)
{
    int count = 0;
    for (std::uint8_t code : givens.cells)
        count += code != Empty;
    return count;
}

// The fewest givens over the removal orders the level's budget allows on one
// board; NotMinimal, best untouched, when no order left a minimal puzzle.
// A graded level counts only puzzles of its grade and takes the first.
Removal BestRemoval(const Grid& solution, const LevelRules& rules, Rng& rng, Stop& stop, Grid& best)
{
    const std::atomic<bool>* cancel = stop.cancel;
    const std::size_t n = solution.cells.size();
    std::vector<std::size_t> order(n);
    Removal outcome = Removal::NotMinimal;
    int bestGivens = 0;
    for (std::size_t spent = 0; spent == 0 || spent + n <= static_cast<std::size_t>(rules.engineBudget);
         spent += n) {
        for (std::size_t i = 0; i < n; ++i)
            order[i] = i;
        rng.Shuffle(order);
        Grid givens;
        Removal r = TakeStonesAway(solution, order, rules, stop, givens);
        if (r == Removal::Minimal && rules.grade != 0) {
            const int grade = GradeOf(givens, cancel);
            if (grade < 0)
                return Removal::Cancelled;
            if (grade != rules.grade)
                r = Removal::NotMinimal;
        }
        if (r == Removal::Cancelled)
            return r;
        const int count = CountGivens(givens);
        if (r == Removal::Minimal && (outcome != Removal::Minimal || count < bestGivens)) {
            outcome = Removal::Minimal;
            best = givens;
            bestGivens = count;
            if (rules.grade != 0)
                break;
        }
    }
    return outcome;
}

}  // namespace

const char* LevelName(GenerateLevel level)
{
    return RulesOf(level).name;
}

bool ParseLevel(const std::string& word, GenerateLevel& level)
{
    for (const LevelRules& rules : kLevels) {
        if (rules.grade == 0 && word == rules.name) {
            level = rules.level;
            return true;
        }
    }
    return false;
}

bool GradeLevel(int grade, GenerateLevel& level)
{
    for (const LevelRules& rules : kLevels) {
        if (rules.grade != 0 && rules.grade == grade) {
            level = rules.level;
            return true;
        }
    }
    return false;
}

int LevelGrade(GenerateLevel level)
{
    return RulesOf(level).grade;
}

bool LevelFitsSize(GenerateLevel level, int width, int height)
{
    const LevelRules& rules = RulesOf(level);
    return width >= rules.minSize && width <= rules.maxSize && height >= rules.minSize && height <= rules.maxSize;
}

GenerateResult GeneratePuzzle(const GenerateOptions& o)
{
    GenerateResult result;
    if (!LevelFitsSize(o.level, o.width, o.height))
        return result;
    const LevelRules& rules = RulesOf(o.level);
    Rng rng(o.seed);
    Stop stop(o);
    // Level program on a size where the automatic solver hardly ever
    // finishes would otherwise search on for ever.
    const int maxBoards = rules.grade != 0 ? kGradeBoards : 100;
    while (result.boards < maxBoards) {
        ++result.boards;
        if (o.progress && rules.grade != 0)
            o.progress(result.boards, o.progressContext);
        const Grid solution = RandomSolution(o.width, o.height, rng, o.cancel);
        Grid givens;
        const Removal r = stop.Now() ? Removal::Cancelled : BestRemoval(solution, rules, rng, stop, givens);
        if (r == Removal::Cancelled) {
            // A cancel by the caller counts even when the time ran out too.
            result.cancelled = Cancelled(o.cancel);
            result.timedOut = !result.cancelled;
            return result;
        }
        if (r == Removal::NotMinimal)
            continue;  // the next board
        result.ok = true;
        result.puzzle = givens;
        result.solution = solution;
        result.givens = CountGivens(givens);
        result.grade = rules.grade;
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
