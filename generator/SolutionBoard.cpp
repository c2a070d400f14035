// Up to 25 x 25 cells a finished board is filled in cell by cell in reading
// order, each cell a random colour, backing up when a choice breaks a rule or
// leaves a colour that can no longer become one group; a try that backs up
// too often starts over. That gets slow on larger boards, which the exact
// engine fills instead: each cell gets a random first colour and a random
// place in the order of decisions, and the search repairs what breaks a rule.
// Either way a board with a long stripe is thrown away.
#include "generator/SolutionBoard.h"

#include <cstdint>
#include <vector>

#include "exact/ConflictSearch.h"

namespace {

enum : std::uint8_t { kFree = 0, kWhite = 1, kBlack = 2 };

constexpr int kDx[4] = {0, -1, 0, 1};
constexpr int kDy[4] = {-1, 0, 1, 0};

class Grower {
public:
    Grower(int width, int height, Rng& rng)
        : w_(width), h_(height), n_(width * height), rng_(rng), colour_(n_), tried_(n_), first_(n_), seen_(n_),
          stack_(n_)
    {
        for (int x = 0; x < w_; ++x)
            ring_.push_back(x);
        for (int y = 1; y < h_; ++y)
            ring_.push_back(y * w_ + w_ - 1);
        if (h_ > 1)
            for (int x = w_ - 2; x >= 0; --x)
                ring_.push_back((h_ - 1) * w_ + x);
        if (w_ > 1)
            for (int y = h_ - 2; y >= 1; --y)
                ring_.push_back(y * w_);
        onRing_.assign(n_, 0);
        for (int i : ring_)
            onRing_[i] = 1;
    }

    // One try; false when it backed up too often or was cancelled.
    bool Grow(const std::atomic<bool>* cancel)
    {
        colour_.assign(n_, kFree);
        tried_.assign(n_, 0);
        long long budget = 50LL * n_ + 1000;
        int k = 0;
        while (k < n_) {
            if (--budget < 0 || ((budget & 255) == 0 && cancel && cancel->load()))
                return false;
            std::uint8_t c;
            if (tried_[k] == 0) {
                first_[k] = static_cast<std::uint8_t>(1 + rng_.Below(2));
                c = first_[k];
            } else if (tried_[k] == (1u << first_[k])) {
                c = static_cast<std::uint8_t>(3 - first_[k]);
            } else {
                // Both colours failed here: back up one cell.
                tried_[k] = 0;
                colour_[k] = kFree;
                if (--k < 0)
                    return false;
                colour_[k] = kFree;
                continue;
            }
            tried_[k] = static_cast<std::uint8_t>(tried_[k] | (1u << c));
            colour_[k] = c;
            if (Fits(k))
                ++k;
            else
                colour_[k] = kFree;
        }
        return true;
    }

    Grid Board() const
    {
        Grid g(w_, h_);
        for (int i = 0; i < n_; ++i)
            g.cells[i] = colour_[i] == kWhite ? GivenWhite : GivenBlack;
        return g;
    }

private:
    // Whether the cells set so far, the last of them i, can still be part
    // of a finished board as far as these tests see: the 2 x 2 block i
    // completes is neither one colour nor a checkerboard (two diagonal pairs
    // can never both be joined), the border changes colour at most twice
    // round, and every stone of each colour can still reach the others.
    bool Fits(int i)
    {
        const int x = i % w_, y = i / w_;
        if (x > 0 && y > 0) {
            const std::uint8_t a = colour_[i - w_ - 1], b = colour_[i - w_], c = colour_[i - 1], d = colour_[i];
            if (a == b && b == c && c == d)
                return false;
            if (a == d && b == c && a != b)
                return false;
        }
        if (onRing_[i] && !RingFits())
            return false;
        // The colour just set keeps every path it had (i now carries it),
        // so it is in question only when i joins none of its stones; the
        // other colour lost i as a way through.
        const std::uint8_t set = colour_[i], other = static_cast<std::uint8_t>(3 - set);
        if (!TouchesColour(i, set) && !Reachable(set))
            return false;
        return StillJoinedAround(i, other) || Reachable(other);
    }

    bool TouchesColour(int i, std::uint8_t c) const
    {
        const int x = i % w_, y = i / w_;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + kDx[d], ny = y + kDy[d];
            if (nx >= 0 && ny >= 0 && nx < w_ && ny < h_ && colour_[ny * w_ + nx] == c)
                return true;
        }
        return false;
    }

