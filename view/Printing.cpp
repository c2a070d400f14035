// Printing, print preview and printer set-up. The page itself is drawn by
// DrawPrintPage; this file only runs the platform's dialogs and page loop.
#include <algorithm>

#include <QDir>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "view/CVandorView.h"
#include "view/PrintPage.h"
#include "view/Printing.h"
#include "view/WindowSettings.h"

namespace {

void PrintFailed(QWidget* parent)
{
    QMessageBox::warning(parent, QStringLiteral("vandor"), QStringLiteral("印刷を開始できませんでした。"));
}

}  // namespace

// Shows the print dialog. With no printer installed the dialog still offers
// printing to a PDF file, so there is always something to choose.
bool CVandorView::OnPreparePrinting(QPrinter& printer)
{
    // Printing to a file (the only choice when no printer is installed)
    // starts from a file name rather than a bare folder.
    // It starts in the folder a PDF file was last printed to.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        const QString last = LastFolder(FileKind::Pdf);
        const QDir folder = !last.isEmpty() && QDir(last).exists() ? QDir(last) : QDir::home();
        printer.setOutputFileName(folder.filePath(QStringLiteral("vandor.pdf")));
    }

    QPrintDialog dialog(&printer, this);
    // One page only: there is no range, selection or current page to pick.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        RememberFolder(FileKind::Pdf, printer.outputFileName());
    return true;
}

void CVandorView::OnBeginPrinting(QPainter&, QPrinter&) {}

void CVandorView::OnPrint(QPainter& dc, QPrinter&)
{
    DrawPrintPage(dc);
}

void CVandorView::OnEndPrinting(QPainter&, QPrinter&) {}

void CVandorView::OnFilePrint()
{
    QPrinter& printer = SharedPrinter();
    if (!OnPreparePrinting(printer))
        return;

    QPainter dc;
    if (!dc.begin(&printer)) {
        // For example a PDF file that cannot be written: say so rather than
        // return as if the page had gone out.
        PrintFailed(this);
        return;
    }
    OnBeginPrinting(dc, printer);
    // Printers that cannot make copies themselves (a PDF file, for one) get
    // the page once per copy asked for.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage())
            break;
        OnPrint(dc, printer);
    }
    OnEndPrinting(dc, printer);
    if (!dc.end() || printer.printerState() == QPrinter::Error)
        PrintFailed(this);
}

void CVandorView::OnFilePrintPreview()
{
    QPrintPreviewDialog preview(&SharedPrinter(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        QPainter dc(printer);
        OnBeginPrinting(dc, *printer);
        OnPrint(dc, *printer);
        OnEndPrinting(dc, *printer);
    });
    preview.exec();
}

QPrinter& SharedPrinter()
{
    // Made on first use, once the application exists, and never destroyed:
    // a printer must not outlive the application's platform connection.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setDocName(QStringLiteral("Vandor"));
        p->setCreator(QStringLiteral("vandor"));
        return p;
    }();
    return *printer;
}

void RunPrintSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}
