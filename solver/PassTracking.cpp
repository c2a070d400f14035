#include "solver/PassTracking.h"

#include <cassert>

SolverSwitches SolverDriver;

namespace {

void MarkEverything(GameStateRecord& state)
{
    ScanMarks& scan = state.scan;
    for (int x = 0; x < kBoardCells; ++x) {
        scan.local[x] = ~0u;
        scan.deadEnd[x] = ~0u;
    }
    scan.ring = 1;
}

[[maybe_unused]] bool Playable(const GameStateRecord& state, int x, int y)
{
    return x >= 1 && x <= state.width && y >= 1 && y <= state.height;
}

[[maybe_unused]] bool NothingMarked(const GameStateRecord& state)
{
    const ScanMarks& scan = state.scan;
    for (int x = 1; x <= state.width; ++x)
        if ((scan.local[x] | scan.deadEnd[x]) & PlayableRows(state))
            return false;
    return !scan.ring;
}

}  // namespace

void StartTracking(GameStateRecord& state)
{
    MarkEverything(state);
    state.scan.active = !SolverDriver.fullScans;
}

void StopTracking(GameStateRecord& state)
{
    state.scan.active = 0;
}

// Marks the cells whose view of the board a change at (x, y) alters: the
// 3 x 3 block around it for the local patterns, the cell and its orthogonal
// neighbours for the dead-end test, the ring if the cell is on it. Marking a
// cell that turns out to need nothing only costs the pass a look. The Wall
// ring keeps x - 1 and x + 1 inside the array.
void NoteCodeChanged(GameStateRecord& state, int x, int y)
{
    assert(Playable(state, x, y));
    ScanMarks& scan = state.scan;
    const std::uint32_t column = 7u << (y - 1);
    const std::uint32_t row = 1u << y;
    scan.local[x - 1] |= column;
    scan.local[x] |= column;
    scan.local[x + 1] |= column;
    scan.deadEnd[x - 1] |= row;
    scan.deadEnd[x] |= column;
    scan.deadEnd[x + 1] |= row;
    if (x == 1 || y == 1 || x == state.width || y == state.height)
        scan.ring = 1;
}

void NoteClosedChanged(GameStateRecord& state, int x, int y)
{
    // The closed byte is read by the dead-end test alone.
    assert(Playable(state, x, y));
    ScanMarks& scan = state.scan;
    const std::uint32_t row = 1u << y;
    scan.deadEnd[x - 1] |= row;
    scan.deadEnd[x] |= 7u << (y - 1);
    scan.deadEnd[x + 1] |= row;
}

void NoteSnapshotSaved([[maybe_unused]] const GameStateRecord& state)
{
    // Invariant 2: what a restore relies on.
    assert(!state.scan.active || NothingMarked(state));
}

void NoteSnapshotRestored(GameStateRecord& state)
{
    ScanMarks& scan = state.scan;
    for (int x = 0; x < kBoardCells; ++x) {
        scan.local[x] = 0;
        scan.deadEnd[x] = 0;
    }
    scan.ring = 0;
}
