#include "view/CVandorView.h"

void CVandorView::OnPuzzleLoad() {}
void CVandorView::OnPuzzleSave() {}
