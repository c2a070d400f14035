#include "exact/ExactSearch.h"

#include <algorithm>

namespace exact {

namespace {

// The 8 cells around a cell, in order round it: each is a side neighbour of
// the next. For every subset of them (bit k for the k-th), how many runs of
// the subset round the ring hold a side neighbour of the cell (odd k).
struct ArcTable {
    std::uint8_t arcs[256];
    ArcTable()
    {
        for (unsigned mask = 0; mask < 256; ++mask) {
            int runs = 0;
            for (int k = 0; k < 8; ++k) {
                if (!(mask >> k & 1) || (mask >> ((k + 7) % 8) & 1))
                    continue;  // not the start of a run
                bool side = false;
                for (int j = k; mask >> (j % 8) & 1; ++j) {
                    side = side || j % 2 == 1;
                    if (j - k >= 7)
                        break;
                }
                runs += side;
            }
            if (mask == 255)
                runs = 1;
            arcs[mask] = static_cast<std::uint8_t>(runs);
        }
    }
};
const ArcTable kArcTable;

}  // namespace

const std::uint8_t* const Search::kArcs = kArcTable.arcs;

Search::Search(const Grid& puzzle, const std::atomic<bool>* cancel)
    : width_(puzzle.width), height_(puzzle.height), cells_(puzzle.width * puzzle.height), cancel_(cancel)
{
    const std::size_t n = static_cast<std::size_t>(cells_);
    given_.assign(n, kFree);
    for (std::size_t i = 0; i < n; ++i)
        if (puzzle.cells[i] == GivenWhite || puzzle.cells[i] == GivenBlack)
            given_[i] = puzzle.cells[i] == GivenWhite ? kWhite : kBlack;
    colour_.assign(n, kFree);
    trail_.assign(n, 0);
    queue_.assign(n, 0);
    neighbours_.assign(4 * n, -1);
    blocks_.assign(4 * n, -1);
    around_.assign(8 * n, -1);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const int i = y * width_ + x;
            int* nb = &neighbours_[4 * i];
            int k = 0;
            if (y > 0)
                nb[k++] = i - width_;
            if (x > 0)
                nb[k++] = i - 1;
            if (x + 1 < width_)
                nb[k++] = i + 1;
            if (y + 1 < height_)
                nb[k++] = i + width_;
            static const int kRound[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
            for (int k = 0; k < 8; ++k) {
                const int ax = x + kRound[k][0], ay = y + kRound[k][1];
                around_[8 * i + k] = ax >= 0 && ay >= 0 && ax < width_ && ay < height_ ? ay * width_ + ax : -1;
            }
            int* bl = &blocks_[4 * i];
            k = 0;
            for (int by = y - 1; by <= y; ++by)
                for (int bx = x - 1; bx <= x; ++bx)
                    if (bx >= 0 && by >= 0 && bx + 1 < width_ && by + 1 < height_)
                        bl[k++] = by * width_ + bx;
        }
    if (width_ >= 2 && height_ >= 2) {
        for (int x = 0; x < width_; ++x)
            ring_.push_back(x);
        for (int y = 1; y < height_; ++y)
            ring_.push_back(y * width_ + width_ - 1);
        for (int x = width_ - 2; x >= 0; --x)
            ring_.push_back((height_ - 1) * width_ + x);
        for (int y = height_ - 2; y >= 1; --y)
            ring_.push_back(y * width_);
    }
    ringKnown_.assign(ring_.size(), 0);
    visit_.assign(n, Visit{});
    stack_.assign(n, 0);
    forced_.assign(n, 0);
    decisions_.assign(n, Decision{});
}

bool Search::Assign(int cell, std::uint8_t colour)
{
    if (colour_[cell] != kFree)
        return colour_[cell] == colour;
    colour_[cell] = colour;
    ++count_[colour];
    const std::uint8_t other = Other(colour);
    if (!probing_) {
        stale_[other] = true;  // it lost a cell it might have used
    } else if (!stale_[other]) {
        // A probe only asks whether its colour fails soon, so it looks again
        // only where the other colour's stones might no longer meet: not when
        // the cells around the lost cell that the other colour may use stay
        // joined without it. (Cells it would then have to take are left for
        // the full propagation after a real decision.)
        const int* around = &around_[8 * cell];
        unsigned mask = 0;
        for (int k = 0; k < 8; ++k)
            if (around[k] >= 0 && colour_[around[k]] != colour)
                mask |= 1u << k;
        stale_[other] = kArcs[mask] > 1;
    }
    // This colour gained a stone, which changes nothing for it when the stone
    // joins one of its stones: no free cell can then cut it off from the rest.
    if (!stale_[colour]) {
        const int* nb = &neighbours_[4 * cell];
        stale_[colour] = !((nb[0] >= 0 && colour_[nb[0]] == colour) || (nb[1] >= 0 && colour_[nb[1]] == colour) ||
                           (nb[2] >= 0 && colour_[nb[2]] == colour) || (nb[3] >= 0 && colour_[nb[3]] == colour));
    }
    trail_[trailSize_++] = cell;
    queue_[queueTail_++] = cell;
    return true;
}

void Search::Undo(int mark)
{
    while (trailSize_ > mark) {
        const int cell = trail_[--trailSize_];
        --count_[colour_[cell]];
        colour_[cell] = kFree;
    }
    queueHead_ = queueTail_ = 0;
    // Every mark undone to is a state Propagate left settled.
    stale_[kWhite] = stale_[kBlack] = false;
}

// One 2 x 2 block: never four of one colour, never a checkerboard (two
// diagonal stones of one colour and the other two of the other colour cannot
// both be connected around it).
bool Search::CheckBlock(int a)
{
    const int b = a + 1, c = a + width_, d = c + 1;
    const std::uint8_t ca = colour_[a], cb = colour_[b], cc = colour_[c], cd = colour_[d];
    int n[3] = {0, 0, 0};
    ++n[ca];
    ++n[cb];
    ++n[cc];
    ++n[cd];
    if (n[kWhite] == 4 || n[kBlack] == 4)
        return false;
    if (n[kFree] == 1 && (n[kWhite] == 3 || n[kBlack] == 3)) {
        const std::uint8_t fill = n[kWhite] == 3 ? kBlack : kWhite;
        const int free = ca == kFree ? a : cb == kFree ? b : cc == kFree ? c : d;
        return Assign(free, fill);
    }
    // Diagonal a-d, other diagonal b-c.
    if (ca != kFree && ca == cd) {
        if (cb == Other(ca) && cc == Other(ca))
            return false;
        if (cb == Other(ca) && cc == kFree)
            return Assign(c, ca);
        if (cc == Other(ca) && cb == kFree)
            return Assign(b, ca);
    }
    if (cb != kFree && cb == cc) {
        if (ca == Other(cb) && cd == kFree)
            return Assign(d, cb);
        if (cd == Other(cb) && ca == kFree)
            return Assign(a, cb);
    }
    return true;
}

// Round the border the colour changes at most twice: two white border cells
// with black cells on both arcs between them would need paths that cross.
// With both colours on the border, the cells between two neighbouring known
// stones of one colour (along the ring) take that colour.
bool Search::CheckRing()
{
    const int len = static_cast<int>(ring_.size());
    int known = 0;
    for (int k = 0; k < len; ++k)
        if (colour_[ring_[k]] != kFree)
            ringKnown_[known++] = k;
    if (known < 3)
        return true;
    int changes = 0;
    for (int j = 0; j < known; ++j)
        if (colour_[ring_[ringKnown_[j]]] != colour_[ring_[ringKnown_[(j + 1) % known]]])
            ++changes;
    if (changes > 2)
        return false;
    if (changes == 0)
        return true;
    for (int j = 0; j < known; ++j) {
        const int from = ringKnown_[j], to = ringKnown_[(j + 1) % known];
        const std::uint8_t c = colour_[ring_[from]];
        if (c != colour_[ring_[to]])
            continue;
        for (int k = (from + 1) % len; k != to; k = (k + 1) % len)
            if (!Assign(ring_[k], c))
                return false;
    }
    return true;
}

// The cells of one colour must form one group inside the cells that are that
// colour or still free. A free cell that no stone of the colour can reach
// takes the other colour; a free cell whose removal would cut stones of the
// colour apart (a cut vertex of that region) takes the colour.
bool Search::CheckConnected(std::uint8_t colour)
{
    if (!stale_[colour])
        return true;
    if (count_[colour] == 0) {
        stale_[colour] = false;
        return true;
    }
    const std::uint8_t* colours = colour_.data();
    const int* neighbours = neighbours_.data();
    const std::uint8_t wall = Other(colour);
    Visit* visit = visit_.data();
    int* stack = stack_.data();
    int root = 0;
    while (colours[root] != colour)
        ++root;
    ++stamp_;
    int time = 0, top = 0, forced = 0;
    visit[root] = Visit{stamp_, ++time, time, 1, -1, 0};
    stack[top++] = root;
    while (top > 0) {
        const int v = stack[top - 1];
        Visit& vv = visit[v];
        if (vv.next < 4) {
            const int u = neighbours[4 * v + vv.next++];
            if (u < 0 || colours[u] == wall)
                continue;
            Visit& uu = visit[u];
            if (uu.stamp != stamp_) {
                ++time;
                uu = Visit{stamp_, time, time, colours[u] == colour ? 1 : 0, v, 0};
                stack[top++] = u;
            } else if (u != vv.parent && uu.order < vv.low) {
                vv.low = uu.order;
            }
            continue;
        }
        --top;
        const int p = vv.parent;
        if (p < 0)
            continue;
        Visit& pp = visit[p];
        if (vv.low < pp.low)
            pp.low = vv.low;
        pp.stones += vv.stones;
        // Without p, v's subtree (holding stones) is cut off from the root (a stone).
        if (vv.low >= pp.order && vv.stones > 0 && colours[p] == kFree)
            forced_[forced++] = p;
    }
    if (visit[root].stones < count_[colour])
        return false;
    for (int k = 0; k < forced; ++k)
        if (!Assign(forced_[k], colour))
            return false;
    for (int i = 0; i < cells_; ++i)
        if (visit[i].stamp != stamp_ && colour_[i] == kFree && !Assign(i, wall))
            return false;
    // What was just settled changes nothing for this colour: the cells taken
    // from it were out of its reach, and a cut cell made its stone cuts no
    // other cell.
    stale_[colour] = false;
    return true;
}

bool Search::Propagate()
{
    for (;;) {
        while (queueHead_ < queueTail_) {
            const int cell = queue_[queueHead_++];
            const int* bl = &blocks_[4 * cell];
            for (int k = 0; k < 4 && bl[k] >= 0; ++k)
                if (!CheckBlock(bl[k]))
                    return false;
        }
        queueHead_ = queueTail_ = 0;
        if (!CheckRing())
            return false;
        if (queueTail_ > 0)
            continue;
        if (!CheckConnected(kWhite))
            return false;
        if (queueTail_ > 0)
            continue;
        if (!CheckConnected(kBlack))
            return false;
        if (queueTail_ == 0)
            return true;
    }
}

// The free cell with the most known cells around it (8 neighbours, the
// edge counting half), the first such in row order; -1 when the board is full.
int Search::PickCell() const
{
    int best = -1, bestScore = -1;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const int i = y * width_ + x;
            if (colour_[i] != kFree)
                continue;
            int score = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_)
                        score += 1;
                    else if (colour_[ny * width_ + nx] != kFree)
                        score += 2;
                }
            if (score > bestScore) {
                best = i;
                bestScore = score;
            }
        }
    return best;
}

