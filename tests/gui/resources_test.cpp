// The pictures compiled into the program: the bitmap atlas and the icon.

#include <QFile>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <vector>

#include "res/Resources.h"
#include "view/Geometry.h"

namespace {

// The standard 16-colour palette, in the order a 4-bit bitmap stores it.
const QRgb kStandardPalette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kLime = qRgb(0, 255, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

QRect ToRect(const atlas::Piece& p) { return QRect(p.x, p.y, p.width, p.height); }
QRect CellPiece(int y) { return QRect(atlas::kCellX, y, geom::kCellPicture, geom::kCellPicture); }

QRgb Opaque(QRgb c) { return qRgb(qRed(c), qGreen(c), qBlue(c)); }
QRgb At(const QImage& image, int x, int y) { return Opaque(image.pixel(x, y)); }

int CountColour(const QImage& image, const QRect& r, QRgb colour)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += At(image, x, y) == colour;
    return n;
}

bool IsPaletteColour(QRgb c)
{
    for (QRgb p : kStandardPalette)
        if (p == Opaque(c))
            return true;
    return false;
}

quint32 LittleEndian(const QByteArray& bytes, int offset, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | quint8(bytes[offset + i]);
    return v;
}

class AtlasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        atlasImage = QImage(res::kAtlas);
        ASSERT_FALSE(atlasImage.isNull()) << "the atlas is not among the compiled resources";
    }
    QImage atlasImage;
};

TEST(Resources, BothFilesAreFourBitBitmapsWithTheStandardPalette)
{
    struct Expected {
        const char* name;
        int width, height;
    };
    for (const Expected& e : {Expected{res::kAtlas, atlas::kWidth, atlas::kHeight}, Expected{res::kIcon, 32, 32}}) {
        SCOPED_TRACE(e.name);
        QFile file(e.name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 14 + 40 + 64);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(LittleEndian(bytes, 2, 4), quint32(bytes.size()));
        EXPECT_EQ(LittleEndian(bytes, 14, 4), 40u);                   // BITMAPINFOHEADER
        EXPECT_EQ(LittleEndian(bytes, 18, 4), quint32(e.width));
        EXPECT_EQ(LittleEndian(bytes, 22, 4), quint32(e.height));     // positive: bottom-up
        EXPECT_EQ(LittleEndian(bytes, 28, 2), 4u);                    // bits per pixel
        EXPECT_EQ(LittleEndian(bytes, 30, 4), 0u);                    // uncompressed
        const quint32 rowBytes = (quint32(e.width) * 4 + 31) / 32 * 4;
        EXPECT_EQ(LittleEndian(bytes, 10, 4) + rowBytes * quint32(e.height), quint32(bytes.size()));
        for (int i = 0; i < 16; ++i) {
            const int at = 14 + 40 + 4 * i;  // blue, green, red, reserved
            EXPECT_EQ(qRgb(quint8(bytes[at + 2]), quint8(bytes[at + 1]), quint8(bytes[at])), kStandardPalette[i])
                << "palette entry " << i;
        }
    }
}

TEST_F(AtlasTest, HasItsSizeAndOnlyPaletteColours)
{
    ASSERT_EQ(atlasImage.width(), atlas::kWidth);
    ASSERT_EQ(atlasImage.height(), atlas::kHeight);
    for (int y = 0; y < atlasImage.height(); ++y)
        for (int x = 0; x < atlasImage.width(); ++x)
            ASSERT_TRUE(IsPaletteColour(atlasImage.pixel(x, y))) << "pixel " << x << "," << y;
}

TEST_F(AtlasTest, CellPicturesAreFramedSquaresWithTheirStones)
{
    const int last = geom::kCellPicture - 1;
    const int mid = geom::kCellPicture / 2;
    const QImage empty = atlasImage.copy(CellPiece(atlas::kEmptyCellY));
    for (int i = 0; i <= last; ++i) {
        EXPECT_EQ(At(empty, i, 0), kBlack);
        EXPECT_EQ(At(empty, i, last), kBlack);
        EXPECT_EQ(At(empty, 0, i), kBlack);
        EXPECT_EQ(At(empty, last, i), kBlack);
    }
    EXPECT_EQ(CountColour(empty, QRect(1, 1, last - 1, last - 1), kWhite), (last - 1) * (last - 1));

    // Given and placed stones look alike; the spare rows repeat the empty cell.
    EXPECT_EQ(atlasImage.copy(CellPiece(atlas::kPlacedWhiteY)), atlasImage.copy(CellPiece(atlas::kWhiteStoneY)));
    EXPECT_EQ(atlasImage.copy(CellPiece(atlas::kPlacedBlackY)), atlasImage.copy(CellPiece(atlas::kBlackStoneY)));
    for (int y : atlas::kSpareCellY)
        EXPECT_EQ(atlasImage.copy(CellPiece(y)), empty) << "spare cell at y " << y;

    const QImage white = atlasImage.copy(CellPiece(atlas::kWhiteStoneY));
    EXPECT_EQ(At(white, mid, mid), kWhite);
    EXPECT_EQ(At(white, last - 1, mid), kWhite) << "the ring must stand clear of the frame";
    int ring = 0;
    for (int x = mid + 1; x < last - 1; ++x)
        ring += At(white, x, mid) == kBlack;
    EXPECT_GT(ring, 0) << "no ring between the centre and the frame";
    EXPECT_EQ(At(white, 0, mid), kBlack);

    const QImage black = atlasImage.copy(CellPiece(atlas::kBlackStoneY));
    EXPECT_EQ(At(black, mid, mid), kBlack);
    EXPECT_EQ(At(black, last - 1, mid), kWhite) << "the disc must stand clear of the frame";
    EXPECT_EQ(At(black, 1, 1), kWhite);
}

