#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

#include <vector>

#include "report_grid.h"

namespace sumwick {

// Geometry of the report grid: fonts and text sizes, fitted widths and heights, and the
// pagination shared by the printer, the print preview, the PDF and GetPrintPageCount.
// Everything is in grid units (report_grid.h); text is measured at 96 dots per inch, where one
// device pixel is one unit, so the numbers do not depend on any screen or printer.

// Space between a cell's text and its edges, in units.
inline constexpr double kCellPaddingX = 4.0;
inline constexpr double kCellPaddingY = 3.0;

// The font families of every cell, best first: CJK faces found on Debian and elsewhere.
const QStringList& GridFontFamilies();
// The font of a cell (nullptr: the grid's default font), with its point size.
QFont CellFont(const ReportGrid& grid, const ReportGrid::Cell* cell);
// A cell's text as it is drawn: CR LF and lone CR become LF.
QString DisplayText(const QString& text);
// Width of the widest line and height of all lines of a text, in units.
QSizeF TextSizeUnits(const QFont& font, const QString& displayText);
// Text sizes are remembered per font and text; this forgets them (for benchmarks of a cold start).
void ForgetMeasuredTexts();
// Height of all lines of a cell text (CR LF, CR or LF between lines), in units.
double TextHeightUnits(const QFont& font, const QString& text);

// GetFitColumnWidth: the widest text of the column's cells plus padding. Cells covered by or
// anchoring a merged range do not count. A column without text keeps its width.
double FitColumnWidth(const ReportGrid& grid, int column);
// GetFitRowHeight: the tallest text of the row's cells (every line) plus padding; cells of merged
// ranges that span one row count. A row without text keeps its height.
double FitRowHeight(const ReportGrid& grid, int row);
// FitRowHeight of every row (index row - 1), worked out in one pass over the grid.
std::vector<double> FitRowHeights(const ReportGrid& grid);

// The printed range: visible columns and rows from 1 to the last one holding a cell with text
// or a border (a merged range counts by its top-left cell). Empty trailing columns and rows,
// which print nothing, are left out.
struct PrintRange {
  std::vector<int> columns;  // visible column numbers, ascending
  std::vector<int> rows;     // visible row numbers, ascending
  // How far text of merged cells (the header) reaches past the last printed column, in units.
  double overflowRight = 0;
};
PrintRange ComputePrintRange(const ReportGrid& grid);

// The printable area of one page in sheet units at the grid's print scale:
// (page size - margins) / scale.
QSizeF ContentAreaUnits(const ReportGrid& grid);

// Pages run down the row bands first, then across the column bands.
struct Pagination {
  std::vector<std::vector<int>> columnBands;
  std::vector<std::vector<int>> rowBands;
  double overflowRight = 0;  // added to the last column band
  int PageCount() const {
    return static_cast<int>(columnBands.size() * rowBands.size());
  }
  const std::vector<int>& PageColumns(int page) const {
    return columnBands[static_cast<size_t>(page) / rowBands.size()];
  }
  const std::vector<int>& PageRows(int page) const {
    return rowBands[static_cast<size_t>(page) % rowBands.size()];
  }
  bool IsLastColumnBand(int page) const {
    return static_cast<size_t>(page) / rowBands.size() + 1 == columnBands.size();
  }
};
// The pagination at the grid's page size, orientation, margins and scale. A column or row larger
// than the page gets a page of its own. An empty printed range gives no pages.
Pagination Paginate(const ReportGrid& grid);

// Splits sizes into bands no longer than `limit` (each band holds at least one item).
std::vector<std::vector<int>> SplitIntoBands(const std::vector<int>& items,
                                            const std::vector<double>& sizes, double limit);

}  // namespace sumwick
