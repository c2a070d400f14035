// ヒント: the next step shown with blue marks and placed by 置く as ordinary
// moves, wrong placed stones taken back by 戻す, and the grade in create mode.
#include "mouse_view_fixture.h"

#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

#include <chrono>
#include <set>
#include <thread>
#include <utility>

#include "view/CheckCommands.h"
#include "view/HintWords.h"

namespace {

using Cells = std::set<std::pair<int, int>>;  // 1-based (column, row)

bool IsBlue(QRgb p) { return qBlue(p) > 200 && qRed(p) < 80 && qGreen(p) < 80; }
bool IsRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; }

// Cells with a blue circle: blue at the middle of the left and top edges of
// the cell's picture, clear corners.
Cells CircledCells(const QImage& shot)
{
    Cells circled;
    for (int c = 1; c <= GameState.width; ++c)
        for (int r = 1; r <= GameState.height; ++r) {
            const int left = 24 * c + 2, top = 24 * r + 27;
            if (IsBlue(shot.pixel(left + 1, top + 11)) && IsBlue(shot.pixel(left + 11, top + 1)) &&
                !IsBlue(shot.pixel(left, top)))
                circled.insert({c, r});
        }
    return circled;
}

int BluePixels(const QImage& shot)
{
    int blue = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            blue += IsBlue(shot.pixel(x, y));
    return blue;
}

// Answers the next message box with the button labelled label; keeps its text.
void AnswerWith(const QString& label, QString* text)
{
    guitest::WhenModalOpens([label, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        *text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == label) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no button " << label.toStdString();
        box->reject();
    });
}

const std::string kUnique = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});
const std::string kUniqueSolution = Rows({"b b b b b", "b w w w B", "B b w b B", "w b w B W", "W W W w w"});

char SolutionAt(int c, int r) { return kUniqueSolution[(r - 1) * 10 + (c - 1) * 2]; }

// An engine that works until it is told to stop (or gives up after a while,
// so a lost cancel fails the test instead of hanging it), then claims a
// solution that must not be used.
ExactResult WorkUntilCancelled(const Grid& puzzle, const ExactOptions& options)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!options.cancel->load() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ExactResult r;
    r.solutions = 1;
    r.first = puzzle;
    return r;
}

}  // namespace

class HintCommandTest : public MouseViewFixture {};

TEST_F(HintCommandTest, HintMarksTheNextStepInBlueAndPlacePutsItsStonesAsMoves)
{
    StartWith(kUnique, SolveStart);
    Show();
    guitest::ModalWatchdog watch;
    QString text;
    Cells circled;
    int blueWhileOpen = 0;
    guitest::WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        const QImage shot = view->grab().toImage();
        circled = CircledCells(shot);
        blueWhileOpen = BluePixels(shot);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("置く(&P)"))
                QTest::mouseClick(b, Qt::LeftButton);
    });
    view->OnHint();
    Settle();

    ASSERT_FALSE(circled.empty()) << text.toStdString();
    EXPECT_GT(blueWhileOpen, 0);
    const auto first = *circled.begin();
    EXPECT_TRUE(text.contains(QStringLiteral("(%1,%2) は").arg(first.first).arg(first.second))) << text.toStdString();
    // Every decided cell now holds a placed stone of the solution's colour,
    // each one move of the history, and the solve has begun.
    EXPECT_EQ(GameState.undo.undoCount, static_cast<int>(circled.size()));
    EXPECT_EQ(GameState.mode, SolveInProgress);
    for (const auto& [c, r] : circled)
        EXPECT_EQ(Code(c, r), SolutionAt(c, r) == 'w' ? PlacedWhite : PlacedBlack) << c << "," << r;
    EXPECT_EQ(BluePixels(view->grab().toImage()), 0) << "the blue marks stay after the board changed";

    // 1つ戻る takes the newest hint stone back like any move.
    LeftUpper();
    EXPECT_EQ(GameState.undo.undoCount, static_cast<int>(circled.size()) - 1);
}

TEST_F(HintCommandTest, CloseLeavesTheBoardAndASolvedBoardIsSaidSo)
{
    StartWith(kUniqueSolution, SolveInProgress);
    Show();
    guitest::ModalWatchdog watch(true);
    view->OnHint();
    Settle();
    EXPECT_EQ(watch.texts, QStringList{QStringLiteral("この盤面は完成しています")});

    StartWith(kUnique, SolveStart);
    const StateSummary before = StateSummary::Take();
    view->OnHint();  // closed by the watchdog: nothing is placed
    Settle();
    EXPECT_EQ(StateSummary::Take(), before);
    EXPECT_GT(BluePixels(view->grab().toImage()), 0) << "the marks stay until the board changes";
}

