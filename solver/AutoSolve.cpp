#include "solver/Solver.h"

#include "solver/CellAccess.h"
#include "solver/PassTracking.h"

namespace {

void RunPasses(GameStateRecord& state)
{
    state.progressFlag = 0;
    LocalPatternPass(state);
    DeadEndPass(state);
    PerimeterPass(state);
    if (SolverDriver.afterCycle)
        SolverDriver.afterCycle(state);
}

}  // namespace

void InitSolver(GameStateRecord& state)
{
    const int w = state.width;
    const int h = state.height;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            state.board[x][y].closed = 0;
            state.board[x][y].visited = 0;
        }
    }
    state.emptyCount = w * h;
    state.status = StatusNone;
    state.whiteCount = 0;
    state.blackCount = 0;
    state.whiteClosedCount = 0;
    state.blackClosedCount = 0;

    // Clear everything but the givens before any given is checked, so that no
    // given is tested against a stone that is about to be removed.
    for (int x = 1; x <= w; ++x)
        for (int y = 1; y <= h; ++y)
            if (!IsGivenStone(CodeAt(state, x, y)))
                state.board[x][y].code = Empty;
    for (int x = 1; x <= w; ++x)
        for (int y = 1; y <= h; ++y)
            if (IsGivenStone(CodeAt(state, x, y)))
                PlaceCell(state, x, y, CodeAt(state, x, y));
}

void Propagate(GameStateRecord& state)
{
    state.status = StatusNone;
    do {
        RunPasses(state);
        if (state.status == StatusContradiction)
            return;
    } while (state.progressFlag != 0);

    // The passes check a group's connectivity only when its last stone
    // closes, so a full board may still hold a colour in two groups.
    if (state.emptyCount == 0 && !ColoursConnected(state)) {
        state.status = StatusContradiction;
        return;
    }
    state.status = StatusUnsolvable;
}

void Snapshot(GameStateRecord& state, int mode)
{
    SnapshotCopy& copy = state.snapshot;
    if (mode == 1) {
        for (int x = 0; x < kBoardCells; ++x)
            for (int y = 0; y < kBoardCells; ++y)
                copy.board[x][y] = state.board[x][y];
        copy.emptyCount = state.emptyCount;
        copy.whiteCount = state.whiteCount;
        copy.blackCount = state.blackCount;
        copy.whiteClosedCount = state.whiteClosedCount;
        copy.blackClosedCount = state.blackClosedCount;
        NoteSnapshotSaved(state);
    } else if (mode == 2) {
        for (int x = 0; x < kBoardCells; ++x)
            for (int y = 0; y < kBoardCells; ++y)
                state.board[x][y] = copy.board[x][y];
        state.emptyCount = copy.emptyCount;
        state.whiteCount = copy.whiteCount;
        state.blackCount = copy.blackCount;
        state.whiteClosedCount = copy.whiteClosedCount;
        state.blackClosedCount = copy.blackClosedCount;
        NoteSnapshotRestored(state);
    }
}

// Runs only after a cycle of passes that changed nothing, which is what a
// restore of the snapshot relies on (PassTracking.h, invariant 2).
void TrialPlacement(GameStateRecord& state)
{
    Snapshot(state, 1);
    for (int x = 1; x <= state.width; ++x) {
        for (int y = 1; y <= state.height; ++y) {
            if (CodeAt(state, x, y) != Empty)
                continue;

            PlaceCell(state, x, y, PlacedWhite);
            Propagate(state);
            if (state.status == StatusContradiction) {
                Snapshot(state, 2);
                PlaceCell(state, x, y, PlacedBlack);
                state.status = StatusNone;
                return;
            }
            const bool whiteFilled = state.emptyCount == 0;
            Snapshot(state, 2);

            PlaceCell(state, x, y, PlacedBlack);
            Propagate(state);
            if (state.status == StatusContradiction) {
                Snapshot(state, 2);
                PlaceCell(state, x, y, PlacedWhite);
                state.status = StatusNone;
                return;
            }
            if (state.emptyCount == 0 && whiteFilled) {
                // Keep the black trial's board: the circled cell shows black,
                // and white there solves the puzzle too.
                state.altCell = {x, y};
                state.status = StatusMultipleSolutions;
                return;
            }
            Snapshot(state, 2);
        }
    }
    state.status = StatusUnsolvable;
}

namespace {

void SolveFromGivens(GameStateRecord& state)
{
    for (;;) {
        RunPasses(state);
        if (state.status == StatusContradiction)
            return;
        if (state.emptyCount == 0) {
            if (!ColoursConnected(state))
                state.status = StatusContradiction;
            return;
        }
        if (state.progressFlag != 0)
            continue;
        TrialPlacement(state);
        if (state.status == StatusUnsolvable || state.status == StatusMultipleSolutions)
            return;
    }
}

}  // namespace

void AutoSolve(GameStateRecord& state)
{
    InitSolver(state);
    if (state.status != StatusNone)
        return;
    StartTracking(state);
    SolveFromGivens(state);
    StopTracking(state);
}
