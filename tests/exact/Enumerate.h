// Plain enumeration of every finished board of a small grid, independent of
// the engine: cells in row order, cut off only at a completed block of one
// colour or, at the end of a row, at a group that can no longer grow while
// its colour has another group; every board that survives is checked against
// the rules by NaiveBoard.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/NaiveRules.h"

// Boards as bit masks: bit y * w + x set for a black cell; w * h at most 64.
class BoardEnumerator {
public:
    BoardEnumerator(int w, int h) : w_(w), h_(h)
    {
        for (int y = 0; y < h; ++y) {
            left_ |= Bit(y * w);
            right_ |= Bit(y * w + w - 1);
        }
    }

    std::vector<std::uint64_t> All()
    {
        found_.clear();
        black_ = 0;
        Place(0);
        return found_;
    }

    static NaiveBoard ToBoard(int w, int h, std::uint64_t black)
    {
        NaiveBoard b(w, h);
        for (int i = 0; i < w * h; ++i)
            b.cells[i] = (black >> i & 1) ? 2 : 1;
        return b;
    }

private:
    static std::uint64_t Bit(int i) { return std::uint64_t{1} << i; }

    std::uint64_t Spread(std::uint64_t m) const
    {
        return m | (m << w_) | (m >> w_) | ((m & ~right_) << 1) | ((m & ~left_) >> 1);
    }

    // The part of `within` orthogonally connected to `seed`.
    std::uint64_t Flood(std::uint64_t seed, std::uint64_t within) const
    {
        std::uint64_t reached = seed & within;
        for (;;) {
            const std::uint64_t next = Spread(reached) & within;
            if (next == reached)
                return reached;
            reached = next;
        }
    }

    bool Colour(int i, int c) const { return ((black_ >> i & 1) ? 2 : 1) == c; }

    void Place(int cell)
    {
        if (cell == w_ * h_) {
            if (ToBoard(w_, h_, black_).Solved())
                found_.push_back(black_);
            return;
        }
        const int x = cell % w_, y = cell / w_;
        for (int c = 1; c <= 2; ++c) {
            if (c == 2)
                black_ |= Bit(cell);
            if (x > 0 && y > 0 && Colour(cell - 1, c) && Colour(cell - w_, c) && Colour(cell - w_ - 1, c))
                continue;
            if (x == w_ - 1 && Stranded(y))
                continue;
            Place(cell + 1);
        }
        black_ &= ~Bit(cell);
    }

    // Rows 0..y are finished: does a colour have a group that no longer
    // touches row y and another group besides?
    bool Stranded(int y) const
    {
        const std::uint64_t filled = y + 1 == 64 / w_ && w_ * (y + 1) == 64 ? ~std::uint64_t{0}
                                                                           : Bit(w_ * (y + 1)) - 1;
        const std::uint64_t lastRow = filled & ~(Bit(w_ * y) - 1);
        for (const std::uint64_t mine : {black_ & filled, ~black_ & filled}) {
            const std::uint64_t open = Flood(mine & lastRow, mine);
            const std::uint64_t closed = mine & ~open;
            if (closed == 0)
                continue;
            if (open != 0 || Flood(closed & (~closed + 1), closed) != closed)
                return true;
        }
        return false;
    }

    int w_, h_;
    std::uint64_t left_ = 0, right_ = 0, black_ = 0;
    std::vector<std::uint64_t> found_;
};
