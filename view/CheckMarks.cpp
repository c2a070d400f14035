#include "view/CheckMarks.h"

#include <QPainter>
#include <QPen>

#include "view/Geometry.h"
#include "view/Palette.h"

namespace {

enum class Shape { Frame, Cross, Circle, Outline };

struct MarkLook {
    MarkKind kind;
    Shape shape;
    const QColor& colour;
};

const MarkLook kLooks[] = {
    {kFrameMark, Shape::Frame, palette::kMarkRed},
    {kCrossMark, Shape::Cross, palette::kMarkRed},
    {kHintMark, Shape::Circle, palette::kMarkBlue},
    {kHintReasonMark, Shape::Outline, palette::kMarkBlue},
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

// A ring around the stone, as wide as the frame, inside the cell's picture.
void PaintCircle(QPainter& dc, const geom::Rect& in, const QColor& colour)
{
    const int t = geom::kCheckMarkWidth;
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, true);
    dc.setPen(QPen(colour, t));
    dc.setBrush(Qt::NoBrush);
    dc.drawEllipse(QRectF(in.left + t / 2.0, in.top + t / 2.0, in.width() - t, in.height() - t));
    dc.restore();
}

// One pixel along the inside edge of the cell's picture.
void PaintOutline(QPainter& dc, const geom::Rect& in, const QColor& colour)
{
    dc.fillRect(in.left, in.top, in.width(), 1, colour);
    dc.fillRect(in.left, in.bottom - 1, in.width(), 1, colour);
    dc.fillRect(in.left, in.top + 1, 1, in.height() - 2, colour);
    dc.fillRect(in.right - 1, in.top + 1, 1, in.height() - 2, colour);
}

}  // namespace

void PaintCheckMarks(QPainter& dc, int marks, int x, int y)
{
    for (const MarkLook& look : kLooks) {
        if (!(marks & look.kind))
            continue;
        const geom::Rect in = geom::CellInsideRect(x, y);
        switch (look.shape) {
        case Shape::Frame: PaintFrame(dc, in, look.colour); break;
        case Shape::Cross: PaintCross(dc, in, look.colour); break;
        case Shape::Circle: PaintCircle(dc, in, look.colour); break;
        case Shape::Outline: PaintOutline(dc, in, look.colour); break;
        }
    }
}
