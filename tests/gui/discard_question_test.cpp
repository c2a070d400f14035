// The question before a pzprv3 load or a new puzzle replaces a board that
// holds stones put on it since the last load or save.
#include "mouse_view_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "view/FileDialogs.h"

namespace {

const char kPuzzle[] = "pzprv3\nyinyang\n5\n5\n"
                       ". . . . . \n. . . . 2 \n2 . . . 2 \n. . . 2 1 \n1 1 1 . . \n"
                       ". . . . . \n. . . . . \n. . . . . \n. . . . . \n. . . . . \n";
const std::string kPuzzleBoard = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});

}  // namespace

class DiscardQuestionTest : public MouseViewFixture {
protected:
    void SetUp() override
    {
        MouseViewFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        QFile f(dir.filePath(QStringLiteral("p.pzprv3")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kPuzzle);
        f.close();
        SetPzprv3PathChooser([this](QWidget*) { return dir.filePath(QStringLiteral("p.pzprv3")); });
        SetSavePathChooser([this](QWidget*) { return dir.filePath(QStringLiteral("saved.vdr")); });
    }
    void TearDown() override
    {
        SetPzprv3PathChooser({});
        SetSavePathChooser({});
        MouseViewFixture::TearDown();
    }

    // Loads the pzprv3 file, answering the question (if one comes) with the
    // button whose text is answer; returns the questions asked.
    QStringList LoadAnswering(const QString& answer)
    {
        QStringList asked;
        guitest::ModalWatchdog watch;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            asked << box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == answer)
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        poll.start(5);
        view->OnPzprv3Load();
        Settle();
        return asked;
    }

    QTemporaryDir dir;
};

TEST_F(DiscardQuestionTest, AskedOnlyWhenStonesSinceTheLastLoadOrSaveWouldBeLost)
{
    const QString question = QStringLiteral("現在の盤面は失われます。よろしいですか?");
    StartEmpty(9, 9);
    Show();
    EXPECT_TRUE(LoadAnswering(QString()).isEmpty()) << "an empty board has nothing to lose";
    ASSERT_EQ(FormatBoard(), kPuzzleBoard);
    EXPECT_TRUE(LoadAnswering(QString()).isEmpty()) << "the board is the file as loaded";

    // A given changed by hand: いいえ keeps everything, はい loads.
    LeftCell(1, 1);
    const StateSummary edited = StateSummary::Take();
    EXPECT_EQ(LoadAnswering(QStringLiteral("いいえ")), QStringList{question});
    EXPECT_EQ(StateSummary::Take(), edited);
    EXPECT_EQ(LoadAnswering(QStringLiteral("はい")), QStringList{question});
    EXPECT_EQ(FormatBoard(), kPuzzleBoard);

    // Edited, then saved: nothing is lost any more.
    LeftCell(1, 1);
    {
        guitest::ModalWatchdog watch(true);
        view->OnPuzzleSave();
        EXPECT_TRUE(watch.texts.isEmpty()) << "the save failed";
    }
    EXPECT_TRUE(LoadAnswering(QString()).isEmpty());

    // A stone placed by hand in solve mode, and taken off again.
    LeftLower();
    LeftCell(2, 2);
    EXPECT_EQ(LoadAnswering(QStringLiteral("いいえ")), QStringList{question});
    EXPECT_EQ(Code(2, 2), PlacedWhite);
    LeftCell(2, 2);
    EXPECT_TRUE(LoadAnswering(QString()).isEmpty());
}
