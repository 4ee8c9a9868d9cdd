#include "report_grid.h"

#include <QPageSize>

#if SUMWICK_HAVE_CUPS
#include <cups/cups.h>
#else
#include <QPrinterInfo>
#endif

#include <algorithm>

#include "grid_geometry.h"

namespace sumwick {

namespace {
constexpr double kUnitsPerInch = 96.0;

QSizeF PortraitUnits(const QPageSize& size) {
  // Millimetres are exact for the ISO sizes; inches are rounded to two places.
  const QSizeF mm = size.size(QPageSize::Millimeter);
  const double w = mm.width() / 25.4 * kUnitsPerInch;
  const double h = mm.height() / 25.4 * kUnitsPerInch;
  return QSizeF(std::min(w, h), std::max(w, h));
}
}  // namespace

QSizeF A4PaperSizeUnits() { return PortraitUnits(QPageSize(QPageSize::A4)); }

namespace {

#if SUMWICK_HAVE_CUPS
// Asks the CUPS scheduler for the default destination and its default medium: one or two local
// requests, without loading Qt's print support or listing every printer.
QSizeF QueryDefaultPaper() {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (!dest) return A4PaperSizeUnits();
  QSizeF paper = A4PaperSizeUnits();
  if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
    cups_size_t size{};
    if (cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, 0, &size) && size.width > 0 &&
        size.length > 0) {
      // hundredths of a millimetre
      const double w = size.width / 2540.0 * kUnitsPerInch;
      const double h = size.length / 2540.0 * kUnitsPerInch;
      paper = QSizeF(std::min(w, h), std::max(w, h));
    }
    cupsFreeDestInfo(info);
  }
  cupsFreeDests(1, dest);
  return paper;
}
#else
QSizeF QueryDefaultPaper() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return A4PaperSizeUnits();
  const QPageSize page = printer.defaultPageSize();
  return page.isValid() ? PortraitUnits(page) : A4PaperSizeUnits();
}
#endif

}  // namespace

QSizeF DefaultPaperSizeUnits() {
  // Asking the print system costs a round trip to the spooler: do it once per process.
  static const QSizeF size = QueryDefaultPaper();
  return size;
}

ReportGrid::ReportGrid() : ReportGrid(DefaultPaperSizeUnits()) {}

ReportGrid::ReportGrid(QSizeF pageSizeUnits) : paper_(pageSizeUnits) {}

void ReportGrid::Resize(int columns, int rows) {
  columns = std::max(columns, 0);
  rows = std::max(rows, 0);
  if (columns == columns_ && rows == rows_) return;
  if (columns != columns_) {
    std::vector<Cell> cells(static_cast<size_t>(columns) * static_cast<size_t>(rows));
    const int keepColumns = std::min(columns, columns_);
    const int keepRows = std::min(rows, rows_);
    for (int r = 0; r < keepRows; ++r) {
      for (int c = 0; c < keepColumns; ++c) {
        cells[static_cast<size_t>(r) * columns + c] =
            std::move(cells_[static_cast<size_t>(r) * columns_ + c]);
      }
    }
    cells_ = std::move(cells);
  } else {
    cells_.resize(static_cast<size_t>(columns) * static_cast<size_t>(rows));
  }
  columnWidths_.resize(static_cast<size_t>(columns), kDefaultColumnWidth);
  columnHidden_.resize(static_cast<size_t>(columns), 0);
  rowHeights_.resize(static_cast<size_t>(rows), kDefaultRowHeight);
  rowHidden_.resize(static_cast<size_t>(rows), 0);
  columns_ = columns;
  rows_ = rows;
  // Merged ranges that no longer fit are cut back to the grid; empty ones go.
  for (Range& m : merged_) {
    m.lastColumn = std::min(m.lastColumn, columns_);
    m.lastRow = std::min(m.lastRow, rows_);
  }
  std::erase_if(merged_, [](const Range& m) {
    return m.firstColumn > m.lastColumn || m.firstRow > m.lastRow;
  });
}

