// Reading a rendered page back: the page's figures in 0.1 mm are turned into
// pixels of an image of known resolution, and the image is sampled at points
// well inside a line, a circle or a gap, never on an anti-aliased edge.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>

#include <string>

#include "io/Notation.h"
#include "model/GameState.h"
#include "view/PrintPage.h"

namespace probe {

// A 15 x 15 board with given and placed stones of both colours in the corners
// and along the edges.
inline const char* const kFifteenByFifteen =
    "B . . . . . . . . . . . . . W\n"
    ". w . . . . . . . . . . . b .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . W B . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . b . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". . . . . . . . . . . . . . .\n"
    ". b . . . . . . . . . . . w .\n"
    "W . . . . . . . . . . . . . B\n";

// An image of a page: one page unit is `scale` pixels, and the page's origin
// sits at pixel (originX, originY).
struct PageImage {
    QImage image;
    double scale = 1.0;
    double originX = 0;
    double originY = 0;

    int PixelX(double ux) const { return static_cast<int>(originX + ux * scale); }
    int PixelY(double uy) const { return static_cast<int>(originY + uy * scale); }

    // Darker than mid-grey at the page point (ux, uy), give or take half a
    // unit (0.05 mm), which absorbs a rasteriser's rounding of the origin.
    bool Dark(double ux, double uy) const
    {
        const double cx = originX + ux * scale, cy = originY + uy * scale, d = 0.5 * scale;
        for (int py = static_cast<int>(cy - d); py <= static_cast<int>(cy + d); ++py)
            for (int px = static_cast<int>(cx - d); px <= static_cast<int>(cx + d); ++px)
                if (px >= 0 && py >= 0 && px < image.width() && py < image.height() &&
                    qGray(image.pixel(px, py)) < 128)
                    return true;
        return false;
    }
};

// Renders DrawPrintPage into a white image at `dpi`, just large enough for
// the board of GameState, or a whole A4 sheet.
inline PageImage RenderPage(int dpi, bool wholeSheet = false)
{
    PageImage page;
    page.scale = dpi / page::kUnitsPerInch;
    const double unitsWide = wholeSheet ? 2100 : page::GridRight(GameState.width) + 100;
    const double unitsHigh = wholeSheet ? 2970 : page::GridBottom(GameState.height) + 100;
    page.image = QImage(qRound(unitsWide * page.scale), qRound(unitsHigh * page.scale), QImage::Format_RGB32);
    page.image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    page.image.setDotsPerMeterX(dotsPerMeter);
    page.image.setDotsPerMeterY(dotsPerMeter);
    QPainter dc(&page.image);
    DrawPrintPage(dc);
    return page;
}

inline void Load(const std::string& board)
{
    std::string error;
    ASSERT_TRUE(LoadNotation(board, &error)) << error;
}

// An empty w x h board in the notation.
inline std::string EmptyBoard(int w, int h)
{
    std::string row(static_cast<std::size_t>(w), '.');
    std::string text;
    for (int y = 0; y < h; ++y)
        text += row + "\n";
    return text;
}

// Checks every square and circle of the board in GameState against the page
// figures: grid lines where the 10 mm squares meet and nowhere else, white
// paper just outside the grid, and for each cell a ring (white stone), a disc
// (black stone) or nothing, 8 mm across and 1 mm inside the square.
inline void ExpectBoardDrawn(const PageImage& page)
{
    const int w = GameState.width, h = GameState.height;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            SCOPED_TRACE("cell (" + std::to_string(x) + ", " + std::to_string(y) + ")");
            const double l = page::SquareLeft(x), t = page::SquareTop(y);
            const double mid = page::kSquareSize / 2.0;
            const double r = page::kSquareSize;
            // The four edges, then the 1 mm gap inside them, and 0.5 mm outside
            // the line, so a thick pen or a shifted square shows.
            EXPECT_TRUE(page.Dark(l, t + mid));
            EXPECT_TRUE(page.Dark(l + r, t + mid));
            EXPECT_TRUE(page.Dark(l + mid, t));
            EXPECT_TRUE(page.Dark(l + mid, t + r));
            EXPECT_FALSE(page.Dark(l + 5, t + mid));
            EXPECT_FALSE(page.Dark(l + r - 5, t + mid));
            EXPECT_FALSE(page.Dark(l + mid, t + 5));
            EXPECT_FALSE(page.Dark(l + mid, t + r - 5));
            // Corners of the square lie outside any circle.
            EXPECT_FALSE(page.Dark(l + 15, t + 15));
            EXPECT_FALSE(page.Dark(l + r - 15, t + r - 15));

            const int stone = colour(GameState.board[x][y].code);
            const double in = page::kStoneInset;
            // The circle's leftmost, rightmost, top and bottom points.
            EXPECT_EQ(page.Dark(l + in, t + mid), stone != 0);
            EXPECT_EQ(page.Dark(l + r - in, t + mid), stone != 0);
            EXPECT_EQ(page.Dark(l + mid, t + in), stone != 0);
            EXPECT_EQ(page.Dark(l + mid, t + r - in), stone != 0);
            // 0.4 mm outside the circle is paper; 0.4 mm inside only a disc is dark.
            EXPECT_FALSE(page.Dark(l + in - 4, t + mid));
            EXPECT_EQ(page.Dark(l + in + 4, t + mid), stone == 2);
            EXPECT_EQ(page.Dark(l + mid, t + mid), stone == 2);
        }
    }
    // Paper just outside the grid on every side.
    for (int x = 1; x <= w; ++x) {
        const double cx = page::SquareLeft(x) + 50;
        EXPECT_FALSE(page.Dark(cx, page::SquareTop(1) - 5)) << "above column " << x;
        EXPECT_FALSE(page.Dark(cx, page::GridBottom(h) + 5)) << "below column " << x;
    }
    for (int y = 1; y <= h; ++y) {
        const double cy = page::SquareTop(y) + 50;
        EXPECT_FALSE(page.Dark(page::SquareLeft(1) - 5, cy)) << "left of row " << y;
        EXPECT_FALSE(page.Dark(page::GridRight(w) + 5, cy)) << "right of row " << y;
    }
}

