#include "solver/Solver.h"

#include <cstdint>

#include "solver/CellAccess.h"

namespace {

// Size of the orthogonally connected group of colour c around (x, y).
int GroupSize(const GameStateRecord& state, int x, int y, int c)
{
    bool seen[kBoardCells][kBoardCells] = {};
    std::uint8_t queueX[kBoardCells * kBoardCells];
    std::uint8_t queueY[kBoardCells * kBoardCells];
    int head = 0;
    int tail = 0;
    seen[x][y] = true;
    queueX[tail] = static_cast<std::uint8_t>(x);
    queueY[tail] = static_cast<std::uint8_t>(y);
    ++tail;
    while (head < tail) {
        const int cx = queueX[head];
        const int cy = queueY[head];
        ++head;
        const int nx[4] = {cx, cx - 1, cx, cx + 1};
        const int ny[4] = {cy - 1, cy, cy + 1, cy};
        for (int i = 0; i < 4; ++i) {
            // Stay on the playable cells so the walk cannot leave the array
            // whatever the ring holds.
            if (nx[i] < 1 || nx[i] > state.width || ny[i] < 1 || ny[i] > state.height)
                continue;
            if (seen[nx[i]][ny[i]] || ColourAt(state, nx[i], ny[i]) != c)
                continue;
            seen[nx[i]][ny[i]] = true;
            queueX[tail] = static_cast<std::uint8_t>(nx[i]);
            queueY[tail] = static_cast<std::uint8_t>(ny[i]);
            ++tail;
        }
    }
    return tail;
}

}  // namespace

bool ColoursConnected(const GameStateRecord& state)
{
    for (int c = WhiteColour; c <= BlackColour; ++c) {
        int stones = 0;
        int firstX = 0;
        int firstY = 0;
        for (int x = 1; x <= state.width; ++x) {
            for (int y = 1; y <= state.height; ++y) {
                if (ColourAt(state, x, y) != c)
                    continue;
                if (stones == 0) {
                    firstX = x;
                    firstY = y;
                }
                ++stones;
            }
        }
        if (stones > 0 && GroupSize(state, firstX, firstY, c) != stones)
            return false;
    }
    return true;
}
