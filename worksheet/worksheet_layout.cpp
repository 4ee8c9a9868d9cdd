#include "worksheet_layout.h"

#include <QStringList>

#include "grid_geometry.h"
#include "integer_reading.h"

#include <algorithm>

namespace sumwick {

namespace {

std::vector<int> ReadNumberList(const QString& text) {
  std::vector<int> numbers;
  if (text.isEmpty()) return numbers;
  for (const QString& piece : text.split(u',')) numbers.push_back(ReadIntegerValue(piece));
  return numbers;
}

void SortUnique(std::vector<int>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

int GroupCount(int count, int perColumn) {
  if (count <= 0 || perColumn < 1) return 0;
  return (count - 1) / perColumn + 1;
}

// The layout that arithmetic and number-split worksheets share.
void LayOut(ReportGrid& grid, WorksheetGeometry& geometry, const QuestionList& list, int a,
            const WorksheetStyle& style, bool markSerialCells) {
  geometry.Clear();
  if (a < 1) return;  // refused before it gets here; never divide by it
  const int n = list.Size();
  grid.SetColumnCount(std::max(grid.GetColumnCount(), RequiredColumns(n, a)));
  grid.SetRowCount(std::max(grid.GetRowCount(), RequiredRows(n, a)));

  const int groups = GroupCount(n, a);
  geometry.serialColumns.reserve(static_cast<size_t>(groups));
  geometry.questionColumns.reserve(static_cast<size_t>(groups));
  geometry.blankColumns.reserve(static_cast<size_t>(groups));
  geometry.questionRows.reserve(static_cast<size_t>(std::min(n, a)));

  int d = 2;
  for (int i = 1; i <= n; ++i) {
    int r = i % a;
    if (r == 0) r = a;
    if (markSerialCells) grid.SetCellAttribute(d - 1, r, 0, 7);
    grid.SetCellText(d - 1, r, 0, QString::number(i));
    grid.SetCellText(d, r, 0, list.At(i).prompt);
    // Each column is recorded once and each row once: the lists come out sorted without repeats,
    // as a sort-and-unique step would leave them.
    if (r == 1) {
      geometry.serialColumns.push_back(d - 1);
      geometry.questionColumns.push_back(d);
      geometry.blankColumns.push_back(d + 1);
    }
    if (i <= a) geometry.questionRows.push_back(r);
    if (r == a) d += 3;
  }
  SortUnique(geometry.serialColumns);
  SortUnique(geometry.questionColumns);
  SortUnique(geometry.blankColumns);
  SortUnique(geometry.questionRows);
  geometry.lastRow = n == 0 ? 0 : (n >= a ? a : n);

  const int g = static_cast<int>(geometry.questionColumns.size());
  if (g > 0) {
    const int last = geometry.questionColumns.back();
    for (int k = 0; k < g; ++k) geometry.answerColumns.push_back(last + 3 + k);
    geometry.separatorColumn = geometry.answerColumns.front() - 1;
    grid.SetColumnWidth(1, 20, geometry.separatorColumn, 0);
    int c = geometry.answerColumns.front();
    for (int i = 1; i <= n; ++i) {
      int r = i % a;
      if (r == 0) r = a;
      grid.SetCellText(c, r, 0, list.At(i).answer);
      if (r == a) ++c;
    }
  }
  ApplyWorksheetStyles(grid, geometry, style);
}

}  // namespace

int RequiredColumns(int count, int perColumn) {
  // groups of three, the separator, one answer column per group, and one spare column
  return std::max(kInitialGridColumns, 4 * GroupCount(count, perColumn) + 2);
}

int RequiredRows(int count, int perColumn) {
  if (count <= 0 || perColumn < 1) return kInitialGridRows;
  return std::max(kInitialGridRows, std::min(count, perColumn) + 2);
}

void LayOutArithmeticWorksheet(ReportGrid& grid, WorksheetGeometry& geometry,
                               const QuestionList& list, int perColumn, const WorksheetStyle& style) {
  LayOut(grid, geometry, list, perColumn, style, /*markSerialCells=*/true);
}

void LayOutSplitWorksheet(ReportGrid& grid, WorksheetGeometry& geometry, const QuestionList& list,
                          int perColumn, const WorksheetStyle& style) {
  LayOut(grid, geometry, list, perColumn, style, /*markSerialCells=*/false);
  if (perColumn < 1) return;
  ApplyQuestionAlignment(grid, geometry, style, kAlignCentre, /*useExtraCode=*/true);
}

void ApplyWorksheetStyles(ReportGrid& grid, const WorksheetGeometry& geometry,
                          const WorksheetStyle& style) {
  ApplyQuestionBold(grid, geometry, style);
  ApplyQuestionAlignment(grid, geometry, style);
  ApplySerialColumns(grid, geometry, style);
  ApplyAnswerVisibility(grid, geometry, style);
  ApplyGridLines(grid, geometry, style);
  for (int column : geometry.blankColumns) grid.SetColumnWidth(1, 40, column, 0);
  for (int column : geometry.questionColumns) grid.SetColumnWidth(1, 100, column, 0);
  for (int column : geometry.answerColumns) grid.SetColumnWidth(1, 40, column, 0);
  HideWorksheetTail(grid, geometry);
  ApplyPrintOrientation(grid, style);
  ApplyPrintMargins(grid, style);
  FitRowHeights(grid, 0);
  FitColumnWidths(grid, 0);
}

void ApplyQuestionBold(ReportGrid& grid, const WorksheetGeometry& geometry,
                       const WorksheetStyle& style) {
  const int fontStyle = style.bold ? 2 : 0;
  for (int column : geometry.questionColumns) SetColumnFontStyle(grid, column, 0, fontStyle);
}

void ApplyQuestionAlignment(ReportGrid& grid, const WorksheetGeometry& geometry,
                            const WorksheetStyle& style, int extraCode, bool useExtraCode) {
  const int code = style.alignLeft ? kAlignLeft : style.alignCenter ? kAlignCentre : kAlignRight;
  for (int column : geometry.questionColumns) AlignColumnCells(grid, column, 0, code);
  if (useExtraCode) {
    for (int column : geometry.questionColumns) AlignColumnCells(grid, column, 0, extraCode);
  }
}

void ApplySerialColumns(ReportGrid& grid, const WorksheetGeometry& geometry,
                        const WorksheetStyle& style) {
  if (!geometry.serialColumns.empty() &&
      grid.GetColumnWidth(1, geometry.serialColumns.front(), 0) != 25) {
    for (int column : geometry.serialColumns) grid.SetColumnWidth(1, 25, column, 0);
  }
  for (int column : geometry.serialColumns) {
    if (style.hideSerials) {
      grid.HideColumns(column, column);
    } else {
      grid.ShowColumns(column, column);
    }
  }
}

void ApplyAnswerVisibility(ReportGrid& grid, const WorksheetGeometry& geometry,
                           const WorksheetStyle& style) {
  auto apply = [&](int column) {
    if (style.hideAnswers) {
      grid.HideColumns(column, column);
    } else {
      grid.ShowColumns(column, column);
    }
  };
  for (int column : geometry.answerColumns) apply(column);
  if (geometry.separatorColumn > 0) apply(geometry.separatorColumn);
}

void ApplyGridLines(ReportGrid& grid, const WorksheetGeometry& geometry,
                    const WorksheetStyle& style) {
  grid.ShowGridLines(style.hideGrid ? 0 : 1, 0);
  if (geometry.answerColumns.empty() || geometry.lastRow < 1) return;
  const int top = 1 + geometry.headerRows;
  grid.DrawCellBorders(1, top, geometry.answerColumns.back(), geometry.lastRow + geometry.headerRows,
                       0, style.hideGrid ? 1 : 2, -1);
}

void HideWorksheetTail(ReportGrid& grid, const WorksheetGeometry& geometry) {
  // Without questions only column 1, which anchors the header, stays.
  const int b = geometry.answerColumns.empty() ? 1 : geometry.answerColumns.back();
  const int columns = grid.GetColumnCount(0);
  for (int column = b + 1; column <= columns - 1; ++column) grid.HideColumns(column, column);
  const int rows = grid.GetRowCount(0);
  for (int row = geometry.lastRow + 1 + geometry.headerRows; row <= rows - 1; ++row)
    grid.HideRows(row, row);
}

void ApplyPrintOrientation(ReportGrid& grid, const WorksheetStyle& style) {
  grid.SetPrintOrientation(style.landscape ? 1 : 0);
}

void ApplyPrintMargins(ReportGrid& grid, const WorksheetStyle& style) {
  grid.SetPrintMargins(style.marginTop, style.marginLeft, style.marginBottom, style.marginRight);
}

void ApplyQuestionFontSize(ReportGrid& grid, const WorksheetGeometry& geometry, int size) {
  for (int column : geometry.questionColumns) SetColumnFontSize(grid, column, 0, size);
  FitRowHeights(grid, 0);
  FitColumnWidths(grid, 0, QStringLiteral("1"));
}

void ApplyQuestionRowHeight(ReportGrid& grid, const WorksheetGeometry& geometry, int height) {
  for (int row : geometry.questionRows) grid.SetRowHeight(1, height, row + geometry.headerRows, 0);
}

void ApplyBoldAndRefit(ReportGrid& grid, const WorksheetGeometry& geometry,
                       const WorksheetStyle& style) {
  ApplyQuestionBold(grid, geometry, style);
  FitRowHeights(grid, 0);
  FitColumnWidths(grid, 0, QStringLiteral("1"));
}

void AlignColumnCells(ReportGrid& grid, int column, int sheet, int code) {
  for (int row = 1; row <= grid.GetRowCount(sheet); ++row) grid.SetCellAlignment(column, row, 0, code);
}

void SetColumnFontSize(ReportGrid& grid, int column, int sheet, double size) {
  for (int row = 1; row <= grid.GetRowCount(sheet); ++row)
    grid.SetCellFontSize(column, row, sheet, size);
}

void SetColumnFontStyle(ReportGrid& grid, int column, int sheet, int style) {
  for (int row = 1; row <= grid.GetRowCount(sheet); ++row)
    grid.SetCellFontStyle(column, row, sheet, style);
}

void FitRowHeights(ReportGrid& grid, double extra, const QString& excluded) {
  const std::vector<int> skip = ReadNumberList(excluded);
  // GetFitRowHeight of every row, worked out in one pass (grid_geometry.h).
  const std::vector<double> fitted = sumwick::FitRowHeights(static_cast<const ReportGrid&>(grid));
  for (int row = 1; row <= grid.GetRowCount(0); ++row) {
    if (std::find(skip.begin(), skip.end(), row) != skip.end()) continue;
    grid.SetRowHeight(1, fitted[static_cast<size_t>(row - 1)] + extra, row, 0);
  }
}

void FitColumnWidths(ReportGrid& grid, double extra, const QString& excluded) {
  const std::vector<int> skip = ReadNumberList(excluded);
  for (int column = 1; column <= grid.GetColumnCount(0); ++column) {
    if (std::find(skip.begin(), skip.end(), column) != skip.end()) continue;
    grid.SetColumnWidth(1, grid.GetFitColumnWidth(column) + extra, column, 0);
  }
}

}  // namespace sumwick