    // Whether the cells around i that colour c can still use (its stones
    // and free cells) stay joined without i: true when its orthogonal
    // neighbours among them lie on one run of such cells round the eight
    // around i, for each step along that ring is itself a step between
    // neighbours. False means "maybe not", for Reachable to decide.
    bool StillJoinedAround(int i, std::uint8_t c) const
    {
        static constexpr int kRx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
        static constexpr int kRy[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
        const int x = i % w_, y = i / w_;
        bool open[8];
        for (int k = 0; k < 8; ++k) {
            const int rx = x + kRx[k], ry = y + kRy[k];
            const std::uint8_t v = rx >= 0 && ry >= 0 && rx < w_ && ry < h_ ? colour_[ry * w_ + rx] : Other(c);
            open[k] = v == c || v == kFree;
        }
        int start = 0;
        while (start < 8 && open[start])
            ++start;
        if (start == 8)
            return true;
        int runsWithEdge = 0;
        bool inRun = false, edge = false;
        for (int k = 1; k <= 8; ++k) {
            const int p = (start + k) % 8;
            if (open[p]) {
                if (!inRun)
                    edge = false;
                inRun = true;
                edge = edge || p % 2 == 1;
            } else if (inRun) {
                inRun = false;
                runsWithEdge += edge;
            }
        }
        return runsWithEdge <= 1;
    }

    static std::uint8_t Other(std::uint8_t c) { return static_cast<std::uint8_t>(3 - c); }

    bool RingFits() const
    {
        int changes = 0;
        std::uint8_t firstSet = kFree, last = kFree;
        for (int i : ring_) {
            const std::uint8_t c = colour_[i];
            if (c == kFree)
                continue;
            if (firstSet == kFree)
                firstSet = c;
            else if (c != last)
                ++changes;
            last = c;
        }
        if (firstSet != kFree && last != firstSet)
            ++changes;
        return changes <= 2;
    }

    // Every stone of colour c lies in one group of c and free cells.
    bool Reachable(std::uint8_t c)
    {
        int stones = 0, start = -1;
        for (int i = 0; i < n_; ++i) {
            if (colour_[i] == c) {
                ++stones;
                start = i;
            }
        }
        if (stones == 0)
            return true;
        seen_.assign(n_, 0);
        seen_[start] = 1;
        int top = 0;
        stack_[top++] = start;
        int reached = 0;
        while (top > 0) {
            const int j = stack_[--top];
            reached += colour_[j] == c;
            const int jx = j % w_, jy = j / w_;
            for (int d = 0; d < 4; ++d) {
                const int nx = jx + kDx[d], ny = jy + kDy[d];
                if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_)
                    continue;
                const int k = ny * w_ + nx;
                if (!seen_[k] && (colour_[k] == c || colour_[k] == kFree)) {
                    seen_[k] = 1;
                    stack_[top++] = k;
                }
            }
        }
        return reached == stones;
    }

    int w_, h_, n_;
    Rng& rng_;
    std::vector<std::uint8_t> colour_;
    std::vector<std::uint8_t> tried_;  // bit 1 white, bit 2 black
    std::vector<std::uint8_t> first_;  // the colour tried first
    std::vector<int> ring_;            // the border once round
    std::vector<std::uint8_t> onRing_;
    std::vector<std::uint8_t> seen_;
    std::vector<int> stack_;
};

int Colour(const Grid& g, int x, int y)
{
    return colour(g.at(x, y));
}

}  // namespace

int StripeLimit(int length)
{
    return length / 2 + 1 > 4 ? length / 2 + 1 : 4;
}

bool HasLongStripe(const Grid& board)
{
    for (int y = 1; y + 1 < board.height; ++y) {
        int run = 0;
        for (int x = 0; x < board.width; ++x) {
            run = x > 0 && Colour(board, x, y) == Colour(board, x - 1, y) ? run + 1 : 1;
            if (run > StripeLimit(board.width))
                return true;
        }
    }
    for (int x = 1; x + 1 < board.width; ++x) {
        int run = 0;
        for (int y = 0; y < board.height; ++y) {
            run = y > 0 && Colour(board, x, y) == Colour(board, x, y - 1) ? run + 1 : 1;
            if (run > StripeLimit(board.height))
                return true;
        }
    }
    return false;
}

namespace {

// Boards up to this many cells are grown cell by cell (and so stay the
// same for a seed as they always were).
constexpr int kGrowCells = 25 * 25;

// One board filled by the exact engine from random first colours; an empty
// grid when cancelled.
Grid SearchedBoard(int width, int height, Rng& rng, const std::atomic<bool>* cancel)
{
    exact::ConflictSearch search(Grid(width, height), cancel);
    if (!search.Start())
        return Grid();
    for (int i = 0; i < width * height; ++i) {
        search.PreferColour(i, rng.Below(2) ? exact::kWhite : exact::kBlack);
        search.SetWeight(i, static_cast<double>(rng.Below(1u << 20)) / (1u << 20));
    }
    Grid board;
    if (search.Solve({}) == exact::Answer::Solved)
        search.StoreModel(board);
    return board;
}

}  // namespace

Grid RandomSolution(int width, int height, Rng& rng, const std::atomic<bool>* cancel)
{
    if (width * height > kGrowCells) {
        for (int attempt = 0;; ++attempt) {
            Grid board = SearchedBoard(width, height, rng, cancel);
            if (board.cells.empty() || !HasLongStripe(board) || attempt >= 200)
                return board;
        }
    }
    Grower grower(width, height, rng);
    // Small boards have few valid boards at all; after enough tries a board
    // with a stripe is taken rather than the loop running on.
    for (int attempt = 0;; ++attempt) {
        if (cancel && cancel->load())
            return Grid();
        if (!grower.Grow(cancel))
            continue;
        Grid board = grower.Board();
        if (!HasLongStripe(board) || attempt >= 200)
            return board;
    }
}