void ReportGrid::SetColumnCount(int count, int) { Resize(count, rows_); }
void ReportGrid::SetRowCount(int count, int) { Resize(columns_, count); }

void ReportGrid::InsertRows(int row, int count, int) {
  if (count <= 0 || row < 1 || row > rows_ + 1) return;
  const auto at = cells_.begin() + static_cast<ptrdiff_t>(row - 1) * columns_;
  cells_.insert(at, static_cast<size_t>(count) * static_cast<size_t>(columns_), Cell{});
  rowHeights_.insert(rowHeights_.begin() + (row - 1), static_cast<size_t>(count), kDefaultRowHeight);
  rowHidden_.insert(rowHidden_.begin() + (row - 1), static_cast<size_t>(count), 0);
  rows_ += count;
  for (Range& m : merged_) {
    if (m.firstRow >= row) {
      m.firstRow += count;
      m.lastRow += count;
    } else if (m.lastRow >= row) {
      m.lastRow += count;
    }
  }
}

ReportGrid::Cell* ReportGrid::MutableCell(int column, int row) {
  if (!InGrid(column, row)) return nullptr;
  return &cells_[static_cast<size_t>(row - 1) * columns_ + (column - 1)];
}

const ReportGrid::Cell* ReportGrid::CellAt(int column, int row) const {
  if (!InGrid(column, row)) return nullptr;
  return &cells_[static_cast<size_t>(row - 1) * columns_ + (column - 1)];
}

QString ReportGrid::CellText(int column, int row) const {
  const Cell* cell = CellAt(column, row);
  return cell ? cell->text : QString();
}

void ReportGrid::SetCellAlignment(int column, int row, int, int code) {
  if (Cell* cell = MutableCell(column, row)) cell->alignment = static_cast<std::uint8_t>(code & 0x3f);
}
void ReportGrid::SetCellAttribute(int column, int row, int, int value) {
  if (Cell* cell = MutableCell(column, row)) cell->attribute = static_cast<std::uint8_t>(value);
}
void ReportGrid::SetCellFontStyle(int column, int row, int, int style) {
  if (Cell* cell = MutableCell(column, row)) cell->fontStyle = static_cast<std::uint8_t>(style);
}
void ReportGrid::SetCellFontSize(int column, int row, int, double size) {
  if (Cell* cell = MutableCell(column, row)) cell->fontSize = size > 0 ? static_cast<float>(size) : 0.0f;
}
void ReportGrid::SetCellText(int column, int row, int, const QString& text) {
  if (Cell* cell = MutableCell(column, row)) cell->text = text;
}

void ReportGrid::SetRowHeight(int, double height, int row, int) {
  if (row >= 1 && row <= rows_) rowHeights_[static_cast<size_t>(row - 1)] = std::max(height, 0.0);
}
void ReportGrid::SetColumnWidth(int, double width, int column, int) {
  if (column >= 1 && column <= columns_)
    columnWidths_[static_cast<size_t>(column - 1)] = std::max(width, 0.0);
}
double ReportGrid::GetColumnWidth(int, int column, int) const {
  if (column < 1 || column > columns_) return 0;
  return columnWidths_[static_cast<size_t>(column - 1)];
}
double ReportGrid::RowHeight(int row) const {
  if (row < 1 || row > rows_) return 0;
  return rowHeights_[static_cast<size_t>(row - 1)];
}
double ReportGrid::GetFitColumnWidth(int column) const { return FitColumnWidth(*this, column); }
double ReportGrid::GetFitRowHeight(int row) const { return FitRowHeight(*this, row); }

