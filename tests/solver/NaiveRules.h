// Straightforward restatements of the puzzle's rules, written independently
// of the solver, to check the solver's verdicts against.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "model/GameState.h"

// A board of colours: 0 empty, 1 white, 2 black; cells outside are -1.
struct NaiveBoard {
    int w = 0;
    int h = 0;
    std::vector<int> cells;  // row by row

    NaiveBoard(int width, int height) : w(width), h(height), cells(width * height, 0) {}

    int At(int x, int y) const  // 1-based
    {
        return x < 1 || y < 1 || x > w || y > h ? -1 : cells[(y - 1) * w + (x - 1)];
    }
    void Set(int x, int y, int c) { cells[(y - 1) * w + (x - 1)] = c; }

    // Number of orthogonally connected groups of colour c.
    int Groups(int c) const
    {
        std::vector<bool> seen(cells.size(), false);
        int groups = 0;
        for (std::size_t start = 0; start < cells.size(); ++start) {
            if (cells[start] != c || seen[start])
                continue;
            ++groups;
            std::vector<std::size_t> stack{start};
            seen[start] = true;
            while (!stack.empty()) {
                const std::size_t i = stack.back();
                stack.pop_back();
                const int x = static_cast<int>(i) % w + 1;
                const int y = static_cast<int>(i) / w + 1;
                const int nbrs[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const auto& n : nbrs) {
                    if (At(n[0], n[1]) != c)
                        continue;
                    const std::size_t j = (n[1] - 1) * w + (n[0] - 1);
                    if (!seen[j]) {
                        seen[j] = true;
                        stack.push_back(j);
                    }
                }
            }
        }
        return groups;
    }

    bool Connected() const { return Groups(1) <= 1 && Groups(2) <= 1; }

    bool HasOneColourBlock() const
    {
        for (int x = 1; x < w; ++x)
            for (int y = 1; y < h; ++y) {
                const int c = At(x, y);
                if (c != 0 && At(x + 1, y) == c && At(x, y + 1) == c && At(x + 1, y + 1) == c)
                    return true;
            }
        return false;
    }

    bool Full() const
    {
        for (int c : cells)
            if (c == 0)
                return false;
        return true;
    }

    // A finished board as the rules dialog states them.
    bool Solved() const { return Full() && !HasOneColourBlock() && Connected(); }

    // Would a stone of colour c at the empty cell (x, y) complete a block of
    // one colour or a checkerboard block, or be shut in by the other colour
    // and the edge?
    bool Rejects(int x, int y, int c) const
    {
        for (int bx = x - 1; bx <= x; ++bx)
            for (int by = y - 1; by <= y; ++by) {
                // q[0] and q[3] are one diagonal, q[1] and q[2] the other.
                int q[4] = {At(bx, by), At(bx + 1, by), At(bx, by + 1), At(bx + 1, by + 1)};
                q[(y - by) * 2 + (x - bx)] = c;
                bool stones = true;
                for (int v : q)
                    stones = stones && v > 0;
                if (!stones)
                    continue;
                const bool oneColour = q[0] == q[1] && q[1] == q[2] && q[2] == q[3];
                const bool checker = q[0] == q[3] && q[1] == q[2] && q[0] != q[1];
                if (oneColour || checker)
                    return true;
            }
        const int nbrs[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : nbrs) {
            const int v = At(n[0], n[1]);
            if (v != -1 && v != 3 - c)
                return false;
        }
        return true;
    }
};

// Number of ways to fill the empty cells of b into a finished board, counting
// no further than cap. Tries both colours cell by cell in row order, cutting
// off a branch as soon as a completed 2 x 2 block is of one colour or a
// checkerboard (a finished board holds neither).
inline int CountSolutions(NaiveBoard& b, int cap, int cell = 0)
{
    if (cell == b.w * b.h)
        return b.Connected() ? 1 : 0;
    const int x = cell % b.w + 1;
    const int y = cell / b.w + 1;
    const auto blockBroken = [&] {
        if (x == 1 || y == 1)
            return false;
        const int a = b.At(x - 1, y - 1), r = b.At(x, y - 1), l = b.At(x - 1, y), d = b.At(x, y);
        return (a == r && r == l && l == d) || (a == d && r == l && a != r);
    };
    if (b.At(x, y) != 0)
        return blockBroken() ? 0 : CountSolutions(b, cap, cell + 1);
    int found = 0;
    for (int c = 1; c <= 2 && found < cap; ++c) {
        b.Set(x, y, c);
        if (!blockBroken())
            found += CountSolutions(b, cap - found, cell + 1);
        b.Set(x, y, 0);
    }
    return found;
}

// The colours of GameState's playable cells.
inline NaiveBoard FromGameState()
{
    NaiveBoard b(GameState.width, GameState.height);
    for (int x = 1; x <= b.w; ++x)
        for (int y = 1; y <= b.h; ++y)
            b.Set(x, y, colour(GameState.board[x][y].code));
    return b;
}

// Notation with the given stones of the board's colours (. for empty).
inline std::string GivenNotation(const NaiveBoard& b)
{
    std::string s;
    for (int y = 1; y <= b.h; ++y) {
        for (int x = 1; x <= b.w; ++x)
            s += ".WB"[b.At(x, y)];
        s += '\n';
    }
    return s;
}

// A full board that obeys every rule, for any size: black fills column 1 and
// the even rows up to column w-1, white the rest.
inline NaiveBoard CombBoard(int w, int h)
{
    NaiveBoard b(w, h);
    for (int x = 1; x <= w; ++x)
        for (int y = 1; y <= h; ++y)
            b.Set(x, y, x == 1 || (y % 2 == 0 && x < w) ? 2 : 1);
    return b;
}
