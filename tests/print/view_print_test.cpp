// The print commands of the board view: the page through a real QPrinter,
// the print dialog with no printer installed, and the preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "pdf_probe.h"
#include "view/CVandorView.h"
#include "view/Printing.h"

namespace {

class ViewPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(dir.isValid());
        probe::Load(
            "B . . . . . W\n"
            ". w . . . . .\n"
            ". . . . . . .\n"
            ". . . . . b .\n"
            ". . . . . . .\n"
            "W . . . . . B\n");
    }

    // Runs `step` on the modal dialog that `command` opens; a dialog of any
    // other kind, or none, fails the test instead of hanging it.
    template <typename Dialog>
    void WithModal(const std::function<void(Dialog*)>& step, const std::function<void()>& command)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (!dialog) {
                ADD_FAILURE() << "expected a " << Dialog::staticMetaObject.className() << ", got "
                              << (modal ? modal->metaObject()->className() : "nothing");
                if (modal)
                    modal->close();
                return;
            }
            seen = true;
            step(dialog);
        });
        command();
        EXPECT_TRUE(seen);
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    CVandorView view;
};

// The page is placed from the printable area's corner, wherever the margins put it.
TEST_F(ViewPrintTest, OnPrintDrawsThePageFromThePrintableAreaCorner)
{
    if (!probe::HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("margins.pdf"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 17, 12, 12),
                                      QPageLayout::Millimeter));
    QPainter dc(&printer);
    view.OnPrint(dc, printer);
    ASSERT_TRUE(dc.end());

    probe::PageImage page = probe::RasterisePdf(Path("margins.pdf"), Path("margins"));
    ASSERT_FALSE(page.image.isNull());
    page.originX = 120;
    page.originY = 170;
    probe::ExpectBoardDrawn(page);
    probe::ExpectTitleAndNothingElse(page);
}

// With no printer installed the dialog still offers a PDF file, and choosing
// it prints the one page there.
TEST_F(ViewPrintTest, PrintDialogPrintsToAPdfFileWhenNoPrinterIsInstalled)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed here";
    if (!probe::HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    const QString pdf = Path("dialog.pdf");
    WithModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* filename = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (!printers || !filename) {
                ADD_FAILURE() << "print dialog without its printer list or file name";
                dialog->reject();
                return;
            }
            ASSERT_GE(printers->count(), 1);
            EXPECT_TRUE(printers->currentText().contains(QStringLiteral("PDF")));
            // A file name to start from, not a bare folder.
            EXPECT_TRUE(filename->text().endsWith(QStringLiteral(".pdf")));
            filename->setText(pdf);
            dialog->accept();
        },
        [&] { view.OnFilePrint(); });

    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(probe::PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    SharedPrinter().setOutputFileName(QString());
}

TEST_F(ViewPrintTest, CancelledPrintDialogPrintsNothing)
{
    const QString pdf = Path("cancelled.pdf");
    SharedPrinter().setOutputFileName(pdf);
    WithModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); }, [&] { view.OnFilePrint(); });
    EXPECT_FALSE(QFile::exists(pdf));
    SharedPrinter().setOutputFileName(QString());
}

// A PDF that cannot be written is reported, not passed over as printed.
TEST_F(ViewPrintTest, UnwritablePrintFileIsReported)
{
    const QString pdf = Path("no-such-folder/page.pdf");
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(pdf);
    bool warned = false;
    WithModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
            // Bypass the dialog's own checks, as if the folder vanished after it.
            dialog->done(QDialog::Accepted);
            SharedPrinter().setOutputFileName(pdf);
            QTimer::singleShot(0, [&] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    warned = box->inherits("QMessageBox");
                    box->close();
                }
            });
        },
        [&] { view.OnFilePrint(); });
    EXPECT_TRUE(warned);
    EXPECT_FALSE(QFile::exists(pdf));
    SharedPrinter().setOutputFileName(QString());
}

TEST_F(ViewPrintTest, PreviewShowsOnePage)
{
    int pages = -1;
    WithModal<QPrintPreviewDialog>(
        [&](QPrintPreviewDialog* preview) {
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            if (widget) {
                widget->updatePreview();
                pages = widget->pageCount();
            }
            preview->reject();
        },
        [&] { view.OnFilePrintPreview(); });
    EXPECT_EQ(pages, 1);
}

}  // namespace
