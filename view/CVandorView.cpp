#include "view/CVandorView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "model/GameState.h"
#include "model/StatusText.h"
#include "res/Resources.h"
#include "view/CheckMarks.h"
#include "view/Geometry.h"
#include "view/Palette.h"

namespace {

void CopyPiece(QPainter& dc, geom::Point at, const QPixmap& atlasPixmap, const atlas::Piece& piece)
{
    dc.drawPixmap(QPoint(at.x, at.y), atlasPixmap, QRect(piece.x, piece.y, piece.width, piece.height));
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

// Background: only the areas that no picture covers.
void PaintBackground(QPainter& dc, const geom::ViewLayout& layout)
{
    for (const geom::Rect& r : layout.background)
        dc.fillRect(geom::ToQRect(r), palette::kTeal);
}

void PaintStatus(QPainter& dc, const geom::ViewLayout& layout, const QFont& font)
{
    const char* text = StatusText(GameState.status);
    if (!text)
        return;
    dc.setFont(font);
    dc.setPen(palette::kYellow);
    // The status origin is the top left of the text, not its baseline.
    dc.drawText(QPoint(layout.status.x, layout.status.y + dc.fontMetrics().ascent()), QString::fromUtf8(text));
}

// Cells, column by column.
void PaintCells(QPainter& dc, const geom::ViewLayout& layout, const QPixmap& atlasPixmap)
{
    for (int x = 1; x <= layout.columns; ++x) {
        for (int y = 1; y <= layout.rows; ++y) {
            int pieceY = 0;
            if (atlas::CellPieceY(GameState.board[x][y].code, pieceY))
                CopyPiece(dc, {geom::CellLeft(x), geom::CellTop(y)}, atlasPixmap,
                          {atlas::kCellX, pieceY, geom::kCellPicture, geom::kCellPicture});
        }
    }
}

void PaintButtons(QPainter& dc, const geom::ViewLayout& layout, const QPixmap& atlasPixmap)
{
    atlas::Piece lower{}, upper{};
    if (ButtonsFor(GameState.mode, lower, upper)) {
        CopyPiece(dc, layout.lowerButton, atlasPixmap, lower);
        CopyPiece(dc, layout.upperButton, atlasPixmap, upper);
    }
    CopyPiece(dc, layout.label, atlasPixmap, GameState.mode == CreateMode ? atlas::kCreateLabel : atlas::kSolveLabel);
}

// Cells marked by a check of the ﾂｰﾙ menu.
void PaintMarks(QPainter& dc, const geom::ViewLayout& layout)
{
    if (GameState.checkMarkCount <= 0)
        return;
    for (int x = 1; x <= layout.columns; ++x)
        for (int y = 1; y <= layout.rows; ++y)
            PaintCheckMarks(dc, GameState.checkMarks[x][y], x, y);
}

void PaintSecondSolution(QPainter& dc)
{
    if (GameState.status != StatusMultipleSolutions)
        return;
    const geom::Rect box = geom::CellRect(GameState.altCell.x, GameState.altCell.y);
    dc.save();
    dc.setPen(QPen(palette::kMarkRed, 2));
    dc.setBrush(Qt::NoBrush);
    // The pen is centred on the outline of the ellipse inscribed in the box.
    dc.drawEllipse(QRectF(box.left, box.top, box.width(), box.height()).adjusted(0.5, 0.5, -0.5, -0.5));
    dc.restore();
}

// The keyboard cursor: a frame kCursorWidth wide just inside a check's frame,
// so both can be seen on one cell.
void PaintCursor(QPainter& dc, QPoint cell)
{
    const geom::Rect r = geom::CursorRect(cell.x(), cell.y());
    const int t = geom::kCursorWidth;
    dc.fillRect(r.left, r.top, r.width(), t, palette::kCursor);
    dc.fillRect(r.left, r.bottom - t, r.width(), t, palette::kCursor);
    dc.fillRect(r.left, r.top + t, t, r.height() - 2 * t, palette::kCursor);
    dc.fillRect(r.right - t, r.top + t, t, r.height() - 2 * t, palette::kCursor);
}

}  // namespace

CVandorView::CVandorView(QWidget* parent) : QWidget(parent), m_liveJob(new LatestJob(this))
{
    // The board takes the keys of keyboard play.
    setFocusPolicy(Qt::StrongFocus);
}

void CVandorView::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    OnDraw(dc);
}

void CVandorView::OnDraw(QPainter& dc)
{
    ApplyPendingLayout();
    const geom::ViewLayout& layout = Layout();

    // Text is drawn on an opaque teal background, so a new status line covers
    // the old one.
    dc.setBackgroundMode(Qt::OpaqueMode);
    dc.setBackground(palette::kTeal);

    // Loading through QPixmap goes through the pixmap cache, so this decodes
    // the atlas once, not on every paint. Until it is there nothing is copied.
    const QPixmap atlasPixmap(res::kAtlas);

    PaintBackground(dc, layout);
    CopyPiece(dc, layout.title1, atlasPixmap, atlas::kTitle1);
    CopyPiece(dc, layout.title2, atlasPixmap, atlas::kTitle2);
    PaintStatus(dc, layout, font());
    PaintCells(dc, layout, atlasPixmap);
    PaintButtons(dc, layout, atlasPixmap);
    PaintMarks(dc, layout);
    PaintSecondSolution(dc);
    if (m_cursorShown)
        PaintCursor(dc, CursorCell());
}

// Rebuilds the board after a size change and fits the window after a rebuild
// or a load.
void CVandorView::ApplyPendingLayout()
{
    if (GameState.layoutState == 0 || GameState.refitPending == 1) {
        if (GameState.layoutState == 0)
            ResetBoard();
        // A rebuilt board and a loaded one are what there is to lose from now.
        if (GameState.layoutState == 1)
            KeepBoard();
        FitMainWindow();
        GameState.refitPending = 0;
        // The board is only now the one loaded or rebuilt.
        RefreshUndecided();
    }
    if (GameState.layoutState == 1)
        GameState.layoutState = 2;
}

const geom::ViewLayout& CVandorView::Layout()
{
    if (m_layout.width != GameState.width || m_layout.height != GameState.height)
        m_layout = geom::LayoutFor(GameState.width, GameState.height, kBoardCells - 2);
    return m_layout;
}

void CVandorView::FitMainWindow()
{
    QWidget* frame = window();
    const QSize outer(geom::WindowWidth(GameState.width), geom::WindowHeight(GameState.height));
    // resize() sets the size inside the window manager's frame; take the frame
    // off so that the window as a whole gets the wanted size. The position stays.
    QSize decoration = frame->frameGeometry().size() - frame->geometry().size();

    // A maximised or full-screen window keeps the screen's size, so leave that
    // state first. The window manager answers later, and until then the frame
    // is the one it draws around a maximised window, often thinner than the
    // normal one; size the window for the frame it last had as a normal window.
    const Qt::WindowStates fillsScreen = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (frame->windowState() & fillsScreen) {
        frame->setWindowState(frame->windowState() & ~fillsScreen);
        if (m_normalDecoration.isValid())
            decoration = m_normalDecoration;
    } else if (!decoration.isNull()) {
        // A window the window manager has not framed yet has none to remember.
        m_normalDecoration = decoration;
    }
    // The window cannot be made smaller than the board and its buttons.
    frame->setMinimumSize(outer - decoration);
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
