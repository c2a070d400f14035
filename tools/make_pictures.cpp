// Draws the program's two pictures and writes them into res/:
//   atlas.bmp  the bitmap atlas the board window copies its pieces from
//   icon.bmp   the window icon
//   icons/hicolor/NxN/apps/vandor.png  the icon for the desktop
// Both BMPs are 4 bits per pixel with the standard 16-colour palette.
//
// usage: vandor_pictures RES_DIR [--preview DIR]
// --preview also writes the pictures scaled up 4x as PNG, for looking at.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QSaveFile>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "view/Geometry.h"

namespace {

// The standard 16-colour palette in its usual order.
enum Colour {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Gray, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};
constexpr QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QColor Pal(Colour c) { return QColor::fromRgb(kPalette[c]); }

int NearestIndex(QRgb c)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = qRed(c) - qRed(kPalette[i]);
        const long dg = qGreen(c) - qGreen(kPalette[i]);
        const long db = qBlue(c) - qBlue(kPalette[i]);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

void PutLE(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// A complete BMP file: file header, BITMAPINFOHEADER, the 16 palette
// entries, then 4-bit rows bottom-up, each padded to a multiple of 4 bytes.
// Every pixel becomes the nearest palette colour.
QByteArray EncodeBmp4(const QImage& image)
{
    const int w = image.width(), h = image.height();
    const int rowBytes = ((w * 4 + 31) / 32) * 4;
    const quint32 pixelOffset = 14 + 40 + 16 * 4;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(h);

    QByteArray out;
    out.append("BM");
    PutLE(out, pixelOffset + pixelBytes, 4);
    PutLE(out, 0, 4);  // reserved
    PutLE(out, pixelOffset, 4);

    PutLE(out, 40, 4);
    PutLE(out, quint32(w), 4);
    PutLE(out, quint32(h), 4);  // positive: rows run bottom-up
    PutLE(out, 1, 2);           // planes
    PutLE(out, 4, 2);           // bits per pixel
    PutLE(out, 0, 4);           // no compression
    PutLE(out, pixelBytes, 4);
    PutLE(out, 3780, 4);        // 96 dpi in pixels per metre
    PutLE(out, 3780, 4);
    PutLE(out, 16, 4);          // colours used
    PutLE(out, 0, 4);           // all colours important

    for (QRgb c : kPalette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const int index = NearestIndex(image.pixel(x, y));
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    return out;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WritePng(const QString& path, const QImage& image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Painters draw without smoothing so that every pixel is a palette colour.
void PlainPainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QFont PictureFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// --- Cells -----------------------------------------------------------------

enum class Stone { None, White, Black };

// A 25 x 25 cell: white inside a 1-pixel black frame, optionally with a
// stone 19 pixels across. The circles are set pixel by pixel from the
// distance to the centre so they come out symmetric.
void DrawCell(QImage& atlasImage, int top, Stone stone)
{
    const int size = geom::kCellPicture;
    const double centre = (size - 1) / 2.0;
    const double outer = 9.5;      // 19 pixels across
    const double ringWidth = 1.6;  // reads as a firm outline at this size
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool frame = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            const double d = std::hypot(x - centre, y - centre);
            bool black = frame;
            if (stone == Stone::Black)
                black = black || d <= outer;
            if (stone == Stone::White)
                black = black || (d <= outer && d > outer - ringWidth);
            atlasImage.setPixel(atlas::kCellX + x, top + y, kPalette[black ? Black : White]);
        }
    }
}

// --- Buttons, labels, title -------------------------------------------------

QRect PieceRect(const atlas::Piece& piece) { return QRect(piece.x, piece.y, piece.width, piece.height); }

struct ButtonArt {
    const atlas::Piece& piece;
    const char* caption;
    Colour face, edge, text;
};

// A rounded button filling its piece, with a darker edge; the corners stay teal.
void DrawButton(QPainter& p, const ButtonArt& art)
{
    const QRect r = PieceRect(art.piece);
    p.setPen(QPen(Pal(art.edge), 1));
    p.setBrush(Pal(art.face));
    p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 8, 8);
    p.setFont(PictureFont(14, false));
    p.setPen(Pal(art.text));
    p.drawText(r, Qt::AlignCenter, QString::fromUtf8(art.caption));
}

// A yellow help balloon: a disc with a black question mark.
void DrawQuestionIcon(QPainter& p, const QRect& box)
{
    p.setPen(QPen(Pal(Olive), 1));
    p.setBrush(Pal(Yellow));
    p.drawEllipse(box.adjusted(0, 0, -1, -1));
    p.setFont(PictureFont(14, true));
    p.setPen(Pal(Black));
    p.drawText(box.adjusted(1, 1, 0, 0), Qt::AlignCenter, QStringLiteral("?"));
}

// A red pencil lying from lower left to upper right, point at the lower left.
void DrawPencilIcon(QPainter& p, const QRect& box)
{
    p.save();
    p.translate(box.left(), box.top());
    p.setPen(Qt::NoPen);
    // Body: a band 4 pixels wide along the diagonal.
    p.setBrush(Pal(Red));
    p.drawPolygon(QPolygon({QPoint(6, 9), QPoint(14, 1), QPoint(17, 4), QPoint(9, 12)}));
    p.setBrush(Pal(Maroon));
    p.drawPolygon(QPolygon({QPoint(8, 11), QPoint(16, 3), QPoint(17, 4), QPoint(9, 12)}));
    // Eraser end.
    p.setBrush(Pal(Silver));
    p.drawPolygon(QPolygon({QPoint(14, 1), QPoint(15, 0), QPoint(18, 3), QPoint(17, 4)}));
    // Sharpened wood and the lead.
    p.setBrush(Pal(Yellow));
    p.drawPolygon(QPolygon({QPoint(6, 9), QPoint(9, 12), QPoint(3, 15)}));
    p.setBrush(Pal(Black));
    p.drawPolygon(QPolygon({QPoint(4, 13), QPoint(5, 14), QPoint(2, 16)}));
    p.restore();
}

enum class LabelIcon { Question, Pencil };

void DrawLabel(QPainter& p, const atlas::Piece& piece, const char* text, LabelIcon icon)
{
    const QRect r = PieceRect(piece);
    const QRect iconBox(r.left() + 3, r.top() + 2, 18, 18);
    if (icon == LabelIcon::Question)
        DrawQuestionIcon(p, iconBox);
    else
        DrawPencilIcon(p, iconBox);
    p.setFont(PictureFont(14, false));
    p.setPen(Pal(White));
    p.drawText(r.adjusted(iconBox.width() + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(text));
}

// "Vandor" is set once across both pieces as they stand side by side on
// screen, then cut where the first piece ends.
void DrawTitle(QImage& atlasImage)
{
    const int width = atlas::kTitle1.width + atlas::kTitle2.width;
    QImage title(width, atlas::kTitle1.height, QImage::Format_RGB32);
    title.fill(kPalette[Teal]);
    {
        QPainter p(&title);
        PlainPainter(p);
        QFont font = PictureFont(20, true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        p.setFont(font);
        p.setPen(Pal(White));
        p.drawText(title.rect(), Qt::AlignCenter, QStringLiteral("Vandor"));
    }
    QPainter p(&atlasImage);
    p.drawImage(QPoint(atlas::kTitle1.x, atlas::kTitle1.y),
                title.copy(0, 0, atlas::kTitle1.width, atlas::kTitle1.height));
    p.drawImage(QPoint(atlas::kTitle2.x, atlas::kTitle2.y),
                title.copy(atlas::kTitle1.width, 0, atlas::kTitle2.width, atlas::kTitle2.height));
}

QImage MakeAtlas()
{
    QImage image(atlas::kWidth, atlas::kHeight, QImage::Format_RGB32);
    image.fill(kPalette[Teal]);

    // Drawn top to bottom: neighbouring cells share their frame row.
    const int cellRows[] = {atlas::kEmptyCellY,  atlas::kWhiteStoneY,   atlas::kBlackStoneY,
                            atlas::kSpareCellY[0], atlas::kPlacedWhiteY, atlas::kPlacedBlackY,
                            atlas::kSpareCellY[1], atlas::kSpareCellY[2], atlas::kSpareCellY[3]};
    for (int top : cellRows) {
        Stone stone = Stone::None;
        if (top == atlas::kWhiteStoneY || top == atlas::kPlacedWhiteY)
            stone = Stone::White;
        if (top == atlas::kBlackStoneY || top == atlas::kPlacedBlackY)
            stone = Stone::Black;
        DrawCell(image, top, stone);
    }

    {
        QPainter p(&image);
        PlainPainter(p);
        const ButtonArt buttons[] = {
            {atlas::kToSolveButton, "解答モードへ", Blue, Navy, White},
            {atlas::kToCreateButton, "作成モードへ", Blue, Navy, White},
            {atlas::kBackToStartButton, "最初に戻る", Lime, Green, Red},
            {atlas::kClearAllButton, "全クリア", Red, Maroon, White},
            {atlas::kBackOneButton, "1つ戻る", Lime, Green, Black},
            {atlas::kAutoSolveButton, "自動解答", Yellow, Olive, Blue},
        };
        for (const ButtonArt& b : buttons)
            DrawButton(p, b);
        DrawLabel(p, atlas::kCreateLabel, "作成モード", LabelIcon::Question);
        DrawLabel(p, atlas::kSolveLabel, "解答モード", LabelIcon::Pencil);
    }
    DrawTitle(image);
    return image;
}

// --- Icon ------------------------------------------------------------------

// 32 x 32: a 3 x 3 grid of 9-pixel cells with 1-pixel black lines on white
// (31 pixels; the last row and column are margin), each cell holding a
// circle 7 pixels across. Rows top to bottom: B B B / W B W / W B B, white
// circles drawn as black rings.
constexpr int kIconSize = 32;
constexpr int kIconStep = 10;
constexpr int kIconGrid = 3 * kIconStep + 1;
constexpr char kIconCircles[3][4] = {"BBB", "WBW", "WBB"};

bool InIconDisc(int dx, int dy) { return dx * dx + dy * dy <= 10; }  // 7 across

QImage MakeIcon(QRgb margin)
{
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(margin);
    for (int y = 0; y < kIconGrid; ++y) {
        for (int x = 0; x < kIconGrid; ++x) {
            bool black = x % kIconStep == 0 || y % kIconStep == 0;
            if (!black) {
                const int dx = x % kIconStep - kIconStep / 2, dy = y % kIconStep - kIconStep / 2;
                const bool filled = kIconCircles[y / kIconStep][x / kIconStep] == 'B';
                // A ring keeps the disc's edge: pixels with a 4-neighbour outside it.
                const bool edge = !InIconDisc(dx - 1, dy) || !InIconDisc(dx + 1, dy) ||
                                  !InIconDisc(dx, dy - 1) || !InIconDisc(dx, dy + 1);
                black = InIconDisc(dx, dy) && (filled || edge);
            }
            image.setPixel(x, y, kPalette[black ? Black : White]);
        }
    }
    return image;
}

QImage Scaled(const QImage& image, int factor)
{
    return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    QString resDir, previewDir;
    bool usage = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
            previewDir = args[++i];
        else if (resDir.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            resDir = args[i];
        else
            usage = true;
    }
    if (usage || resDir.isEmpty()) {
        std::fprintf(stderr, "usage: vandor_pictures RES_DIR [--preview DIR]\n");
        return 2;
    }

    // A substitute font would silently change every caption.
    const QString family = QFontInfo(PictureFont(14, false)).family();
    if (!family.startsWith(QLatin1String("IPA"))) {
        std::fprintf(stderr, "the IPA Gothic fonts are missing (got \"%s\"); install fonts-ipafont-gothic\n",
                     qPrintable(family));
        return 1;
    }

    const QImage atlasImage = MakeAtlas();
    const QImage icon = MakeIcon(kPalette[White]);
    const QImage desktopIcon = MakeIcon(qRgba(0, 0, 0, 0));

    const QByteArray atlasBmp = EncodeBmp4(atlasImage);
    const QByteArray iconBmp = EncodeBmp4(icon);
    bool ok = WriteFile(resDir + QStringLiteral("/atlas.bmp"), atlasBmp) &&
              WriteFile(resDir + QStringLiteral("/icon.bmp"), iconBmp);
    for (int size : {32, 48, 64, 128}) {
        const QImage png = desktopIcon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        ok = ok && WritePng(QStringLiteral("%1/icons/hicolor/%2x%2/apps/vandor.png").arg(resDir).arg(size), png);
    }
    if (ok && !previewDir.isEmpty()) {
        // Read back what was written, so the preview shows the files themselves.
        const QImage atlasBack = QImage::fromData(atlasBmp, "BMP");
        const QImage iconBack = QImage::fromData(iconBmp, "BMP");
        ok = WritePng(previewDir + QStringLiteral("/atlas.png"), atlasBack) &&
             WritePng(previewDir + QStringLiteral("/atlas-4x.png"), Scaled(atlasBack, 4)) &&
             WritePng(previewDir + QStringLiteral("/icon-8x.png"), Scaled(iconBack, 8));
    }
    return ok ? 0 : 1;
}
