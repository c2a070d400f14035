#include "solver/Solver.h"

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

void PlaceCell(int x, int y, int code)
{
    GameState.emptyCount -= 1;
    GameState.progressFlag = 1;
    GameState.board[x][y].code = static_cast<std::uint8_t>(code);
    NoteCodeChanged(x, y);
    if (code % 3 == 1)
        GameState.whiteCount += 1;
    else
        GameState.blackCount += 1;
    CheckBlocks(x, y, code);
}

void CloseCell(int x, int y)
{
    GameState.progressFlag = 1;
    GameState.board[x][y].closed = 1;
    NoteClosedChanged(x, y);
    switch (ColourAt(x, y)) {
    case 1: GameState.whiteClosedCount += 1; break;
    case 2: GameState.blackClosedCount += 1; break;
    default: GameState.status = StatusContradiction; break;
    }
}

namespace {

// A 2 x 2 block that the new stone of colour c would break: one colour
// throughout, or a checkerboard (the corner matches the new stone, both side
// cells hold the other colour). Empty and Wall cells match neither colour.
bool BlockBroken(int side1, int side2, int corner, int c)
{
    const int o = 3 - c;
    return (side1 == c && side2 == c && corner == c) || (side1 == o && side2 == o && corner == c);
}

bool OtherOrWall(int x, int y, int o)
{
    return ColourAt(x, y) == o || CodeAt(x, y) == Wall;
}

}  // namespace

void CheckBlocks(int x, int y, int code)
{
    const int c = code % 3;
    const int o = 3 - c;
    const int up = ColourAt(x, y - 1);
    const int left = ColourAt(x - 1, y);
    const int down = ColourAt(x, y + 1);
    const int right = ColourAt(x + 1, y);

    const bool broken = BlockBroken(up, left, ColourAt(x - 1, y - 1), c) ||
                        BlockBroken(down, left, ColourAt(x - 1, y + 1), c) ||
                        BlockBroken(down, right, ColourAt(x + 1, y + 1), c) ||
                        BlockBroken(up, right, ColourAt(x + 1, y - 1), c) ||
                        (OtherOrWall(x, y - 1, o) && OtherOrWall(x - 1, y, o) &&
                         OtherOrWall(x, y + 1, o) && OtherOrWall(x + 1, y, o));
    if (broken)
        GameState.status = StatusContradiction;
}
