// Each kind of file dialog (puzzles, pzprv3, PDF) opens in the folder a file
// of its kind was last chosen in, also in the next run (the settings).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>

#include "gui_test_support.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"
#include "view/WindowSettings.h"

namespace {

QString Touch(const QTemporaryDir& dir, const QString& name)
{
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    return QFileInfo(f).absoluteFilePath();
}

// Runs choose with a dialog that chooses file (or cancels when it is empty);
// returns the folder the dialog opened in.
template <typename Choose>
QString OpenedIn(Choose choose, const QString& file)
{
    QString opened;
    guitest::WhenModalOpens([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        opened = QFileInfo(dlg->directory().absolutePath()).canonicalFilePath();
        if (file.isEmpty()) {
            dlg->reject();
            return;
        }
        dlg->selectFile(file);
        static_cast<QDialog*>(dlg)->accept();
    });
    guitest::ModalWatchdog watch;
    const QString chosen = choose();
    EXPECT_EQ(chosen, file);
    return opened;
}

QString Canonical(const QTemporaryDir& d) { return QFileInfo(d.path()).canonicalFilePath(); }

}  // namespace

TEST(FileDialogFoldersTest, EachKindOpensWhereItsLastFileWasChosen)
{
    QSettings().remove(QStringLiteral("folders"));
    QTemporaryDir puzzles, pzprv3, pdf;
    const QString puzzle = Touch(puzzles, QStringLiteral("a.vdr"));
    const QString text = Touch(pzprv3, QStringLiteral("b.pzprv3"));
    const auto load = [] { return ChoosePuzzleToLoad(nullptr); };
    const auto save = [] { return ChoosePuzzleToSave(nullptr); };
    const auto loadText = [] { return ChoosePzprv3ToLoad(nullptr); };

    OpenedIn(load, puzzle);
    EXPECT_EQ(OpenedIn(save, QString()), Canonical(puzzles)) << "load and save share the puzzles' folder";
    OpenedIn(loadText, text);
    EXPECT_EQ(OpenedIn(load, QString()), Canonical(puzzles)) << "pzprv3 keeps a folder of its own";
    EXPECT_EQ(OpenedIn(loadText, QString()), Canonical(pzprv3));
    EXPECT_EQ(QFileInfo(LastFolder(FileKind::Puzzle)).canonicalFilePath(), Canonical(puzzles)) << "in the settings";

    // Printing to a PDF file starts in the folder last printed to, and the
    // folder of the file printed to is kept.
    RememberFolder(FileKind::Pdf, pdf.path());
    CVandorView view;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    guitest::WhenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(view.OnPreparePrinting(printer));
    EXPECT_EQ(QFileInfo(printer.outputFileName()).absolutePath(), pdf.path());

    printer.setOutputFileName(puzzles.filePath(QStringLiteral("page.pdf")));
    guitest::WhenModalOpens([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    EXPECT_TRUE(view.OnPreparePrinting(printer));
    EXPECT_EQ(LastFolder(FileKind::Pdf), puzzles.path());
}
