// Which cells the deduction passes still have to look at.
//
// A pass that finds nothing to do at a cell finds nothing there again until
// something it reads changes: the local patterns read the cell's eight
// neighbours, the dead-end test reads the four orthogonal neighbours (code and
// closed byte), the perimeter pass reads the ring. So while AutoSolve runs,
// each pass visits, in its usual scan order, only the cells marked in the
// record's scan marks and comes to exactly the result of a full scan. That matters
// in the trials, which run thousands of cycles on boards that differ in a few
// cells. Outside AutoSolve the passes scan every cell.
//
// Two invariants make this exact; debug builds check the second:
// 1. A playable cell whose mark is clear would give its pass nothing to do:
//    every change of a code or closed byte marks the cells that read it.
// 2. After a cycle of passes without progress every playable mark and the
//    ring mark are clear, since each pass clears the marks it visits and
//    nothing changed to set new ones. Snapshot saves only then (the trials
//    start only after such a cycle), so the board a restore brings back is
//    one on which no pass finds anything: a restore clears every mark.
#pragma once

#include <cstdint>

#include "model/GameState.h"

static_assert(kBoardCells <= 32, "a column of marks is one 32-bit word");

// Marks every cell and the ring; from then on only changes mark cells.
void StartTracking(GameStateRecord& state);
void StopTracking(GameStateRecord& state);

// Called for every change of a playable cell's code or closed byte, after the
// change.
void NoteCodeChanged(GameStateRecord& state, int x, int y);
void NoteClosedChanged(GameStateRecord& state, int x, int y);

// Snapshot's side: the board has just been saved into the snapshot copy, or
// copied back from it.
void NoteSnapshotSaved(const GameStateRecord& state);
void NoteSnapshotRestored(GameStateRecord& state);

// Bits 1..height: the rows a scan visits.
inline std::uint32_t PlayableRows(const GameStateRecord& state)
{
    return ((2u << state.height) - 1) & ~1u;
}

// The next marked row after `after` in column x of a mask array, or 0. Marks
// set during the scan further down the column are seen.
inline int NextMarkedRow(const GameStateRecord& state, const std::uint32_t* marks, int x, int after)
{
    const std::uint32_t pending = marks[x] & PlayableRows(state) & ~((2u << after) - 1);
    return pending ? __builtin_ctz(pending) : 0;
}

// For the tests, which compare the tracked passes with full scans cycle by
// cycle: fullScans makes AutoSolve scan every cell in every pass, and
// afterCycle, when set, is called with the record after every cycle of the
// three passes. The product never sets them, so solves on several threads
// only ever read them.
struct SolverSwitches {
    bool fullScans = false;
    void (*afterCycle)(const GameStateRecord& state) = nullptr;
};
extern SolverSwitches SolverDriver;
