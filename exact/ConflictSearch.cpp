#include "exact/ConflictSearch.h"

#include <algorithm>

#include "exact/BorderParity.h"

namespace exact {

namespace {

// The restart lengths 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...: short runs mostly,
// now and then a long one, so that no proof is cut off for ever.
long long Luby(long long k)
{
    long long size = 1, step = 0;
    while (size < k + 1) {
        ++step;
        size = 2 * size + 1;
    }
    while (size - 1 != k) {
        size = (size - 1) >> 1;
        --step;
        k = k % size;
    }
    return 1LL << step;
}

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
                for (int j = k; mask >> (j % 8) & 1 && j - k < 8; ++j)
                    side = side || j % 2 == 1;
                runs += side;
            }
            arcs[mask] = static_cast<std::uint8_t>(mask == 255 ? 1 : runs);
        }
    }
};
const ArcTable kArcTable;
const std::uint8_t* const kArcs = kArcTable.arcs;

constexpr long long kRestartUnit = 64;
constexpr double kVarDecay = 0.95;
constexpr float kClauseDecay = 0.999f;
// What Run says when its conflict budget is spent: restart.
constexpr Answer kRestart = static_cast<Answer>(3);

}  // namespace

ConflictSearch::ConflictSearch(const Grid& puzzle, const std::atomic<bool>* cancel)
    : width_(puzzle.width), height_(puzzle.height), cells_(puzzle.width * puzzle.height), cancel_(cancel)
{
    const std::size_t n = static_cast<std::size_t>(cells_);
    given_.assign(n, kFree);
    for (std::size_t i = 0; i < n; ++i)
        if (puzzle.cells[i] == GivenWhite || puzzle.cells[i] == GivenBlack)
            given_[i] = puzzle.cells[i] == GivenWhite ? kWhite : kBlack;
    trail_.reserve(n + 64);
    levelStart_.reserve(n + 64);
    for (int i = 0; i < cells_; ++i)
        AddVariable();
    BuildCellTables();
    BuildRing();
    ringKnown_.assign(ring_.size(), 0);
    visit_.assign(n, Visit{});
    stack_.assign(n, 0);
    mark_.assign(n, 0);
    joinMark_.assign(n, 0);
    joinGroup_.assign(n, 0);
    joinQueue_.assign(n + 4, 0);
    pocket_.reserve(n);
    wallsA_.reserve(n);
    wallsB_.reserve(n);
    cut_.reserve(n);
    cutStone_.reserve(n);
    AddBlockClauses();
    AddParityClauses();
    maxLearnt_ = 2000 + cells_ / 2;
}

// Each cell's orthogonal neighbours and the eight cells around it, its first
// phase and its first activity.
void ConflictSearch::BuildCellTables()
{
    const std::size_t n = static_cast<std::size_t>(cells_);
    neighbours_.assign(4 * n, -1);
    around_.assign(8 * n, -1);
    onRing_.assign(n, 0);
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
            for (int r = 0; r < 8; ++r) {
                const int ax = x + kRound[r][0], ay = y + kRound[r][1];
                around_[8 * i + r] = ax >= 0 && ay >= 0 && ax < width_ && ay < height_ ? ay * width_ + ax : -1;
            }
            // A pattern that obeys every rule on an empty board (a comb: a
            // black spine down the left, black teeth on the even rows), so
            // that open parts of a board are filled without conflicts.
            phase_[i] = x == 0 || (y % 2 == 0 && x + 1 < width_) ? kBlack : kWhite;
            activity_[i] = 1e-3 * (cells_ - i) / cells_;
        }
    for (int i = 0; i < cells_; ++i)
        HeapInsert(i);
}

// The cells of the outer ring in order round the board.
void ConflictSearch::BuildRing()
{
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
    for (int cell : ring_)
        onRing_[cell] = 1;
    ringParity_ = RingEdgeParity(ring_, width_, height_);
    oddPoints_ = OddInnerPoints(width_, height_);
}

void ConflictSearch::SetDeadline(std::chrono::steady_clock::time_point deadline)
{
    hasDeadline_ = true;
    deadline_ = deadline;
}

int ConflictSearch::AddVariable()
{
    const int v = vars_++;
    value_.push_back(kFree);
    model_.push_back(kFree);
    phase_.push_back(kWhite);
    level_.push_back(0);
    reason_.push_back(kDecision);
    position_.push_back(0);
    because_.push_back(Because{});
    activity_.push_back(0);
    heapPos_.push_back(-1);
    seen_.push_back(0);
    levelMark_.push_back(0);
    watches_.emplace_back();
    watches_.emplace_back();
    if (trail_.capacity() < static_cast<std::size_t>(vars_)) {
        trail_.reserve(2 * vars_);
        levelStart_.reserve(2 * vars_);
    }
    return v;
}

