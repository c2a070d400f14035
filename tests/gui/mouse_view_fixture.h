// A shown board view driven by real mouse events, with a record of every
// paint it receives: the region and the state it painted.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "io/Notation.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/WindowSettings.h"

#include "gui_test_support.h"

// Rows of the text notation as FormatBoard writes them.
inline std::string Rows(std::initializer_list<const char*> rows)
{
    std::string s;
    for (const char* r : rows)
        s += std::string(r) + "\n";
    return s;
}

struct PaintRecord {
    QRegion region;
    int status;
    int mode;
    std::string board;
};

class PaintRecorder : public QObject {
public:
    std::vector<PaintRecord> paints;

    QRegion Painted() const
    {
        QRegion all;
        for (const PaintRecord& p : paints)
            all += p.region;
        return all;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto* paint = static_cast<QPaintEvent*>(event);
            paints.push_back({paint->region(), GameState.status, GameState.mode, FormatBoard()});
        }
        return false;
    }
};

// The parts of GameState the mouse handlers may change, for before/after checks.
struct StateSummary {
    int mode;
    int status;
    std::string board;
    int undoCount;
    std::vector<std::uint8_t> undoBytes;
    CellPos altCell;

    static StateSummary Take()
    {
        StateSummary s{GameState.mode, GameState.status, FormatBoard(), GameState.undo.undoCount, {}, GameState.altCell};
        const UndoHistory& u = GameState.undo;
        s.undoBytes.insert(s.undoBytes.end(), u.undoX, u.undoX + kUndoEntries);
        s.undoBytes.insert(s.undoBytes.end(), u.undoY, u.undoY + kUndoEntries);
        s.undoBytes.insert(s.undoBytes.end(), u.undoPrev, u.undoPrev + kUndoEntries);
        return s;
    }
    bool operator==(const StateSummary& o) const
    {
        return mode == o.mode && status == o.status && board == o.board && undoCount == o.undoCount &&
               undoBytes == o.undoBytes && altCell.x == o.altCell.x && altCell.y == o.altCell.y;
    }
};

inline std::ostream& operator<<(std::ostream& os, const StateSummary& s)
{
    return os << "mode " << s.mode << " status " << s.status << " undoCount " << s.undoCount << "\n" << s.board;
}

class MouseViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        // A board filled by hand would announce itself; only the tests of
        // that announcement want it.
        SetNotifyWhenSolved(false);
        previousHandler = qInstallMessageHandler(QuietGrabWarning);
    }

    void TearDown() override
    {
        qInstallMessageHandler(previousHandler);
        if (QWidget::mouseGrabber())
            QWidget::mouseGrabber()->releaseMouse();
        view.reset();
        ResetGameState();
    }

    // An empty board of the given size in create mode, as after the first paint.
    void StartEmpty(int w, int h)
    {
        GameState.width = w;
        GameState.height = h;
        ResetBoard();
    }

    // A board in the text notation, in the given mode.
    void StartWith(const std::string& notation, int mode)
    {
        std::string error;
        ASSERT_TRUE(LoadNotation(notation, &error)) << error;
        GameState.mode = mode;
    }

    // Shows the view, lets the first paints (and any window fit) finish, then
    // starts recording paints.
    void Show()
    {
        view = std::make_unique<CVandorView>();
        view->resize(640, 480);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        Settle();
        view->installEventFilter(&recorder);
        recorder.paints.clear();
    }

    // Delivers the posted events, pending paints included.
    static void Settle() { guitest::Settle(); }

    void Left(int x, int y) { Click(Qt::LeftButton, x, y); }
    void Right(int x, int y) { Click(Qt::RightButton, x, y); }

    void Click(Qt::MouseButton button, int x, int y)
    {
        recorder.paints.clear();
        QTest::mouseClick(view.get(), button, Qt::NoModifier, QPoint(x, y));
        Settle();
    }

    // Pixel centre of cell (c, r) on screen.
    static QPoint CellCentre(int c, int r) { return QPoint(24 * c + 13, 24 * r + 38); }
    void LeftCell(int c, int r) { Left(CellCentre(c, r).x(), CellCentre(c, r).y()); }
    void RightCell(int c, int r) { Right(CellCentre(c, r).x(), CellCentre(c, r).y()); }

    // Centres of the two on-screen buttons for the current width.
    static QPoint UpperButton() { return QPoint(24 * GameState.width + 116, 118); }
    static QPoint LowerButton() { return QPoint(24 * GameState.width + 116, 178); }
    void LeftUpper() { Left(UpperButton().x(), UpperButton().y()); }
    void LeftLower() { Left(LowerButton().x(), LowerButton().y()); }

    // The repaint rectangles, written out from the screen layout.
    static QRegion CellArea(int c, int r) { return QRegion(24 * c + 1, 24 * r + 26, 24, 24); }
    static QRegion BoardArea() { return QRegion(25, 50, 24 * GameState.width, 24 * GameState.height); }
    QRegion WholeView() const { return QRegion(view->rect()); }

    QRegion Painted() const { return recorder.Painted(); }

    static int Code(int c, int r) { return GameState.board[c][r].code; }

    std::unique_ptr<CVandorView> view;
    PaintRecorder recorder;

private:
    // The offscreen platform cannot grab the pointer and says so on every
    // press; the grab itself is still tracked by the widget layer.
    static void QuietGrabWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.contains(QLatin1String("does not support grabbing the mouse")))
            return;
        if (previousHandler)
            previousHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
    static inline QtMessageHandler previousHandler = nullptr;
};
