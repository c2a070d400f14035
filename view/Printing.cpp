#include "view/CVandorView.h"

bool CVandorView::OnPreparePrinting(QPrinter&) { return false; }
void CVandorView::OnBeginPrinting(QPainter&, QPrinter&) {}
void CVandorView::OnPrint(QPainter&, QPrinter&) {}
void CVandorView::OnEndPrinting(QPainter&, QPrinter&) {}
void CVandorView::OnFilePrint() {}
void CVandorView::OnFilePrintPreview() {}

#include <QPrinter>

#include "view/Printing.h"

QPrinter& SharedPrinter()
{
    static QPrinter printer;
    return printer;
}

void RunPrintSetup(QWidget*) {}
