#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "dialogs/Dialogs.h"
#include "io/Notation.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/CVandorView.h"

#include "gui_test_support.h"

namespace {

using namespace guitest;

struct Message {
    QString caption;
    QString text;
};

// Clicks OK and returns the message box that the click brought up, if any
// (its text empty otherwise), closing it.
Message PressOk(QDialog* dlg)
{
    Message message;
    QTimer catcher;
    QObject::connect(&catcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            message = {box->windowTitle(), box->text()};
            box->accept();
        }
    });
    catcher.start(5);
    QTest::mouseClick(dlg->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    catcher.stop();
    return message;
}

void Type(QDialog* dlg, const char* editName, const QString& text)
{
    auto* edit = dlg->findChild<QLineEdit*>(editName);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString Text(QDialog* dlg, const char* editName) { return dlg->findChild<QLineEdit*>(editName)->text(); }

const QString kNotAnInteger = QStringLiteral("整数を入力してください。");
const QString kOutOfRange = QStringLiteral("5 から 15 までの整数を入力してください。");

// A shown view with a 7 x 6 puzzle half solved by hand and painted.
class DialogCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        ASSERT_TRUE(LoadNotation("W . . . . . .\n"
                                 ". w . . B . .\n"
                                 ". . . . . . .\n"
                                 ". . B . b . .\n"
                                 ". . . . . . W\n"
                                 ". . . . . . ."));
        GameState.undo.undoCount = 2;
        GameState.undo.undoX[0] = 2;
        GameState.undo.undoY[0] = 2;
        GameState.undo.undoX[1] = 5;
        GameState.undo.undoY[1] = 4;
        view.repaint();
        QApplication::processEvents();
        before = CapturePuzzle();
        statusBefore = GameState.status;
    }
    void TearDown() override { ResetGameState(); }

    void ExpectNothingChanged()
    {
        ExpectSamePuzzle(before, CapturePuzzle());
        EXPECT_EQ(statusBefore, GameState.status);
        EXPECT_EQ(0, GameState.refitPending);
    }

    ModalWatchdog watchdog;
    CVandorView view;
    PuzzleRecord before;
    int statusBefore = 0;
};

TEST_F(DialogCommandTest, SizeDialogOpensWithTheCurrentSizeAndCancelKeepsEverything)
{
    // Three ways out without OK: the Cancel button, Escape and the close box.
    const std::function<void(QDialog*)> closers[] = {
        [](QDialog* dlg) { QTest::mouseClick(dlg->findChild<QPushButton*>("cancelButton"), Qt::LeftButton); },
        [](QDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); },
        [](QDialog* dlg) { dlg->close(); },
    };
    for (const auto& close : closers) {
        QString shownWidth, shownHeight, firstFocus, afterTab;
        WhenModalOpens([&](QWidget* w) {
            auto* dlg = qobject_cast<CSizeDlg*>(w);
            ASSERT_NE(nullptr, dlg);
            EXPECT_EQ(QStringLiteral("サイズ変更"), dlg->windowTitle());
            EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
            EXPECT_TRUE(dlg->findChild<QPushButton*>("okButton")->isDefault());
            shownWidth = Text(dlg, "widthEdit");
            shownHeight = Text(dlg, "heightEdit");
            firstFocus = dlg->focusWidget()->objectName();
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Tab);
            afterTab = dlg->focusWidget()->objectName();
            Type(dlg, "widthEdit", "12");
            Type(dlg, "heightEdit", "5");
            close(dlg);
        });
        PaintCounter counter(&view);
        view.OnBoardSize();
        QApplication::processEvents();

        EXPECT_EQ("7", shownWidth);
        EXPECT_EQ("6", shownHeight);
        EXPECT_EQ("widthEdit", firstFocus);
        EXPECT_EQ("heightEdit", afterTab);
        EXPECT_EQ(0, counter.paints);
        ExpectNothingChanged();
    }
}

