#include "view/CVandorView.h"

void CVandorView::OnCheckUnique() {}
void CVandorView::OnCheckAnswer() {}
