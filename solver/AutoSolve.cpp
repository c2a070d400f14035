#include "solver/Solver.h"

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

namespace {

void RunPasses()
{
    GameState.progressFlag = 0;
    LocalPatternPass();
    DeadEndPass();
    PerimeterPass();
    if (SolverDriver.afterCycle)
        SolverDriver.afterCycle();
}

bool IsGiven(int code)
{
    return code == GivenWhite || code == GivenBlack;
}

}  // namespace

void InitSolver()
{
    const int w = GameState.width;
    const int h = GameState.height;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            GameState.board[x][y].closed = 0;
            GameState.board[x][y].visited = 0;
        }
    }
    GameState.emptyCount = w * h;
    GameState.status = StatusNone;
    GameState.whiteCount = 0;
    GameState.blackCount = 0;
    GameState.whiteClosedCount = 0;
    GameState.blackClosedCount = 0;

    // Clear everything but the givens before any given is checked, so that no
    // given is tested against a stone that is about to be removed.
    for (int x = 1; x <= w; ++x)
        for (int y = 1; y <= h; ++y)
            if (!IsGiven(CodeAt(x, y)))
                GameState.board[x][y].code = Empty;
    for (int x = 1; x <= w; ++x)
        for (int y = 1; y <= h; ++y)
            if (IsGiven(CodeAt(x, y)))
                PlaceCell(x, y, CodeAt(x, y));
}

void Propagate()
{
    GameState.status = StatusNone;
    do {
        RunPasses();
        if (GameState.status == StatusContradiction)
            return;
    } while (GameState.progressFlag != 0);

    // The passes check a group's connectivity only when its last stone
    // closes, so a full board may still hold a colour in two groups.
    if (GameState.emptyCount == 0 && !ColoursConnected()) {
        GameState.status = StatusContradiction;
        return;
    }
    GameState.status = StatusUnsolvable;
}

void Snapshot(int mode)
{
    SnapshotCopy& copy = GameState.snapshot;
    if (mode == 1) {
        for (int x = 0; x < kBoardCells; ++x)
            for (int y = 0; y < kBoardCells; ++y)
                copy.board[x][y] = GameState.board[x][y];
        copy.emptyCount = GameState.emptyCount;
        copy.whiteCount = GameState.whiteCount;
        copy.blackCount = GameState.blackCount;
        copy.whiteClosedCount = GameState.whiteClosedCount;
        copy.blackClosedCount = GameState.blackClosedCount;
        NoteSnapshotSaved();
    } else if (mode == 2) {
        for (int x = 0; x < kBoardCells; ++x)
            for (int y = 0; y < kBoardCells; ++y)
                GameState.board[x][y] = copy.board[x][y];
        GameState.emptyCount = copy.emptyCount;
        GameState.whiteCount = copy.whiteCount;
        GameState.blackCount = copy.blackCount;
        GameState.whiteClosedCount = copy.whiteClosedCount;
        GameState.blackClosedCount = copy.blackClosedCount;
        NoteSnapshotRestored();
    }
}

// Runs only after a cycle of passes that changed nothing, which is what a
// restore of the snapshot relies on (PassTracking.h, invariant 2).
void TrialPlacement()
{
    Snapshot(1);
    for (int x = 1; x <= GameState.width; ++x) {
        for (int y = 1; y <= GameState.height; ++y) {
            if (CodeAt(x, y) != Empty)
                continue;

            PlaceCell(x, y, PlacedWhite);
            Propagate();
            if (GameState.status == StatusContradiction) {
                Snapshot(2);
                PlaceCell(x, y, PlacedBlack);
                GameState.status = StatusNone;
                return;
            }
            const bool whiteFilled = GameState.emptyCount == 0;
            Snapshot(2);

            PlaceCell(x, y, PlacedBlack);
            Propagate();
            if (GameState.status == StatusContradiction) {
                Snapshot(2);
                PlaceCell(x, y, PlacedWhite);
                GameState.status = StatusNone;
                return;
            }
            if (GameState.emptyCount == 0 && whiteFilled) {
                // Keep the black trial's board: the circled cell shows black,
                // and white there solves the puzzle too.
                GameState.altCell = {x, y};
                GameState.status = StatusMultipleSolutions;
                return;
            }
            Snapshot(2);
        }
    }
    GameState.status = StatusUnsolvable;
}

namespace {

void SolveFromGivens()
{
    for (;;) {
        RunPasses();
        if (GameState.status == StatusContradiction)
            return;
        if (GameState.emptyCount == 0) {
            if (!ColoursConnected())
                GameState.status = StatusContradiction;
            return;
        }
        if (GameState.progressFlag != 0)
            continue;
        TrialPlacement();
        if (GameState.status == StatusUnsolvable || GameState.status == StatusMultipleSolutions)
            return;
    }
}

}  // namespace

void AutoSolve()
{
    InitSolver();
    if (GameState.status != StatusNone)
        return;
    StartTracking();
    SolveFromGivens();
    StopTracking();
}
