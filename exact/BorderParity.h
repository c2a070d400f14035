// Where on the border the line between the colours may end.
//
// In a solution every inner corner point of the board (where four cells
// meet) has exactly two edges of the line between white and black: a 2 x 2
// of one colour would leave the point off the line, a checkerboard would
// cross it there. Both colours being connected, the line is one piece: a
// path from border to border when the outer ring holds both colours, else a
// loop. Along it the points alternate between the two colours of a
// chessboard. So with an odd number of points, (W-1) x (H-1), the line cannot
// close and both its ends lie on points of the corners' parity; with an even
// number its two ends differ in parity. An end is where the colour changes
// between two neighbours on the ring: at the inner point of the edge between
// them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace exact {

// True when the board has an odd number of inner corner points.
inline bool OddInnerPoints(int width, int height)
{
    return width >= 2 && height >= 2 && (width - 1) * (height - 1) % 2 == 1;
}

// For each edge k of the ring (from ring[k] to the next cell round it, ring
// as cell indices row by row), the parity of the inner point the edge ends
// at: 0 for the corners' parity, 1 for the other.
inline std::vector<std::uint8_t> RingEdgeParity(const std::vector<int>& ring, int width, int height)
{
    const int len = static_cast<int>(ring.size());
    std::vector<std::uint8_t> parity(ring.size(), 0);
    for (int k = 0; k < len; ++k) {
        const int p = ring[k], q = ring[(k + 1) % len];
        const int px = p % width, py = p / width, qx = q % width, qy = q / width;
        int vx, vy;  // the point, 0..width by 0..height
        if (py == qy) {
            vx = std::max(px, qx);
            vy = py == 0 ? 1 : height - 1;
        } else {
            vy = std::max(py, qy);
            vx = px == 0 ? 1 : width - 1;
        }
        parity[k] = static_cast<std::uint8_t>((vx + vy) & 1);
    }
    return parity;
}

}  // namespace exact
