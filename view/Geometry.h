// Screen geometry of the board window and the pieces of the bitmap atlas.
// Drawing, mouse hit tests and tests all take their numbers from here.
// Client-area pixels, origin top left, y downwards; w = width, h = height.
#pragma once

#include <QRect>

namespace geom {

struct Rect {  // left, top inclusive; right, bottom exclusive
    int left, top, right, bottom;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
};

// Cells: 25 x 25 pictures placed 24 pixels apart, so neighbours share frames.
constexpr int kCellPitch = 24;
constexpr int kCellPicture = 25;
constexpr int CellLeft(int x) { return kCellPitch * x + 1; }
constexpr int CellTop(int y) { return kCellPitch * y + 26; }
// The 24 x 24 square a cell repaint covers, and the red circle's box.
constexpr Rect CellRect(int x, int y) { return {CellLeft(x), CellTop(y), CellLeft(x) + 24, CellTop(y) + 24}; }
inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
// The inside of a cell picture, within its one-pixel frame lines: 23 x 23.
constexpr Rect CellInsideRect(int x, int y)
{
    return {CellLeft(x) + 1, CellTop(y) + 1, CellLeft(x) + kCellPicture - 1, CellTop(y) + kCellPicture - 1};
}
// A cell marked by a check gets a red frame this wide along the inside edge
// of CellInsideRect, clear of the grid lines.
constexpr int kCheckMarkWidth = 2;
// The keyboard cursor: a frame this wide just inside the check mark's frame.
constexpr int kCursorWidth = 2;
constexpr Rect CursorRect(int x, int y)
{
    const Rect in = CellInsideRect(x, y);
    return {in.left + kCheckMarkWidth, in.top + kCheckMarkWidth, in.right - kCheckMarkWidth,
            in.bottom - kCheckMarkWidth};
}
// A wrong stone's cross runs corner to corner this far inside CellInsideRect.
constexpr int kCrossMarkInset = 3;
constexpr Rect BoardRect(int w, int h) { return {25, 50, kCellPitch * w + 25, kCellPitch * h + 50}; }

// Title pieces and status line.
constexpr int kTitle1X = 10, kTitle1Y = 5;
constexpr int kTitle2X = 130, kTitle2Y = 5;
constexpr int kStatusX = 30, kStatusY = 30;  // text origin: top left of the text box

// Button column.
constexpr int ButtonColumnX(int w) { return kCellPitch * w + 66; }
constexpr int kButtonWidth = 101;
constexpr int kButtonHeight = 35;
constexpr int kLabelHeight = 22;
constexpr int kLabelY = 50;
constexpr int kUpperButtonY = 100;
constexpr int kLowerButtonY = 160;

// The main window is fitted to this outer size.
constexpr int WindowWidth(int w) { return kCellPitch * w + 200; }
constexpr int WindowHeight(int h) { return kCellPitch * h + 150; }

// The eight teal background rectangles (left, top, right, bottom as given to
// the rectangle call, which fills right and bottom exclusive).
constexpr int kBackgroundRects = 8;
constexpr Rect BackgroundRect(int i, int w, int h)
{
    const int bx = ButtonColumnX(w);
    switch (i) {
    case 0: return {0, 0, 4096, 50};
    case 1: return {0, 0, 25, 2048};
    case 2: return {kCellPitch * w + 167, 0, 4096, 2048};
    case 3: return {25, kCellPitch * h + 52, kCellPitch * w + 65, 2048};
    case 4: return {kCellPitch * w + 27, 51, bx, 2048};
    case 5: return {bx, 73, bx + kButtonWidth, 100};
    case 6: return {bx, 136, bx + kButtonWidth, 160};
    default: return {bx, 196, bx + kButtonWidth, 2048};
    }
}
// The pixels a background rectangle actually covers: its width-2 outline
// straddles the left and top edges by one pixel, which is what closes the
// one-pixel rows and columns between the pictures (below the grid, right of
// it, under the label and the buttons).
constexpr Rect PaintedBackgroundRect(int i, int w, int h)
{
    const Rect r = BackgroundRect(i, w, h);
    return {r.left - 1, r.top - 1, r.right, r.bottom};
}

// Where the pieces of the window go for a board of w x h: worked out once
// per size, painted from by every paint.
struct Point {
    int x, y;
};
struct ViewLayout {
    int width = -1, height = -1;  // the size this layout is for
    int columns = 0, rows = 0;    // the cells that are painted
    Rect background[kBackgroundRects]{};
    Point title1{}, title2{}, status{};
    Point label{}, upperButton{}, lowerButton{};
    Rect board{};
};
// maxCells: how many columns and rows the board array can hold, so a damaged
// size never paints past it.
constexpr ViewLayout LayoutFor(int w, int h, int maxCells)
{
    ViewLayout l;
    l.width = w;
    l.height = h;
    l.columns = w < maxCells ? w : maxCells;
    l.rows = h < maxCells ? h : maxCells;
    for (int i = 0; i < kBackgroundRects; ++i)
        l.background[i] = PaintedBackgroundRect(i, w, h);
    l.title1 = {kTitle1X, kTitle1Y};
    l.title2 = {kTitle2X, kTitle2Y};
    l.status = {kStatusX, kStatusY};
    l.label = {ButtonColumnX(w), kLabelY};
    l.upperButton = {ButtonColumnX(w), kUpperButtonY};
    l.lowerButton = {ButtonColumnX(w), kLowerButtonY};
    l.board = BoardRect(w, h);
    return l;
}

// Mouse hit areas; every comparison is strict.
constexpr bool HitsGrid(int px, int py, int w, int h)
{
    return px > 25 && px < kCellPitch * w + 25 && py > 50 && py < kCellPitch * h + 50;
}
constexpr int ColumnAt(int px) { return (px - 25) / kCellPitch + 1; }
constexpr int RowAt(int py) { return (py - 50) / kCellPitch + 1; }
constexpr bool HitsButtonColumn(int px, int w) { return px > ButtonColumnX(w) && px < kCellPitch * w + 167; }
constexpr bool HitsUpperButton(int px, int py, int w) { return HitsButtonColumn(px, w) && py > 100 && py < 136; }
constexpr bool HitsLowerButton(int px, int py, int w) { return HitsButtonColumn(px, w) && py > 160 && py < 196; }

}  // namespace geom

