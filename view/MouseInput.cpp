#include "view/CVandorView.h"

void CVandorView::OnLButtonDown(QPoint) {}
void CVandorView::OnLButtonUp(QPoint) {}
void CVandorView::OnRButtonDown(QPoint) {}
void CVandorView::OnRButtonUp(QPoint) {}
