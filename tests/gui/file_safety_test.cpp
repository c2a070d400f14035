// The window's load and save with names that are no plain file: a named
// pipe is refused at once, and a link to a file that does not exist yet is
// saved through, the link kept.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "io/Notation.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"
#include "gui_test_support.h"

using namespace guitest;

namespace {

class FileSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(dir.isValid());
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        ASSERT_TRUE(LoadNotation("W....\n.w...\n..B..\n...b.\n....W\n"));
        GameState.mode = SolveInProgress;
        view.repaint();
        Settle();
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

    ModalWatchdog messages{true};
    QTemporaryDir dir;
    CVandorView view;
};

TEST_F(FileSafetyTest, PipeIsRefusedAtOnceAndALinkIsSavedThrough)
{
    const PuzzleRecord before = CapturePuzzle();

    // Should the load wait for a writer after all, the alarm ends the tests
    // instead of letting them hang.
    const QString pipe = Path("pipe.vdr");
    ASSERT_EQ(0, ::mkfifo(QFile::encodeName(pipe).constData(), 0644));
    PaintCounter counter(&view);
    ::alarm(20);
    Load(pipe);
    ::alarm(0);
    ExpectSamePuzzle(before, CapturePuzzle());
    EXPECT_EQ(StatusLoadFailed, GameState.status);
    Settle();
    EXPECT_GE(counter.paints, 1);

    const QString link = Path("link.vdr");
    const QString target = Path("new.vdr");
    ASSERT_EQ(0, ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()));
    Save(link);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(target).isFile());

    ResetGameState();
    Load(link);
    EXPECT_EQ(StatusNone, GameState.status);
    PuzzleRecord expected = before;
    expected.layoutState = 1;
    ExpectSamePuzzle(expected, CapturePuzzle());
}

}  // namespace
