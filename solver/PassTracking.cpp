#include "solver/PassTracking.h"

PassTracking Tracking;

void StartTracking()
{
    for (int x = 0; x < kBoardCells; ++x) {
        Tracking.localDirty[x] = ~0u;
        Tracking.deadEndDirty[x] = ~0u;
    }
    Tracking.ringDirty = true;
    Tracking.active = true;
}

void StopTracking()
{
    Tracking.active = false;
}

void NoteCodeChanged(int x, int y)
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

void NoteClosedChanged(int x, int y)
{
    Tracking.deadEndDirty[x - 1] |= 1u << y;
    Tracking.deadEndDirty[x] |= 7u << (y - 1);
    Tracking.deadEndDirty[x + 1] |= 1u << y;
}
