// The board view's painting: what lands where for a fresh program and other
// sizes, the mode- and status-dependent pieces, and when the board is rebuilt
// and the main window fitted.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/CMainFrame.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "res/Resources.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"
#include "view/Geometry.h"

namespace {

const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
// A colour neither the atlas nor the view uses: whatever still has it after a
// paint was not painted.
const QRgb kUnpainted = qRgb(1, 2, 3);

bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool IsYellowish(QRgb c) { return qRed(c) > 160 && qGreen(c) > 160 && qBlue(c) < 100; }

QImage AtlasPiece(const atlas::Piece& p)
{
    static const QImage whole = QImage(res::kAtlas).convertToFormat(QImage::Format_RGB32);
    return whole.copy(p.x, p.y, p.width, p.height);
}

atlas::Piece CellPiece(int pieceY) { return {atlas::kCellX, pieceY, geom::kCellPicture, geom::kCellPicture}; }

class ViewPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_EQ(QImage(res::kAtlas).size(), QSize(atlas::kWidth, atlas::kHeight));
    }
    void TearDown() override { ResetGameState(); }

    // One run of OnDraw into an image that starts out unpainted everywhere.
    QImage Paint()
    {
        QImage image(700, 560, QImage::Format_RGB32);
        image.fill(kUnpainted);
        QPainter dc(&image);
        view.OnDraw(dc);
        return image;
    }

    static bool RegionIs(const QImage& image, int x, int y, const QImage& expected)
    {
        return image.copy(x, y, expected.width(), expected.height()) == expected;
    }
    static bool RegionIs(const QImage& image, int x, int y, const atlas::Piece& piece)
    {
        return RegionIs(image, x, y, AtlasPiece(piece));
    }
    static bool RegionUnpainted(const QImage& image, int x, int y, int w, int h)
    {
        QImage blank(w, h, QImage::Format_RGB32);
        blank.fill(kUnpainted);
        return RegionIs(image, x, y, blank);
    }

    void Load(const std::string& notation)
    {
        std::string error;
        ASSERT_TRUE(LoadNotation(notation, &error)) << error;
    }

    CVandorView view;
};

TEST_F(ViewPaintTest, FirstPaintBuildsEmptyNineByNineBoardInCreateMode)
{
    const QImage image = Paint();

    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(GameState.board[0][0].code, Wall);
    EXPECT_EQ(GameState.board[10][10].code, Wall);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            ASSERT_TRUE(RegionIs(image, geom::CellLeft(x), geom::CellTop(y), CellPiece(atlas::kEmptyCellY)))
                << "cell " << x << "," << y;
    // Outer corners of the grid are frame pixels: top left of (1,1) at
    // (25,50), bottom right of (9,9) at (217,242) + 24.
    EXPECT_EQ(image.pixel(25, 50), kBlack);
    EXPECT_EQ(image.pixel(217 + 24, 242 + 24), kBlack);
    EXPECT_EQ(image.pixel(37, 62), kWhite);

    EXPECT_TRUE(RegionIs(image, 282, 160, atlas::kToSolveButton));
    EXPECT_TRUE(RegionIs(image, 282, 100, atlas::kClearAllButton));
    EXPECT_TRUE(RegionIs(image, 282, 50, atlas::kCreateLabel));
    EXPECT_TRUE(RegionIs(image, 10, 5, atlas::kTitle1));
    EXPECT_TRUE(RegionIs(image, 130, 5, atlas::kTitle2));
}

