#include "reason/Trial.h"

#include <algorithm>

namespace reason {

namespace {

// A supposition under way: its board after `rounds` rounds.
struct Try {
    int cell;
    int colour;
    Board board;
    int rounds = 0;
};

// The deepening limits: every live supposition runs up to each in turn, so
// that the shallow contradictions are found without running the deep ones.
constexpr int kLimits[] = {1, 2, 3, 5, 8, 13, 1 << 20};

}  // namespace

TrialEnd Propagate(Techniques& t, Board& b, int maxRounds, int& rounds, std::vector<int>* witness)
{
    const bool reasons = t.reasons;
    t.reasons = false;
    TrialEnd end = TrialEnd::Limit;
    std::vector<std::pair<int, int>> found;  // (cell, colour) of one scan
    while (rounds < maxRounds && end == TrialEnd::Limit) {
        ++rounds;
        bool changed = false, clash = false;
        int clashCell = -1;
        for (int k = 0; k < kSimpleCount && !clash; ++k) {
            found.clear();
            t.Run(static_cast<Technique>(k), b, [&](const Finding& f) {
                for (int cell : f.cells)
                    found.emplace_back(cell, f.colour);
                return false;
            });
            for (const auto& [cell, colour] : found) {
                if (b.colours[cell] != kFree && b.colours[cell] != colour && !clash) {
                    clash = true;
                    clashCell = cell;
                }
                changed = changed || b.colours[cell] == kFree;
                b.colours[cell] = static_cast<std::uint8_t>(colour);
            }
        }
        if (clash && witness)
            witness->assign(1, clashCell);  // two findings gave it different colours
        if (clash || t.Broken(b, witness))
            end = TrialEnd::Broken;
        else if (!changed)
            end = TrialEnd::Standstill;
    }
    t.reasons = reasons;
    return end;
}

std::vector<int> CandidateOrder(const Board& b)
{
    std::vector<std::pair<int, int>> scored;  // (-stones around, cell)
    for (int cell = 0; cell < b.Size(); ++cell) {
        if (b.colours[cell] != kFree)
            continue;
        int around = 0;
        const int x = b.X(cell), y = b.Y(cell);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if ((dx || dy) && nx >= 0 && ny >= 0 && nx < b.width && ny < b.height)
                    around += b.At(nx, ny) != kFree;
            }
        scored.emplace_back(-around, cell);
    }
    std::sort(scored.begin(), scored.end());
    std::vector<int> order;
    for (const auto& s : scored)
        order.push_back(s.second);
    return order;
}

namespace {

// Either colour at one cell came to a standstill: the free cells that both
// boards give the same colour have it in every solution. The first such
// cell in candidate order gives the step, with every cell of that colour.
bool SameEitherWay(const std::vector<Try>& still, const Board& b, Finding& out)
{
    std::vector<const Try*> white(static_cast<std::size_t>(b.Size()), nullptr);
    for (const Try& tr : still)
        if (tr.colour == kWhite)
            white[tr.cell] = &tr;
    for (const Try& black : still) {
        const Try* other = black.colour == kBlack ? white[black.cell] : nullptr;
        if (!other)
            continue;
        Finding f{Technique::Either, kFree, {}, {black.cell}, std::max(black.rounds, other->rounds)};
        for (int cell = 0; cell < b.Size(); ++cell) {
            const int c = black.board.colours[cell];
            if (b.colours[cell] != kFree || c == kFree || c != other->board.colours[cell] ||
                (f.colour != kFree && c != f.colour))
                continue;
            f.colour = c;
            f.cells.push_back(cell);
        }
        if (!f.cells.empty()) {
            out = std::move(f);
            return true;
        }
    }
    return false;
}

}  // namespace

bool FindTrial(Techniques& t, const Board& b, Finding& out, const std::atomic<bool>* cancel)
{
    std::vector<Try> live, still;
    for (int cell : CandidateOrder(b))
        for (int colour : {kWhite, kBlack}) {
            live.push_back(Try{cell, colour, b, 0});
            live.back().board.colours[cell] = static_cast<std::uint8_t>(colour);
        }
    std::vector<int> witness;
    for (int limit : kLimits) {
        const Try* best = nullptr;
        int bestRounds = limit + 1;
        std::vector<Try> next;
        for (Try& tr : live) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return false;
            const int cap = std::min(limit, bestRounds - 1);
            std::vector<int> seen;
            const TrialEnd end = Propagate(t, tr.board, cap, tr.rounds, &seen);
            if (end == TrialEnd::Broken) {
                best = &tr;
                bestRounds = tr.rounds;
                witness = seen;
            } else {
                (end == TrialEnd::Limit ? next : still).push_back(std::move(tr));
            }
            if (bestRounds == 1)
                break;
        }
        if (best) {
            out = Finding{Technique::Trial, Other(best->colour), {best->cell}, witness, best->rounds};
            std::sort(out.because.begin(), out.because.end());
            return true;
        }
        live = std::move(next);
        if (live.empty())
            break;
    }
    return SameEitherWay(still, b, out);
}

}  // namespace reason
