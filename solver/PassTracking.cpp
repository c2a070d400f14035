#include "solver/PassTracking.h"

PassTracking Tracking;

namespace {

void MarkEverything()
{
    for (int x = 0; x < kBoardCells; ++x) {
        Tracking.localDirty[x] = ~0u;
        Tracking.deadEndDirty[x] = ~0u;
    }
    Tracking.ringDirty = true;
}

void Log(int x, int y)
{
    if (Tracking.changes == PassTracking::kLogEntries) {
        Tracking.logOverflow = true;
        return;
    }
    Tracking.changedX[Tracking.changes] = static_cast<std::uint8_t>(x);
    Tracking.changedY[Tracking.changes] = static_cast<std::uint8_t>(y);
    ++Tracking.changes;
}

// Marks the cells whose view of the board a change at (x, y) alters: the
// 3 x 3 block around it for the local patterns, the cell and its orthogonal
// neighbours for the dead-end test, the ring if the cell is on it. Marking a
// cell that turns out to need nothing only costs the pass a look.
void MarkAround(int x, int y)
{
    const std::uint32_t column = 7u << (y - 1);
    const std::uint32_t row = 1u << y;
    Tracking.localDirty[x - 1] |= column;
    Tracking.localDirty[x] |= column;
    Tracking.localDirty[x + 1] |= column;
    Tracking.deadEndDirty[x - 1] |= row;
    Tracking.deadEndDirty[x] |= column;
    Tracking.deadEndDirty[x + 1] |= row;
    if (x == 1 || y == 1 || x == GameState.width || y == GameState.height)
        Tracking.ringDirty = true;
}

}  // namespace

void StartTracking()
{
    MarkEverything();
    Tracking.changes = 0;
    Tracking.logOverflow = true;  // no snapshot of this run yet
    Tracking.active = true;
}

void StopTracking()
{
    Tracking.active = false;
}

void NoteCodeChanged(int x, int y)
{
    MarkAround(x, y);
    Log(x, y);
}

void NoteClosedChanged(int x, int y)
{
    // The closed byte is read by the dead-end test alone.
    const std::uint32_t row = 1u << y;
    Tracking.deadEndDirty[x - 1] |= row;
    Tracking.deadEndDirty[x] |= 7u << (y - 1);
    Tracking.deadEndDirty[x + 1] |= row;
    Log(x, y);
}

void NoteSnapshotSaved()
{
    Tracking.changes = 0;
    Tracking.logOverflow = false;
}

void NoteSnapshotRestored()
{
    if (Tracking.logOverflow) {
        MarkEverything();
    } else {
        for (int i = 0; i < Tracking.changes; ++i)
            MarkAround(Tracking.changedX[i], Tracking.changedY[i]);
    }
    Tracking.changes = 0;
    Tracking.logOverflow = false;
}
