#include "view/CheckMarks.h"

#include <QPainter>
#include <QPen>

#include "view/Geometry.h"
#include "view/Palette.h"

namespace {

enum class Shape { Frame, Cross };

struct MarkLook {
    MarkKind kind;
    Shape shape;
    const QColor& colour;
};

const MarkLook kLooks[] = {
    {kFrameMark, Shape::Frame, palette::kMarkRed},
    {kCrossMark, Shape::Cross, palette::kMarkRed},
};

// A ring kCheckMarkWidth wide along the inside edge of the cell's picture,
// clear of the grid lines.
void PaintFrame(QPainter& dc, const geom::Rect& in, const QColor& colour)
{
    const int t = geom::kCheckMarkWidth;
    dc.fillRect(in.left, in.top, in.width(), t, colour);
    dc.fillRect(in.left, in.bottom - t, in.width(), t, colour);
    dc.fillRect(in.left, in.top + t, t, in.height() - 2 * t, colour);
    dc.fillRect(in.right - t, in.top + t, t, in.height() - 2 * t, colour);
}

// Two diagonals across the stone, as wide as the frame, so the cross is seen
// on a white ring and on a black disc alike, and inside a frame as well.
void PaintCross(QPainter& dc, const geom::Rect& in, const QColor& colour)
{
    const int inset = geom::kCrossMarkInset;
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setPen(QPen(colour, geom::kCheckMarkWidth, Qt::SolidLine, Qt::FlatCap));
    const int left = in.left + inset, top = in.top + inset;
    const int right = in.right - 1 - inset, bottom = in.bottom - 1 - inset;
    dc.drawLine(left, top, right, bottom);
    dc.drawLine(left, bottom, right, top);
    dc.restore();
}

}  // namespace

void PaintCheckMarks(QPainter& dc, int marks, int x, int y)
{
    for (const MarkLook& look : kLooks) {
        if (!(marks & look.kind))
            continue;
        const geom::Rect in = geom::CellInsideRect(x, y);
        if (look.shape == Shape::Frame)
            PaintFrame(dc, in, look.colour);
        else
            PaintCross(dc, in, look.colour);
    }
}
