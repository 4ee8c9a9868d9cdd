#pragma once

#include <QSizeF>
#include <QString>

#include <cstdint>
#include <vector>

namespace sumwick {

// The report grid: the model in which a worksheet is laid out, previewed and printed.
//
// UNIT. Every width, height and margin in the grid (column widths, row heights, print margins,
// the page size) is in GRID UNITS: 1 unit = 1/96 inch (about 0.265 mm), the size of one pixel on a
// screen at 100 % zoom. A4 is 793.7 x 1122.5 units; the worksheet's margins of 50 are 13.2 mm.
// Font sizes are in typographic points (1 pt = 4/3 units). Only the page painter converts units
// to device units.
//
// Cells are addressed by column and row, counted from 1. There is one sheet; the sheet argument of
// the grid operations is accepted and ignored. Operations on cells outside the grid do nothing;
// reading operations outside the grid give 0. The grid grows only through SetColumnCount,
// SetRowCount and InsertRows: the layouts grow it to whatever the worksheet needs.
//
// Codes:
//   alignment   horizontal 1 left, 2 right, 4 centre; vertical 8 top, 16 bottom, 32 centre; summed.
//               No horizontal bit: left (centre for a cell with attribute 7). No vertical bit: centre.
//   font style  2 bold, 0 regular.
//   attribute   SetCellAttribute(..., 7) marks a serial-number cell: its text is centred
//               horizontally unless the cell's own alignment code names a horizontal alignment.
//               Other values are stored and change nothing.
//   line style  DrawCellBorders: 1 no line (erases), 2 thin solid line, 3 thick solid line.
//               Colour -1 is black; other values are 0xRRGGBB.
//   orientation 1 landscape, 0 portrait.
//   print option SetPrintOption(1, v): v = 1 prints the on-screen grid lines too; 0 (the default) does not.
//   scale       1.0 is natural size; values of 0 or below are ignored (the scale stays as it was).
class ReportGrid {
 public:
  static constexpr double kDefaultFontPointSize = 10.0;
  static constexpr double kDefaultColumnWidth = 64.0;
  static constexpr double kDefaultRowHeight = 22.0;

  // 16 bytes: a grid of 10,000 questions has 400,000 cells, most of them empty.
  struct Cell {
    std::uint32_t text = 0;  // the cell's text in the grid's text store (TextOf); 0: no text
    float fontSize = 0.0f;   // points; 0 means the grid's default font size
    std::uint8_t fontStyle = 0;
    std::uint8_t alignment = 0;
    std::uint8_t attribute = 0;
    std::uint8_t borderStyle = 0;  // 0 or 1: none; 2 thin; 3 thick
    std::int32_t borderColour = -1;
    bool HasText() const { return text != 0; }
  };
  struct Range {
    int firstColumn = 0, firstRow = 0, lastColumn = 0, lastRow = 0;
    bool Contains(int column, int row) const {
      return column >= firstColumn && column <= lastColumn && row >= firstRow && row <= lastRow;
    }
    friend bool operator==(const Range&, const Range&) = default;
  };
  struct Margins {
    double top = 0, left = 0, bottom = 0, right = 0;
    friend bool operator==(const Margins&, const Margins&) = default;
  };

  // A new grid: 0 columns and 0 rows, the page size of the default printer (A4 when there is
  // none), portrait, margins 0, scale 1.0, one copy, on-screen grid lines shown.
  ReportGrid();
  // The same with a given page size in units (portrait), without asking for the default printer.
  explicit ReportGrid(QSizeF pageSizeUnits);

