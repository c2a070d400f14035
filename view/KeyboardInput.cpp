// Keyboard play: the arrow keys move a cursor over the board, Space presses
// the cursor's cell as the left button would, Shift+Space and X as the right
// button would, Escape hides the cursor. The cursor is drawn only once an
// arrow key has been pressed; a mouse press hides it again.
#include "view/CVandorView.h"

#include <QKeyEvent>

#include <algorithm>

#include "model/GameState.h"
#include "view/Geometry.h"

QPoint CVandorView::CursorCell() const
{
    // The board may have shrunk since the cursor last moved.
    return QPoint(std::clamp(m_cursor.x(), 1, std::max(1, static_cast<int>(GameState.width))),
                  std::clamp(m_cursor.y(), 1, std::max(1, static_cast<int>(GameState.height))));
}

void CVandorView::SetCursorShown(bool shown)
{
    if (m_cursorShown == shown)
        return;
    m_cursorShown = shown;
    const QPoint c = CursorCell();
    update(geom::ToQRect(geom::CellRect(c.x(), c.y())));
}

void CVandorView::MoveCursor(int dx, int dy)
{
    // The first arrow key shows the cursor where it is; later ones move it.
    if (!m_cursorShown) {
        m_cursor = CursorCell();
        SetCursorShown(true);
        return;
    }
    const QPoint before = CursorCell();
    m_cursor = before + QPoint(dx, dy);
    m_cursor = CursorCell();
    update(geom::ToQRect(geom::CellRect(before.x(), before.y())));
    update(geom::ToQRect(geom::CellRect(m_cursor.x(), m_cursor.y())));
}

void CVandorView::PressCursorCell(bool left)
{
    if (!m_cursorShown)
        return;
    // The press lands where a mouse press on the cell's centre would.
    const QPoint c = CursorCell();
    const QPoint centre(geom::CellLeft(c.x()) + geom::kCellPitch / 2, geom::CellTop(c.y()) + geom::kCellPitch / 2);
    PressAt(centre, left);
}

void CVandorView::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool other = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (other) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: MoveCursor(-1, 0); break;
    case Qt::Key_Right: MoveCursor(1, 0); break;
    case Qt::Key_Up: MoveCursor(0, -1); break;
    case Qt::Key_Down: MoveCursor(0, 1); break;
    case Qt::Key_Space: PressCursorCell(!shift); break;
    case Qt::Key_X: PressCursorCell(false); break;
    case Qt::Key_Escape: SetCursorShown(false); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}
