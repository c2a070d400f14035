// Which cells the deduction passes still have to look at.
//
// A pass that finds nothing to do at a cell finds nothing there again until
// something it reads changes: the local patterns read the cell's eight
// neighbours, the dead-end test reads the four orthogonal neighbours (code and
// closed byte), the perimeter pass reads the ring. So while AutoSolve runs,
// each pass visits, in its usual scan order, only the cells marked here and
// comes to exactly the result of a full scan. That matters in the trials,
// which run thousands of cycles on boards that differ in a few cells.
// Outside AutoSolve the passes scan every cell.
#pragma once

#include <cstdint>

#include "model/GameState.h"

struct PassTracking {
    bool active = false;
    // Bit y of [x]: the pass has to look at (x, y) again.
    std::uint32_t localDirty[kBoardCells] = {};
    std::uint32_t deadEndDirty[kBoardCells] = {};
    bool ringDirty = false;

    // The cells changed since the board last equalled the snapshot copy, so
    // that a restore marks just their neighbourhoods.
    static constexpr int kLogEntries = 2 * kBoardCells * kBoardCells;
    std::uint8_t changedX[kLogEntries] = {};
    std::uint8_t changedY[kLogEntries] = {};
    int changes = 0;
    bool logOverflow = false;
};

extern PassTracking Tracking;

// Marks every cell and the ring; from then on only changes mark cells.
void StartTracking();
void StopTracking();

// Called for every change of a playable cell's code or closed byte, after the
// change.
void NoteCodeChanged(int x, int y);
void NoteClosedChanged(int x, int y);

// Snapshot's side: the board now equals the snapshot copy (after a save), or
// has just been copied back from it (after a restore).
void NoteSnapshotSaved();
void NoteSnapshotRestored();

// Bits 1..height: the rows a scan visits.
inline std::uint32_t PlayableRows()
{
    return ((2u << GameState.height) - 1) & ~1u;
}

// The next marked row after `after` in column x of a mask array, or 0. Marks
// set during the scan further down the column are seen.
inline int NextMarkedRow(const std::uint32_t* dirty, int x, int after)
{
    const std::uint32_t pending = dirty[x] & PlayableRows() & ~((2u << after) - 1);
    return pending ? __builtin_ctz(pending) : 0;
}
