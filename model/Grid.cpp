#include "model/Grid.h"

Grid GivensOf(const Grid& grid)
{
    Grid g = grid;
    for (std::uint8_t& c : g.cells)
        if (c != GivenWhite && c != GivenBlack)
            c = Empty;
    return g;
}