int ConflictSearch::NewSwitch()
{
    return AddVariable();
}

// Four clauses per 2 x 2 block a b / c d: not all white, not all black, and
// neither diagonal pair one colour while the other pair is the other colour.
void ConflictSearch::AddBlockClauses()
{
    for (int y = 0; y + 1 < height_; ++y)
        for (int x = 0; x + 1 < width_; ++x) {
            const int a = y * width_ + x, b = a + 1, c = a + width_, d = c + 1;
            for (std::uint8_t col : {kWhite, kBlack}) {
                const std::uint8_t o = Other(col);
                const Lit same[4] = {LitOf(a, o), LitOf(b, o), LitOf(c, o), LitOf(d, o)};
                WatchClause(StoreClause(same, 4, false, 0));
                const Lit cross[4] = {LitOf(a, o), LitOf(d, o), LitOf(b, col), LitOf(c, col)};
                WatchClause(StoreClause(cross, 4, false, 0));
            }
        }
}

// With an odd number of inner points (see BorderParity.h) the ring holds
// both colours, and the colour never changes across a ring edge that ends
// at a point of the other parity than the corners'.
void ConflictSearch::AddParityClauses()
{
    if (!oddPoints_)
        return;
    const int len = static_cast<int>(ring_.size());
    for (int k = 0; k < len; ++k) {
        if (ringParity_[k] == 0)
            continue;
        const int p = ring_[k], q = ring_[(k + 1) % len];
        for (std::uint8_t col : {kWhite, kBlack}) {
            const Lit same[2] = {LitOf(p, Other(col)), LitOf(q, col)};
            WatchClause(StoreClause(same, 2, false, 0));
        }
    }
    std::vector<Lit> some;
    for (std::uint8_t col : {kWhite, kBlack}) {
        some.clear();
        for (int cell : ring_)
            some.push_back(LitOf(cell, col));
        WatchClause(StoreClause(some.data(), len, false, 0));
    }
}

int ConflictSearch::StoreClause(const Lit* lits, int size, bool learnt, int lbd)
{
    const int ref = static_cast<int>(clauses_.size());
    clauses_.push_back(Clause{static_cast<int>(literals_.size()), size, lbd, 0.0f, learnt, false});
    literals_.insert(literals_.end(), lits, lits + size);
    if (learnt)
        ++learntCount_;
    return ref;
}

void ConflictSearch::WatchClause(int ref)
{
    const Clause& c = clauses_[ref];
    const Lit* lits = &literals_[c.start];
    watches_[Negate(lits[0])].push_back(Watch{ref, lits[1]});
    watches_[Negate(lits[1])].push_back(Watch{ref, lits[0]});
}

bool ConflictSearch::AddClause(std::vector<Lit> lits)
{
    if (unsolvable_)
        return false;
    Backtrack(0);
    std::size_t kept = 0;
    for (Lit l : lits) {
        if (IsTrue(l))
            return true;
        if (!IsFalse(l))
            lits[kept++] = l;
    }
    lits.resize(kept);
    if (lits.empty()) {
        unsolvable_ = true;
        return false;
    }
    if (lits.size() == 1) {
        Assign(lits[0], kDecision);
        if (Propagate() != kNoConflict)
            unsolvable_ = true;
        return !unsolvable_;
    }
    WatchClause(StoreClause(lits.data(), static_cast<int>(lits.size()), false, 0));
    return true;
}

void ConflictSearch::Assign(Lit l, int reason)
{
    const int v = VarOf(l);
    const std::uint8_t colour = ColourOf(l);
    value_[v] = colour;
    level_[v] = Level();
    reason_[v] = reason;
    position_[v] = static_cast<int>(trail_.size());
    trail_.push_back(l);
    if (v >= cells_)
        return;
    ++count_[colour];
    // Connectivity needs a new look only when the region of a colour (its
    // stones and the free cells) may have fallen apart. A stone gained
    // changes nothing there, but the first stone of a colour is looked at:
    // until then its region need not hold together.
    if (count_[colour] == 1)
        stale_[colour] = true;
    // The other colour lost a cell. When the cells round it that it may still
    // use stay joined round the cell, every path through the cell has a way
    // round it; otherwise a short walk tells whether the region still holds
    // together but for small pockets, which are filled at once. (New cut
    // cells are left for the next full look.)
    const std::uint8_t other = Other(colour);
    if (!stale_[other] && !filling_) {
        const int* around = &around_[8 * v];
        unsigned mask = 0;
        for (int k = 0; k < 8; ++k)
            if (around[k] >= 0 && value_[around[k]] != colour)
                mask |= 1u << k;
        if (kArcs[mask] > 1 && !SplitsOffPockets(v, other)) {
            pocket_.clear();
            stale_[other] = true;
        }
    }
    if (onRing_[v])
        ringStale_ = true;
    if (!pocket_.empty() && !filling_)
        FillPockets(colour);
}

