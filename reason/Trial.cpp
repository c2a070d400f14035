#include "reason/Trial.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace reason {

namespace {

// A supposition under way: its board after `rounds` rounds.
struct Try {
    int cell;
    int colour;
    Board board;
    int rounds = 0;
    int index = 0;  // its place among every supposition, cells in candidate order, white first
    int pass = 0;   // the deepening pass in which it came to a standstill
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

namespace {

// The deepening pass in which a supposition that came to a standstill
// after `rounds` rounds stopped: the first whose limit reaches that far.
int PassOf(int rounds)
{
    int pass = 0;
    while (kLimits[pass] < rounds)
        ++pass;
    return pass;
}

// Whether the standstill board of a supposition gives some free cell of b
// the colour that cell has in every solution: without one, no board can
// agree with it on a cell decided, so its cell gives no step of Either.
bool AgreesSomewhere(const Try& tr, const Board& b, const std::vector<std::uint8_t>& known)
{
    for (int cell = 0; cell < b.Size(); ++cell)
        if (b.colours[cell] == kFree && tr.board.colours[cell] != kFree && tr.board.colours[cell] == known[cell])
            return true;
    return false;
}

// Runs the suppositions of `sure` whose partner of the other colour came to
// a standstill and agrees somewhere with the solutions, and puts those that
// come to a standstill among `still` where the deepening would have put
// them. False when cancelled, or when one breaks a rule after all.
bool RunSure(Techniques& t, const Board& b, const std::vector<std::uint8_t>& known, std::vector<Try>& sure,
             std::vector<Try>& still, const std::atomic<bool>* cancel)
{
    std::vector<const Try*> partner(static_cast<std::size_t>(b.Size()), nullptr);
    for (const Try& tr : still)
        partner[tr.cell] = &tr;  // the other colour of a cell in `sure`, or of an unknown cell
    std::vector<Try> ran;  // apart from still, whose elements partner points to
    for (Try& tr : sure) {
        const Try* other = partner[tr.cell];
        if (!other || other->colour == tr.colour || !AgreesSomewhere(*other, b, known))
            continue;
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        const TrialEnd end = Propagate(t, tr.board, kLimits[std::size(kLimits) - 1], tr.rounds, nullptr);
        if (end == TrialEnd::Broken)
            return false;
        if (end == TrialEnd::Standstill) {
            tr.pass = PassOf(tr.rounds);
            ran.push_back(std::move(tr));
        }
    }
    for (Try& tr : ran)
        still.push_back(std::move(tr));
    std::stable_sort(still.begin(), still.end(), [](const Try& a, const Try& c) {
        return a.pass != c.pass ? a.pass < c.pass : a.index < c.index;
    });
    return true;
}

}  // namespace

bool FindTrial(Techniques& t, const Board& b, Finding& out, const std::atomic<bool>* cancel,
               const std::vector<std::uint8_t>* known)
{
    // A supposition of the colour a cell has in every solution keeps to the
    // solutions, so it never breaks a rule: such ones wait in `sure`, and
    // run only when a step of Either may need their board.
    std::vector<Try> live, still, sure;
    int index = 0;
    for (int cell : CandidateOrder(b))
        for (int colour : {kWhite, kBlack}) {
            Try tr{cell, colour, b, 0};
            tr.board.colours[cell] = static_cast<std::uint8_t>(colour);
            tr.index = index++;
            (known && (*known)[cell] == colour ? sure : live).push_back(std::move(tr));
        }
    std::vector<int> witness;
    for (int pass = 0; pass < static_cast<int>(std::size(kLimits)); ++pass) {
        const int limit = kLimits[pass];
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
                tr.pass = pass;
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
    if (!sure.empty() && !RunSure(t, b, *known, sure, still, cancel))
        return cancel && cancel->load(std::memory_order_relaxed) ? false : FindTrial(t, b, out, cancel, nullptr);
    return SameEitherWay(still, b, out);
}

}  // namespace reason
