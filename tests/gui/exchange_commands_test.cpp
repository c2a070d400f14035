// The ﾂｰﾙ menu's exchange commands: loading a puzzle URL through its dialog,
// copying the URL of the board, and loading a pzprv3 file.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "dialogs/ReasonTexts.h"
#include "io/Notation.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"
#include "view/Geometry.h"

#include "gui_test_support.h"

namespace {

using namespace guitest;

// 7 columns, 5 rows: a shape that shows swapped sizes.
const char* const kSevenByFive =
    "W . . . . . B\n"
    ". . B . . . .\n"
    ". . . . W . .\n"
    ". . . . . . .\n"
    "B . . . . . W\n";
const char* const kSevenByFiveUrl = "https://puzz.link/p?yinyang/7/5/90ii00900603";

class ExchangeCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(dir.isValid());
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        // A puzzle being solved, with moves to take back.
        ASSERT_TRUE(LoadNotation(". . . . . . . . .\n. w . . B . . . .\n. . . . . . . . .\n"
                                 ". . B . b . . . .\n. . . . . . W . .\n. . . . . . . . .\n"
                                 ". . . . . . . . .\n. . . . . . . . .\n. . . . W . . . B\n"));
        GameState.undo.undoX[0] = 2;
        GameState.undo.undoY[0] = 2;
        GameState.undo.undoCount = 1;
        GameState.status = StatusUnsolvable;
        view.repaint();
        Settle();
    }
    void TearDown() override
    {
        SetPzprv3PathChooser({});
        ResetGameState();
    }

    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(bytes.size(), f.write(bytes));
    }
    void LoadPzprv3(const QString& name)
    {
        const QString path = dir.filePath(name);
        SetPzprv3PathChooser([path](QWidget*) { return path; });
        view.OnPzprv3Load();
    }

    QTemporaryDir dir;
    CVandorView view;
};

TEST_F(ExchangeCommandTest, UrlDialogTakesTheClipboardsUrlAndRefusesWhatItCannotOpen)
{
    const PuzzleRecord before = CapturePuzzle();
    QGuiApplication::clipboard()->setText(QStringLiteral("  https://puzz.link/p?yinyang/v:/7/5/90ii00900603\n"));

    // Refused URLs are explained in the dialog, which stays open; then Cancel.
    QStringList seen;
    QString prefilled;
    WhenModalOpens([&](QWidget* dlg) {
        auto* edit = dlg->findChild<QLineEdit*>(QStringLiteral("urlEdit"));
        auto* error = dlg->findChild<QLabel*>(QStringLiteral("errorText"));
        auto* ok = dlg->findChild<QPushButton*>(QStringLiteral("okButton"));
        ASSERT_TRUE(edit && error && ok);
        prefilled = edit->text();
        for (const char* url : {"https://puzz.link/p?nurikabe/5/5/0", "https://puzz.link/p?yinyang/20/5/0",
                                "https://puzz.link/p?yinyang/5/5/00x", "not a url"}) {
            edit->setText(QString::fromLatin1(url));
            QTest::mouseClick(ok, Qt::LeftButton);
            EXPECT_TRUE(dlg->isVisible()) << url;
            seen << error->text();
        }
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    });
    view.OnUrlLoad();
    EXPECT_EQ(prefilled, QString::fromLatin1("https://puzz.link/p?yinyang/v:/7/5/90ii00900603"));
    ASSERT_EQ(seen.size(), 4);
    // In the window's words only, with what the URL holds where it matters.
    EXPECT_EQ(seen[0], QStringLiteral("「nurikabe」のURLです。しろまるくろまる（yinyang）のURLではありません。"));
    EXPECT_EQ(seen[1], QStringLiteral("20×5 の盤面は開けません。横ｻｲｽﾞ・縦ｻｲｽﾞは 5～15 です。"));
    EXPECT_EQ(seen[2], QStringLiteral("URLの 35 文字目に使えない文字 'x' があります。"));
    EXPECT_EQ(seen[3], QStringLiteral("問題のURL（https://puzz.link/p?yinyang/...）ではありません。"));
    Settle();
    ExpectSamePuzzle(before, CapturePuzzle());
    EXPECT_EQ(GameState.status, StatusUnsolvable);

    // OK on the clipboard's URL: its givens in create mode, nothing of the
    // old puzzle left, and the window fitted to 7 x 5.
    WhenModalOpens([](QWidget* dlg) {
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    view.OnUrlLoad();
    EXPECT_EQ(FormatBoard(), kSevenByFive);
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.undo.undoCount, 0);
    EXPECT_EQ(GameState.status, StatusNone);
    Settle();
    EXPECT_EQ(view.window()->frameGeometry().width(), geom::WindowWidth(7));
    EXPECT_EQ(view.window()->frameGeometry().height(), geom::WindowHeight(5));

    const QImage shot = view.grab().toImage();
    const int white = DarkPixels(shot, 1, 1);
    const int black = DarkPixels(shot, 7, 1);
    EXPECT_EQ(DarkPixels(shot, 2, 1), 0);
    EXPECT_GT(white, 10);
    EXPECT_GT(black, 2 * white);
    // The other corners, so that swapped rows and columns would show.
    EXPECT_EQ(DarkPixels(shot, 1, 5), black);
    EXPECT_EQ(DarkPixels(shot, 7, 5), white);
    EXPECT_EQ(DarkPixels(shot, 3, 2), black);
    EXPECT_EQ(DarkPixels(shot, 2, 3), 0);
}

TEST_F(ExchangeCommandTest, CopiedUrlHoldsTheGivensAndIsAnnounced)
{
    ASSERT_TRUE(LoadNotation(kSevenByFive));
    GameState.board[2][4].code = PlacedBlack;
    GameState.mode = SolveInProgress;
    const PuzzleRecord before = CapturePuzzle();
    ModalWatchdog messages(true);

    view.OnUrlCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromLatin1(kSevenByFiveUrl));
    EXPECT_EQ(messages.captions, QStringList{QStringLiteral("vandor")});
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QString::fromLatin1(kSevenByFiveUrl)));
    ExpectSamePuzzle(before, CapturePuzzle());
}