// The cells of the pockets just cut off from the other colour's stones take
// this colour.
void ConflictSearch::FillPockets(std::uint8_t colour)
{
    const std::uint8_t cut = Other(colour);
    int stone = -1;
    for (int k = static_cast<int>(trail_.size()) - 1; stone < 0; --k)
        if (VarOf(trail_[k]) < cells_ && ColourOf(trail_[k]) == cut)
            stone = VarOf(trail_[k]);
    filling_ = true;
    for (int cell : pocket_)
        if (value_[cell] == kFree) {
            because_[cell] = Because{kUnreachable, cut, stone, -1, -1};
            Assign(LitOf(cell, colour), kTheory);
        }
    filling_ = false;
    pocket_.clear();
}

void ConflictSearch::Backtrack(int level)
{
    if (Level() <= level)
        return;
    const int start = levelStart_[level];
    for (int i = static_cast<int>(trail_.size()) - 1; i >= start; --i) {
        const int v = VarOf(trail_[i]);
        if (v < cells_) {
            --count_[value_[v]];
            phase_[v] = value_[v];
            if (heapPos_[v] < 0)
                HeapInsert(v);
        }
        value_[v] = kFree;
    }
    trail_.resize(start);
    levelStart_.resize(level);
    head_ = start;
    // Every level ends at a fixed point of the propagation: nothing is left
    // for the propagators at the level backed up to.
    stale_[kWhite] = stale_[kBlack] = false;
    ringStale_ = false;
}

// Unit propagation over the clauses, two watched literals each.
int ConflictSearch::PropagateClauses()
{
    while (head_ < static_cast<int>(trail_.size())) {
        const Lit p = trail_[head_++];
        const Lit falseLit = Negate(p);
        std::vector<Watch>& ws = watches_[p];
        std::size_t i = 0, j = 0;
        const std::size_t end = ws.size();
        while (i < end) {
            const Watch w = ws[i++];
            if (IsTrue(w.blocker)) {
                ws[j++] = w;
                continue;
            }
            const Clause& c = clauses_[w.clause];
            Lit* lits = &literals_[c.start];
            if (lits[0] == falseLit)
                std::swap(lits[0], lits[1]);
            const Lit first = lits[0];
            const Watch kept{w.clause, first};
            if (first != w.blocker && IsTrue(first)) {
                ws[j++] = kept;
                continue;
            }
            bool moved = false;
            for (int k = 2; k < c.size && !moved; ++k)
                if (!IsFalse(lits[k])) {
                    lits[1] = lits[k];
                    lits[k] = falseLit;
                    watches_[Negate(lits[1])].push_back(kept);
                    moved = true;
                }
            if (moved)
                continue;
            ws[j++] = kept;
            if (IsFalse(first)) {
                while (i < end)
                    ws[j++] = ws[i++];
                ws.resize(j);
                head_ = static_cast<int>(trail_.size());
                return w.clause;
            }
            Assign(first, w.clause);
        }
        ws.resize(j);
    }
    return kNoConflict;
}

int ConflictSearch::Propagate()
{
    for (;;) {
        int conflict = PropagateClauses();
        if (conflict != kNoConflict)
            return conflict;
        const std::size_t before = trail_.size();
        if (ringStale_ && (conflict = PropagateRing()) != kNoConflict)
            return conflict;
        if (trail_.size() != before)
            continue;
        if ((conflict = PropagateConnected(kWhite)) != kNoConflict)
            return conflict;
        if (trail_.size() != before)
            continue;
        if ((conflict = PropagateConnected(kBlack)) != kNoConflict)
            return conflict;
        if (trail_.size() == before)
            return kNoConflict;
    }
}

