#pragma once

#include "worksheet_document.h"

class QPrinter;

namespace sumwick {

// PrintSheet: prints the grid at once, with its copies and its sheet name as the
// document name, on `printer` or, without one, on the system's default printer.
Outcome PrintSheet(const ReportGrid& grid, QPrinter* printer = nullptr);

}  // namespace sumwick
