#include "view/CVandorView.h"

void CVandorView::OnBoardSize() {}
void CVandorView::OnHelpRules() {}
void CVandorView::OnHelpCreate() {}
void CVandorView::OnHelpSolve() {}