// Round the border the colour changes at most twice: two stones of one
// colour with the other colour on both arcs between them would need paths
// that cross. With both colours on the border, the cells between two stones
// of one colour that follow each other round it take that colour.
int ConflictSearch::PropagateRing()
{
    ringStale_ = false;
    const int len = static_cast<int>(ring_.size());
    int known = 0;
    for (int k = 0; k < len; ++k)
        if (value_[ring_[k]] != kFree)
            ringKnown_[known++] = k;
    if (known < 3)
        return kNoConflict;
    auto colourAt = [&](int j) { return value_[ring_[ringKnown_[(j + known) % known]]]; };
    int changes = 0, firstChange = -1, other[3] = {-1, -1, -1};
    for (int j = 0; j < known; ++j) {
        other[colourAt(j)] = ring_[ringKnown_[j]];
        if (colourAt(j) != colourAt(j - 1)) {
            ++changes;
            if (firstChange < 0)
                firstChange = j;
        }
    }
    if (changes == 0)
        return kNoConflict;
    if (changes > 2) {
        // Four stones that alternate round the ring.
        conflictLits_.clear();
        for (int j = firstChange; conflictLits_.size() < 4; ++j)
            if (colourAt(j) != colourAt(j - 1))
                conflictLits_.push_back(Negate(LitOf(ring_[ringKnown_[j % known]], colourAt(j))));
        return kTheoryConflict;
    }
    for (int j = 0; j < known; ++j) {
        const int from = ringKnown_[j], to = ringKnown_[(j + 1) % known];
        const std::uint8_t c = value_[ring_[from]];
        if (c != value_[ring_[to]])
            continue;
        for (int k = (from + 1) % len; k != to; k = (k + 1) % len) {
            const int cell = ring_[k];
            if (value_[cell] != kFree)
                continue;
            because_[cell] = Because{kRing, c, ring_[from], ring_[to], other[Other(c)]};
            Assign(LitOf(cell, c), kTheory);
        }
    }
    ringStale_ = false;
    return oddPoints_ ? kNoConflict : PropagateRingParity(known);
}

// With an even number of inner points the two ends of the line between the
// colours lie on points of different parity: once the colour is seen to
// change across one ring edge, it changes across no other edge of that
// edge's parity.
int ConflictSearch::PropagateRingParity(int known)
{
    const int len = static_cast<int>(ring_.size());
    int change = -1;
    for (int j = 0; j < known && change < 0; ++j) {
        const int k = ringKnown_[j];
        const int next = ring_[(k + 1) % len];
        if (value_[next] != kFree && value_[next] != value_[ring_[k]])
            change = k;
    }
    if (change < 0)
        return kNoConflict;
    const int r = ring_[change], s = ring_[(change + 1) % len];
    for (int k = 0; k < len; ++k) {
        if (k == change || ringParity_[k] != ringParity_[change])
            continue;
        const int p = ring_[k], q = ring_[(k + 1) % len];
        if (value_[p] == kFree && value_[q] == kFree)
            continue;
        if (value_[p] != kFree && value_[q] != kFree) {
            if (value_[p] == value_[q])
                continue;
            conflictLits_.clear();
            for (int cell : {r, s, p, q})
                conflictLits_.push_back(Negate(LitOf(cell, value_[cell])));
            return kTheoryConflict;
        }
        const int set = value_[p] != kFree ? p : q, free = set == p ? q : p;
        because_[free] = Because{kParity, value_[r], r, s, set};
        Assign(LitOf(free, value_[set]), kTheory);
    }
    return kNoConflict;
}

// After `lost` left the region of `colour` (its stones and the free cells),
// whether the region still holds together but for small pockets without a
// stone of the colour, which go into pocket_ (no stone can reach them: they
// must take the other colour). A short breadth-first walk from each
// neighbour of the cell that is in the region: walks that meet are one
// part; a walk that runs out of cells before its budget has gone round a
// pocket. False when two parts are too large to go round (they may still
// meet further away: the full walk decides) or a pocket holds a stone.
bool ConflictSearch::SplitsOffPockets(int lost, std::uint8_t colour)
{
    const std::uint8_t wall = Other(colour);
    if (count_[colour] == 0)
        return true;  // nothing to hold together yet
    const int* nb = &neighbours_[4 * lost];
    int starts[4], count = 0;
    for (int d = 0; d < 4 && nb[d] >= 0; ++d)
        if (value_[nb[d]] != wall)
            starts[count++] = nb[d];
    if (count <= 1)
        return true;
    ++joinStamp_;
    joinMark_[lost] = joinStamp_;
    joinGroup_[lost] = -1;
    const int* queue = joinQueue_.data();
    int tail = 0, large = 0;
    for (int g = 0; g < count; ++g) {
        if (joinMark_[starts[g]] == joinStamp_)
            continue;  // reached by an earlier walk
        const int first = tail;
        const PartWalk walk = WalkPart(starts[g], g, colour, tail);
        if (walk == PartWalk::Met)
            continue;  // part of an earlier walk's part
        if (walk == PartWalk::Large) {
            if (++large > 1)
                return false;
            continue;
        }
        for (int k = first; k < tail; ++k)
            if (value_[queue[k]] == colour)
                return false;
        pocket_.insert(pocket_.end(), queue + first, queue + tail);
    }
    if (large == 0) {
        pocket_.clear();
        return false;
    }
    return true;
}