TEST_F(ViewPaintTest, EveryPixelBetweenThePicturesIsTeal)
{
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{9, 9}, {15, 5}, {5, 15}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        ResetGameState();
        GameState.width = w;
        GameState.height = h;
        const QImage image = Paint();

        // Nothing in the window's area is left unpainted.
        for (int y = 0; y < geom::WindowHeight(h) && y < image.height(); ++y)
            for (int x = 0; x < geom::WindowWidth(w); ++x)
                ASSERT_NE(image.pixel(x, y), kUnpainted) << "at " << x << "," << y;

        const int bx = geom::ButtonColumnX(w);
        const int gridRight = 24 * w + 25;   // first column right of the grid
        const int gridBottom = 24 * h + 50;  // first row below the grid
        EXPECT_EQ(image.pixel(24, 100), kTeal);               // left of the grid
        EXPECT_EQ(image.pixel(100, 49), kTeal);               // above the grid
        EXPECT_EQ(image.pixel(gridRight + 1, 100), kTeal);    // right of the grid
        EXPECT_EQ(image.pixel(60, gridBottom + 1), kTeal);    // just below the grid
        EXPECT_EQ(image.pixel(gridRight + 1, gridBottom + 1), kTeal);
        EXPECT_EQ(image.pixel(bx - 1, 120), kTeal);           // left of the buttons
        EXPECT_EQ(image.pixel(bx + 50, 72), kTeal);           // under the label
        EXPECT_EQ(image.pixel(bx + 50, 135), kTeal);          // between the buttons
        EXPECT_EQ(image.pixel(bx + 50, 195), kTeal);          // under the lower button
        EXPECT_EQ(image.pixel(bx + 101, 120), kTeal);         // right of the buttons
        // The grid's last frame lines are the cells', not the background's.
        EXPECT_EQ(image.pixel(gridRight, 60), kBlack);
        EXPECT_EQ(image.pixel(60, gridBottom), kBlack);
    }
}

TEST_F(ViewPaintTest, FifteenByFiveMovesTheButtonColumnAndFitsTheWindow)
{
    CMainFrame frame(nullptr);
    GameState.width = 15;
    GameState.height = 5;
    QImage image(700, 560, QImage::Format_RGB32);
    image.fill(kUnpainted);
    {
        QPainter dc(&image);
        frame.GetView()->OnDraw(dc);
    }

    EXPECT_EQ(geom::ButtonColumnX(15), 426);
    EXPECT_TRUE(RegionIs(image, 426, 160, atlas::kToSolveButton));
    EXPECT_TRUE(RegionIs(image, 426, 100, atlas::kClearAllButton));
    EXPECT_TRUE(RegionIs(image, 426, 50, atlas::kCreateLabel));
    EXPECT_TRUE(RegionIs(image, 361, 146, CellPiece(atlas::kEmptyCellY)));  // cell (15, 5)
    EXPECT_EQ(image.pixel(361 + 24, 146 + 24), kBlack);
    EXPECT_EQ(GameState.board[16][3].code, Wall);
    EXPECT_EQ(GameState.board[3][6].code, Wall);
    EXPECT_EQ(frame.frameGeometry().size(), QSize(560, 270));
}

TEST_F(ViewPaintTest, CellsShowTheirStonesAndUnknownCodesNothing)
{
    Load("W B w b .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n");
    GameState.board[2][2].code = Wall;
    GameState.board[3][2].code = 9;
    const QImage image = Paint();

    EXPECT_TRUE(RegionIs(image, geom::CellLeft(1), geom::CellTop(1), CellPiece(atlas::kWhiteStoneY)));
    EXPECT_TRUE(RegionIs(image, geom::CellLeft(2), geom::CellTop(1), CellPiece(atlas::kBlackStoneY)));
    EXPECT_TRUE(RegionIs(image, geom::CellLeft(3), geom::CellTop(1), CellPiece(atlas::kPlacedWhiteY)));
    EXPECT_TRUE(RegionIs(image, geom::CellLeft(4), geom::CellTop(1), CellPiece(atlas::kPlacedBlackY)));
    EXPECT_TRUE(RegionIs(image, geom::CellLeft(5), geom::CellTop(1), CellPiece(atlas::kEmptyCellY)));
    // A white stone is a ring, a black one a disc.
    EXPECT_EQ(image.pixel(geom::CellLeft(1) + 12, geom::CellTop(1) + 12), kWhite);
    EXPECT_EQ(image.pixel(geom::CellLeft(2) + 12, geom::CellTop(1) + 12), kBlack);

    // Cell (2,2) holds Wall and (3,2) an unknown code: neither is drawn; only
    // the frames of their drawn neighbours reach into the squares.
    EXPECT_TRUE(RegionUnpainted(image, geom::CellLeft(2) + 1, geom::CellTop(2) + 1, 23, 23));
    EXPECT_TRUE(RegionUnpainted(image, geom::CellLeft(3) + 1, geom::CellTop(2) + 1, 23, 23));
}