// Tries both colours on every free cell next to a known cell, from a random
// start. A colour that fails rules itself out; a
// cell where both fail ends the branch. The branch cell is the probed cell
// whose two colours settle the most other cells, or else any free cell;
// pick is -1 only when the board is full.
bool Search::Lookahead(int& pick)
{
    long long bestScore = -1;
    pick = -1;
    const int offset = static_cast<int>(Random() % static_cast<std::uint64_t>(cells_));
    for (int step = 0; step < cells_; ++step) {
        const int i = step + offset < cells_ ? step + offset : step + offset - cells_;
        if (colour_[i] != kFree)
            continue;
        if (pick < 0)
            pick = i;
        const int* nb = &neighbours_[4 * i];
        if (!((nb[0] >= 0 && colour_[nb[0]] != kFree) || (nb[1] >= 0 && colour_[nb[1]] != kFree) ||
              (nb[2] >= 0 && colour_[nb[2]] != kFree) || (nb[3] >= 0 && colour_[nb[3]] != kFree)))
            continue;
        const int mark = trailSize_;
        probing_ = true;
        const bool white = Assign(i, kWhite) && Propagate();
        const long long settledWhite = trailSize_ - mark;
        Undo(mark);
        const bool black = Assign(i, kBlack) && Propagate();
        const long long settledBlack = trailSize_ - mark;
        Undo(mark);
        probing_ = false;
        if (!white && !black)
            return false;
        if (!white || !black) {
            if (!Assign(i, white ? kWhite : kBlack) || !Propagate())
                return false;
            if (pick == i)
                pick = -1;
            continue;
        }
        const long long score = settledWhite * settledBlack + settledWhite + settledBlack;
        if (score > bestScore) {
            bestScore = score;
            pick = i;
        }
    }
    if (pick >= 0 && colour_[pick] != kFree) {
        // Settled by a later forced cell.
        pick = -1;
        for (int i = 0; i < cells_ && pick < 0; ++i)
            if (colour_[i] == kFree)
                pick = i;
    }
    return true;
}

