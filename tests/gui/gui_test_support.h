// Helpers shared by the GUI tests: driving modal dialogs without ever
// hanging, counting paints, letting posted events (paints, window fits)
// settle, and comparing whole puzzles.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "io/Notation.h"
#include "io/PuzzleRecord.h"
#include "view/Geometry.h"

namespace guitest {

constexpr int kModalWaitMs = 5000;
constexpr int kWatchdogMs = 15000;

// Hands the next modal dialog to handler once it is showing; fails the test
// if none shows up in time.
inline void WhenModalOpens(std::function<void(QWidget*)> handler)
{
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, handler] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool ready = modal && modal->isVisible();
        if (!ready && clock->elapsed() < kModalWaitMs)
            return;
        poll->stop();
        poll->deleteLater();
        if (ready)
            handler(modal);
        else
            ADD_FAILURE() << "no modal dialog opened";
    });
    poll->start(5);
}

// While it lives: once the time is up, rejects every modal dialog still
// open, so a test that went wrong fails instead of hanging. With
// catchMessages, also records and closes every message box that opens.
class ModalWatchdog {
public:
    explicit ModalWatchdog(bool catchMessages = false)
    {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout, [this, catchMessages] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* box = qobject_cast<QMessageBox*>(dlg);
            if (catchMessages && box && box->isVisible()) {
                captions << box->windowTitle();
                texts << box->text();
                box->accept();
            } else if (dlg && m_clock.elapsed() > kWatchdogMs) {
                ADD_FAILURE() << "a modal dialog was still open: " << dlg->windowTitle().toStdString();
                dlg->reject();
            }
        });
        m_timer.start(catchMessages ? 5 : 100);
    }

    QStringList captions;  // of the message boxes caught
    QStringList texts;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Delivers posted events until none is left: a window fit during a paint
// posts a resize, which posts another paint.
inline void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Dark pixels inside cell (x, y), 1-based, as painted, its frame left out:
// none for an empty cell, a ring's worth for a white stone, a disc's worth
// for a black one.
inline int DarkPixels(const QImage& shot, int x, int y)
{
    int dark = 0;
    for (int py = geom::CellTop(y) + 2; py < geom::CellTop(y) + 23; ++py)
        for (int px = geom::CellLeft(x) + 2; px < geom::CellLeft(x) + 23; ++px)
            dark += qGray(shot.pixel(px, py)) < 128;
    return dark;
}

// Mode, size, counters, every cell code and the whole undo history.
inline void ExpectSamePuzzle(const PuzzleRecord& a, const PuzzleRecord& b)
{
    static_assert(sizeof(PuzzleRecord) == 7 * 4 + kBoardCells * kBoardCells + 3 * kUndoEntries,
                  "no padding, so the bytes compare the fields");
    EXPECT_EQ(FormatNotation(a), FormatNotation(b));
    EXPECT_EQ(0, std::memcmp(&a, &b, sizeof a)) << "mode, size, layout, counters or history differ";
}

}  // namespace guitest
