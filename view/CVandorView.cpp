#include "view/CVandorView.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/GameState.h"

CVandorView::CVandorView(QWidget* parent) : QWidget(parent) {}

void CVandorView::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    OnDraw(dc);
}

void CVandorView::OnDraw(QPainter&) {}

void CVandorView::FitMainWindow() {}

void CVandorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(event->position().toPoint());
}

void CVandorView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        OnRButtonUp(event->position().toPoint());
}
