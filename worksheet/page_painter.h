#pragma once

#include <QRectF>

#include <vector>

#include "grid_geometry.h"
#include "report_grid.h"

class QPainter;

namespace sumwick {

// The one painter of the report grid. The screen view, the print preview, the printer, the PDF
// and the rendered images of the tests all draw through it, so what shows is what prints.
class PagePainter {
 public:
  struct Options {
    bool screenGridLines = false;  // the light on-screen lines (ShowGridLines); never printed
                                   // unless SetPrintOption(1, 1)
  };

  explicit PagePainter(const ReportGrid& grid) : grid_(grid) {}

  // Draws the block of the given visible columns and rows with its top-left corner at (0, 0) of
  // the painter's coordinates, which must be grid units. Text of merged cells may run
  // `overflowRight` units past the block's right edge.
  void PaintBlock(QPainter& painter, const std::vector<int>& columns, const std::vector<int>& rows,
                  double overflowRight, Options options) const;

  // Draws page `page` of `pagination` onto a painter whose device is one sheet of paper of the
  // grid's page size (its origin at the paper's corner): converts units to device units, leaves the
  // margins and applies the print scale.
  void PaintPage(QPainter& painter, const Pagination& pagination, int page) const;

 private:
  const ReportGrid& grid_;
};

}  // namespace sumwick
