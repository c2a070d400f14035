// vandor-cli print PUZZLE -o OUT.pdf: the printed page of a puzzle as a
// one-page A4 PDF, drawn by the same routine as the program's printing.
#pragma once

#include <string>
#include <vector>

// Gets the arguments after "print"; returns a CliExit. In a build without Qt
// it only says that printing is not available.
int RunPrint(const std::vector<std::string>& args);
