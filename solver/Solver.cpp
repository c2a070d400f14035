// Placeholder bodies until the solver lands.
#include "solver/Solver.h"

#include "model/GameState.h"

void PlaceCell(int, int, int) {}
void CloseCell(int, int) {}
void CheckBlocks(int, int, int) {}
void LocalPatternPass() {}
void DeadEndPass() {}
void PerimeterPass() {}
void CheckWhiteStone(int, int) {}
void CheckBlackStone(int, int) {}
void FloodFill(int, int, int) {}
void FillStep(int, int, int) {}
void FillBorderArc(int, int, int, int, int) {}
void InitSolver() {}
void Propagate() {}
void Snapshot(int) {}
void TrialPlacement() {}
void AutoSolve() { GameState.status = StatusUnsolvable; }
bool ColoursConnected() { return true; }
