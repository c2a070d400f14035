// Boards for the exchange tests, written in the board notation.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "io/Notation.h"
#include "model/Grid.h"

inline Grid GridOf(const std::string& notation)
{
    Grid grid;
    ReadError error;
    EXPECT_TRUE(ParseGridNotation(notation, grid, error)) << error;
    return grid;
}

// A board of every kind of cell in a fixed scatter, different for every size
// and far from symmetric, so that swapped rows and columns show.
inline Grid Scatter(int width, int height, bool withPlaced)
{
    Grid grid(width, height);
    std::uint32_t state = 2463534242u ^ static_cast<std::uint32_t>(width * 131 + height);
    for (std::uint8_t& cell : grid.cells) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const std::uint8_t codes[] = {Empty, Empty, GivenWhite, GivenBlack, PlacedWhite, PlacedBlack};
        cell = codes[state % (withPlaced ? 6 : 4)];
    }
    return grid;
}

const char* const kExampleA =
    ". . . . .\n"
    ". . . . B\n"
    "B . . . B\n"
    ". . . B W\n"
    "W W W . .\n";