// One of SplitsOffPockets' walks: breadth first from `from` through the
// cells of `colour` and the free ones, marking them as part `g` and putting
// them on joinQueue_ from `tail` on, until it meets an earlier part, runs
// out of budget, or closes.
ConflictSearch::PartWalk ConflictSearch::WalkPart(int from, int g, std::uint8_t colour, int& tail)
{
    constexpr int kBudget = 96;
    const std::uint8_t wall = Other(colour);
    int* queue = joinQueue_.data();
    const int first = tail;
    int head = tail;
    queue[tail++] = from;
    joinMark_[from] = joinStamp_;
    joinGroup_[from] = g;
    bool met = false;
    while (head < tail && tail - first < kBudget && !met) {
        const int* next = &neighbours_[4 * queue[head++]];
        for (int d = 0; d < 4 && next[d] >= 0; ++d) {
            const int u = next[d];
            if (value_[u] == wall)
                continue;
            if (joinMark_[u] == joinStamp_) {
                met = met || (joinGroup_[u] != g && joinGroup_[u] >= 0);
                continue;
            }
            joinMark_[u] = joinStamp_;
            joinGroup_[u] = g;
            queue[tail++] = u;
        }
    }
    return met ? PartWalk::Met : head < tail ? PartWalk::Large : PartWalk::Closed;
}