TEST_F(HintCommandTest, WrongStonesAreCountedShownInRedAndTakenBackByBack)
{
    StartWith(kUnique, SolveStart);
    Show();
    guitest::ModalWatchdog watch;
    RightCell(1, 1);  // black, right
    RightCell(2, 2);  // black, wrong: white in the solution
    RightCell(1, 2);  // black, right
    ASSERT_EQ(GameState.undo.undoCount, 3);

    QString text;
    AnswerWith(QStringLiteral("表示(&S)"), &text);
    view->OnHint();
    Settle();
    EXPECT_EQ(text, QStringLiteral("間違っている石が 1 個あります"));
    const QImage shot = view->grab().toImage();
    const int left = 24 * 2 + 2, top = 24 * 2 + 27;
    EXPECT_TRUE(IsRed(shot.pixel(left + 6, top + 6)) && IsRed(shot.pixel(left + 16, top + 16)));
    EXPECT_EQ(GameState.undo.undoCount, 3);

    AnswerWith(QStringLiteral("戻す(&B)"), &text);
    view->OnHint();
    Settle();
    // Back to the newest board without a wrong stone: (1, 1) alone.
    EXPECT_EQ(GameState.undo.undoCount, 1);
    EXPECT_EQ(Code(1, 1), PlacedBlack);
    EXPECT_EQ(Code(2, 2), Empty);
    EXPECT_EQ(Code(1, 2), Empty);
}

TEST_F(HintCommandTest, InCreateModeHintGradesThePuzzleOfTheGivens)
{
    StartWith(kUnique, CreateMode);
    Show();
    RightCell(1, 1);  // a given black stone, the solution's colour
    guitest::ModalWatchdog watch(true);
    const StateSummary before = StateSummary::Take();
    view->OnHint();
    Settle();
    ASSERT_EQ(watch.texts.size(), 1);
    const QString text = watch.texts.front();
    const QRegularExpression grade(QStringLiteral("^この問題の難易度は ([1-5]) (入門|初級|中級|上級|最上級) です。\n使う手筋: "));
    const auto m = grade.match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();
    const QStringList names{QStringLiteral("入門"), QStringLiteral("初級"), QStringLiteral("中級"), QStringLiteral("上級"), QStringLiteral("最上級")};
    EXPECT_EQ(names.indexOf(m.captured(2)) + 1, m.captured(1).toInt());
    EXPECT_EQ(StateSummary::Take(), before);

    StartWith(Rows({"W B . . .", "B W . . .", ". . . . .", ". . . . .", ". . . . ."}), CreateMode);
    view->OnHint();
    Settle();
    EXPECT_EQ(watch.texts.value(1), QStringLiteral("この問題は成立していません"));
}

TEST_F(HintCommandTest, BackLeavesTheBoardWhenNoBoardOfTheHistoryIsFreeOfWrongStones)
{
    // A wrong stone that came with the board: no move of the history made it.
    StartWith(Rows({". . . . .", ". b . . B", "B . . . B", ". . . B W", "W W W . ."}), SolveInProgress);
    Show();
    guitest::ModalWatchdog watch;
    const StateSummary before = StateSummary::Take();
    QString text, after;
    AnswerWith(QStringLiteral("戻す(&B)"), &text);
    // The box that follows the one 戻す answered.
    QTimer next;
    QObject::connect(&next, &QTimer::timeout, [&after, &next] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && box->text() != QStringLiteral("間違っている石が 1 個あります")) {
            after = box->text();
            next.stop();
            box->accept();
        }
    });
    next.start(5);
    view->OnHint();
    Settle();
    EXPECT_EQ(text, QStringLiteral("間違っている石が 1 個あります"));
    EXPECT_EQ(after, QStringLiteral("戻せる手をすべて戻しても間違っている石が残ります"));
    EXPECT_EQ(StateSummary::Take(), before);
}