  // --- the grid operations (sheet arguments ignored) ---
  void SetColumnCount(int count, int sheet = 0);
  int GetColumnCount(int sheet = 0) const { return (void)sheet, columns_; }
  void SetRowCount(int count, int sheet = 0);
  int GetRowCount(int sheet = 0) const { return (void)sheet, rows_; }
  void InsertRows(int row, int count, int sheet = 0);
  void SetCellAlignment(int column, int row, int sheet, int code);
  void SetCellAttribute(int column, int row, int sheet, int value);
  void SetCellFontStyle(int column, int row, int sheet, int style);
  void SetCellFontSize(int column, int row, int sheet, double size);
  void SetRowHeight(int one, double height, int row, int sheet);
  void SetColumnWidth(int one, double width, int column, int sheet);
  double GetColumnWidth(int one, int column, int sheet) const;
  double GetFitColumnWidth(int column) const;
  double GetFitRowHeight(int row) const;
  void MergeCells(int firstColumn, int firstRow, int lastColumn, int lastRow);
  void SetPrintScale(double scale);
  void SetPrintOrientation(int landscape);
  void SetPrintOption(int option, int value);
  void SetPrintMargins(double top, double left, double bottom, double right);
  void ShowGridLines(int show, int sheet);
  void SetSheetName(int sheet, const QString& name);
  void DrawCellBorders(int firstColumn, int firstRow, int lastColumn, int lastRow, int sheet,
                       int lineStyle, int colour);
  void SetCellText(int column, int row, int sheet, const QString& text);
  void HideRows(int firstRow, int lastRow);
  void ShowRows(int firstRow, int lastRow);
  void HideColumns(int firstColumn, int lastColumn);
  void ShowColumns(int firstColumn, int lastColumn);
  // The number of pages that print at the current print settings: the pagination of the printed
  // range (grid_geometry.h), the same one the printer, the preview and the PDF use.
  int GetPrintPageCount(int zero = 0) const;
  void SetPrintCopies(int copies);
  // PrintSheet: see grid_print.h (core, QPrinter); PrintPreview: see the view library.

  // --- reading the model ---
  const Cell* CellAt(int column, int row) const;  // nullptr outside the grid
  QString CellText(int column, int row) const;
  const QString& TextOf(const Cell& cell) const;
  double RowHeight(int row) const;
  bool IsColumnHidden(int column) const;
  bool IsRowHidden(int row) const;
  const std::vector<Range>& MergedRanges() const { return merged_; }
  // The merged range whose top-left cell is (column, row), or nullptr.
  const Range* MergeAnchoredAt(int column, int row) const;
  // True when (column, row) lies inside a merged range but is not its top-left cell.
  bool IsCoveredByMerge(int column, int row) const;
  bool GridLinesShown() const { return gridLinesShown_; }
  double PrintScale() const { return scale_; }
  bool Landscape() const { return landscape_; }
  const Margins& PrintMargins() const { return margins_; }
  int PrintOption(int option) const { return option == 1 ? printGridLines_ : 0; }
  int PrintCopies() const { return copies_; }
  const QString& SheetName() const { return sheetName_; }
  // The paper size in units, portrait (width <= height), before orientation.
  QSizeF PaperSize() const { return paper_; }
  void SetPaperSize(QSizeF portraitUnits) { paper_ = portraitUnits; }
  // The page in units as it prints: the paper turned by the orientation.
  QSizeF PageSize() const;
  double DefaultFontSize() const { return kDefaultFontPointSize; }

 private:
  bool InGrid(int column, int row) const {
    return column >= 1 && column <= columns_ && row >= 1 && row <= rows_;
  }
  Cell* MutableCell(int column, int row);
  size_t Index(int column, int row) const {
    return static_cast<size_t>(column - 1) * static_cast<size_t>(rowCapacity_) +
           static_cast<size_t>(row - 1);
  }
  void Resize(int columns, int rows);

  int columns_ = 0;
  int rows_ = 0;
  // Column after column, each column `rowCapacity_` cells long (rows_ of them in use), so that
  // adding columns or inserting a few rows moves no more than it must.
  std::vector<Cell> cells_;
  int rowCapacity_ = 0;
  std::vector<QString> texts_;  // cell texts; Cell::text is an index + 1
  std::vector<double> columnWidths_;
  std::vector<double> rowHeights_;
  std::vector<char> columnHidden_;
  std::vector<char> rowHidden_;
  std::vector<Range> merged_;
  bool gridLinesShown_ = true;
  double scale_ = 1.0;
  bool landscape_ = false;
  Margins margins_;
  int printGridLines_ = 0;
  int copies_ = 1;
  QString sheetName_;
  QSizeF paper_;
};

// The paper size of the system's default printer in units (portrait), A4 when there is none.
// Asks the print system once per process and keeps the answer.
QSizeF DefaultPaperSizeUnits();
// Starts that question on a thread of its own and returns at once; DefaultPaperSizeUnits() then
// waits for the answer. A program that knows it will need the paper calls this early.
void PrefetchDefaultPaperSize();

// A4 in units, portrait.
QSizeF A4PaperSizeUnits();

}  // namespace sumwick
