#include "reason/Techniques.h"

#include <algorithm>

#include "exact/BorderParity.h"

namespace reason {

namespace {

const TechniqueInfo kTechniques[kTechniqueCount] = {
    {"block", "2×2", 1},  {"checker", "市松", 1}, {"ring", "外周", 2},   {"escape", "出口", 3},
    {"reach", "孤立", 3}, {"cut", "分断", 3},     {"trial", "仮定", 4}, {"either", "両仮定", 4},
    {"parity", "偶奇", 5}, {"search", "探索", 5},
};

// The four cells of the 2 x 2 whose top left is cell: a b / c d.
void Square(const Board& b, int cell, int out[4])
{
    out[0] = cell;
    out[1] = cell + 1;
    out[2] = cell + b.width;
    out[3] = cell + b.width + 1;
}

void Sorted(std::vector<int>& v)
{
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

}  // namespace

const TechniqueInfo& InfoOf(Technique technique)
{
    return kTechniques[static_cast<int>(technique)];
}

Techniques::Techniques(int width, int height)
    : ring_(RingOf(width, height)),
      ringParity_(exact::RingEdgeParity(ring_, width, height)),
      seen_(static_cast<std::size_t>(width) * height, 0),
      disc_(seen_.size()), low_(seen_.size()), count_(seen_.size()), stone_(seen_.size()),
      end_(seen_.size()), parent_(seen_.size()), next_(seen_.size()), around_(seen_.size() * 4, -1)
{
    queue_.reserve(seen_.size());
    // The same neighbours in the same order as Board::ForNeighbours, looked
    // up rather than worked out: the scans visit every cell's neighbours in
    // every round of every supposition.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int cell = y * width + x;
            int* n = &around_[static_cast<std::size_t>(cell) * 4];
            n[0] = y > 0 ? cell - width : -1;
            n[1] = x > 0 ? cell - 1 : -1;
            n[2] = x + 1 < width ? cell + 1 : -1;
            n[3] = y + 1 < height ? cell + width : -1;
        }
}

int Techniques::NewMark()
{
    if (++mark_ == 0x7fffffff) {
        std::fill(seen_.begin(), seen_.end(), 0);
        mark_ = 1;
    }
    return mark_;
}

bool Techniques::Block(const Board& b, const Sink& sink)
{
    for (int y = 0; y + 1 < b.height; ++y)
        for (int x = 0; x + 1 < b.width; ++x) {
            int sq[4];
            Square(b, y * b.width + x, sq);
            int counts[3] = {0, 0, 0}, free = -1;
            for (int c : sq) {
                ++counts[b.colours[c]];
                if (b.colours[c] == kFree)
                    free = c;
            }
            if (counts[kFree] != 1 || (counts[kWhite] != 3 && counts[kBlack] != 3))
                continue;
            Finding& f = finding_;
            f = Finding{Technique::Block, counts[kWhite] == 3 ? kBlack : kWhite, {free}, {}, 0};
            if (reasons)
                for (int c : sq)
                    if (c != free)
                        f.because.push_back(c);
            if (sink(f))
                return true;
        }
    return false;
}

bool Techniques::Checker(const Board& b, const Sink& sink)
{
    // The diagonal partner of each corner of a b / c d.
    static const int kPartner[4] = {3, 2, 1, 0};
    for (int y = 0; y + 1 < b.height; ++y)
        for (int x = 0; x + 1 < b.width; ++x) {
            int sq[4];
            Square(b, y * b.width + x, sq);
            for (int k = 0; k < 4; ++k) {
                if (b.colours[sq[k]] != kFree)
                    continue;
                const int partner = b.colours[sq[kPartner[k]]];
                // The other diagonal is the pair of corners that are neither
                // k nor its partner.
                int other[2], n = 0;
                for (int j = 0; j < 4; ++j)
                    if (j != k && j != kPartner[k])
                        other[n++] = b.colours[sq[j]];
                if (partner == kFree || other[0] == kFree || other[0] != other[1] || partner == other[0])
                    continue;
                Finding& f = finding_;
                f = Finding{Technique::Checker, other[0], {sq[k]}, {}, 0};
                if (reasons)
                    for (int j = 0; j < 4; ++j)
                        if (j != k)
                            f.because.push_back(sq[j]);
                if (sink(f))
                    return true;
            }
        }
    return false;
}


// The ring holds one arc of each colour at most, so when both colours are on
// it, the stones of a colour follow one another without the other colour
// between them, and the free cells between two of them take their colour.
bool Techniques::Ring(const Board& b, const Sink& sink)
{
    std::vector<int> known;  // positions on the ring that hold a stone
    for (int p = 0; p < static_cast<int>(ring_.size()); ++p)
        if (b.colours[ring_[p]] != kFree)
            known.push_back(p);
    const int n = static_cast<int>(known.size());
    int changes = 0, firstOf[3] = {-1, -1, -1};
    for (int k = 0; k < n; ++k) {
        const int c = b.colours[ring_[known[k]]];
        changes += c != b.colours[ring_[known[(k + 1) % n]]];
        if (firstOf[c] < 0)
            firstOf[c] = ring_[known[k]];
    }
    if (changes != 2)
        return false;
    const int size = static_cast<int>(ring_.size());
    for (int k = 0; k < n; ++k) {
        const int from = known[k], to = known[(k + 1) % n];
        const int c = b.colours[ring_[from]];
        if (c != b.colours[ring_[to]] || (from + 1) % size == to)
            continue;
        Finding& f = finding_;
        f = Finding{Technique::Ring, c, {}, {}, 0};
        for (int p = (from + 1) % size; p != to; p = (p + 1) % size)
            f.cells.push_back(ring_[p]);
        std::sort(f.cells.begin(), f.cells.end());
        if (reasons) {
            f.because = {ring_[from], ring_[to], firstOf[Other(c)]};
            Sorted(f.because);
        }
        if (sink(f))
            return true;
    }
    return false;
}

bool Techniques::Parity(const Board& b, const Sink& sink)
{
    const int len = static_cast<int>(ring_.size());
    const auto at = [&](int k) { return ring_[(k + len) % len]; };
    // The edges across which the colour cannot change: with an odd number of
    // inner points those of the other parity than the corners'; with an even
    // number, once it changes across one edge, the others of that parity.
    int change = -1;
    if (!exact::OddInnerPoints(b.width, b.height)) {
        for (int k = 0; k < len && change < 0; ++k) {
            const int c = b.colours[at(k)], next = b.colours[at(k + 1)];
            if (c != kFree && next != kFree && c != next)
                change = k;
        }
        if (change < 0)
            return false;
    }
    const int closed = change < 0 ? 1 : ringParity_[change];
    for (int k = 0; k < len; ++k) {
        if (k == change || ringParity_[k] != closed)
            continue;
        const int p = at(k), q = at(k + 1);
        if ((b.colours[p] == kFree) == (b.colours[q] == kFree))
            continue;
        const int stone = b.colours[p] != kFree ? p : q;
        Finding& f = finding_;
        f = Finding{Technique::Parity, b.colours[stone], {stone == p ? q : p}, {}, 0};
        if (reasons) {
            f.because = {stone};
            if (change >= 0) {
                f.because.push_back(at(change));
                f.because.push_back(at(change + 1));
            }
            Sorted(f.because);
        }
        if (sink(f))
            return true;
    }
    return false;
}

bool Techniques::Escape(const Board& b, const Sink& sink)
{
    return EscapeOf(b, kWhite, sink) || EscapeOf(b, kBlack, sink);
}

bool Techniques::Reach(const Board& b, const Sink& sink)
{
    return ReachOf(b, kWhite, sink) || ReachOf(b, kBlack, sink);
}

bool Techniques::Cut(const Board& b, const Sink& sink)
{
    return CutOf(b, kWhite, sink) || CutOf(b, kBlack, sink);
}

bool Techniques::Run(Technique technique, const Board& b, const Sink& sink)
{
    switch (technique) {
    case Technique::Block: return Block(b, sink);
    case Technique::Checker: return Checker(b, sink);
    case Technique::Ring: return Ring(b, sink);
    case Technique::Escape: return Escape(b, sink);
    case Technique::Reach: return Reach(b, sink);
    case Technique::Cut: return Cut(b, sink);
    default: return false;
    }
}

bool Techniques::Simple(const Board& b, const Sink& sink)
{
    for (int k = 0; k < kSimpleCount; ++k)
        if (Run(static_cast<Technique>(k), b, sink))
            return true;
    return false;
}

// A group of stones of a colour with more stones of that colour elsewhere
// must grow: with one free neighbour left, that neighbour takes its colour.
bool Techniques::EscapeOf(const Board& b, int colour, const Sink& sink)
{
    const int total = b.Count(colour);
    const int groups = NewMark();
    for (int start = 0; start < b.Size(); ++start) {
        if (b.colours[start] != colour || seen_[start] == groups)
            continue;
        queue_.assign(1, start);
        seen_[start] = groups;
        int exit = -1;
        bool more = false;
        for (std::size_t q = 0; q < queue_.size(); ++q)
            Around(queue_[q], [&](int n) {
                if (b.colours[n] == colour && seen_[n] != groups) {
                    seen_[n] = groups;
                    queue_.push_back(n);
                } else if (b.colours[n] == kFree) {
                    more = more || (exit >= 0 && n != exit);
                    if (exit < 0)
                        exit = n;
                }
            });
        if (exit < 0 || more || static_cast<int>(queue_.size()) == total)
            continue;
        Finding& f = finding_;
        f = Finding{Technique::Escape, colour, {exit}, {}, 0};
        if (reasons) {
            f.because = queue_;
            Sorted(f.because);
        }
        if (sink(f))
            return true;
    }
    return false;
}

void Techniques::Flood(const Board& b, int colour)
{
    const int other = Other(colour);
    for (std::size_t q = 0; q < queue_.size(); ++q)
        Around(queue_[q], [&](int n) {
            if (b.colours[n] != other && seen_[n] != mark_) {
                seen_[n] = mark_;
                queue_.push_back(n);
            }
        });
}

// A free cell that no stone of a colour can reach through free cells and
// cells of that colour takes the other colour; so does its whole region.
bool Techniques::ReachOf(const Board& b, int colour, const Sink& sink)
{
    if (b.Count(colour) == 0)
        return false;
    const int reached = NewMark();
    queue_.clear();
    for (int i = 0; i < b.Size(); ++i)
        if (b.colours[i] == colour) {
            seen_[i] = reached;
            queue_.push_back(i);
        }
    Flood(b, colour);
    const int region = NewMark();
    for (int start = 0; start < b.Size(); ++start) {
        if (b.colours[start] != kFree || seen_[start] == reached || seen_[start] == region)
            continue;
        Finding& f = finding_;
        f = Finding{Technique::Reach, Other(colour), {start}, {}, 0};
        seen_[start] = region;
        for (std::size_t q = 0; q < f.cells.size(); ++q)
            Around(f.cells[q], [&](int n) {
                if (b.colours[n] == kFree && seen_[n] != region) {
                    seen_[n] = region;
                    f.cells.push_back(n);
                } else if (reasons && b.colours[n] == Other(colour)) {
                    f.because.push_back(n);
                }
            });
        std::sort(f.cells.begin(), f.cells.end());
        Sorted(f.because);
        if (sink(f))
            return true;
    }
    return false;
}

int Techniques::NearestStone(const Board& b, int from, int colour, const std::function<bool(int)>& inside)
{
    std::vector<char> visited(static_cast<std::size_t>(b.Size()), 0);
    std::vector<int> queue{from};
    visited[from] = 1;
    for (std::size_t q = 0; q < queue.size(); ++q) {
        int found = -1;
        Around(queue[q], [&](int n) {
            if (found >= 0 || visited[n] || b.colours[n] == Other(colour) || !inside(n))
                return;
            visited[n] = 1;
            if (b.colours[n] == colour)
                found = n;
            queue.push_back(n);
        });
        if (found >= 0)
            return found;
    }
    return -1;
}

// A free cell through which alone the stones of a colour on one side can
// meet those on the other takes that colour: the other colour there would
// split them for good. Found as the cut vertices of the cells that are not
// the other colour (depth-first search with low points), counting the
// colour's stones below each.
bool Techniques::CutOf(const Board& b, int colour, const Sink& sink)
{
    const int total = b.Count(colour);
    if (total < 2)
        return false;
    const int other = Other(colour);
    const int root = static_cast<int>(std::find(b.colours.begin(), b.colours.end(), colour) - b.colours.begin());
    const int visit = NewMark();
    int timer = 0;
    auto open = [&](int v, int parent) {
        seen_[v] = visit;
        disc_[v] = low_[v] = timer++;
        count_[v] = b.colours[v] == colour;
        stone_[v] = count_[v] ? v : -1;
        parent_[v] = parent;
        next_[v] = 0;
        queue_.push_back(v);
    };
    queue_.clear();
    open(root, -1);
    while (!queue_.empty()) {
        const int v = queue_.back();
        if (next_[v] < 4) {
            const int n = around_[static_cast<std::size_t>(v) * 4 + next_[v]++];
            if (n < 0 || b.colours[n] == other)
                continue;
            if (seen_[n] != visit)
                open(n, v);
            else if (n != parent_[v])
                low_[v] = std::min(low_[v], disc_[n]);
            continue;
        }
        queue_.pop_back();
        end_[v] = timer;
        const int p = parent_[v];
        if (p < 0)
            continue;
        low_[p] = std::min(low_[p], low_[v]);
        count_[p] += count_[v];
        if (stone_[p] < 0)
            stone_[p] = stone_[v];
        if (b.colours[p] != kFree || low_[v] < disc_[p] || count_[v] == 0 || count_[v] == total)
            continue;
        Finding& f = finding_;
        f = Finding{Technique::Cut, colour, {p}, {}, 0};
        if (reasons) {
            const int lo = disc_[v], hi = end_[v];
            auto below = [&](int c) { return seen_[c] == visit && disc_[c] >= lo && disc_[c] < hi; };
            f.because = {NearestStone(b, p, colour, below),
                         NearestStone(b, p, colour, [&](int c) { return !below(c); })};
            // A colour already split has stones no search from p reaches.
            f.because.erase(std::remove(f.because.begin(), f.because.end(), -1), f.because.end());
            Sorted(f.because);
        }
        if (sink(f))
            return true;
    }
    return false;
}

bool Techniques::Broken(const Board& b, std::vector<int>* witness)
{
    for (int y = 0; y + 1 < b.height; ++y)
        for (int x = 0; x + 1 < b.width; ++x) {
            int sq[4];
            Square(b, y * b.width + x, sq);
            const int a = b.colours[sq[0]], c = b.colours[sq[1]];
            if (a == kFree || c == kFree || b.colours[sq[2]] != c || b.colours[sq[3]] != a)
                continue;  // neither one colour nor a checkerboard
            if (witness)
                witness->assign(sq, sq + 4);
            return true;
        }
    return RingBroken(b, witness) || SplitOf(b, kWhite, witness) || SplitOf(b, kBlack, witness);
}

bool Techniques::RingBroken(const Board& b, std::vector<int>* witness)
{
    std::vector<int> known;
    for (int cell : ring_)
        if (b.colours[cell] != kFree)
            known.push_back(cell);
    const int n = static_cast<int>(known.size());
    std::vector<int> starts;  // the first stone of each run of one colour
    for (int k = 0; k < n; ++k)
        if (b.colours[known[k]] != b.colours[known[(k + n - 1) % n]])
            starts.push_back(known[k]);
    if (starts.size() <= 2)
        return false;
    if (witness) {
        witness->assign(starts.begin(), starts.begin() + 4);
        Sorted(*witness);
    }
    return true;
}

bool Techniques::SplitOf(const Board& b, int colour, std::vector<int>* witness)
{
    const auto first = std::find(b.colours.begin(), b.colours.end(), colour);
    if (first == b.colours.end())
        return false;
    const int start = static_cast<int>(first - b.colours.begin());
    NewMark();
    seen_[start] = mark_;
    queue_.assign(1, start);
    Flood(b, colour);
    for (int i = start + 1; i < b.Size(); ++i)
        if (b.colours[i] == colour && seen_[i] != mark_) {
            if (witness)
                *witness = {start, i};
            return true;
        }
    return false;
}

}  // namespace reason
