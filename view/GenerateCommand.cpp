#include "view/CVandorView.h"

void CVandorView::OnGeneratePuzzle() {}