TEST_F(HintCommandTest, CancellingTheHintLeavesTheBoardAndItsMarks)
{
    StartWith(kUnique, SolveStart);
    Show();
    {
        guitest::ModalWatchdog close(true);
        view->OnHint();  // a first hint, closed: its marks stay
        Settle();
    }
    const StateSummary before = StateSummary::Take();
    const int blueBefore = BluePixels(view->grab().toImage());
    ASSERT_GT(blueBefore, 0);
    const ExactEngine previous = SetCheckEngine(&WorkUntilCancelled);
    bool progressShown = false;
    guitest::WhenModalOpens([&progressShown](QWidget* w) {
        auto* progress = qobject_cast<QProgressDialog*>(w);
        ASSERT_NE(progress, nullptr);
        progressShown = true;
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    guitest::ModalWatchdog watch(true);
    view->OnHint();
    Settle();
    SetCheckEngine(previous);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(watch.texts, QStringList{QStringLiteral("調査を中止しました")});
    EXPECT_EQ(StateSummary::Take(), before);
    EXPECT_EQ(BluePixels(view->grab().toImage()), blueBefore) << "the marks of the hint before";
}

// Each technique's sentence names the decided cells and colour and the
// cells of its reason as (column,row); ring tells its reason's stones apart
// by colour.
TEST(HintSentence, EachTechniqueSaysWhatIsDecidedAndWhy)
{
    using reason::Technique;
    reason::Board board(6, 6);
    auto at = [](int c, int r) { return (r - 1) * 6 + (c - 1); };
    for (int cell : {at(3, 2), at(4, 2), at(3, 3), at(1, 1), at(4, 1)})
        board.colours[cell] = reason::kWhite;
    for (int cell : {at(6, 6), at(5, 5)})
        board.colours[cell] = reason::kBlack;
    const int W = reason::kWhite, B = reason::kBlack;
    struct Case {
        reason::Finding f;
        const char* sentence;
    };
    const Case cases[] = {
        {{Technique::Block, B, {at(4, 3)}, {at(3, 2), at(4, 2), at(3, 3)}, 0},
         "(4,3) は黒です。(3,2)(4,2)(3,3) が白なので、白にすると 2×2 が白だけになります。"},
        {{Technique::Checker, W, {at(6, 5)}, {at(5, 5), at(5, 6), at(6, 6)}, 0},
         "(6,5) は白です。黒にすると (5,5)(5,6)(6,6) と合わせて 2×2 が市松模様になります。"},
        {{Technique::Ring, W, {at(2, 1), at(3, 1)}, {at(1, 1), at(4, 1), at(6, 6)}, 0},
         "(2,1)(3,1) は白です。外周で白の (1,1)(4,1) の間にあり、外周の反対側に黒の (6,6) があるので、"
         "黒にすると外周の白と黒が交互に並び、どちらかがつながれなくなります。"},
        {{Technique::Escape, W, {at(2, 2)}, {at(3, 2), at(4, 2)}, 0},
         "(2,2) は白です。(3,2)(4,2) の白がほかの白とつながるための出口は、ここしか残っていません。"},
        {{Technique::Reach, B, {at(6, 5)}, {at(5, 5), at(6, 6)}, 0},
         "(6,5) は黒です。黒の (5,5)(6,6) に囲まれていて、白にするとほかの白とつながれません。"},
        {{Technique::Cut, W, {at(2, 1)}, {at(1, 1), at(3, 2)}, 0},
         "(2,1) は白です。黒にすると (1,1)(3,2) の白が分断され、つながれなくなります。"},
        {{Technique::Trial, B, {at(2, 3)}, {at(3, 2), at(4, 2), at(3, 3), at(4, 3)}, 2},
         "(2,3) は黒です。白と仮定して手筋を進めると、2 巡目で (3,2)(4,2)(3,3)(4,3) に矛盾が起きます。"},
        {{Technique::Either, B, {at(5, 2), at(6, 2)}, {at(5, 3)}, 3},
         "(5,2)(6,2) は黒です。(5,3) を白と仮定しても黒と仮定しても、手筋を進めるとそうなります。"},
        {{Technique::Parity, W, {at(5, 1)}, {at(4, 1)}, 0},
         "(5,1) は白です。白と黒の境目の線は盤の内側の格子点をすべて一度ずつ通るので、外周で色が変わる所（線の端）は"
         "格子点の偶奇で限られます。黒にすると (4,1) のそばの、色が変われない所で変わってしまいます。"},
        {{Technique::Search, W, {at(1, 4)}, {}, 0},
         "(1,4) は白です。手筋では決まりませんが、すべての解を調べるとどの解でも白です。"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepSentence(c.f, board), QString::fromUtf8(c.sentence)) << reason::InfoOf(c.f.technique).id;
}