void Search::Store(Grid& out) const
{
    out = Grid(width_, height_);
    for (int i = 0; i < cells_; ++i)
        out.cells[i] = colour_[i] == kWhite ? GivenWhite : GivenBlack;
}

bool Search::Start()
{
    for (int i = 0; i < cells_; ++i)
        if (given_[i] != kFree)
            Assign(i, given_[i]);
    if (Propagate())
        return true;
    Undo(0);
    return false;
}

bool Search::Fix(int cell, std::uint8_t colour)
{
    const int mark = trailSize_;
    if (Assign(cell, colour) && Propagate())
        return true;
    Undo(mark);
    return false;
}

bool Search::Known(const Grid* solutions, int found) const
{
    for (int k = 0; k < found; ++k) {
        bool same = true;
        for (int i = 0; i < cells_ && same; ++i)
            same = solutions[k].cells[i] == (colour_[i] == kWhite ? GivenWhite : GivenBlack);
        if (same)
            return true;
    }
    return false;
}

// One depth-first run from the root state. Stops when `limit` solutions are
// known, when the tree is exhausted (both: true) or after `budget` dead ends
// (false); a run that finds a new solution gets its budget once more, to
// finish the proof it is in rather than start over. Solutions found by
// earlier runs are recognised and not counted again.
bool Search::Run(int limit, Grid* solutions, int& found, const Setting* set, int setCount, long long budget,
                 bool plain)
{
    const int rootMark = trailSize_;
    const long long budget0 = budget;
    bool extended = false;
    int depth = 0;
    bool ok = true;
    for (int k = 0; k < setCount && ok; ++k)
        ok = Assign(set[k].cell, set[k].colour);
    bool complete = true;
    for (;;) {
        ++nodes_;
        if (cancel_ && cancel_->load(std::memory_order_relaxed)) {
            cancelled_ = true;
            break;
        }
        int pick = -1;
        if (ok && Propagate() && (plain ? (pick = PickCell(), true) : Lookahead(pick))) {
            if (pick >= 0) {
                const std::uint8_t first = plain || Random() & 1 ? kWhite : kBlack;
                decisions_[depth++] = Decision{pick, trailSize_, first, false};
                ok = Assign(pick, first);
                continue;
            }
            if (!Known(solutions, found)) {
                Store(solutions[found]);
                if (++found >= limit)
                    break;
                // Progress: let this run finish its proof rather than restart.
                if (!extended) {
                    budget += budget0;
                    extended = true;
                }
            }
        }
        if (--budget < 0) {
            complete = false;
            break;
        }
        // Back to the newest decision whose second colour is untried.
        while (depth > 0 && decisions_[depth - 1].second)
            --depth;
        if (depth == 0)
            break;
        Decision& d = decisions_[depth - 1];
        Undo(d.mark);
        d.second = true;
        ok = Assign(d.cell, Other(d.first));
    }
    Undo(rootMark);
    return complete;
}

