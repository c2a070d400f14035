// The auto-solve command of the upper button in SolveStart.
#include "view/CVandorView.h"

#include "model/GameState.h"
#include "solver/Solver.h"

void CVandorView::OnAutoSolve()
{
    // The solver runs to completion on this thread and nothing repaints while
    // it works, so the analysing line has to be painted now, before it starts.
    GameState.status = StatusAnalyzing;
    repaint();
    GameState.status = StatusNone;

    AutoSolve(GameState);

    // The solver's stones get no undo records; any outcome ends the solve.
    GameState.mode = SolveFinished;
    ClearCheckMarks();
    update();
}
