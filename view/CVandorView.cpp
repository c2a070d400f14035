#include "view/CVandorView.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "model/GameState.h"
#include "model/StatusText.h"
#include "res/Resources.h"
#include "view/Geometry.h"

namespace {

const QColor kTeal(0, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

void CopyPiece(QPainter& dc, int x, int y, const QPixmap& atlasPixmap, const atlas::Piece& piece)
{
    dc.drawPixmap(QPoint(x, y), atlasPixmap, QRect(piece.x, piece.y, piece.width, piece.height));
}

// The lower and upper button of each mode; false for modes without buttons.
bool ButtonsFor(int mode, atlas::Piece& lower, atlas::Piece& upper)
{
    switch (mode) {
    case CreateMode: lower = atlas::kToSolveButton; upper = atlas::kClearAllButton; return true;
    case SolveStart: lower = atlas::kToCreateButton; upper = atlas::kAutoSolveButton; return true;
    case SolveInProgress: lower = atlas::kBackToStartButton; upper = atlas::kBackOneButton; return true;
    case SolveFinished: lower = atlas::kBackToStartButton; upper = atlas::kClearAllButton; return true;
    default: return false;
    }
}

}  // namespace

CVandorView::CVandorView(QWidget* parent) : QWidget(parent) {}

void CVandorView::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    OnDraw(dc);
}

void CVandorView::OnDraw(QPainter& dc)
{
    // Text is drawn on an opaque teal background, so a new status line covers
    // the old one.
    dc.setBackgroundMode(Qt::OpaqueMode);
    dc.setBackground(kTeal);

    // Layout: rebuild the board after a size change, fit the window after a
    // rebuild or a load.
    if (GameState.layoutState == 0 || GameState.refitPending == 1) {
        if (GameState.layoutState == 0)
            ResetBoard();
        FitMainWindow();
        GameState.refitPending = 0;
    }
    if (GameState.layoutState == 1)
        GameState.layoutState = 2;

    const int w = GameState.width;
    const int h = GameState.height;

    // Background: only the areas that no picture covers.
    for (int i = 0; i < geom::kBackgroundRects; ++i)
        dc.fillRect(geom::ToQRect(geom::PaintedBackgroundRect(i, w, h)), kTeal);

    // Loading through QPixmap goes through the pixmap cache, so this decodes
    // the atlas once, not on every paint. Until it is there nothing is copied.
    const QPixmap atlasPixmap(res::kAtlas);

    CopyPiece(dc, geom::kTitle1X, geom::kTitle1Y, atlasPixmap, atlas::kTitle1);
    CopyPiece(dc, geom::kTitle2X, geom::kTitle2Y, atlasPixmap, atlas::kTitle2);

    if (const char* text = StatusText(GameState.status)) {
        dc.setFont(font());
        dc.setPen(kYellow);
        // The status origin is the top left of the text, not its baseline.
        dc.drawText(QPoint(geom::kStatusX, geom::kStatusY + dc.fontMetrics().ascent()), QString::fromUtf8(text));
    }

    // Cells, column by column. A corrupt size must not walk off the array.
    const int lastX = std::min(w, kBoardCells - 2);
    const int lastY = std::min(h, kBoardCells - 2);
    for (int x = 1; x <= lastX; ++x) {
        for (int y = 1; y <= lastY; ++y) {
            int pieceY = 0;
            if (atlas::CellPieceY(GameState.board[x][y].code, pieceY))
                CopyPiece(dc, geom::CellLeft(x), geom::CellTop(y), atlasPixmap,
                          {atlas::kCellX, pieceY, geom::kCellPicture, geom::kCellPicture});
        }
    }

    const int buttonX = geom::ButtonColumnX(w);
    atlas::Piece lower{}, upper{};
    if (ButtonsFor(GameState.mode, lower, upper)) {
        CopyPiece(dc, buttonX, geom::kLowerButtonY, atlasPixmap, lower);
        CopyPiece(dc, buttonX, geom::kUpperButtonY, atlasPixmap, upper);
    }
    CopyPiece(dc, buttonX, geom::kLabelY, atlasPixmap,
              GameState.mode == CreateMode ? atlas::kCreateLabel : atlas::kSolveLabel);

    // Cells marked by a check of the ﾂｰﾙ menu.
    if (GameState.checkMarkCount > 0) {
        for (int x = 1; x <= lastX; ++x) {
            for (int y = 1; y <= lastY; ++y) {
                if (!GameState.checkMarks[x][y])
                    continue;
                const geom::Rect in = geom::CellInsideRect(x, y);
                const int t = geom::kCheckMarkWidth;
                dc.fillRect(in.left, in.top, in.width(), t, kRed);
                dc.fillRect(in.left, in.bottom - t, in.width(), t, kRed);
                dc.fillRect(in.left, in.top + t, t, in.height() - 2 * t, kRed);
                dc.fillRect(in.right - t, in.top + t, t, in.height() - 2 * t, kRed);
            }
        }
    }

    if (GameState.status == StatusMultipleSolutions) {
        const geom::Rect box = geom::CellRect(GameState.altCell.x, GameState.altCell.y);
        dc.save();
        dc.setPen(QPen(kRed, 2));
        dc.setBrush(Qt::NoBrush);
        // The pen is centred on the outline of the ellipse inscribed in the box.
        dc.drawEllipse(QRectF(box.left, box.top, box.width(), box.height()).adjusted(0.5, 0.5, -0.5, -0.5));
        dc.restore();
    }
}

void CVandorView::FitMainWindow()
{
    QWidget* frame = window();
    const QSize outer(geom::WindowWidth(GameState.width), geom::WindowHeight(GameState.height));
    // resize() sets the size inside the window manager's frame; take the frame
    // off so that the window as a whole gets the wanted size. The position stays.
    const QSize decoration = frame->frameGeometry().size() - frame->geometry().size();
    frame->resize(outer - decoration);
    frame->raise();
}

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
