// throwaway: dumps painted images for before/after comparison (not committed)
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include "io/Notation.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
namespace {
QImage PaintNow(CVandorView& v) {
    QImage image(700, 560, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    QPainter dc(&image);
    v.OnDraw(dc);
    return image;
}
}
TEST(ZZDump, Images) {
    const char* dir = getenv("WDUMP");
    if (!dir) GTEST_SKIP();
    const std::string boards[] = {
        "B . . . W\n. w . b .\n. . W . .\n. . . . .\nW . . . B\n",
        ". . . . . . . . .\n. . . . . . . . .\n. B . . . . . W .\n. . . . . . . . .\n. . . w b . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n",
    };
    int n = 0;
    for (int mode = 0; mode < 5; ++mode)
        for (int status = 0; status < 7; ++status)
            for (const auto& b : boards) {
                ResetGameState();
                CVandorView view;
                ASSERT_TRUE(LoadNotation(b));
                GameState.mode = mode;
                GameState.status = status;
                GameState.altCell = {2, 3};
                GameState.checkMarks[1][1] = 1; GameState.checkMarks[3][2] = 1; GameState.checkMarkCount = 2;
                PaintNow(view);
                PaintNow(view).save(QString("%1/%2.png").arg(dir).arg(n++));
            }
    for (int w : {5, 15}) {
        ResetGameState(); GameState.width = w; GameState.height = 20 - w;
        CVandorView view; PaintNow(view).save(QString("%1/%2.png").arg(dir).arg(n++));
    }
}
