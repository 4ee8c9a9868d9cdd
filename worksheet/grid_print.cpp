#include "grid_print.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace sumwick {

Outcome PrintSheet(const ReportGrid& grid, QPrinter* printer) {
  std::unique_ptr<QPrinter> owned;
  if (!printer) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return Outcome::Fail(QStringLiteral("there is no default printer"));
    owned = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer = owned.get();
  }
  printer->setFullPage(true);
  printer->setCopyCount(std::max(grid.PrintCopies(), 1));
  printer->setDocName(grid.SheetName());
  return PaintGridPages(grid, *printer);
}

}  // namespace sumwick
