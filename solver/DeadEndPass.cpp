#include "solver/Solver.h"

#include <cassert>
#include <cstdint>

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

namespace {

// A fill appends at most (group size - 1) entries, so 500 covers even the
// whole 22 x 22 array.
constexpr int kBranchEntries = 500;

constexpr int kDx[4] = {0, -1, 0, 1};  // up, left, down, right
constexpr int kDy[4] = {-1, 0, 1, 0};

// Walks from (x, y) until a cell has no unvisited neighbour of the colour,
// noting every cell on the way that has more than one.
void Walk(GameStateRecord& state, int x, int y, int colour, std::uint8_t* branchX, std::uint8_t* branchY,
          int& branches)
{
    for (;;) {
        FillStep(state, x, y, colour);
        if (state.stepCount == 0)
            return;
        if (state.stepCount >= 2) {
            assert(branches < kBranchEntries);
            if (branches < kBranchEntries) {
                branchX[branches] = static_cast<std::uint8_t>(x);
                branchY[branches] = static_cast<std::uint8_t>(y);
                ++branches;
            }
        }
        x = state.stepNextX;
        y = state.stepNextY;
    }
}

// The dead-end rule, the same for both colours.
void CheckStone(GameStateRecord& state, int x, int y, int c)
{
    const int placed = PlacedStone(c);
    int empty = 0;
    int blocked = 0;
    int closed = 0;
    int exitX = 0;
    int exitY = 0;
    for (int i = 0; i < 4; ++i) {
        const int nx = x + kDx[i];
        const int ny = y + kDy[i];
        const Cell& n = state.board[nx][ny];
        if (n.code == Empty) {
            ++empty;
            exitX = nx;
            exitY = ny;
        } else if (colour(n.code) != c) {
            ++blocked;
        } else if (n.closed) {
            ++closed;
        }
    }

    const std::int32_t& count = c == WhiteColour ? state.whiteCount : state.blackCount;
    const std::int32_t& closedCount = c == WhiteColour ? state.whiteClosedCount : state.blackClosedCount;

    if (empty == 0 && blocked == 4) {
        state.status = StatusContradiction;
    } else if (empty == 0 && blocked + closed == 4) {
        // The group can grow no further: it must already hold every stone of
        // its colour.
        CloseCell(state, x, y);
        FloodFill(state, x, y, c);
        if (state.fillCount < count)
            state.status = StatusContradiction;
    } else if (empty == 0 && blocked + closed == 3) {
        CloseCell(state, x, y);
    } else if (empty == 1 && blocked == 3) {
        CloseCell(state, x, y);
        PlaceCell(state, exitX, exitY, placed);
    } else if (empty == 1 && blocked + closed == 3) {
        CloseCell(state, x, y);
        if (count - closedCount > 0)
            PlaceCell(state, exitX, exitY, placed);
    }
}

}  // namespace

void CheckWhiteStone(GameStateRecord& state, int x, int y)
{
    CheckStone(state, x, y, WhiteColour);
}

void CheckBlackStone(GameStateRecord& state, int x, int y)
{
    CheckStone(state, x, y, BlackColour);
}

void FillStep(GameStateRecord& state, int x, int y, int colour)
{
    Cell& cell = state.board[x][y];
    if (!cell.visited) {
        cell.visited = 1;
        state.fillCount += 1;
    }
    state.stepCount = 0;
    for (int i = 0; i < 4; ++i) {
        const int nx = x + kDx[i];
        const int ny = y + kDy[i];
        const Cell& n = state.board[nx][ny];
        if (::colour(n.code) == colour && !n.visited) {
            state.stepCount += 1;
            state.stepNextX = nx;
            state.stepNextY = ny;
        }
    }
}

void FloodFill(GameStateRecord& state, int x, int y, int colour)
{
    for (int cx = 1; cx <= state.width; ++cx)
        for (int cy = 1; cy <= state.height; ++cy)
            state.board[cx][cy].visited = 0;
    state.fillCount = 0;

    std::uint8_t branchX[kBranchEntries];
    std::uint8_t branchY[kBranchEntries];
    int branches = 0;

    Walk(state, x, y, colour, branchX, branchY, branches);
    // Walk may append while this loop runs: a branch cell with more than one
    // way still open goes to the back again.
    for (int k = 0; k < branches; ++k)
        Walk(state, branchX[k], branchY[k], colour, branchX, branchY, branches);
}

void DeadEndPass(GameStateRecord& state)
{
    ScanMarks& scan = state.scan;
    if (!scan.active)
        for (std::uint32_t& column : scan.deadEnd)
            column = ~0u;
    // An unmarked stone has nothing to do (PassTracking.h, invariant 1).
    for (int x = 1; x <= state.width; ++x) {
        for (int y = NextMarkedRow(state, scan.deadEnd, x, 0); y != 0; y = NextMarkedRow(state, scan.deadEnd, x, y)) {
            const Cell& cell = state.board[x][y];
            if (!cell.closed) {
                const int c = colour(cell.code);
                if (c == WhiteColour)
                    CheckWhiteStone(state, x, y);
                else if (c == BlackColour)
                    CheckBlackStone(state, x, y);
            }
            scan.deadEnd[x] &= ~(1u << y);
        }
    }
}
