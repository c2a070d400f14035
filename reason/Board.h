// The board the reasoner works on: one colour per cell (free, white or
// black), given and placed stones alike, of any size from 1 x 1 to 64 x 64.
// Cells are numbered row by row from the top, each row from the left, as in
// Grid::cells.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Grid.h"

namespace reason {

enum Colour : std::uint8_t { kFree = 0, kWhite = 1, kBlack = 2 };

inline int Other(int colour) { return 3 - colour; }

struct Board {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> colours;

    Board() = default;
    Board(int w, int h) : width(w), height(h), colours(static_cast<std::size_t>(w) * h, kFree) {}

    int Size() const { return width * height; }
    int X(int cell) const { return cell % width; }
    int Y(int cell) const { return cell / width; }
    int At(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }

    // Calls f(neighbour) for each orthogonal neighbour of cell.
    template <typename F>
    void ForNeighbours(int cell, F f) const
    {
        const int x = X(cell), y = Y(cell);
        if (y > 0)
            f(cell - width);
        if (x > 0)
            f(cell - 1);
        if (x + 1 < width)
            f(cell + 1);
        if (y + 1 < height)
            f(cell + width);
    }

    int Count(int colour) const;
    bool Full() const { return Count(kFree) == 0; }
};

// Given and placed stones of the grid; every other code is a free cell.
Board BoardOf(const Grid& grid);
// The board as a puzzle whose every stone is given.
Grid GridOf(const Board& board);

// The cells of the outer ring in order around the board (clockwise from the
// top left corner), each once; empty when the board is narrower than 2 cells
// either way.
std::vector<int> RingOf(int width, int height);

}  // namespace reason