TEST_F(ExchangeCommandTest, Pzprv3FileOpensInSolveModeWithItsAnswerOrInCreateModeWithout)
{
    WriteFile("solving.txt", "pzprv3\r\nyinyang\r\n5\r\n7\r\n"
                             "1 . . . . . 2 \r\n. . 2 . . . . \r\n. . . . 1 . . \r\n. . . . . . . \r\n2 . . . . . 1 \r\n"
                             "1 2 . . . . . \r\n. . . . . . . \r\n. . . . . . . \r\n. . . . . . . \r\n. . . . . 1 . \r\n");
    LoadPzprv3("solving.txt");
    EXPECT_EQ(FormatBoard(),
              "W b . . . . B\n"
              ". . B . . . .\n"
              ". . . . W . .\n"
              ". . . . . . .\n"
              "B . . . . w W\n");
    EXPECT_EQ(GameState.mode, SolveInProgress);
    EXPECT_EQ(GameState.undo.undoCount, 0);
    Settle();
    EXPECT_EQ(view.window()->frameGeometry().width(), geom::WindowWidth(7));

    WriteFile("puzzle.pzprv3", "pzprv3\nyinyang\n5\n5\n"
                               ". . . . . \n. . . . 2 \n2 . . . 2 \n. . . 2 1 \n1 1 1 . . \n"
                               ". . . . . \n. . . . . \n. . . . . \n. . . . . \n. . . . . \n");
    LoadPzprv3("puzzle.pzprv3");
    EXPECT_EQ(FormatBoard(), ". . . . .\n. . . . B\nB . . . B\n. . . B W\nW W W . .\n");
    EXPECT_EQ(GameState.mode, CreateMode);
}

TEST_F(ExchangeCommandTest, UnreadablePzprv3FileIsExplainedAndChangesNothing)
{
    WriteFile("genre.pzprv3", "pzprv3\nnurikabe\n5\n5\n");
    WriteFile("wide.pzprv3", "pzprv3\nyinyang\n1\n20\n" + QByteArray(". ").repeated(20) + "\n" +
                                 QByteArray(". ").repeated(20) + "\n");
    const PuzzleRecord before = CapturePuzzle();
    ModalWatchdog messages(true);
    for (const char* name : {"genre.pzprv3", "wide.pzprv3", "missing.pzprv3"})
        LoadPzprv3(QString::fromLatin1(name));
    LoadPzprv3(QString());  // the folder itself
    SetPzprv3PathChooser([](QWidget*) { return QString(); });  // cancelled
    view.OnPzprv3Load();

    ASSERT_EQ(messages.texts.size(), 4);
    EXPECT_EQ(messages.captions, QStringList({"vandor", "vandor", "vandor", "vandor"}));
    EXPECT_TRUE(messages.texts[0].endsWith(
        QStringLiteral("「nurikabe」のファイルです。しろまるくろまる（yinyang）のファイルではありません。")));
    EXPECT_TRUE(messages.texts[1].endsWith(QStringLiteral("20×1 の盤面は開けません。横ｻｲｽﾞ・縦ｻｲｽﾞは 5～15 です。")));
    EXPECT_TRUE(messages.texts[2].endsWith(QStringLiteral("ファイルが見つかりません。")));
    EXPECT_TRUE(messages.texts[3].endsWith(QStringLiteral("フォルダーは読み込めません。")));
    for (const QString& text : messages.texts)
        EXPECT_TRUE(text.startsWith(QStringLiteral("ファイル "))) << text.toStdString();
    ExpectSamePuzzle(before, CapturePuzzle());
    EXPECT_EQ(GameState.status, StatusUnsolvable);
}

