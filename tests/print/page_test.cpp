// The printed page drawn into images of known resolution and measured in
// tenths of a millimetre.
#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>
#include <QTransform>

#include "page_probe.h"

namespace {

class PrintPageTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
};

TEST_F(PrintPageTest, NineByNineGridSpans20To110mmAcrossAnd40To130mmDown)
{
    probe::Load(probe::EmptyBoard(9, 9));
    const probe::PageImage page = probe::RenderPage(254, true);
    EXPECT_EQ(page::SquareLeft(1), 200);
    EXPECT_EQ(page::SquareTop(1), 400);
    EXPECT_EQ(page::GridRight(9), 1100);
    EXPECT_EQ(page::GridBottom(9), 1300);
    probe::ExpectBoardDrawn(page);
    probe::ExpectTitleAndNothingElse(page);
}

TEST_F(PrintPageTest, FifteenByFifteenGridReaches170By190mmOnA4)
{
    probe::Load(probe::kFifteenByFifteen);
    const probe::PageImage page = probe::RenderPage(254, true);
    EXPECT_EQ(page::GridRight(15), 1700);
    EXPECT_EQ(page::GridBottom(15), 1900);
    probe::ExpectBoardDrawn(page);
    probe::ExpectTitleAndNothingElse(page);
}

TEST_F(PrintPageTest, BlackStoneInCellOneOneIsAFilledCircleInsideItsSquare)
{
    probe::Load(probe::EmptyBoard(5, 5));
    GameState.board[1][1].code = PlacedBlack;
    const probe::PageImage page = probe::RenderPage(254);
    // Square (200, 400)-(300, 500); circle box (210, 410)-(290, 490).
    const probe::Extent square = probe::DarkExtent(page, 190, 390, 300, 500);
    EXPECT_NEAR(square.left, 199, 1);
    EXPECT_NEAR(square.top, 399, 1);
    const probe::Extent disc = probe::DarkExtent(page, 203, 403, 297, 497);
    EXPECT_NEAR(disc.left, 209, 1.5);
    EXPECT_NEAR(disc.right, 290, 1.5);
    EXPECT_NEAR(disc.top, 409, 1.5);
    EXPECT_NEAR(disc.bottom, 490, 1.5);
    probe::ExpectBoardDrawn(page);
}

// Rings, discs, bare squares: the board's content rather than its history
// decides. A Wall inside the grid (only a file can put one there) and any
// unknown code print as an empty square.
TEST_F(PrintPageTest, StonesPrintByColourOnly)
{
    probe::Load(
        "W B . . .\n"
        ". . . . .\n"
        ". . . . .\n"
        ". . . . .\n"
        ". . . . .\n");
    const QImage given = probe::RenderPage(254).image;

    probe::Load(
        "w b . . .\n"
        ". . . . .\n"
        ". . . . .\n"
        ". . . . .\n"
        ". . . . .\n");
    GameState.board[3][3].code = Wall;
    GameState.board[4][4].code = 9;
    const probe::PageImage placed = probe::RenderPage(254);
    probe::ExpectBoardDrawn(placed);

    probe::Load(
        "W B . . .\n"
        ". . . . .\n"
        ". . . . .\n"
        ". . . . .\n"
        ". . . . .\n");
    EXPECT_TRUE(given == placed.image) << "given and placed stones must print alike";
}

// Only the board is printed: the mode, the status line and the marked cell
// of a second solution leave no trace.
TEST_F(PrintPageTest, WindowStateIsNotPrinted)
{
    probe::Load(probe::EmptyBoard(7, 6));
    const QImage plain = probe::RenderPage(254).image;
    GameState.mode = SolveFinished;
    GameState.status = StatusMultipleSolutions;
    GameState.altCell = {3, 3};
    EXPECT_TRUE(plain == probe::RenderPage(254).image);
}

// The figures hold at any device resolution, not just one pixel per unit.
TEST_F(PrintPageTest, FiguresScaleWithTheDeviceResolution)
{
    probe::Load(
        "B . . . . . W\n"
        ". . . . . . .\n"
        ". . w . . . .\n"
        ". . . . . . .\n"
        ". . . . . . b\n");
    for (int dpi : {300, 600}) {
        SCOPED_TRACE(dpi);
        probe::ExpectBoardDrawn(probe::RenderPage(dpi));
    }
}

// A 0.2 mm pen is two pixels wide at ten pixels to the millimetre.
TEST_F(PrintPageTest, OutlinesAreTwoTenthsOfAMillimetre)
{
    probe::Load(probe::EmptyBoard(5, 5));
    const probe::PageImage page = probe::RenderPage(254);
    int dark = 0;
    for (int x = 190; x < 210; ++x)
        dark += qGray(page.image.pixel(x, 450)) < 128 ? 1 : 0;
    EXPECT_EQ(dark, 2);
}

// The page is drawn relative to wherever the painter's origin is (the
// printable area's corner) and the painter comes back unchanged, so a caller
// can go on drawing with its own settings.
TEST_F(PrintPageTest, DrawsFromThePainterOriginAndRestoresThePainter)
{
    probe::Load(probe::EmptyBoard(5, 5));
    probe::PageImage page;
    page.scale = 1;
    page.originX = 37;
    page.originY = 53;
    page.image = QImage(900, 1000, QImage::Format_RGB32);
    page.image.fill(Qt::white);
    page.image.setDotsPerMeterX(10000);
    page.image.setDotsPerMeterY(10000);

    QPainter dc(&page.image);
    dc.translate(37, 53);
    const QPen pen(Qt::red, 7);
    const QFont font(QStringLiteral("Sans"), 11);
    dc.setPen(pen);
    dc.setBrush(Qt::green);
    dc.setFont(font);
    const QTransform before = dc.worldTransform();
    DrawPrintPage(dc);
    EXPECT_EQ(dc.worldTransform(), before);
    EXPECT_EQ(dc.pen(), pen);
    EXPECT_EQ(dc.brush(), QBrush(Qt::green));
    EXPECT_EQ(dc.font(), font);
    dc.end();

    probe::ExpectBoardDrawn(page);
}

}  // namespace
