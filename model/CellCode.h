// What a cell holds and which colour that is: the one place for the cell
// codes, the stone colours and the free cell, for the window's board, the
// solver, the exact engine and the generator alike.
#pragma once

#include <cstdint>

// What a cell holds. A placed stone is one whose code is greater than Wall.
enum CellCode : std::uint8_t {
    Empty = 0,
    GivenWhite = 1,
    GivenBlack = 2,
    Wall = 3,
    PlacedWhite = 4,
    PlacedBlack = 5,
};

// The colour of a cell, its code modulo 3. Given and placed stones of one
// colour count alike for every rule; Empty and Wall have no colour.
enum StoneColour : std::uint8_t {
    NoColour = 0,
    WhiteColour = 1,
    BlackColour = 2,
};

constexpr int colour(int code) { return code % 3; }

// The other colour of WhiteColour or BlackColour.
constexpr int OtherColour(int c) { return WhiteColour + BlackColour - c; }

constexpr bool IsGivenStone(int code) { return code == GivenWhite || code == GivenBlack; }
constexpr bool IsPlacedStone(int code) { return code > Wall; }

// The given or placed stone of a colour (WhiteColour or BlackColour).
constexpr std::uint8_t GivenStone(int c) { return c == WhiteColour ? GivenWhite : GivenBlack; }
constexpr std::uint8_t PlacedStone(int c) { return c == WhiteColour ? PlacedWhite : PlacedBlack; }
