// The automatic solver: deduction passes, propagation, one level of trial
// placement. Every function works on the record it is given and reports
// through it (status, progressFlag, the counters); none keeps state of its
// own, so solves of different records may run on different threads at once.
// Besides the record none takes more than coordinates, a cell code or a mode;
// none allocates.
#pragma once

#include "model/GameState.h"

// Stone placement and the 2 x 2 rules.
void PlaceCell(GameStateRecord& state, int x, int y, int code);
void CloseCell(GameStateRecord& state, int x, int y);
void CheckBlocks(GameStateRecord& state, int x, int y, int code);

// The three deduction passes, run in this order in every cycle.
void LocalPatternPass(GameStateRecord& state);
void DeadEndPass(GameStateRecord& state);
void PerimeterPass(GameStateRecord& state);

// Helpers of the dead-end pass and the perimeter pass.
void CheckWhiteStone(GameStateRecord& state, int x, int y);
void CheckBlackStone(GameStateRecord& state, int x, int y);
void FloodFill(GameStateRecord& state, int x, int y, int colour);
void FillStep(GameStateRecord& state, int x, int y, int colour);
void FillBorderArc(GameStateRecord& state, int x1, int y1, int x2, int y2, int code);

// Drivers.
void InitSolver(GameStateRecord& state);
void Propagate(GameStateRecord& state);
void Snapshot(GameStateRecord& state, int mode);  // 1 save, 2 restore, anything else nothing
void TrialPlacement(GameStateRecord& state);
void AutoSolve(GameStateRecord& state);

// True when the white stones on the board form one orthogonally connected
// group and the black stones another (a colour without stones counts as
// connected). The solver checks this wherever it accepts a full board.
bool ColoursConnected(const GameStateRecord& state);