TEST_F(AtlasTest, ButtonsShowTheirFaceAndCaptionColours)
{
    struct Button {
        const atlas::Piece& piece;
        QRgb face, caption;
    };
    const Button buttons[] = {
        {atlas::kToSolveButton, kBlue, kWhite},   {atlas::kToCreateButton, kBlue, kWhite},
        {atlas::kBackToStartButton, kLime, kRed}, {atlas::kClearAllButton, kRed, kWhite},
        {atlas::kBackOneButton, kLime, kBlack},   {atlas::kAutoSolveButton, kYellow, kBlue},
    };
    for (const Button& b : buttons) {
        const QRect r = ToRect(b.piece);
        SCOPED_TRACE(testing::Message() << "button at atlas y " << r.top());
        const int midY = r.top() + r.height() / 2;
        EXPECT_EQ(At(atlasImage, r.left() + 4, midY), b.face);
        EXPECT_EQ(At(atlasImage, r.right() - 4, midY), b.face);
        EXPECT_EQ(At(atlasImage, r.left() + r.width() / 2, r.top() + 3), b.face);
        EXPECT_EQ(At(atlasImage, r.left(), r.top()), kTeal) << "rounded corner";
        EXPECT_EQ(At(atlasImage, r.right(), r.bottom()), kTeal) << "rounded corner";
        EXPECT_GT(CountColour(atlasImage, r, b.caption), 60) << "caption missing";
    }
}

TEST_F(AtlasTest, ModeLabelsAreWhiteLetteringOnTealAfterTheirIcon)
{
    struct Label {
        const atlas::Piece& piece;
        QRgb iconColour;
    };
    for (const Label& l : {Label{atlas::kCreateLabel, kYellow}, Label{atlas::kSolveLabel, kRed}}) {
        const QRect r = ToRect(l.piece);
        SCOPED_TRACE(testing::Message() << "label at atlas y " << r.top());
        for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_EQ(At(atlasImage, corner.x(), corner.y()), kTeal);
        const QRect iconHalf(r.left(), r.top(), r.width() / 4, r.height());
        const QRect textPart(iconHalf.right() + 1, r.top(), r.width() - iconHalf.width(), r.height());
        EXPECT_GT(CountColour(atlasImage, iconHalf, l.iconColour), 20) << "icon missing";
        EXPECT_GT(CountColour(atlasImage, textPart, kWhite), 60) << "lettering missing";
        EXPECT_GT(CountColour(atlasImage, textPart, kTeal), r.width() * r.height() / 3);
    }
}

TEST_F(AtlasTest, BothTitlePiecesCarryPartOfTheLettering)
{
    for (const atlas::Piece& piece : {atlas::kTitle1, atlas::kTitle2}) {
        const QRect r = ToRect(piece);
        SCOPED_TRACE(testing::Message() << "title piece at atlas y " << r.top());
        EXPECT_EQ(At(atlasImage, r.left(), r.top()), kTeal);
        EXPECT_EQ(At(atlasImage, r.right(), r.bottom()), kTeal);
        EXPECT_GT(CountColour(atlasImage, r, kWhite), 40);
        EXPECT_EQ(CountColour(atlasImage, r, kWhite) + CountColour(atlasImage, r, kTeal), r.width() * r.height())
            << "only white lettering on teal";
    }
}

TEST_F(AtlasTest, PixelsOutsideEveryPieceAreTeal)
{
    std::vector<QRect> pieces;
    for (int y : {atlas::kEmptyCellY, atlas::kWhiteStoneY, atlas::kBlackStoneY, atlas::kPlacedWhiteY,
                  atlas::kPlacedBlackY})
        pieces.push_back(CellPiece(y));
    for (int y : atlas::kSpareCellY)
        pieces.push_back(CellPiece(y));
    for (const atlas::Piece& p : {atlas::kToSolveButton, atlas::kToCreateButton, atlas::kBackToStartButton,
                                  atlas::kClearAllButton, atlas::kBackOneButton, atlas::kAutoSolveButton,
                                  atlas::kCreateLabel, atlas::kSolveLabel, atlas::kTitle1, atlas::kTitle2})
        pieces.push_back(ToRect(p));

    int uncovered = 0;
    for (int y = 0; y < atlasImage.height(); ++y) {
        for (int x = 0; x < atlasImage.width(); ++x) {
            bool covered = false;
            for (const QRect& r : pieces)
                covered = covered || r.contains(x, y);
            if (covered)
                continue;
            ++uncovered;
            ASSERT_EQ(At(atlasImage, x, y), kTeal) << "pixel " << x << "," << y;
        }
    }
    EXPECT_GT(uncovered, 0);
}

TEST(Icon, ShowsTheThreeByThreeCirclePattern)
{
    const QImage icon(res::kIcon);
    ASSERT_FALSE(icon.isNull()) << "the icon is not among the compiled resources";
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            ASSERT_TRUE(IsPaletteColour(icon.pixel(x, y))) << "pixel " << x << "," << y;

    // Black circles are solid; white ones are rings, so their centres stay white.
    const char* rows[] = {"BBB", "WBW", "WBB"};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const int cx = (2 * col + 1) * icon.width() / 6;
            const int cy = (2 * row + 1) * icon.height() / 6;
            EXPECT_EQ(At(icon, cx, cy), rows[row][col] == 'B' ? kBlack : kWhite)
                << "circle in row " << row + 1 << ", column " << col + 1;
        }
    }
    EXPECT_GT(CountColour(icon, icon.rect(), kBlack), 32 * 4) << "grid lines missing";
}

}  // namespace
