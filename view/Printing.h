// The printer shared by print, print preview and printer set-up, so that a
// printer chosen in the set-up dialog is the one the next print uses.
#pragma once

class QPrinter;
class QWidget;

QPrinter& SharedPrinter();

// The printer set-up command: the platform's page set-up dialog on SharedPrinter().
void RunPrintSetup(QWidget* parent);
