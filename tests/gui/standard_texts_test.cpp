// Qt's own dialogs and buttons speak Japanese like the rest of the window.
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/QtJapanese.h"
#include "view/FileDialogs.h"

#include "gui_test_support.h"

namespace {

using namespace guitest;

TEST(StandardTextsTest, StandardButtonsAreJapanese)
{
    // The test program loads the translation as the program does; loading
    // it again keeps it.
    ASSERT_TRUE(LoadQtJapanese());
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    EXPECT_EQ(QStringLiteral("キャンセル"), box.button(QDialogButtonBox::Cancel)->text());
    EXPECT_EQ(QStringLiteral("はい(&Y)"), box.button(QDialogButtonBox::Yes)->text());
    EXPECT_EQ(QStringLiteral("いいえ(&N)"), box.button(QDialogButtonBox::No)->text());
    EXPECT_EQ(QLocale::Japanese, QLocale().language());
}

// The load and save dialogs as the commands open them: the accept button,
// the labels and the cancel button read Japanese.
TEST(StandardTextsTest, LoadAndSaveDialogsAreJapanese)
{
    struct Seen {
        QString accept, cancel, lookIn;
    };
    auto watch = [](Seen& seen) {
        WhenModalOpens([&seen](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(nullptr, dlg);
            auto* buttons = dlg->findChild<QDialogButtonBox*>("buttonBox");
            ASSERT_NE(nullptr, buttons);
            const QList<QAbstractButton*> accept = buttons->buttons();
            for (QAbstractButton* b : accept) {
                if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
                    seen.accept = b->text();
            }
            seen.cancel = buttons->button(QDialogButtonBox::Cancel)->text();
            seen.lookIn = dlg->labelText(QFileDialog::LookIn);
            dlg->reject();
        });
    };
    Seen load, save;
    ModalWatchdog watchdog;
    watch(load);
    ChoosePuzzleToLoad(nullptr);
    watch(save);
    ChoosePuzzleToSave(nullptr);

    EXPECT_EQ(QStringLiteral("開く(&O)"), load.accept);
    EXPECT_EQ(QStringLiteral("保存(&S)"), save.accept);
    EXPECT_EQ(QStringLiteral("キャンセル"), load.cancel);
    EXPECT_EQ(QStringLiteral("キャンセル"), save.cancel);
    EXPECT_EQ(QStringLiteral("アドレス:"), load.lookIn);
}

// Saving over an existing file asks first, in Japanese; No goes back to
// the dialog.
TEST(StandardTextsTest, OverwriteQuestionIsJapanese)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile existing(dir.filePath("old.vdr"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    QString question, yes, no;
    bool backInDialog = false;
    ModalWatchdog watchdog;
    WhenModalOpens([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(nullptr, dlg);
        dlg->setDirectory(dir.path());
        auto* name = dlg->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nullptr, name);
        WhenModalOpens([&](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            ASSERT_NE(nullptr, box);
            question = box->text();
            yes = box->button(QMessageBox::Yes)->text();
            no = box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        QTest::keyClicks(name, "old");
        QTest::keyClick(name, Qt::Key_Return);
        backInDialog = dlg->isVisible();
        dlg->reject();
    });
    EXPECT_EQ(QString(), ChoosePuzzleToSave(nullptr));

    EXPECT_TRUE(backInDialog);
    EXPECT_TRUE(question.startsWith(QStringLiteral("old.vdr は既に存在します。"))) << question.toStdString();
    EXPECT_EQ(QStringLiteral("はい(&Y)"), yes);
    EXPECT_EQ(QStringLiteral("いいえ(&N)"), no);
}

}  // namespace
