#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/fsuid.h>
#include <sys/resource.h>

#include "io/Notation.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"
#include "view/Geometry.h"

#include "gui_test_support.h"

namespace {

using namespace guitest;

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(bytes.size(), f.write(bytes));
}

QStringList Listing(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

class FileCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(dir.isValid());
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void TearDown() override
    {
        SetLoadPathChooser({});
        SetSavePathChooser({});
        ResetGameState();
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    void Load(const QString& path)
    {
        SetLoadPathChooser([path](QWidget*) { return path; });
        view.OnPuzzleLoad();
    }
    void Save(const QString& path)
    {
        SetSavePathChooser([path](QWidget*) { return path; });
        view.OnPuzzleSave();
    }

    // A puzzle in the given mode with three moves in its history, painted.
    void MakePuzzle(int mode)
    {
        ASSERT_TRUE(LoadNotation("W . . . . . . . . . . . .\n"
                                 ". w . . B . . . . . . . .\n"
                                 ". . . . . . . . . B . . .\n"
                                 ". . B . b . . . . . . . .\n"
                                 ". . . . . . W . . . . . .\n"
                                 ". . . . . . . . . . . . .\n"
                                 ". . . . . . . . . . . w .\n"
                                 ". . . . . . . . . . . . .\n"
                                 ". . . . . . . . . . . . .\n"
                                 ". . . . W . . . . . . . B"));
        GameState.mode = mode;
        const int moves[3][3] = {{2, 2, Empty}, {5, 4, Empty}, {12, 7, PlacedBlack}};
        for (int i = 0; i < 3; ++i) {
            GameState.undo.undoX[i] = moves[i][0];
            GameState.undo.undoY[i] = moves[i][1];
            GameState.undo.undoPrev[i] = moves[i][2];
        }
        GameState.undo.undoCount = 3;
        view.repaint();
        Settle();
    }

    ModalWatchdog messages{true};
    QTemporaryDir dir;
    CVandorView view;
};

TEST_F(FileCommandTest, SavedPuzzleLoadsBackInEveryModeWithItsHistory)
{
    const QString path = Path("round.vdr");
    for (int mode : {CreateMode, SolveStart, SolveInProgress, SolveFinished}) {
        MakePuzzle(mode);
        GameState.status = StatusMultipleSolutions;
        GameState.altCell = {3, 4};
        const PuzzleRecord saved = CapturePuzzle();

        messages.texts.clear();
        Save(path);  // over the file of the previous mode
        EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
        // Saving changes nothing, the status line included.
        ExpectSamePuzzle(saved, CapturePuzzle());
        EXPECT_EQ(StatusMultipleSolutions, GameState.status);

        ResetGameState();
        GameState.status = StatusLoadFailed;
        view.repaint();
        Load(path);

        PuzzleRecord expected = saved;
        expected.layoutState = 1;
        ExpectSamePuzzle(expected, CapturePuzzle());
        EXPECT_EQ(StatusNone, GameState.status);
        EXPECT_EQ(1, GameState.refitPending);
        EXPECT_EQ(QStringList{"round.vdr"}, Listing(dir.path()));

        // The next paint fits the window to the loaded size and keeps the board.
        Settle();
        EXPECT_EQ(0, GameState.refitPending);
        EXPECT_EQ(geom::WindowWidth(13), view.window()->frameGeometry().width());
        EXPECT_EQ(geom::WindowHeight(10), view.window()->frameGeometry().height());
        expected.layoutState = 2;
        ExpectSamePuzzle(expected, CapturePuzzle());
    }
}

TEST_F(FileCommandTest, FailedLoadKeepsThePuzzleAndShowsTheFailure)
{
    MakePuzzle(SolveStart);
    Save(Path("good.vdr"));
    const QByteArray good = ReadBytes(Path("good.vdr"));
    ASSERT_FALSE(good.isEmpty());

    QByteArray hostile = good;
    hostile[2] = char(200);  // width 200 does not fit the board
    const struct {
        const char* name;
        QByteArray bytes;  // not written for the missing file
    } files[] = {
        {"truncated.vdr", good.left(good.size() / 2)},
        {"lastbytemissing.vdr", good.left(good.size() - 9)},
        {"empty.vdr", QByteArray()},
        {"missing.vdr", QByteArray()},
        {"hostile.vdr", hostile},
    };

    for (const auto& f : files) {
        if (std::strcmp(f.name, "missing.vdr") != 0)
            WriteBytes(Path(f.name), f.bytes);
        MakePuzzle(SolveInProgress);
        const PuzzleRecord before = CapturePuzzle();

        PaintCounter counter(&view);
        Load(Path(f.name));

        ExpectSamePuzzle(before, CapturePuzzle());
        EXPECT_EQ(StatusLoadFailed, GameState.status) << f.name;
        // The view repaints to show the failure line.
        Settle();
        EXPECT_GE(counter.paints, 1) << f.name;
    }
}

TEST_F(FileCommandTest, CancelledDialogsChangeAndRepaintNothing)
{
    MakePuzzle(SolveInProgress);
    GameState.status = StatusUnsolvable;
    const PuzzleRecord before = CapturePuzzle();
    Settle();

    PaintCounter counter(&view);
    Load(QString());
    Save(QString());
    Settle();

    ExpectSamePuzzle(before, CapturePuzzle());
    EXPECT_EQ(StatusUnsolvable, GameState.status);
    EXPECT_EQ(0, GameState.refitPending);
    EXPECT_EQ(0, counter.paints);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(Listing(dir.path()).isEmpty());
}

// Runs as root too, so unwritable targets are made without permission bits:
// a missing folder, a path below a regular file, a path that is a directory,
// and a file-size limit that makes the write itself fail half way. The usual
// reasons are given in Japanese, a rare one in the system's words.
TEST_F(FileCommandTest, FailedSaveTellsTheUserAndKeepsTheOldFile)
{
    const QByteArray old = "an older file that must survive\n";
    WriteBytes(Path("blocker"), old);
    ASSERT_TRUE(QDir(dir.path()).mkpath("folder.vdr/inside"));
    WriteBytes(Path("old.vdr"), old);
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    ASSERT_TRUE(QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    int savedFsuid = 0;

    struct Case {
        QString target;
        QString keptFile;
        QString reason;  // the second line, or for the system's words the end of it
        std::function<void()> before, after;
    };
    struct rlimit savedLimit {};
    getrlimit(RLIMIT_FSIZE, &savedLimit);
    const QString noFolder = QStringLiteral("保存先のフォルダーが見つかりません。");
    const Case cases[] = {
        {Path("missing/puzzle.vdr"), QString(), noFolder, {}, {}},
        {Path("blocker/puzzle.vdr"), Path("blocker"), noFolder, {}, {}},
        {Path("folder.vdr"), QString(), QStringLiteral("保存先は通常のファイルではありません。"), {}, {}},
        {Path(QString(300, 'n') + ".vdr"), QString(), QStringLiteral("ファイル名が長すぎます。"), {}, {}},
        // A non-zero file-system user id takes root's override away.
        {Path("locked/puzzle.vdr"), QString(), QStringLiteral("保存先に書き込む権限がありません。"),
         [&] { savedFsuid = setfsuid(65534); }, [&] { setfsuid(savedFsuid); }},
        // Rarer causes in the system's own words, which follow the locale.
        {Path("old.vdr"), Path("old.vdr"),
         QStringLiteral("システムのエラーです（%1）。").arg(QString::fromLocal8Bit(std::strerror(EFBIG))),
         [] {
             std::signal(SIGXFSZ, SIG_IGN);
             struct rlimit small = {100, RLIM_INFINITY};
             setrlimit(RLIMIT_FSIZE, &small);
         },
         [&] {
             setrlimit(RLIMIT_FSIZE, &savedLimit);
             std::signal(SIGXFSZ, SIG_DFL);
         }},
    };

    for (const Case& c : cases) {
        MakePuzzle(SolveInProgress);
        GameState.status = StatusContradiction;
        const PuzzleRecord before = CapturePuzzle();
        const QStringList listing = Listing(dir.path());

        messages.captions.clear();
        messages.texts.clear();
        if (c.before)
            c.before();
        Save(c.target);
        if (c.after)
            c.after();

        ASSERT_EQ(1, messages.texts.size()) << c.target.toStdString();
        EXPECT_EQ("vandor", messages.captions[0]);
        EXPECT_EQ(QStringLiteral("ファイル %1 に保存できませんでした。").arg(c.target),
                  messages.texts[0].section('\n', 0, 0));
        EXPECT_EQ(c.reason, messages.texts[0].section('\n', 1));
        if (!c.keptFile.isEmpty()) {
            EXPECT_EQ(old, ReadBytes(c.keptFile)) << c.target.toStdString();
        }
        EXPECT_EQ(listing, Listing(dir.path())) << "temporary file left behind";
        EXPECT_EQ(QStringList{"inside"}, Listing(Path("folder.vdr")));
        ExpectSamePuzzle(before, CapturePuzzle());
        EXPECT_EQ(StatusContradiction, GameState.status);
    }
}

// A name ending in .pzprv3 saves that format, which the pzprv3 loader reads
// back; every other name keeps the .vdr bytes.
TEST_F(FileCommandTest, SaveUnderAPzprv3NameWritesPzprv3)
{
    MakePuzzle(SolveInProgress);
    const PuzzleRecord before = CapturePuzzle();
    for (const QString& name : {QStringLiteral("p.pzprv3"), QStringLiteral("P.PZPRV3")}) {
        Save(Path(name));
        EXPECT_TRUE(ReadBytes(Path(name)).startsWith("pzprv3\nyinyang\n")) << name.toStdString();
    }
    Save(Path("p.txt"));
    EXPECT_FALSE(ReadBytes(Path("p.txt")).startsWith("pzprv3"));
    ExpectSamePuzzle(before, CapturePuzzle());

    const std::string board = FormatBoard();
    ResetGameState();
    SetPzprv3PathChooser([this](QWidget*) { return Path("p.pzprv3"); });
    view.OnPzprv3Load();
    SetPzprv3PathChooser({});
    EXPECT_EQ(FormatBoard(), board);
}

// The real dialogs: filtered to puzzle files, owned by the main window, and
// a name typed without an extension gets ".vdr".
TEST_F(FileCommandTest, SaveDialogOffersPuzzleFilesAndAddsTheExtension)
{
    QStringList filters;
    QString suffix;
    bool confirmsOverwrite = false;
    QWidget* owner = nullptr;
    WhenModalOpens([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(nullptr, dlg);
        filters = dlg->nameFilters();
        suffix = dlg->defaultSuffix();
        confirmsOverwrite = !dlg->testOption(QFileDialog::DontConfirmOverwrite);
        owner = dlg->parentWidget();
        dlg->setDirectory(dir.path());
        auto* name = dlg->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nullptr, name);
        QTest::keyClicks(name, "mine");
        QTest::keyClick(name, Qt::Key_Return);
    });
    const QString chosen = ChoosePuzzleToSave(&view);

    EXPECT_EQ(QStringList{"Data Files (*.vdr)"}, filters);
    EXPECT_EQ("vdr", suffix);
    EXPECT_TRUE(confirmsOverwrite);
    EXPECT_EQ(&view, owner);
    EXPECT_EQ(QDir(dir.path()).absoluteFilePath("mine.vdr"), QFileInfo(chosen).absoluteFilePath());
}

TEST_F(FileCommandTest, LoadDialogOffersPuzzleFilesAndCancelGivesNoPath)
{
    QStringList filters;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    WhenModalOpens([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(nullptr, dlg);
        filters = dlg->nameFilters();
        acceptMode = dlg->acceptMode();
        dlg->reject();
    });
    EXPECT_EQ(QString(), ChoosePuzzleToLoad(&view));
    EXPECT_EQ(QStringList{"Data Files (*.vdr)"}, filters);
    EXPECT_EQ(QFileDialog::AcceptOpen, acceptMode);
}

}  // namespace
