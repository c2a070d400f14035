#include "solver/Solver.h"

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

namespace {

// The stone one 2 x 2 block forces into its empty fourth cell, or Empty.
// Three of one colour force the other; two side cells of one colour with the
// corner of the other force the side cells' colour (the corner's colour
// would make a checkerboard).
int BlockForces(int side1, int side2, int corner)
{
    if (side1 == NoColour || side1 != side2 || corner == NoColour)
        return Empty;
    return corner == side1 ? PlacedStone(OtherColour(side1)) : PlacedStone(side1);
}

// For the last pattern, a cell shut in on all four sides: a Wall counts as
// the colour, since a stone of the other colour would be shut in.
bool ColourOrWall(int code, int c)
{
    return colour(code) == c || code == Wall;
}

int ForcedStone(const GameStateRecord& state, int x, int y)
{
    const int upCode = CodeAt(state, x, y - 1);
    const int leftCode = CodeAt(state, x - 1, y);
    const int downCode = CodeAt(state, x, y + 1);
    const int rightCode = CodeAt(state, x + 1, y);
    const int up = colour(upCode);
    const int left = colour(leftCode);
    const int down = colour(downCode);
    const int right = colour(rightCode);
    // A block forces something only when its two side cells hold one colour.
    if (up != NoColour && up == left) {
        const int stone = BlockForces(up, left, ColourAt(state, x - 1, y - 1));
        if (stone != Empty)
            return stone;
    }
    if (down != NoColour && down == left) {
        const int stone = BlockForces(down, left, ColourAt(state, x - 1, y + 1));
        if (stone != Empty)
            return stone;
    }
    if (down != NoColour && down == right) {
        const int stone = BlockForces(down, right, ColourAt(state, x + 1, y + 1));
        if (stone != Empty)
            return stone;
    }
    if (up != NoColour && up == right) {
        const int stone = BlockForces(up, right, ColourAt(state, x + 1, y - 1));
        if (stone != Empty)
            return stone;
    }
    for (int c = WhiteColour; c <= BlackColour; ++c)
        if (ColourOrWall(upCode, c) && ColourOrWall(leftCode, c) && ColourOrWall(downCode, c) &&
            ColourOrWall(rightCode, c))
            return PlacedStone(c);
    return Empty;
}

}  // namespace

void LocalPatternPass(GameStateRecord& state)
{
    ScanMarks& scan = state.scan;
    if (!scan.active)
        for (std::uint32_t& column : scan.local)
            column = ~0u;
    // An unmarked cell has no pattern (PassTracking.h, invariant 1).
    for (int x = 1; x <= state.width; ++x) {
        for (int y = NextMarkedRow(state, scan.local, x, 0); y != 0; y = NextMarkedRow(state, scan.local, x, y)) {
            if (CodeAt(state, x, y) == Empty) {
                const int stone = ForcedStone(state, x, y);
                if (stone != Empty)
                    PlaceCell(state, x, y, stone);
            }
            scan.local[x] &= ~(1u << y);
        }
    }
}