// A URL that holds less or more than its board loads as the online players
// read it, and then a message box says so; the exact board says nothing.
TEST_F(ExchangeCommandTest, UrlWithoutExactlyItsBoardLoadsAndThenSaysSo)
{
    const char* const shortBoard =
        "W . . . . . B\n. . B . . . .\n. . . . . . .\n. . . . . . .\n. . . . . . .\n";
    const struct {
        const char* url;
        QStringList said;
        const char* board;
    } cases[] = {
        {kSevenByFiveUrl, {}, kSevenByFive},
        {"https://puzz.link/p?yinyang/7/5/90ii", {QStringLiteral("URLのデータが盤面より短いため、残りのマスを空にしました")},
         shortBoard},
        {"https://puzz.link/p?yinyang/7/5/90ii00900603a", {QStringLiteral("URLの余分なデータを無視しました")},
         kSevenByFive},
        {"https://puzz.link/p?yinyang/7/5/90ii00900603/extra", {QStringLiteral("URLの余分なデータを無視しました")},
         kSevenByFive},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        ASSERT_TRUE(LoadNotation(". . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . W\n"));
        ModalWatchdog messages(true);
        WhenModalOpens([&](QWidget* dlg) {
            dlg->findChild<QLineEdit*>(QStringLiteral("urlEdit"))->setText(QString::fromLatin1(c.url));
            QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        });
        view.OnUrlLoad();
        EXPECT_EQ(messages.texts, c.said);
        EXPECT_EQ(FormatBoard(), c.board);
        EXPECT_EQ(GameState.mode, CreateMode);
    }
}

// The givens and the placed stones, as vandor-cli convert writes them; the
// board itself stays as it was and the file loads back into it.
TEST_F(ExchangeCommandTest, Pzprv3SaveWritesGivensAndPlacedStonesAndLoadsBack)
{
    const PuzzleRecord before = CapturePuzzle();
    const QString path = dir.filePath("saved.pzprv3");
    SetPzprv3PathChooser([path](QWidget*) { return path; });
    view.OnPzprv3Save();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dots = ". . . . . . . . . \n";
    EXPECT_EQ(file.readAll(), "pzprv3\nyinyang\n9\n9\n" + dots + ". . . . 2 . . . . \n" + dots +
                                  ". . 2 . . . . . . \n. . . . . . 1 . . \n" + dots + dots + dots +
                                  ". . . . 1 . . . 2 \n" + dots + ". 1 . . . . . . . \n" + dots +
                                  ". . . . 2 . . . . \n" + dots + dots + dots + dots + dots);
    ExpectSamePuzzle(before, CapturePuzzle());
    EXPECT_EQ(GameState.status, StatusUnsolvable);

    const std::string board = FormatBoard();
    ASSERT_TRUE(LoadNotation(kSevenByFive));
    LoadPzprv3(QStringLiteral("saved.pzprv3"));
    EXPECT_EQ(FormatBoard(), board);
    EXPECT_EQ(GameState.mode, SolveInProgress);

    // A folder that is not there: said in the window's words, nothing written.
    ModalWatchdog messages(true);
    SetPzprv3PathChooser([this](QWidget*) { return dir.filePath("missing/saved.pzprv3"); });
    view.OnPzprv3Save();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].endsWith(QStringLiteral("保存先のフォルダーが見つかりません。")));
}

// Every reason and warning has Japanese words of its own: none falls back to
// the catch-all, none shows English but the system's own reason for a rare
// file error.
TEST(ReasonTexts, EveryProblemAndWarningHasJapaneseWords)
{
    for (int p = 1; p <= static_cast<int>(kLastReadProblem); ++p) {
        ReadError e(static_cast<ReadProblem>(p));
        e.value = ENOENT;  // a cause with words of its own where the system's may show
        const QString text = ReadErrorMessage(e);
        EXPECT_NE(text, QStringLiteral("読み込めませんでした。")) << p;
        const QRegularExpression english(QStringLiteral("\\b(the|bad|line|cannot|expected|must|not)\\b"));
        EXPECT_FALSE(text.contains(english)) << p << ": " << text.toStdString();
    }
    for (ReadWarning w : {ReadWarning::ShortBody, ReadWarning::ExtraData})
        EXPECT_FALSE(ReadWarningMessage(w).isEmpty());
    for (WriteFailure f : {WriteFailure::NoSuchFolder, WriteFailure::PermissionDenied, WriteFailure::ReadOnlyFileSystem,
                           WriteFailure::DiskFull, WriteFailure::NameTooLong, WriteFailure::NotRegularFile,
                           WriteFailure::NotAFileName, WriteFailure::InvalidPuzzle})
        EXPECT_FALSE(WriteErrorMessage(WriteError{f, 0}).contains(QStringLiteral("システム"))) << static_cast<int>(f);
}

}  // namespace