void ReportGrid::MergeCells(int firstColumn, int firstRow, int lastColumn, int lastRow) {
  Range range{std::max(firstColumn, 1), std::max(firstRow, 1), std::min(lastColumn, columns_),
              std::min(lastRow, rows_)};
  if (range.firstColumn > range.lastColumn || range.firstRow > range.lastRow) return;
  // A new merge replaces the merges it overlaps.
  std::erase_if(merged_, [&](const Range& m) {
    return m.firstColumn <= range.lastColumn && range.firstColumn <= m.lastColumn &&
           m.firstRow <= range.lastRow && range.firstRow <= m.lastRow;
  });
  merged_.push_back(range);
}

const ReportGrid::Range* ReportGrid::MergeAnchoredAt(int column, int row) const {
  for (const Range& m : merged_) {
    if (m.firstColumn == column && m.firstRow == row) return &m;
  }
  return nullptr;
}

bool ReportGrid::IsCoveredByMerge(int column, int row) const {
  for (const Range& m : merged_) {
    if (m.Contains(column, row) && !(m.firstColumn == column && m.firstRow == row)) return true;
  }
  return false;
}

void ReportGrid::SetPrintScale(double scale) {
  if (scale > 0) scale_ = scale;
}
void ReportGrid::SetPrintOrientation(int landscape) { landscape_ = landscape != 0; }
void ReportGrid::SetPrintOption(int option, int value) {
  if (option == 1) printGridLines_ = value != 0 ? 1 : 0;
}
void ReportGrid::SetPrintMargins(double top, double left, double bottom, double right) {
  margins_ = Margins{std::max(top, 0.0), std::max(left, 0.0), std::max(bottom, 0.0),
                     std::max(right, 0.0)};
}
void ReportGrid::ShowGridLines(int show, int) { gridLinesShown_ = show != 0; }
void ReportGrid::SetSheetName(int, const QString& name) { sheetName_ = name; }

void ReportGrid::DrawCellBorders(int firstColumn, int firstRow, int lastColumn, int lastRow, int,
                                 int lineStyle, int colour) {
  const int c0 = std::max(firstColumn, 1), c1 = std::min(lastColumn, columns_);
  const int r0 = std::max(firstRow, 1), r1 = std::min(lastRow, rows_);
  const auto style = static_cast<std::uint8_t>(lineStyle >= 2 && lineStyle <= 3 ? lineStyle : 0);
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) {
      Cell& cell = cells_[static_cast<size_t>(r - 1) * columns_ + (c - 1)];
      cell.borderStyle = style;
      cell.borderColour = colour;
    }
  }
}

void ReportGrid::HideRows(int firstRow, int lastRow) {
  for (int r = std::max(firstRow, 1); r <= std::min(lastRow, rows_); ++r)
    rowHidden_[static_cast<size_t>(r - 1)] = 1;
}
void ReportGrid::ShowRows(int firstRow, int lastRow) {
  for (int r = std::max(firstRow, 1); r <= std::min(lastRow, rows_); ++r)
    rowHidden_[static_cast<size_t>(r - 1)] = 0;
}
void ReportGrid::HideColumns(int firstColumn, int lastColumn) {
  for (int c = std::max(firstColumn, 1); c <= std::min(lastColumn, columns_); ++c)
    columnHidden_[static_cast<size_t>(c - 1)] = 1;
}
void ReportGrid::ShowColumns(int firstColumn, int lastColumn) {
  for (int c = std::max(firstColumn, 1); c <= std::min(lastColumn, columns_); ++c)
    columnHidden_[static_cast<size_t>(c - 1)] = 0;
}
bool ReportGrid::IsColumnHidden(int column) const {
  return column < 1 || column > columns_ || columnHidden_[static_cast<size_t>(column - 1)] != 0;
}
bool ReportGrid::IsRowHidden(int row) const {
  return row < 1 || row > rows_ || rowHidden_[static_cast<size_t>(row - 1)] != 0;
}

int ReportGrid::GetPrintPageCount(int) const { return Paginate(*this).PageCount(); }

void ReportGrid::SetPrintCopies(int copies) { copies_ = copies; }

QSizeF ReportGrid::PageSize() const { return landscape_ ? paper_.transposed() : paper_; }

}  // namespace sumwick