// Pieces of the bitmap atlas (132 x 302, 16 colours).
namespace atlas {

constexpr int kWidth = 132;
constexpr int kHeight = 302;

struct Piece {
    int x, y, width, height;
};

// Cell pictures, chosen by cell code; codes without a picture draw nothing.
constexpr int kCellX = 0;
constexpr int kEmptyCellY = 0;
constexpr int kWhiteStoneY = 24;
constexpr int kBlackStoneY = 48;
constexpr int kPlacedWhiteY = 96;
constexpr int kPlacedBlackY = 120;
constexpr int kSpareCellY[] = {72, 144, 168, 192};  // copies of the empty cell, never drawn

// Returns false for Wall and unknown codes.
constexpr bool CellPieceY(int code, int& y)
{
    switch (code) {
    case 0: y = kEmptyCellY; return true;
    case 1: y = kWhiteStoneY; return true;
    case 2: y = kBlackStoneY; return true;
    case 4: y = kPlacedWhiteY; return true;
    case 5: y = kPlacedBlackY; return true;
    default: return false;
    }
}

constexpr int kButtonX = 26;
constexpr Piece kToSolveButton{26, 0, 101, 35};     // 解答モードへ
constexpr Piece kToCreateButton{26, 35, 101, 35};   // 作成モードへ
constexpr Piece kBackToStartButton{26, 70, 101, 35};  // 最初に戻る
constexpr Piece kClearAllButton{26, 105, 101, 35};  // 全クリア
constexpr Piece kBackOneButton{26, 140, 101, 35};   // 1つ戻る
constexpr Piece kAutoSolveButton{26, 175, 101, 35}; // 自動解答
constexpr Piece kCreateLabel{26, 211, 101, 22};     // 作成モード
constexpr Piece kSolveLabel{26, 234, 101, 22};      // 解答モード
constexpr Piece kTitle1{0, 257, 120, 21};
constexpr Piece kTitle2{0, 279, 80, 21};

}  // namespace atlas
