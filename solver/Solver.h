// The automatic solver: deduction passes, propagation, one level of trial
// placement. Every function works on GameState and reports through it
// (status, progressFlag, the counters); none takes more than coordinates, a
// cell code or a mode, none returns a value, none allocates.
#pragma once

// Stone placement and the 2 x 2 rules.
void PlaceCell(int x, int y, int code);
void CloseCell(int x, int y);
void CheckBlocks(int x, int y, int code);

// The three deduction passes, run in this order in every cycle.
void LocalPatternPass();
void DeadEndPass();
void PerimeterPass();

// Helpers of the dead-end pass and the perimeter pass.
void CheckWhiteStone(int x, int y);
void CheckBlackStone(int x, int y);
void FloodFill(int x, int y, int colour);
void FillStep(int x, int y, int colour);
void FillBorderArc(int x1, int y1, int x2, int y2, int code);

// Drivers.
void InitSolver();
void Propagate();
void Snapshot(int mode);  // 1 save, 2 restore, anything else nothing
void TrialPlacement();
void AutoSolve();

// True when the white stones on the board form one orthogonally connected
// group and the black stones another (a colour without stones counts as
// connected). The solver checks this wherever it accepts a full board.
bool ColoursConnected();