// The extent of the dark pixels inside [x0, x1) x [y0, y1), in page units;
// empty (right < left) when there are none.
struct Extent {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    bool Empty() const { return right < left; }
};

inline Extent DarkExtent(const PageImage& page, double x0, double y0, double x1, double y1)
{
    Extent e;
    const int px0 = std::max(0, page.PixelX(x0)), py0 = std::max(0, page.PixelY(y0));
    const int px1 = std::min(page.image.width(), page.PixelX(x1));
    const int py1 = std::min(page.image.height(), page.PixelY(y1));
    for (int py = py0; py < py1; ++py) {
        for (int px = px0; px < px1; ++px) {
            if (qGray(page.image.pixel(px, py)) >= 128)
                continue;
            const double ux = (px - page.originX) / page.scale, uy = (py - page.originY) / page.scale;
            e.left = std::min(e.left, ux);
            e.right = std::max(e.right, ux);
            e.top = std::min(e.top, uy);
            e.bottom = std::max(e.bottom, uy);
        }
    }
    return e;
}

// The title sits in its 10 mm line box hanging from (20 mm, 15 mm), and the
// page holds nothing else besides the grid.
inline void ExpectTitleAndNothingElse(const PageImage& page)
{
    const int w = GameState.width, h = GameState.height;
    const Extent title = DarkExtent(page, 0, 0, 2100, page::SquareTop(1) - 20);
    ASSERT_FALSE(title.Empty()) << "no title";
    EXPECT_GE(title.left, page::kTitleX - 2);
    EXPECT_GE(title.top, page::kTitleY - 2);
    EXPECT_LE(title.bottom, page::kTitleY + page::kTitleHeight + 2);
    // "Vandor" in a 10 mm face is several centimetres long and at least the
    // height of its capital.
    EXPECT_GT(title.right - title.left, 250);
    EXPECT_LT(title.right - title.left, 700);
    EXPECT_GT(title.bottom - title.top, 50);

    // Beside and below the grid: nothing (no status line, buttons or labels).
    EXPECT_TRUE(DarkExtent(page, page::GridRight(w) + 3, page::SquareTop(1) - 20, 2100, 2970).Empty());
    EXPECT_TRUE(DarkExtent(page, 0, page::GridBottom(h) + 3, 2100, 2970).Empty());
    EXPECT_TRUE(DarkExtent(page, 0, page::SquareTop(1) - 20, page::SquareLeft(1) - 3, 2970).Empty());
}

}  // namespace probe