TEST_F(DialogCommandTest, SizeDialogOkWithTheSameSizeStillClearsTheBoard)
{
    GameState.mode = SolveInProgress;
    WhenModalOpens([](QWidget* w) { PressOk(qobject_cast<QDialog*>(w)); });
    PaintCounter counter(&view);
    view.OnBoardSize();

    EXPECT_EQ(7, GameState.width);
    EXPECT_EQ(6, GameState.height);
    EXPECT_EQ(0, GameState.layoutState);

    // The next paint rebuilds the board.
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
    EXPECT_EQ(CreateMode, GameState.mode);
    EXPECT_EQ(StatusNone, GameState.status);
    EXPECT_EQ(". . . . . . .\n"
              ". . . . . . .\n"
              ". . . . . . .\n"
              ". . . . . . .\n"
              ". . . . . . .\n"
              ". . . . . . .\n",
              FormatBoard());
}

TEST_F(DialogCommandTest, SizeDialogAcceptsBothBoundsInEitherBox)
{
    const struct {
        const char* width;
        const char* height;
    } cases[] = {{"5", "15"}, {"15", "5"}, {" 9 ", "+10"}};
    for (const auto& c : cases) {
        Message refused;
        WhenModalOpens([&](QWidget* w) {
            auto* dlg = qobject_cast<QDialog*>(w);
            Type(dlg, "widthEdit", c.width);
            Type(dlg, "heightEdit", c.height);
            refused = PressOk(dlg);
        });
        view.OnBoardSize();
        EXPECT_EQ("", refused.text) << c.width << " x " << c.height;
        EXPECT_EQ(QString(c.width).trimmed().toInt(), GameState.width);
        EXPECT_EQ(QString(c.height).toInt(), GameState.height);
        EXPECT_EQ(0, GameState.layoutState);
    }
}

TEST_F(DialogCommandTest, SizeDialogRefusesBadValuesWidthFirstAndStaysOpen)
{
    const struct {
        const char* width;
        const char* height;
        const char* refusedBox;
        QString message;
    } cases[] = {
        {"4", "9", "widthEdit", kOutOfRange},
        {"16", "9", "widthEdit", kOutOfRange},
        {"9a", "9", "widthEdit", kNotAnInteger},
        {"", "9", "widthEdit", kNotAnInteger},
        {"9", "4", "heightEdit", kOutOfRange},
        {"9", "16", "heightEdit", kOutOfRange},
        {"9", "9a", "heightEdit", kNotAnInteger},
        // Both wrong: only the width is reported.
        {"0", "x", "widthEdit", kOutOfRange},
        {"x", "0", "widthEdit", kNotAnInteger},
    };
    for (const auto& c : cases) {
        Message refused;
        QString focused;
        bool stillOpen = false;
        WhenModalOpens([&](QWidget* w) {
            auto* dlg = qobject_cast<QDialog*>(w);
            Type(dlg, "widthEdit", c.width);
            Type(dlg, "heightEdit", c.height);
            refused = PressOk(dlg);
            stillOpen = dlg->isVisible();
            focused = dlg->focusWidget() ? dlg->focusWidget()->objectName() : QString();
            dlg->reject();
        });
        view.OnBoardSize();

        const std::string which = std::string(c.width) + " x " + c.height;
        EXPECT_EQ("vandor", refused.caption) << which;
        EXPECT_EQ(c.message, refused.text) << which;
        EXPECT_EQ(c.refusedBox, focused) << which;
        EXPECT_TRUE(stillOpen) << which;
        ExpectNothingChanged();
    }
}

TEST_F(DialogCommandTest, SizeDialogReportsTheHeightOnceTheWidthIsCorrected)
{
    Message first, second, third;
    WhenModalOpens([&](QWidget* w) {
        auto* dlg = qobject_cast<QDialog*>(w);
        Type(dlg, "widthEdit", "4");
        Type(dlg, "heightEdit", "9a");
        first = PressOk(dlg);
        Type(dlg, "widthEdit", "11");
        second = PressOk(dlg);
        Type(dlg, "heightEdit", "8");
        third = PressOk(dlg);
    });
    view.OnBoardSize();

    EXPECT_EQ(kOutOfRange, first.text);
    EXPECT_EQ(kNotAnInteger, second.text);
    EXPECT_EQ("", third.text);
    EXPECT_EQ(11, GameState.width);
    EXPECT_EQ(8, GameState.height);
}

