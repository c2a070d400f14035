#include "solver/Solver.h"

#include "solver/CellAccess.h"

namespace {

// The stone one 2 x 2 block forces into its empty fourth cell, or Empty.
// Three of one colour force the other; two side cells of one colour with the
// corner of the other force the side cells' colour (the corner's colour
// would make a checkerboard).
int BlockForces(int side1, int side2, int corner)
{
    if (side1 == 1 && side2 == 1 && corner == 1)
        return PlacedBlack;
    if (side1 == 2 && side2 == 2 && corner == 2)
        return PlacedWhite;
    if (side1 == 1 && side2 == 1 && corner == 2)
        return PlacedWhite;
    if (side1 == 2 && side2 == 2 && corner == 1)
        return PlacedBlack;
    return Empty;
}

// Here a Wall counts as the colour: the other colour would be shut in.
bool ColourOrWall(int x, int y, int c)
{
    return ColourAt(x, y) == c || CodeAt(x, y) == Wall;
}

bool Surrounded(int x, int y, int c)
{
    return ColourOrWall(x, y - 1, c) && ColourOrWall(x - 1, y, c) && ColourOrWall(x, y + 1, c) &&
           ColourOrWall(x + 1, y, c);
}

int ForcedStone(int x, int y)
{
    const int up = ColourAt(x, y - 1);
    const int left = ColourAt(x - 1, y);
    const int down = ColourAt(x, y + 1);
    const int right = ColourAt(x + 1, y);
    int stone = BlockForces(up, left, ColourAt(x - 1, y - 1));
    if (stone == Empty)
        stone = BlockForces(down, left, ColourAt(x - 1, y + 1));
    if (stone == Empty)
        stone = BlockForces(down, right, ColourAt(x + 1, y + 1));
    if (stone == Empty)
        stone = BlockForces(up, right, ColourAt(x + 1, y - 1));
    if (stone == Empty && Surrounded(x, y, 1))
        stone = PlacedWhite;
    if (stone == Empty && Surrounded(x, y, 2))
        stone = PlacedBlack;
    return stone;
}

}  // namespace

void LocalPatternPass()
{
    for (int x = 1; x <= GameState.width; ++x) {
        for (int y = 1; y <= GameState.height; ++y) {
            if (CodeAt(x, y) != Empty)
                continue;
            const int stone = ForcedStone(x, y);
            if (stone != Empty)
                PlaceCell(x, y, stone);
        }
    }
}
