#include "view/CVandorView.h"

void CVandorView::OnAutoSolve() {}