TEST_F(ViewPaintTest, ButtonsAndLabelFollowTheMode)
{
    struct Expectation {
        int mode;
        atlas::Piece lower, upper, label;
    };
    const Expectation cases[] = {
        {CreateMode, atlas::kToSolveButton, atlas::kClearAllButton, atlas::kCreateLabel},
        {SolveStart, atlas::kToCreateButton, atlas::kAutoSolveButton, atlas::kSolveLabel},
        {SolveInProgress, atlas::kBackToStartButton, atlas::kBackOneButton, atlas::kSolveLabel},
        {SolveFinished, atlas::kBackToStartButton, atlas::kClearAllButton, atlas::kSolveLabel},
    };
    Paint();  // builds the board
    for (const Expectation& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        GameState.mode = c.mode;
        const QImage image = Paint();
        EXPECT_TRUE(RegionIs(image, 282, 160, c.lower));
        EXPECT_TRUE(RegionIs(image, 282, 100, c.upper));
        EXPECT_TRUE(RegionIs(image, 282, 50, c.label));
    }

    // An unknown mode gets no buttons, but the solve-mode label. (The band
    // right of the column overlaps the buttons' last pixel column.)
    GameState.mode = 7;
    const QImage image = Paint();
    EXPECT_TRUE(RegionUnpainted(image, 282, 160, geom::kButtonWidth - 1, geom::kButtonHeight));
    EXPECT_TRUE(RegionUnpainted(image, 282, 100, geom::kButtonWidth - 1, geom::kButtonHeight));
    EXPECT_TRUE(RegionIs(image, 282, 50, atlas::kSolveLabel));
}

TEST_F(ViewPaintTest, StatusLineIsYellowFromItsOriginAndUnknownStatusesDrawNothing)
{
    Paint();
    const QRect line(0, 26, 282, 24);  // between the title and the grid

    auto yellowBounds = [&](const QImage& image) {
        QRect bounds;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                if (IsYellowish(image.pixel(x, y)))
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    };

    GameState.status = StatusNone;
    EXPECT_TRUE(yellowBounds(Paint()).isNull());

    GameState.status = StatusContradiction;
    const QRect text = yellowBounds(Paint());
    ASSERT_FALSE(text.isNull());
    EXPECT_GE(text.left(), geom::kStatusX);
    EXPECT_GE(text.top(), geom::kStatusY);
    EXPECT_LT(text.top(), geom::kStatusY + 8);

    for (int status : {-1, 6, 42}) {
        GameState.status = status;
        const QImage image = Paint();
        EXPECT_TRUE(yellowBounds(image).isNull()) << "status " << status;
        EXPECT_EQ(image.pixel(geom::kStatusX + 40, geom::kStatusY + 6), kTeal);
    }
}

TEST_F(ViewPaintTest, RedCircleOnlyForMultipleSolutionsAroundAltCell)
{
    Paint();
    GameState.altCell = {3, 4};
    const int gridEnd = geom::ButtonColumnX(9);  // red buttons lie beyond

    auto redBounds = [&](const QImage& image) {
        QRect bounds;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < gridEnd; ++x)
                if (IsRed(image.pixel(x, y)))
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    };

    for (int status : {0, 1, 2, 3, 4, 6}) {
        GameState.status = status;
        EXPECT_TRUE(redBounds(Paint()).isNull()) << "status " << status;
    }

    GameState.status = StatusMultipleSolutions;
    const QImage image = Paint();
    // Box (73,122) to (97,146); the width-2 outline may reach a pixel beyond.
    const QRect circle = redBounds(image);
    EXPECT_GE(circle.left(), 72);
    EXPECT_LE(circle.left(), 74);
    EXPECT_GE(circle.top(), 121);
    EXPECT_LE(circle.top(), 123);
    EXPECT_GE(circle.right(), 95);
    EXPECT_LE(circle.right(), 97);
    EXPECT_GE(circle.bottom(), 144);
    EXPECT_LE(circle.bottom(), 146);
    // An outline, not a disc: the cell's centre stays white.
    EXPECT_EQ(image.pixel(85, 134), kWhite);
}

