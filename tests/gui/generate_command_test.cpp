// "問題を自動作成" as a user runs it: the dialog, the new puzzle on the
// painted board, the message with its seed, and the ways out that change
// nothing.
#include "mouse_view_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>


#include "generator/Generator.h"
#include "io/Notation.h"
#include "reason/Reasoner.h"
#include "view/Geometry.h"

namespace {

const std::string kStart = Rows({"B . . . . . W", ". . . . . . .", ". . W . . . .", ". . . . . . .",
                                 ". . . . B . .", "W . . . . . B"});

template <typename T>
T* Child(QWidget* dlg, const char* name)
{
    T* w = dlg->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Fills in the dialog once it opens and presses OK or Cancel.
// radioName: the level's button to click, nullptr to keep the one checked.
void AnswerDialog(const char* radioName, const QString& seed, const char* button)
{
    guitest::WhenModalOpens([radioName, seed, button](QWidget* dlg) {
        if (radioName) {
            // On the round button itself: a radio button takes clicks on its
            // button and text only.
            QRadioButton* radio = Child<QRadioButton>(dlg, radioName);
            QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(6, radio->height() / 2));
            EXPECT_TRUE(radio->isChecked());
        }
        QTest::keyClicks(Child<QLineEdit>(dlg, "seedEdit"), seed);
        QTest::mouseClick(Child<QPushButton>(dlg, button), Qt::LeftButton);
    });
}

}  // namespace

class GenerateCommandTest : public MouseViewFixture {};

TEST_F(GenerateCommandTest, OkReplacesTheBoardWithANewPuzzleOfItsSizeAndNamesTheSeed)
{
    StartWith(kStart, SolveInProgress);
    Show();

    const std::pair<const char*, GenerateLevel> levels[] = {
        {nullptr, GenerateLevel::Program}, {"anyRadio", GenerateLevel::Any}, {"grade3Radio", GenerateLevel::Grade3}};
    for (const auto& [radioName, level] : levels) {
        SCOPED_TRACE(LevelName(level));
        guitest::ModalWatchdog watch(true);
        AnswerDialog(radioName, QStringLiteral("4242"), "okButton");
        view->OnGeneratePuzzle();
        Settle();

        GenerateOptions o;
        o.width = 7;
        o.height = 6;
        o.level = level;
        o.seed = 4242;
        const GenerateResult expected = GeneratePuzzle(o);
        ASSERT_TRUE(expected.ok);
        EXPECT_EQ(GameState.mode, CreateMode);
        EXPECT_EQ(GameState.undo.undoCount, 0);
        EXPECT_EQ(FormatGridNotation(GridFromRecord(CapturePuzzle())), FormatGridNotation(expected.puzzle));
        if (LevelGrade(level) != 0) {
            EXPECT_EQ(reason::Explain(GridFromRecord(CapturePuzzle())).grade, LevelGrade(level));
        }
        ASSERT_EQ(watch.texts.size(), 1);
        EXPECT_EQ(watch.texts[0].toStdString(),
                  "問題を作成しました。\nｼｰﾄﾞ: 4242\nﾋﾝﾄの数: " + std::to_string(expected.givens));

        // The painted board shows the new givens: no dark pixels in an
        // empty cell, a ring's worth for white, a disc's worth for black.
        const QImage shot = view->grab().toImage();
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 7; ++c) {
                const int dark = guitest::DarkPixels(shot, c, r);
                switch (expected.puzzle.at(c - 1, r - 1)) {
                case Empty: EXPECT_EQ(dark, 0) << "cell " << c << "," << r; break;
                case GivenWhite: EXPECT_TRUE(dark > 0 && dark < 200) << "cell " << c << "," << r; break;
                default: EXPECT_GE(dark, 200) << "cell " << c << "," << r; break;
                }
            }
        }
    }
}

TEST_F(GenerateCommandTest, CancelOrABadSeedChangesNothing)
{
    StartWith(kStart, SolveInProgress);
    Show();
    const StateSummary before = StateSummary::Take();

    guitest::ModalWatchdog watch(true);
    AnswerDialog(nullptr, QString(), "cancelButton");
    view->OnGeneratePuzzle();
    Settle();
    EXPECT_EQ(StateSummary::Take(), before);

    // A seed that is no number keeps the dialog open with a word on why.
    guitest::WhenModalOpens([](QWidget* dlg) {
        QTest::keyClicks(Child<QLineEdit>(dlg, "seedEdit"), QStringLiteral("12a"));
        QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_FALSE(Child<QLabel>(dlg, "errorText")->text().isEmpty());
        QTest::mouseClick(Child<QPushButton>(dlg, "cancelButton"), Qt::LeftButton);
    });
    view->OnGeneratePuzzle();
    Settle();
    EXPECT_EQ(StateSummary::Take(), before);
    EXPECT_TRUE(watch.texts.isEmpty());
}
