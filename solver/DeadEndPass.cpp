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
void Walk(int x, int y, int colour, std::uint8_t* branchX, std::uint8_t* branchY, int& branches)
{
    for (;;) {
        FillStep(x, y, colour);
        if (GameState.stepCount == 0)
            return;
        if (GameState.stepCount >= 2) {
            assert(branches < kBranchEntries);
            if (branches < kBranchEntries) {
                branchX[branches] = static_cast<std::uint8_t>(x);
                branchY[branches] = static_cast<std::uint8_t>(y);
                ++branches;
            }
        }
        x = GameState.stepNextX;
        y = GameState.stepNextY;
    }
}

// The dead-end rule, the same for both colours.
void CheckStone(int x, int y, int c)
{
    const int placed = c == 1 ? PlacedWhite : PlacedBlack;
    int empty = 0;
    int blocked = 0;
    int closed = 0;
    int exitX = 0;
    int exitY = 0;
    for (int i = 0; i < 4; ++i) {
        const int nx = x + kDx[i];
        const int ny = y + kDy[i];
        const Cell& n = GameState.board[nx][ny];
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

    const std::int32_t& count = c == 1 ? GameState.whiteCount : GameState.blackCount;
    const std::int32_t& closedCount = c == 1 ? GameState.whiteClosedCount : GameState.blackClosedCount;

    if (empty == 0 && blocked == 4) {
        GameState.status = StatusContradiction;
    } else if (empty == 0 && blocked + closed == 4) {
        // The group can grow no further: it must already hold every stone of
        // its colour.
        CloseCell(x, y);
        FloodFill(x, y, c);
        if (GameState.fillCount < count)
            GameState.status = StatusContradiction;
    } else if (empty == 0 && blocked + closed == 3) {
        CloseCell(x, y);
    } else if (empty == 1 && blocked == 3) {
        CloseCell(x, y);
        PlaceCell(exitX, exitY, placed);
    } else if (empty == 1 && blocked + closed == 3) {
        CloseCell(x, y);
        if (count - closedCount > 0)
            PlaceCell(exitX, exitY, placed);
    }
}

}  // namespace

void CheckWhiteStone(int x, int y)
{
    CheckStone(x, y, 1);
}

void CheckBlackStone(int x, int y)
{
    CheckStone(x, y, 2);
}

void FillStep(int x, int y, int colour)
{
    Cell& cell = GameState.board[x][y];
    if (!cell.visited) {
        cell.visited = 1;
        GameState.fillCount += 1;
    }
    GameState.stepCount = 0;
    for (int i = 0; i < 4; ++i) {
        const int nx = x + kDx[i];
        const int ny = y + kDy[i];
        const Cell& n = GameState.board[nx][ny];
        if (::colour(n.code) == colour && !n.visited) {
            GameState.stepCount += 1;
            GameState.stepNextX = nx;
            GameState.stepNextY = ny;
        }
    }
}

void FloodFill(int x, int y, int colour)
{
    for (int cx = 1; cx <= GameState.width; ++cx)
        for (int cy = 1; cy <= GameState.height; ++cy)
            GameState.board[cx][cy].visited = 0;
    GameState.fillCount = 0;

    std::uint8_t branchX[kBranchEntries];
    std::uint8_t branchY[kBranchEntries];
    int branches = 0;

    Walk(x, y, colour, branchX, branchY, branches);
    // Walk may append while this loop runs: a branch cell with more than one
    // way still open goes to the back again.
    for (int k = 0; k < branches; ++k)
        Walk(branchX[k], branchY[k], colour, branchX, branchY, branches);
}

void DeadEndPass()
{
    ScanMarks& scan = GameState.scan;
    if (!scan.active)
        for (std::uint32_t& column : scan.deadEnd)
            column = ~0u;
    // An unmarked stone has nothing to do (PassTracking.h, invariant 1).
    for (int x = 1; x <= GameState.width; ++x) {
        for (int y = NextMarkedRow(scan.deadEnd, x, 0); y != 0; y = NextMarkedRow(scan.deadEnd, x, y)) {
            const Cell& cell = GameState.board[x][y];
            if (!cell.closed) {
                const int c = colour(cell.code);
                if (c == 1)
                    CheckWhiteStone(x, y);
                else if (c == 2)
                    CheckBlackStone(x, y);
            }
            scan.deadEnd[x] &= ~(1u << y);
        }
    }
}
