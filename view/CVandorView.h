// The board window: paints the whole client area from GameState, takes the
// mouse, and carries out every puzzle command of the menus.
#pragma once

#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "model/Grid.h"
#include "view/BackgroundTask.h"
#include "view/Geometry.h"

class QPainter;
class QPrinter;
namespace reason {
struct Explanation;
}

class CVandorView : public QWidget {
    Q_OBJECT

public:
    explicit CVandorView(QWidget* parent = nullptr);

    // Paints everything from GameState; also rebuilds the board after a size
    // change and fits the main window (CVandorView.cpp).
    void OnDraw(QPainter& dc);

    // Mouse handlers, with the press point in client coordinates (MouseInput.cpp).
    // A press hides the keyboard cursor.
    void OnLButtonDown(QPoint point);
    void OnLButtonUp(QPoint point);
    void OnRButtonDown(QPoint point);
    void OnRButtonUp(QPoint point);

    // Before a command replaces the board (DiscardQuestion.cpp): true when
    // nothing would be lost, or the user agreed to lose the stones put on it
    // since the last load or save; false when the board must stay.
    bool ConfirmDiscardBoard();
    // After a successful save: the board as it is now is kept in a file.
    void NoteBoardSaved();

    // Printing steps (Printing.cpp).
    bool OnPreparePrinting(QPrinter& printer);
    void OnBeginPrinting(QPainter& dc, QPrinter& printer);
    void OnPrint(QPainter& dc, QPrinter& printer);
    void OnEndPrinting(QPainter& dc, QPrinter& printer);

public slots:
    // The auto-solve command of the upper button in SolveStart (AutoSolveCommand.cpp).
    void OnAutoSolve();

    // Menu commands.
    void OnPuzzleLoad();        // PuzzleFileCommands.cpp
    void OnPuzzleSave();        // PuzzleFileCommands.cpp
    void OnBoardSize();         // DialogCommands.cpp
    void OnHelpRules();         // DialogCommands.cpp
    void OnHelpCreate();        // DialogCommands.cpp
    void OnHelpSolve();         // DialogCommands.cpp
    void OnHelpTools();         // DialogCommands.cpp
    void OnFilePrint();         // Printing.cpp
    void OnFilePrintPreview();  // Printing.cpp

    // The ﾂｰﾙ menu.
    void OnCheckUnique();       // CheckCommands.cpp
    void OnCheckAnswer();       // CheckCommands.cpp
    void OnHint();              // HintCommand.cpp
    void OnUrlLoad();           // ExchangeCommands.cpp
    void OnUrlCopy();           // ExchangeCommands.cpp
    void OnPzprv3Load();        // ExchangeCommands.cpp
    void OnPzprv3Save();        // ExchangeCommands.cpp
    void OnGeneratePuzzle();    // GenerateCommand.cpp
    // The checkable items, with their new state.
    void OnNotifySolved(bool on);  // DialogCommands.cpp
    void OnShowUndecided(bool on); // CheckCommands.cpp

public:
    // While 未確定のマスを常に表示 is on: checks the givens again in the
    // background when they changed since the last check, and frames the
    // undecided cells once it has the answer (CheckCommands.cpp). Called
    // after every press, key and command.
    void RefreshUndecided();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The view shows no focus, so gaining or losing it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A press at point as the left (left true) or right button would make it,
    // without the mouse capture (MouseInput.cpp).
    void PressAt(QPoint point, bool left);
    void PressBoard(QPoint point, bool left);
    void PressLowerButton();
    // 「正解です」 after a move by hand that filled the board correctly.
    void AnnounceSolved();
    void PressUpperButton();

    // ヒント (HintCommand.cpp): the wrong placed stones, or the next step
    // of the reasoner on the board; in create mode the puzzle's grade.
    void HintWrongStones(const Grid& board, const Grid& solution, int wrong);
    void HintStep(const reason::Explanation& step);
    void PlaceHintStones(const std::vector<int>& cells, int colour);

    // The keyboard cursor (KeyboardInput.cpp): its cell, 1-based and kept
    // inside the board, and whether it is drawn.
    QPoint CursorCell() const;
    void SetCursorShown(bool shown);
    void MoveCursor(int dx, int dy);
    void PressCursorCell(bool left);

    // The board as last loaded, rebuilt or saved (DiscardQuestion.cpp).
    void KeepBoard();
    bool BoardWouldBeLost() const;

    void ApplyPendingLayout();
    // Where everything goes for the current size, worked out again only when
    // the size changes.
    const geom::ViewLayout& Layout();
    void FitMainWindow();
    bool SavePzprv3To(const QString& path);  // ExchangeCommands.cpp

    geom::ViewLayout m_layout;
    Grid m_keptBoard;

    // The background check of 未確定のマスを常に表示: the givens it checks
    // (or checked), its undecided cells once ready, and whether the marks on
    // the board are its own.
    void ShowLiveMarks();
    LatestJob* m_liveJob = nullptr;
    bool m_showUndecided = false;
    Grid m_liveGivens;
    bool m_liveReady = false;
    std::vector<std::uint8_t> m_liveUndecided;
    bool m_liveMarksShown = false;

    QPoint m_cursor{1, 1};
    bool m_cursorShown = false;

    // The window manager's frame around the main window when it was last
    // fitted as a normal window; invalid until then.
    QSize m_normalDecoration;
};
