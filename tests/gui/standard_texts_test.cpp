// Qt's own dialogs and buttons speak Japanese like the rest of the window.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>

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
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(QStringLiteral("キャンセル"), box.button(QDialogButtonBox::Cancel)->text());
    EXPECT_EQ(QStringLiteral("はい(&Y)"), box.button(QDialogButtonBox::Yes)->text());
    EXPECT_EQ(QStringLiteral("いいえ(&N)"), box.button(QDialogButtonBox::No)->text());
    EXPECT_EQ(QLocale::Japanese, QLocale().language());
}

// The load and save dialogs as the commands open them: the accept and
// cancel buttons and the labels read Japanese.
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
            for (QAbstractButton* b : buttons->buttons()) {
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

}  // namespace