// The labels of a dialog, in creation order.
QStringList LabelTexts(const QWidget* dlg)
{
    QStringList texts;
    for (const QLabel* label : dlg->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    return texts;
}

// Every label shows its whole text inside the dialog.
void ExpectNothingCutOff(const QWidget* dlg)
{
    for (const QLabel* label : dlg->findChildren<QLabel*>()) {
        const QFontMetrics fm(label->font());
        EXPECT_GE(label->width(), fm.horizontalAdvance(label->text())) << label->text().toStdString();
        EXPECT_GE(label->height(), fm.height()) << label->text().toStdString();
        EXPECT_TRUE(dlg->rect().contains(label->geometry())) << label->text().toStdString();
    }
}

TEST_F(DialogCommandTest, HelpDialogsShowTheirTextsAndChangeNothing)
{
    // Besides the count, the lines whose colons are lined up with
    // ideographic spaces, the easiest to get wrong.
    const struct {
        void (CVandorView::*command)();
        QString title;
        int lines;
        QStringList samples;
    } dialogs[] = {
        {&CVandorView::OnHelpRules, QStringLiteral("ルール説明"), 4,
         {QStringLiteral("・同じ色の２×２マス以上のかたまりができてはいけません．")}},
        {&CVandorView::OnHelpCreate, QStringLiteral("操作説明（作成時）"), 6,
         {QStringLiteral("「全クリア」　　：全ての数をクリアします．")}},
        {&CVandorView::OnHelpSolve, QStringLiteral("操作説明（解答時）"), 8,
         {QStringLiteral("「一つ戻る」　　：一つ前の手順に戻します．"),
          QStringLiteral("「最初に戻る」　：解答モードの初期状態に戻ります．"),
          QStringLiteral("「自動解答」　　：自動解答を行います．")}},
    };
    for (const auto& d : dialogs) {
        QString title;
        QStringList texts;
        bool fixedSize = false;
        WhenModalOpens([&](QWidget* w) {
            title = w->windowTitle();
            texts = LabelTexts(w);
            fixedSize = w->minimumSize() == w->maximumSize();
            ExpectNothingCutOff(w);
            EXPECT_TRUE(w->findChild<QPushButton*>("okButton")->isDefault());
            // Enter presses the default button.
            QTest::keyClick(w, Qt::Key_Return);
        });
        (view.*d.command)();

        EXPECT_EQ(d.title, title);
        EXPECT_EQ(d.lines, texts.size());
        for (const QString& sample : d.samples)
            EXPECT_TRUE(texts.contains(sample)) << sample.toStdString();
        EXPECT_TRUE(fixedSize);
        ExpectNothingChanged();
    }
}

TEST_F(DialogCommandTest, AboutBoxShowsNameVersionAndIconAndChangesNothing)
{
    CAboutDlg dlg;
    EXPECT_EQ(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), dlg.windowTitle());
    EXPECT_TRUE(LabelTexts(&dlg).contains(QStringLiteral("Vandor　Ver1.0")));
    EXPECT_EQ(2, LabelTexts(&dlg).size());  // the name and the credit line
    ExpectNothingCutOff(&dlg);
    const QPixmap icon = dlg.findChild<QLabel*>("iconLabel")->pixmap();
    EXPECT_EQ(QSize(32, 32), icon.size());

    WhenModalOpens([](QWidget* w) { PressOk(qobject_cast<QDialog*>(w)); });
    EXPECT_EQ(QDialog::Accepted, dlg.DoModal());
    ExpectNothingChanged();
}

}  // namespace
