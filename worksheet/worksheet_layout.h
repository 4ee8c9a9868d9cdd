#pragma once

#include <QString>

#include <vector>

#include "question_list.h"
#include "report_grid.h"

namespace sumwick {

// The options of the print setup window that style a worksheet, as plain
// values. The print setup window fills it from its controls, the command line from its flags.
// The initial values are the window's initial control states.
struct WorksheetStyle {
  bool bold = false;         // 选择框_题目字体加粗
  int fontSize = 10;         // 组合框_自定义字号, points
  int rowHeight = 0;         // 组合框_设置行高, units; 0: the rows keep their fitted heights
  bool alignLeft = false;    // 选择框_左对齐 (wins over centre)
  bool alignCenter = false;  // 选择框_居中对齐
  bool hideAnswers = false;  // 选择框_隐藏答案
  bool hideSerials = false;  // 选择框_隐藏序号
  bool hideGrid = false;     // 选择框_隐藏表格线
  bool landscape = true;     // 单选框_横向 (else 单选框_纵向)
  int marginTop = 50, marginLeft = 50, marginBottom = 50, marginRight = 50;  // units
  bool fitToOnePage = true;  // 选择框_寻找最佳打印缩放比例
  int scalePercent = 100;    // 组合框_设置缩放, used when fitToOnePage is off

  friend bool operator==(const WorksheetStyle&, const WorksheetStyle&) = default;
};

// The bookkeeping a layout leaves for the style procedures. Column and row numbers are
// those of the layout, before the header row is inserted; `headerRows` says how many rows
// WriteWorksheetHeader has put above them since (0 or 1).
struct WorksheetGeometry {
  std::vector<int> serialColumns;
  std::vector<int> questionColumns;
  std::vector<int> blankColumns;
  std::vector<int> questionRows;
  std::vector<int> answerColumns;
  int separatorColumn = 0;  // 0 when there are no questions
  int lastRow = 0;          // 0 when there are no questions
  int headerRows = 0;

  void Clear() { *this = WorksheetGeometry{}; }
  friend bool operator==(const WorksheetGeometry&, const WorksheetGeometry&) = default;
};

// Alignment codes (report_grid.h).
inline constexpr int kAlignLeft = 1;
inline constexpr int kAlignRight = 2;
inline constexpr int kAlignCentre = 36;  // centred both ways
inline constexpr int kAlignHeader = 32;  // vertically centred, left

// The grid size the print setup window creates.
inline constexpr int kInitialGridColumns = 60;
inline constexpr int kInitialGridRows = 101;

// The grid a worksheet of `count` questions at `perColumn` a column needs: the initial 60 x 101,
// grown so that every question, the answer block and one spare column and row fit.
int RequiredColumns(int count, int perColumn);
int RequiredRows(int count, int perColumn);

// LayOutArithmeticWorksheet(a) and LayOutSplitWorksheet(a): place the list and style it. The grid
// grows to what the worksheet needs. A per-column count below 1 places nothing (callers refuse it
// before: see BuildWorksheet); an empty list places nothing and still styles the grid.
void LayOutArithmeticWorksheet(ReportGrid& grid, WorksheetGeometry& geometry,
                               const QuestionList& list, int perColumn, const WorksheetStyle& style);
void LayOutSplitWorksheet(ReportGrid& grid, WorksheetGeometry& geometry, const QuestionList& list,
                          int perColumn, const WorksheetStyle& style);

// The style step and its procedures.
void ApplyWorksheetStyles(ReportGrid& grid, const WorksheetGeometry& geometry,
                          const WorksheetStyle& style);
void ApplyQuestionBold(ReportGrid& grid, const WorksheetGeometry& geometry,
                       const WorksheetStyle& style);
void ApplyQuestionAlignment(ReportGrid& grid, const WorksheetGeometry& geometry,
                            const WorksheetStyle& style, int extraCode = 0,
                            bool useExtraCode = false);
void ApplySerialColumns(ReportGrid& grid, const WorksheetGeometry& geometry,
                        const WorksheetStyle& style);
void ApplyAnswerVisibility(ReportGrid& grid, const WorksheetGeometry& geometry,
                           const WorksheetStyle& style);
// Borders cover the whole worksheet: every column from 1 to the last answer column, every
// question row (the header row stays unbordered).
void ApplyGridLines(ReportGrid& grid, const WorksheetGeometry& geometry,
                    const WorksheetStyle& style);
void HideWorksheetTail(ReportGrid& grid, const WorksheetGeometry& geometry);
void ApplyPrintOrientation(ReportGrid& grid, const WorksheetStyle& style);
void ApplyPrintMargins(ReportGrid& grid, const WorksheetStyle& style);

// The handlers of the font size and row height boxes.
void ApplyQuestionFontSize(ReportGrid& grid, const WorksheetGeometry& geometry, int size);
void ApplyQuestionRowHeight(ReportGrid& grid, const WorksheetGeometry& geometry, int height);
// The bold handler: ApplyQuestionBold, then refit rows and columns (column 1 keeps its width).
void ApplyBoldAndRefit(ReportGrid& grid, const WorksheetGeometry& geometry,
                       const WorksheetStyle& style);

// Grid helpers.
void AlignColumnCells(ReportGrid& grid, int column, int sheet, int code);
void SetColumnFontSize(ReportGrid& grid, int column, int sheet, double size);
void SetColumnFontStyle(ReportGrid& grid, int column, int sheet, int style);
// `excluded` is a text of row (column) numbers separated by ","; empty excludes nothing.
void FitRowHeights(ReportGrid& grid, double extra, const QString& excluded = QString());
void FitColumnWidths(ReportGrid& grid, double extra, const QString& excluded = QString());

}  // namespace sumwick