// First a short plain run, filling the board from the corner that is most
// settled: on open boards it finds solutions at once, where probing would
// scatter its choices. When it finds one solution but not a second, a few
// more plain runs each start with one cell of the first solution turned to
// the other colour. Then runs that probe, with a budget that grows
// after each unfinished run, each breaking ties and choosing colours
// differently: a solution hidden behind an unlucky early choice is found by a
// later, short run instead of after a long detour. The last run is always
// complete, so the count stays exact.
int Search::Count(int limit, Grid* solutions, int cell, std::uint8_t colour)
{
    Setting set[2] = {{cell, colour}, {-1, kFree}};
    const int setCount = cell < 0 ? 0 : 1;
    const long long plainBudget = cells_ / 4 + 16;
    int found = 0;
    if (Run(limit, solutions, found, set, setCount, plainBudget, true) || cancelled_)
        return found;
    for (int k = 0; k < kFlips && found > 0 && found < limit && !cancelled_; ++k) {
        const int flip = static_cast<int>(Random() % static_cast<std::uint64_t>(cells_));
        if (colour_[flip] != kFree || flip == cell)
            continue;
        set[setCount] = {flip, solutions[0].cells[flip] == GivenWhite ? kBlack : kWhite};
        Run(limit, solutions, found, set, setCount + 1, plainBudget, true);
    }
    long long budget = 32;
    while (found < limit && !Run(limit, solutions, found, set, setCount, budget, false) && !cancelled_)
        budget += budget / 2;
    return found;
}

}  // namespace exact