// The main window fit happens on a shown frame as it does in the program.
class WindowFitTest : public ViewPaintTest {
protected:
    void SetUp() override
    {
        ViewPaintTest::SetUp();
        frame = std::make_unique<CMainFrame>(nullptr);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        Settle();
    }
    void TearDown() override
    {
        frame.reset();
        ViewPaintTest::TearDown();
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    void Repaint()
    {
        frame->GetView()->repaint();
        Settle();
    }
    QSize Outer() const { return frame->frameGeometry().size(); }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(WindowFitTest, FirstPaintFitsWindowToNineByNine)
{
    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(Outer(), QSize(416, 366));
}

TEST_F(WindowFitTest, SizeChangeRebuildsEmptyBoardAndFitsWindow)
{
    const QPoint position = frame->pos();
    Load("W B w b . . . . . . . . . . .\n"
         ". . . . . . . . . . . . . . .\n"
         ". . . . . . . . . . . . . . .\n"
         ". . . . . . . . . . . . . . .\n"
         ". . . . . . . . . . . . . . .\n");
    GameState.mode = SolveInProgress;
    GameState.refitPending = 0;
    GameState.layoutState = 0;  // as after the size dialog
    Repaint();

    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(GameState.refitPending, 0);
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.board[1][1].code, Empty);
    EXPECT_EQ(GameState.board[16][1].code, Wall);
    EXPECT_EQ(Outer(), QSize(560, 270));
    EXPECT_EQ(frame->pos(), position);
}

TEST_F(WindowFitTest, LoadFitsWindowAndKeepsTheLoadedBoard)
{
    Load("W B w b .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n"
         ". . . . .\n");
    ASSERT_EQ(GameState.layoutState, 1);
    ASSERT_EQ(GameState.refitPending, 1);
    const std::string board = FormatBoard();
    Repaint();

    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(GameState.refitPending, 0);
    EXPECT_EQ(FormatBoard(), board);
    EXPECT_EQ(Outer(), QSize(320, 270));
}

TEST_F(WindowFitTest, RefitWhileAlreadyPaintedKeepsTheBoard)
{
    GameState.board[2][3].code = GivenBlack;
    GameState.width = 7;  // a board of another size already in place
    GameState.refitPending = 1;
    Repaint();

    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(GameState.refitPending, 0);
    EXPECT_EQ(GameState.board[2][3].code, GivenBlack);
    EXPECT_EQ(Outer(), QSize(368, 366));
}

TEST_F(WindowFitTest, RebuiltBoardWithoutRefitKeepsWindowSize)
{
    frame->resize(500, 400);
    Settle();
    const QSize before = Outer();
    ResetBoard();  // as after the clear-all button: layoutState 1, no refit
    Repaint();
    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(Outer(), before);

    Repaint();  // later paints change nothing
    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(Outer(), before);
}

// Loading with Ctrl+O while the window fills the screen: the window leaves
// the maximised (or full-screen) state and comes out at the board's exact
// size, every time.
TEST_F(WindowFitTest, LoadWhileMaximisedGivesTheExactSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* name;
        int width, height;
        QSize outer;
    } puzzles[] = {{"nine.vdr", 9, 9, {416, 366}}, {"fifteen.vdr", 15, 15, {560, 510}}};
    for (const auto& p : puzzles) {
        GameState.width = p.width;
        GameState.height = p.height;
        ResetBoard();
        GameState.board[1][1].code = GivenWhite;
        std::string error;
        ASSERT_TRUE(SavePuzzleFile(QFile::encodeName(dir.filePath(p.name)).toStdString(), error)) << error;
    }
    ResetGameState();
    Repaint();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    const struct {
        const char* name;
        bool fullScreen;
    } loads[] = {{"nine.vdr", false}, {"fifteen.vdr", false}, {"nine.vdr", false}, {"fifteen.vdr", true}};
    for (const auto& load : loads) {
        const char* name = load.name;
        const bool fullScreen = load.fullScreen;
        SCOPED_TRACE(std::string(name) + (fullScreen ? " full screen" : " maximised"));
        if (fullScreen)
            frame->showFullScreen();
        else
            frame->showMaximized();
        Settle();
        ASSERT_TRUE(fullScreen ? frame->isFullScreen() : frame->isMaximized());
        ASSERT_NE(Outer(), QSize(416, 366));

        const QString path = dir.filePath(name);
        SetLoadPathChooser([path](QWidget*) { return path; });
        QTest::keyClick(frame->GetView(), Qt::Key_O, Qt::ControlModifier);
        SetLoadPathChooser({});
        Settle();

        const auto& p = *std::find_if(std::begin(puzzles), std::end(puzzles),
                                      [&](const auto& q) { return std::strcmp(q.name, name) == 0; });
        EXPECT_EQ(GameState.width, p.width);
        EXPECT_EQ(GameState.board[1][1].code, GivenWhite);
        EXPECT_FALSE(frame->isMaximized());
        EXPECT_FALSE(frame->isFullScreen());
        EXPECT_EQ(Outer(), p.outer);
    }
}

}  // namespace
