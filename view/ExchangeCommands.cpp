#include "view/CVandorView.h"

void CVandorView::OnUrlLoad() {}
void CVandorView::OnUrlCopy() {}
void CVandorView::OnPzprv3Load() {}
