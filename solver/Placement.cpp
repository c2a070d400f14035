#include "solver/Solver.h"

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

void PlaceCell(GameStateRecord& state, int x, int y, int code)
{
    state.emptyCount -= 1;
    state.progressFlag = 1;
    state.board[x][y].code = static_cast<std::uint8_t>(code);
    NoteCodeChanged(state, x, y);
    if (colour(code) == WhiteColour)
        state.whiteCount += 1;
    else
        state.blackCount += 1;
    CheckBlocks(state, x, y, code);
}

void CloseCell(GameStateRecord& state, int x, int y)
{
    state.progressFlag = 1;
    state.board[x][y].closed = 1;
    NoteClosedChanged(state, x, y);
    switch (ColourAt(state, x, y)) {
    case WhiteColour: state.whiteClosedCount += 1; break;
    case BlackColour: state.blackClosedCount += 1; break;
    default: state.status = StatusContradiction; break;
    }
}

namespace {

// A 2 x 2 block that the new stone of colour c would break: one colour
// throughout, or a checkerboard (the corner matches the new stone, both side
// cells hold the other colour). Empty and Wall cells match neither colour.
bool BlockBroken(int side1, int side2, int corner, int c)
{
    const int o = OtherColour(c);
    return (side1 == c && side2 == c && corner == c) || (side1 == o && side2 == o && corner == c);
}

bool OtherOrWall(const GameStateRecord& state, int x, int y, int o)
{
    return ColourAt(state, x, y) == o || CodeAt(state, x, y) == Wall;
}

}  // namespace

void CheckBlocks(GameStateRecord& state, int x, int y, int code)
{
    const int c = colour(code);
    const int o = OtherColour(c);
    const int up = ColourAt(state, x, y - 1);
    const int left = ColourAt(state, x - 1, y);
    const int down = ColourAt(state, x, y + 1);
    const int right = ColourAt(state, x + 1, y);

    const bool broken = BlockBroken(up, left, ColourAt(state, x - 1, y - 1), c) ||
                        BlockBroken(down, left, ColourAt(state, x - 1, y + 1), c) ||
                        BlockBroken(down, right, ColourAt(state, x + 1, y + 1), c) ||
                        BlockBroken(up, right, ColourAt(state, x + 1, y - 1), c) ||
                        (OtherOrWall(state, x, y - 1, o) && OtherOrWall(state, x - 1, y, o) &&
                         OtherOrWall(state, x, y + 1, o) && OtherOrWall(state, x + 1, y, o));
    if (broken)
        state.status = StatusContradiction;
}
