#include "reason/Board.h"

#include <algorithm>

namespace reason {

int Board::Count(int colour) const
{
    return static_cast<int>(std::count(colours.begin(), colours.end(), colour));
}

Board BoardOf(const Grid& grid)
{
    Board b(grid.width, grid.height);
    for (int i = 0; i < b.Size(); ++i) {
        const std::uint8_t code = grid.cells[static_cast<std::size_t>(i)];
        if (code == GivenWhite || code == PlacedWhite)
            b.colours[static_cast<std::size_t>(i)] = kWhite;
        else if (code == GivenBlack || code == PlacedBlack)
            b.colours[static_cast<std::size_t>(i)] = kBlack;
    }
    return b;
}

Grid GridOf(const Board& board)
{
    Grid g(board.width, board.height);
    for (int i = 0; i < board.Size(); ++i) {
        const std::uint8_t c = board.colours[static_cast<std::size_t>(i)];
        g.cells[static_cast<std::size_t>(i)] = c == kWhite ? GivenWhite : c == kBlack ? GivenBlack : Empty;
    }
    return g;
}

std::vector<int> RingOf(int width, int height)
{
    std::vector<int> ring;
    if (width < 2 || height < 2)
        return ring;
    for (int x = 0; x < width; ++x)
        ring.push_back(x);
    for (int y = 1; y < height; ++y)
        ring.push_back(y * width + width - 1);
    for (int x = width - 2; x >= 0; --x)
        ring.push_back((height - 1) * width + x);
    for (int y = height - 2; y >= 1; --y)
        ring.push_back(y * width);
    return ring;
}

}  // namespace reason
