#include "reason/Reasoner.h"

#include <algorithm>
#include <memory>

#include "exact/ExactSolver.h"
#include "reason/Trial.h"

namespace reason {

namespace {

bool Cancelled(const ExplainOptions& o)
{
    return o.cancel && o.cancel->load(std::memory_order_relaxed);
}

// The last resort: the exact engine's verdict on the board, asked once (the
// steps are sound, so every later board has the same solutions).
class Search {
public:
    explicit Search(const ExplainOptions& options) : options_(options) {}

    // Fills step with one free cell that has the same colour in every
    // solution; false when there is none (see outcome).
    bool Next(const Board& board, Finding& step, Explanation& out)
    {
        if (!result_) {
            ExactOptions exact;
            exact.findUndecided = true;
            exact.cancel = options_.cancel;
            result_ = std::make_unique<ExactResult>(SolveExact(GridOf(board), exact));
        }
        const ExactResult& r = *result_;
        if (r.cancelled) {
            out.cancelled = true;
            return false;
        }
        if (r.solutions == 0) {
            out.outcome = Outcome::NoSolution;
            return false;
        }
        for (int cell : CandidateOrder(board))
            if (r.solutions == 1 || !r.undecided[cell]) {
                const int colour = r.first.cells[cell] == GivenWhite ? kWhite : kBlack;
                step = Finding{Technique::Search, colour, {cell}, {}, 0};
                return true;
            }
        out.outcome = Outcome::Several;
        for (int cell = 0; cell < board.Size(); ++cell)
            if (r.undecided[cell])
                out.undecided.push_back(cell);
        return false;
    }

    // Before the first trial: asks the engine whether the board has one
    // solution, so that trial never has to suppose a cell's colour in it.
    // An answer of two or more is dropped, since Next needs the undecided
    // cells as well and finds them cheaper on the fuller board it gets.
    void AskAhead(const Board& board)
    {
        if (askedAhead_ || result_)
            return;
        askedAhead_ = true;
        ExactOptions exact;
        exact.cancel = options_.cancel;
        auto r = std::make_unique<ExactResult>(SolveExact(GridOf(board), exact));
        if (!r->cancelled && r->solutions < 2)
            result_ = std::move(r);
    }

    // Once the engine has run: the colour of each cell in every solution
    // (kFree where they differ), else null. The steps are sound, so it
    // holds for every later board.
    const std::vector<std::uint8_t>* Known()
    {
        if (!result_ || result_->cancelled || result_->solutions == 0)
            return nullptr;
        if (known_.empty()) {
            const ExactResult& r = *result_;
            known_.resize(r.first.cells.size(), kFree);
            for (std::size_t cell = 0; cell < known_.size(); ++cell)
                if (r.solutions == 1 || !r.undecided[cell])
                    known_[cell] = r.first.cells[cell] == GivenWhite ? kWhite : kBlack;
        }
        return &known_;
    }

private:
    const ExplainOptions& options_;
    bool askedAhead_ = false;
    std::vector<std::uint8_t> known_;
    std::unique_ptr<ExactResult> result_;
};

// The simplest step on the board, or false with the outcome set.
bool NextStep(Techniques& t, Search& search, const Board& board, const ExplainOptions& options,
              Finding& step, Explanation& out)
{
    if (t.Broken(board, &out.broken)) {
        out.outcome = Outcome::NoSolution;
        return false;
    }
    if (board.Full()) {
        out.outcome = Outcome::Solved;
        return false;
    }
    if (t.Simple(board, [&](const Finding& f) {
            step = f;
            return true;
        }))
        return true;
    if (options.engineFirst)
        search.AskAhead(board);
    if (FindTrial(t, board, step, options.cancel, search.Known()))
        return true;
    if (t.Parity(board, [&](const Finding& f) {
            step = f;
            return true;
        }))
        return true;
    if (Cancelled(options)) {
        out.cancelled = true;
        return false;
    }
    return search.Next(board, step, out);
}

}  // namespace

Explanation Explain(const Grid& grid, const ExplainOptions& options)
{
    Explanation out;
    out.board = BoardOf(grid);
    Techniques t(grid.width, grid.height);
    Search search(options);
    Finding step;
    while (options.maxSteps <= 0 || static_cast<int>(out.steps.size()) < options.maxSteps) {
        if (Cancelled(options))
            out.cancelled = true;
        if (out.cancelled || !NextStep(t, search, out.board, options, step, out))
            break;
        for (int cell : step.cells)
            out.board.colours[cell] = static_cast<std::uint8_t>(step.colour);
        out.steps.push_back(step);
        const TechniqueInfo& info = InfoOf(step.technique);
        ++out.counts[static_cast<int>(step.technique)];
        out.grade = std::max(out.grade, info.grade);
    }
    if (out.cancelled)
        out.outcome = Outcome::Stopped;
    return out;
}

}  // namespace reason
