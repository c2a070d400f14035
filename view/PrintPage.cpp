#include "view/PrintPage.h"

#include <algorithm>

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QStringList>

#include "model/GameState.h"
#include "view/Palette.h"

namespace {

// A 10 mm italic Mincho face. The first name is the face the page was laid
// out with; on Debian the IPA Mincho face (fonts-ipafont-mincho) stands in.
QFont TitleFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setItalic(true);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Pixel sizes set the em; scale it so that ascent plus descent is 10 mm.
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const qreal lineBox = QFontMetricsF(font).height();
    if (lineBox > 0)
        font.setPixelSize(std::max(1, qRound(kProbe * page::kTitleHeight / lineBox)));
    else
        font.setPixelSize(page::kTitleHeight);
    return font;
}

}  // namespace

void DrawPrintPage(QPainter& dc)
{
    const QPaintDevice* device = dc.device();
    dc.save();
    dc.scale(device->logicalDpiX() / page::kUnitsPerInch, device->logicalDpiY() / page::kUnitsPerInch);
    dc.setRenderHint(QPainter::Antialiasing, true);
    dc.setRenderHint(QPainter::TextAntialiasing, true);

    const QPen pen(palette::kStoneInk, page::kPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    dc.setPen(pen);

    const QFont font = TitleFont();
    dc.setFont(font);
    const QFontMetricsF metrics(font);
    dc.drawText(QPointF(page::kTitleX, page::kTitleY + metrics.ascent()), QString::fromLatin1(page::kTitle));

    // GameState keeps its size within the board array; the clamp only keeps a
    // damaged size from reading past it.
    const int w = std::clamp(static_cast<int>(GameState.width), 0, kBoardCells - 2);
    const int h = std::clamp(static_cast<int>(GameState.height), 0, kBoardCells - 2);
    const QBrush squareBrush(palette::kPaper);
    const QBrush blackStone(palette::kStoneInk);
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            const QRectF square(page::SquareLeft(x), page::SquareTop(y), page::kSquareSize, page::kSquareSize);
            dc.setBrush(squareBrush);
            dc.drawRect(square);

            const int stone = colour(GameState.board[x][y].code);
            if (stone == 0)
                continue;
            dc.setBrush(stone == 2 ? blackStone : QBrush(Qt::NoBrush));
            const qreal inset = page::kStoneInset;
            dc.drawEllipse(square.adjusted(inset, inset, -inset, -inset));
        }
    }

    dc.restore();
}