// Walks the region of `colour` (its stones and the free cells) that holds
// `root`, depth first, under a new stamp: every cell it reaches is stamped,
// and every free cut vertex whose loss would cut off a stone goes into cut_, with that stone in cutStone_. Returns
// the number of stones of the colour reached.
int ConflictSearch::WalkRegion(std::uint8_t colour, int root)
{
    const std::uint8_t* values = value_.data();
    const int* neighbours = neighbours_.data();
    const std::uint8_t wall = Other(colour);
    Visit* visit = visit_.data();
    int* stack = stack_.data();
    ++stamp_;
    int time = 0, top = 0, stones = 1;
    cut_.clear();
    cutStone_.clear();
    visit[root] = Visit{stamp_, ++time, time, root, -1, 0};
    stack[top++] = root;
    while (top > 0) {
        const int v = stack[top - 1];
        Visit& vv = visit[v];
        if (vv.next < 4) {
            const int u = neighbours[4 * v + vv.next++];
            if (u < 0 || values[u] == wall)
                continue;
            Visit& uu = visit[u];
            if (uu.stamp != stamp_) {
                ++time;
                const bool stone = values[u] == colour;
                stones += stone;
                uu = Visit{stamp_, time, time, stone ? u : -1, v, 0};
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
        if (pp.stone < 0)
            pp.stone = vv.stone;
        // Without p, v's subtree (holding a stone) is cut off from the root.
        if (vv.low >= pp.order && vv.stone >= 0 && values[p] == kFree) {
            cut_.push_back(p);
            cutStone_.push_back(vv.stone);
        }
    }
    return stones;
}

// The cells of one colour must form one group inside the cells that are that
// colour or still free. A free cell that no stone of the colour can reach
// takes the other colour; a free cell whose loss would cut stones of the
// colour apart (a cut vertex of that region) takes the colour.
int ConflictSearch::PropagateConnected(std::uint8_t colour)
{
    if (!stale_[colour])
        return kNoConflict;
    if (count_[colour] == 0) {
        stale_[colour] = false;
        return kNoConflict;
    }
    int root = 0;
    while (value_[root] != colour)
        ++root;
    const int stones = WalkRegion(colour, root);
    if (stones < count_[colour]) {
        int apart = 0;
        while (value_[apart] != colour || visit_[apart].stamp == stamp_)
            ++apart;
        conflictLits_.clear();
        conflictLits_.push_back(Negate(LitOf(apart, colour)));
        conflictLits_.push_back(Negate(LitOf(root, colour)));
        SnapshotWalls(apart, root, -1, colour, static_cast<int>(trail_.size()), conflictLits_);
        return kTheoryConflict;
    }
    for (std::size_t k = 0; k < cut_.size(); ++k)
        if (value_[cut_[k]] == kFree) {
            because_[cut_[k]] = Because{kCut, colour, cutStone_[k], root, -1};
            Assign(LitOf(cut_[k], colour), kTheory);
        }
    for (int i = 0; i < cells_; ++i)
        if (visit_[i].stamp != stamp_ && value_[i] == kFree) {
            because_[i] = Because{kUnreachable, colour, root, -1, -1};
            Assign(LitOf(i, Other(colour)), kTheory);
        }
    // What was just settled changes nothing for this colour: the cells taken
    // from it were out of its reach, and a cut cell made its stone cuts no
    // other cell.
    stale_[colour] = false;
    return kNoConflict;
}

// The walls of the other colour that were already set when trail position
// `before` was reached, round one of the two parts of the board that `a` and
// `b` could reach then through free cells and stones of the colour, not
// through `blocked` (the two parts were apart). Either list explains why
// they were apart; the parts are walked in turn, a cell at a time, and the
// walls of the one that is walked first to its end are taken: the shorter
// list, and a short clause is worth more later on.
void ConflictSearch::SnapshotWalls(int a, int b, int blocked, std::uint8_t colour, int before, std::vector<Lit>& out)
{
    const std::uint8_t wall = Other(colour);
    struct Side {
        int* queue;
        std::vector<unsigned>& mark;
        unsigned stamp;
        std::vector<Lit>& walls;
        int head = 0, tail = 0;
    };
    Side sides[2] = {{stack_.data(), mark_, ++markStamp_, wallsA_}, {joinQueue_.data(), joinMark_, ++joinStamp_, wallsB_}};
    const int from[2] = {a, b};
    for (int k = 0; k < 2; ++k) {
        Side& side = sides[k];
        side.walls.clear();
        side.queue[side.tail++] = from[k];
        side.mark[from[k]] = side.stamp;
        if (blocked >= 0)
            side.mark[blocked] = side.stamp;
    }
    for (int turn = 0;; turn ^= 1) {
        Side& side = sides[turn];
        if (side.head == side.tail) {
            out.insert(out.end(), side.walls.begin(), side.walls.end());
            return;
        }
        const int* nb = &neighbours_[4 * side.queue[side.head++]];
        for (int d = 0; d < 4 && nb[d] >= 0; ++d) {
            const int u = nb[d];
            if (side.mark[u] == side.stamp)
                continue;
            side.mark[u] = side.stamp;
            if (value_[u] == wall && position_[u] < before)
                side.walls.push_back(LitOf(u, colour));
            else
                side.queue[side.tail++] = u;
        }
    }
}

// The literals, all false, that made a propagator set `var`.
void ConflictSearch::Explain(int var, std::vector<Lit>& out)
{
    out.clear();
    const Because& b = because_[var];
    const int before = position_[var];
    switch (b.rule) {
    case kRing:
        out.push_back(Negate(LitOf(b.a, b.colour)));
        out.push_back(Negate(LitOf(b.b, b.colour)));
        out.push_back(Negate(LitOf(b.c, Other(b.colour))));
        break;
    case kUnreachable:
        out.push_back(Negate(LitOf(b.a, b.colour)));
        SnapshotWalls(var, b.a, -1, b.colour, before, out);
        break;
    case kParity:
        out.push_back(Negate(LitOf(b.a, b.colour)));
        out.push_back(Negate(LitOf(b.b, Other(b.colour))));
        out.push_back(Negate(LitOf(b.c, value_[var])));
        break;
    default:  // kCut
        out.push_back(Negate(LitOf(b.a, b.colour)));
        out.push_back(Negate(LitOf(b.b, b.colour)));
        SnapshotWalls(b.a, b.b, var, b.colour, before, out);
        break;
    }
}

// Backs up to the newest level among the conflict's literals (a propagator
// may find a conflict that an earlier level already held). False when that
// is level 0: no solution at all.
bool ConflictSearch::LiftConflict(int conflict)
{
    int top = 0;
    if (conflict >= 0) {
        const Clause& c = clauses_[conflict];
        for (int k = 0; k < c.size; ++k)
            top = std::max(top, level_[VarOf(literals_[c.start + k])]);
    } else {
        for (Lit l : conflictLits_)
            top = std::max(top, level_[VarOf(l)]);
    }
    if (top == 0) {
        unsolvable_ = true;
        return false;
    }
    Backtrack(top);
    return true;
}

// First unique implication point: walks the trail back from the conflict,
// replacing set literals of the current level by their reasons until one
// is left. learnt_[0] is then the literal to assert.
void ConflictSearch::Analyse(int conflict, int& backLevel)
{
    reasonLits_.clear();
    if (conflict >= 0) {
        const Clause& c = clauses_[conflict];
        reasonLits_.assign(literals_.begin() + c.start, literals_.begin() + c.start + c.size);
        if (c.learnt)
            BumpClause(clauses_[conflict]);
    } else {
        reasonLits_ = conflictLits_;
    }
    learnt_.clear();
    learnt_.push_back(0);
    int pending = 0, index = static_cast<int>(trail_.size()) - 1;
    Lit p = -1;
    for (;;) {
        for (Lit q : reasonLits_) {
            const int v = VarOf(q);
            if (q == p || seen_[v] || level_[v] == 0)
                continue;
            seen_[v] = 1;
            Bump(v);
            if (level_[v] >= Level())
                ++pending;
            else
                learnt_.push_back(q);
        }
        while (!seen_[VarOf(trail_[index])])
            --index;
        p = trail_[index--];
        seen_[VarOf(p)] = 0;
        if (--pending == 0)
            break;
        const int r = reason_[VarOf(p)];
        if (r >= 0) {
            Clause& c = clauses_[r];
            reasonLits_.assign(literals_.begin() + c.start, literals_.begin() + c.start + c.size);
            if (c.learnt)
                BumpClause(c);
        } else {
            Explain(VarOf(p), reasonLits_);
        }
    }
    learnt_[0] = Negate(p);
    backLevel = 0;
    int best = 1;
    for (std::size_t k = 1; k < learnt_.size(); ++k) {
        seen_[VarOf(learnt_[k])] = 0;
        if (level_[VarOf(learnt_[k])] > backLevel) {
            backLevel = level_[VarOf(learnt_[k])];
            best = static_cast<int>(k);
        }
    }
    if (learnt_.size() > 1)
        std::swap(learnt_[1], learnt_[best]);
}

void ConflictSearch::Learn(int backLevel)
{
    Backtrack(backLevel);
    if (learnt_.size() == 1) {
        Assign(learnt_[0], kDecision);
        return;
    }
    ++levelStamp_;
    int lbd = 0;
    for (Lit l : learnt_) {
        const int lv = level_[VarOf(l)];
        if (levelMark_[lv] != levelStamp_) {
            levelMark_[lv] = levelStamp_;
            ++lbd;
        }
    }
    const int ref = StoreClause(learnt_.data(), static_cast<int>(learnt_.size()), true, lbd);
    WatchClause(ref);
    BumpClause(clauses_[ref]);
    Assign(learnt_[0], ref);
}

void ConflictSearch::Bump(int var)
{
    if ((activity_[var] += varIncrement_) > 1e100) {
        for (double& a : activity_)
            a *= 1e-100;
        varIncrement_ *= 1e-100;
    }
    if (heapPos_[var] >= 0)
        HeapUp(heapPos_[var]);
}

void ConflictSearch::BumpClause(Clause& c)
{
    if ((c.activity += clauseIncrement_) > 1e20f) {
        for (Clause& d : clauses_)
            if (d.learnt)
                d.activity *= 1e-20f;
        clauseIncrement_ *= 1e-20f;
    }
}

// Drops half of the learnt clauses, those that joined the fewest levels and
// took part in the fewest recent conflicts first; never one that is the
// reason of a set cell, nor one that joins only two levels.
void ConflictSearch::ReduceLearnt()
{
    std::vector<int> refs;
    refs.reserve(learntCount_);
    for (int r = 0; r < static_cast<int>(clauses_.size()); ++r)
        if (clauses_[r].learnt && !clauses_[r].deleted)
            refs.push_back(r);
    std::sort(refs.begin(), refs.end(), [&](int a, int b) {
        const Clause &x = clauses_[a], &y = clauses_[b];
        return x.lbd != y.lbd ? x.lbd > y.lbd : x.activity < y.activity;
    });
    for (std::size_t k = 0; k < refs.size() / 2; ++k) {
        Clause& c = clauses_[refs[k]];
        const Lit first = literals_[c.start];
        const bool locked = IsTrue(first) && reason_[VarOf(first)] == refs[k];
        if (c.lbd > 2 && !locked) {
            c.deleted = true;
            --learntCount_;
        }
    }
    Compact();
    maxLearnt_ *= 1.1;
}

// Removes deleted clauses from the store and watches the rest anew; the
// watched literals stay first in each clause, so nothing else changes.
void ConflictSearch::Compact()
{
    std::vector<int> moved(clauses_.size(), -1);
    int next = 0, at = 0;
    for (int r = 0; r < static_cast<int>(clauses_.size()); ++r) {
        Clause c = clauses_[r];
        if (c.deleted)
            continue;
        std::copy(literals_.begin() + c.start, literals_.begin() + c.start + c.size, literals_.begin() + at);
        c.start = at;
        at += c.size;
        moved[r] = next;
        clauses_[next++] = c;
    }
    clauses_.resize(next);
    literals_.resize(at);
    for (int v = 0; v < vars_; ++v)
        if (value_[v] != kFree && reason_[v] >= 0)
            reason_[v] = moved[reason_[v]];
    for (std::vector<Watch>& ws : watches_)
        ws.clear();
    for (int r = 0; r < next; ++r)
        WatchClause(r);
}

int ConflictSearch::PickBranch()
{
    while (!heap_.empty()) {
        const int v = HeapPop();
        if (value_[v] == kFree)
            return v;
    }
    return -1;
}

void ConflictSearch::SetWeight(int cell, double weight)
{
    activity_[cell] = weight;
    if (heapPos_[cell] >= 0) {
        HeapUp(heapPos_[cell]);
        HeapDown(heapPos_[cell]);
    }
}

// Looks at the clock and the cancel flag once every 64 calls, or now.
bool ConflictSearch::ShouldStop(bool now)
{
    if (!now && (++checks_ & 63) != 0)
        return false;
    if (cancel_ && cancel_->load(std::memory_order_relaxed))
        return true;
    return hasDeadline_ && std::chrono::steady_clock::now() >= deadline_;
}

void ConflictSearch::HeapInsert(int var)
{
    heapPos_[var] = static_cast<int>(heap_.size());
    heap_.push_back(var);
    HeapUp(heapPos_[var]);
}

int ConflictSearch::HeapPop()
{
    const int top = heap_[0];
    heap_[0] = heap_.back();
    heapPos_[heap_[0]] = 0;
    heap_.pop_back();
    heapPos_[top] = -1;
    if (!heap_.empty())
        HeapDown(0);
    return top;
}

void ConflictSearch::HeapUp(int pos)
{
    const int v = heap_[pos];
    while (pos > 0) {
        const int parent = (pos - 1) / 2;
        if (activity_[heap_[parent]] >= activity_[v])
            break;
        heap_[pos] = heap_[parent];
        heapPos_[heap_[pos]] = pos;
        pos = parent;
    }
    heap_[pos] = v;
    heapPos_[v] = pos;
}

void ConflictSearch::HeapDown(int pos)
{
    const int v = heap_[pos];
    const int n = static_cast<int>(heap_.size());
    for (;;) {
        int child = 2 * pos + 1;
        if (child >= n)
            break;
        if (child + 1 < n && activity_[heap_[child + 1]] > activity_[heap_[child]])
            ++child;
        if (activity_[heap_[child]] <= activity_[v])
            break;
        heap_[pos] = heap_[child];
        heapPos_[heap_[pos]] = pos;
        pos = child;
    }
    heap_[pos] = v;
    heapPos_[v] = pos;
}

bool ConflictSearch::Start()
{
    for (int i = 0; i < cells_ && !unsolvable_; ++i) {
        if (given_[i] == kFree)
            continue;
        const Lit l = LitOf(i, given_[i]);
        if (IsFalse(l))
            unsolvable_ = true;
        else if (!IsTrue(l))
            Assign(l, kDecision);
        if (!unsolvable_ && Propagate() != kNoConflict)
            unsolvable_ = true;
    }
    if (!unsolvable_ && Propagate() != kNoConflict)
        unsolvable_ = true;
    return !unsolvable_;
}

// One run until a solution, a proof that there is none, a stop, or
// `conflictBudget` conflicts (then 3: restart).
Answer ConflictSearch::Run(const std::vector<Lit>& assumptions, long long conflictBudget)
{
    for (;;) {
        const int conflict = Propagate();
        if (conflict != kNoConflict) {
            ++conflicts_;
            if (Level() == 0) {
                unsolvable_ = true;
                return Answer::NoSolution;
            }
            if (!LiftConflict(conflict))
                return Answer::NoSolution;
            int backLevel = 0;
            Analyse(conflict, backLevel);
            Learn(backLevel);
            varIncrement_ /= kVarDecay;
            clauseIncrement_ /= kClauseDecay;
            if (ShouldStop(false))
                return Answer::Stopped;
            if (--conflictBudget <= 0)
                return kRestart;
            continue;
        }
        if (learntCount_ >= maxLearnt_)
            ReduceLearnt();
        Lit next = -1;
        while (Level() < static_cast<int>(assumptions.size())) {
            const Lit a = assumptions[Level()];
            if (IsFalse(a))
                return Answer::NoSolution;
            if (!IsTrue(a)) {
                next = a;
                break;
            }
            levelStart_.push_back(static_cast<int>(trail_.size()));
        }
        if (next < 0) {
            const int v = PickBranch();
            if (v < 0) {
                for (int i = 0; i < cells_; ++i)
                    model_[i] = value_[i];
                return Answer::Solved;
            }
            next = LitOf(v, phase_[v]);
        }
        if (ShouldStop(false))
            return Answer::Stopped;
        levelStart_.push_back(static_cast<int>(trail_.size()));
        Assign(next, kDecision);
    }
}

Answer ConflictSearch::Solve(const std::vector<Lit>& assumptions)
{
    if (unsolvable_)
        return Answer::NoSolution;
    if (ShouldStop(true))
        return Answer::Stopped;
    Backtrack(0);
    Answer answer = Answer::Stopped;
    for (long long k = 0;; ++k) {
        answer = Run(assumptions, Luby(k) * kRestartUnit);
        if (answer != kRestart)
            break;
        Backtrack(0);
        if (ShouldStop(false)) {
            answer = Answer::Stopped;
            break;
        }
    }
    Backtrack(0);
    return answer;
}

void ConflictSearch::StoreModel(Grid& out) const
{
    out = Grid(width_, height_);
    for (int i = 0; i < cells_; ++i)
        out.cells[i] = model_[i] == kWhite ? GivenWhite : GivenBlack;
}

}  // namespace exact
