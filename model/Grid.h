// A board of any size from 1 x 1 to 64 x 64, apart from GameState and its
// 22 x 22 array: puzzles exchanged online, the exact engine and the generator
// work on these. Cells hold CellCode values (Empty, GivenWhite, GivenBlack,
// PlacedWhite, PlacedBlack), row by row from the top, each row from the left;
// x and y are 0-based here.
#pragma once

#include <cstdint>
#include <vector>

#include "model/GameState.h"

constexpr int kGridMinSize = 1;
constexpr int kGridMaxSize = 64;

// Boards of kMinSize..kMaxSize each way: the window, the automatic solver and
// .vdr files take these.
constexpr bool IsBoardSize(int width, int height)
{
    return width >= kMinSize && width <= kMaxSize && height >= kMinSize && height <= kMaxSize;
}

// Boards of kGridMinSize..kGridMaxSize each way: what a Grid can hold.
constexpr bool IsGridSize(int width, int height)
{
    return width >= kGridMinSize && width <= kGridMaxSize && height >= kGridMinSize && height <= kGridMaxSize;
}

struct Grid {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells;

    Grid() = default;
    Grid(int w, int h) : width(w), height(h), cells(static_cast<std::size_t>(w) * h, Empty) {}

    std::uint8_t& at(int x, int y) { return cells[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return cells[static_cast<std::size_t>(y) * width + x]; }

    bool operator==(const Grid& o) const { return width == o.width && height == o.height && cells == o.cells; }
    bool operator!=(const Grid& o) const { return !(*this == o); }
};

// The same board with every placed stone taken off: only the givens remain.
Grid GivensOf(const Grid& grid);
