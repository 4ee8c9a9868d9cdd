#include <QCoreApplication>
#include <QMetaObject>

#include <numeric>

#include "grid_geometry.h"
#include "worksheet_document.h"
#include "worksheet_header.h"
#include "worksheet_layout.h"
#include "worksheet_test_support.h"

namespace sumwick {
namespace {

using testing::A4Grid;
using testing::ArithmeticList;
using testing::SplitList;

std::vector<int> Seq(int first, int last, int step = 1) {
  std::vector<int> v;
  for (int i = first; i <= last; i += step) v.push_back(i);
  return v;
}

// ---- Geometry tables of the layout's cases (row numbers before the header) ----

struct GeometryCase {
  friend void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }
  const char* name;
  int count;
  int perColumn;
  bool split;
  std::vector<int> serialColumns, questionColumns, blankColumns, questionRows, answerColumns;
  int separatorColumn;
  int lastRow;
};

class GeometryTable : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(GeometryTable, PlacesColumnsAndRowsOfEachCase) {
  const GeometryCase& c = GetParam();
  ReportGrid grid = A4Grid();
  grid.SetRowCount(101);
  grid.SetColumnCount(60);
  WorksheetGeometry geometry;
  const QuestionList list = c.split ? SplitList(c.count) : ArithmeticList(c.count);
  WorksheetStyle style;
  if (c.split) {
    style.hideAnswers = true;
    style.alignCenter = true;
    LayOutSplitWorksheet(grid, geometry, list, c.perColumn, style);
  } else {
    LayOutArithmeticWorksheet(grid, geometry, list, c.perColumn, style);
  }
  EXPECT_EQ(geometry.serialColumns, c.serialColumns);
  EXPECT_EQ(geometry.questionColumns, c.questionColumns);
  EXPECT_EQ(geometry.blankColumns, c.blankColumns);
  EXPECT_EQ(geometry.questionRows, c.questionRows);
  EXPECT_EQ(geometry.answerColumns, c.answerColumns);
  EXPECT_EQ(geometry.separatorColumn, c.separatorColumn);
  EXPECT_EQ(geometry.lastRow, c.lastRow);

  // Every question in its place: question k*a + r in row r of group k.
  for (int i = 1; i <= c.count; ++i) {
    const int k = (i - 1) / c.perColumn, r = (i - 1) % c.perColumn + 1;
    EXPECT_EQ(grid.CellText(3 * k + 1, r), QString::number(i)) << "serial " << i;
    EXPECT_EQ(grid.CellText(3 * k + 2, r), list.At(i).prompt) << "prompt " << i;
    EXPECT_EQ(grid.CellText(3 * k + 3, r), QString()) << "blank " << i;
    EXPECT_EQ(grid.CellText(c.answerColumns.front() + k, r), list.At(i).answer) << "answer " << i;
    EXPECT_EQ(grid.CellAt(3 * k + 1, r)->attribute, c.split ? 0 : 7);
  }
  // Hidden: right of the answer block up to C - 1, below the last row up to R - 1.
  const int b = c.answerColumns.back();
  for (int col = 1; col <= grid.GetColumnCount(); ++col) {
    const bool answerBlock = col >= c.separatorColumn && col <= b;
    const bool tail = col > b && col < grid.GetColumnCount();
    EXPECT_EQ(grid.IsColumnHidden(col), tail || (c.split && answerBlock)) << "column " << col;
  }
  for (int row = 1; row <= grid.GetRowCount(); ++row) {
    EXPECT_EQ(grid.IsRowHidden(row), row > c.lastRow && row < grid.GetRowCount()) << "row " << row;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Part32And33, GeometryTable,
    ::testing::Values(
        GeometryCase{"7at10", 7, 10, false, {1}, {2}, {3}, Seq(1, 7), {5}, 4, 7},
        GeometryCase{"20at15", 20, 15, false, {1, 4}, {2, 5}, {3, 6}, Seq(1, 15), {8, 9}, 7, 15},
        GeometryCase{"40at10", 40, 10, false, {1, 4, 7, 10}, {2, 5, 8, 11}, {3, 6, 9, 12},
                     Seq(1, 10), {14, 15, 16, 17}, 13, 10},
        GeometryCase{"100at10", 100, 10, false, Seq(1, 28, 3), Seq(2, 29, 3), Seq(3, 30, 3),
                     Seq(1, 10), Seq(32, 41), 31, 10},
        GeometryCase{"split10at10", 10, 10, true, {1}, {2}, {3}, Seq(1, 10), {5}, 4, 10}),
    [](const ::testing::TestParamInfo<GeometryCase>& info) { return std::string(info.param.name); });

TEST(ArithmeticLayout, TwentyAtFifteenPutsQuestionSixteenAtTheTopOfTheSecondGroup) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  const QuestionList list = ArithmeticList(20);
  LayOutArithmeticWorksheet(grid, geometry, list, 15, WorksheetStyle{});
  EXPECT_EQ(grid.CellText(4, 1), "16");
  EXPECT_EQ(grid.CellText(5, 5), list.At(20).prompt);
  EXPECT_EQ(grid.CellText(8, 15), list.At(15).answer);
  EXPECT_EQ(grid.CellText(9, 5), list.At(20).answer);
  EXPECT_EQ(grid.CellText(9, 6), QString());
}

TEST(ArithmeticLayout, SerialNumbersArePlainDecimals) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(40), 10, WorksheetStyle{});
  for (int i = 1; i <= 40; ++i) {
    EXPECT_EQ(grid.CellText(3 * ((i - 1) / 10) + 1, (i - 1) % 10 + 1), QString::number(i));
  }
}

TEST(ArithmeticLayout, WidthsAreFittedButBlankAndSeparatorColumnsKeepTheirs) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(7), 10, WorksheetStyle{});
  EXPECT_EQ(grid.GetColumnWidth(1, 3, 0), 40);  // blank: the pupil's space keeps its width
  EXPECT_EQ(grid.GetColumnWidth(1, 4, 0), 20);  // separator
  // The prompt column fits its widest prompt.
  EXPECT_EQ(grid.GetColumnWidth(1, 2, 0), FitColumnWidth(grid, 2));
  EXPECT_GT(grid.GetColumnWidth(1, 2, 0), 30);
  EXPECT_LT(grid.GetColumnWidth(1, 2, 0), 100);
  // Rows fit one line of the default font.
  EXPECT_GT(grid.RowHeight(1), 14);
  EXPECT_LT(grid.RowHeight(1), 40);
}

// ---- Mends ----

// Mend 1: nothing yields. An event queued before the layout has not run when the layout ends.
TEST(Mends, LayoutNeverProcessesPendingEvents) {
  bool ran = false;
  QMetaObject::invokeMethod(qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(1000), 10, style);
  WriteWorksheetHeader(grid, geometry, 1000, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  ChoosePrintScale(grid, style);
  EXPECT_FALSE(ran);
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
}

// Mend 2: the grid grows; 1,000 questions at 10 a column need 401 columns; nothing is cut off and
// the borders cover the whole worksheet.
TEST(Mends, GridGrowsToTheWholeWorksheet) {
  ReportGrid grid = A4Grid();
  grid.SetRowCount(101);
  grid.SetColumnCount(60);
  WorksheetGeometry geometry;
  const QuestionList list = ArithmeticList(1000);
  LayOutArithmeticWorksheet(grid, geometry, list, 10, WorksheetStyle{});
  EXPECT_EQ(geometry.answerColumns.back(), 401);
  EXPECT_EQ(geometry.separatorColumn, 301);
  EXPECT_GE(grid.GetColumnCount(), 402);
  EXPECT_EQ(grid.CellText(298, 10), "1000");
  EXPECT_EQ(grid.CellText(299, 10), list.At(1000).prompt);
  EXPECT_EQ(grid.CellText(401, 10), list.At(1000).answer);
  for (int col = 1; col <= 401; ++col) {
    EXPECT_FALSE(grid.IsColumnHidden(col)) << col;
    for (int row = 1; row <= 10; ++row) ASSERT_EQ(grid.CellAt(col, row)->borderStyle, 2) << col << "," << row;
  }
  EXPECT_EQ(grid.CellAt(402, 1)->borderStyle, 0);
  EXPECT_EQ(grid.CellAt(1, 11)->borderStyle, 0);
  // Every column prints: the pagination covers columns 1 to 401.
  grid.SetPrintScale(1.0);
  const Pagination pagination = Paginate(grid);
  std::vector<int> printed;
  for (const auto& band : pagination.columnBands) printed.insert(printed.end(), band.begin(), band.end());
  EXPECT_EQ(printed, Seq(1, 401));
}

TEST(Mends, ManyRowsPerColumnGrowTheRows) {
  ReportGrid grid = A4Grid();
  grid.SetRowCount(101);
  grid.SetColumnCount(60);
  WorksheetGeometry geometry;
  const QuestionList list = ArithmeticList(150);
  LayOutArithmeticWorksheet(grid, geometry, list, 150, WorksheetStyle{});
  EXPECT_EQ(geometry.lastRow, 150);
  EXPECT_GE(grid.GetRowCount(), 151);
  EXPECT_EQ(grid.CellText(2, 150), list.At(150).prompt);
  EXPECT_FALSE(grid.IsRowHidden(150));
}

// Mend 3: the fit search tries 1.9 first and never sets 0.
TEST(Mends, FitSearchStartsAtOnePointNine) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(7), 10, style);
  WriteWorksheetHeader(grid, geometry, 7, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  ChoosePrintScale(grid, style);
  EXPECT_DOUBLE_EQ(grid.PrintScale(), 1.9);
  EXPECT_EQ(grid.GetPrintPageCount(0), 1);
}

TEST(Mends, FitSearchStopsAtTheFirstScaleGivingOnePage) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(100), 10, style);
  WriteWorksheetHeader(grid, geometry, 100, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  ChoosePrintScale(grid, style);
  const double chosen = grid.PrintScale();
  EXPECT_EQ(grid.GetPrintPageCount(0), 1);
  EXPECT_LT(chosen, 1.9);
  EXPECT_GE(chosen, 0.1);
  grid.SetPrintScale(chosen + 0.1);  // the try before gave more than one page
  EXPECT_GT(grid.GetPrintPageCount(0), 1);
}

TEST(Mends, FitSearchKeepsZeroPointOneWhenNothingFits) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(3000), 10, style);
  ChoosePrintScale(grid, style);
  EXPECT_DOUBLE_EQ(grid.PrintScale(), 0.1);
  EXPECT_GT(grid.GetPrintPageCount(0), 1);
}

TEST(Mends, ScaleSearchOffUsesTheScaleBox) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
  style.fitToOnePage = false;
  style.scalePercent = 30;
  LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(7), 10, style);
  ChoosePrintScale(grid, style);
  EXPECT_DOUBLE_EQ(grid.PrintScale(), 0.3);
}

// Mend 4: a per-column count below 1 never reaches the layout; an empty list gives the header.
TEST(Mends, PerColumnBelowOneIsRefusedBeforeTheLayout) {
  for (int perColumn : {0, -3}) {
    ReportGrid grid = A4Grid();
    WorksheetGeometry geometry;
    WorksheetParams params{10, perColumn};
    const Outcome outcome = BuildWorksheet(grid, geometry, ArithmeticList(10), params, false,
                                           WorksheetStyle{}, QDateTime::currentDateTime());
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.isEmpty());
    // And the layout itself, called directly, places nothing rather than dividing by it.
    LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(10), perColumn, WorksheetStyle{});
    EXPECT_TRUE(geometry.questionColumns.empty());
  }
}

TEST(Mends, EmptyListGivesTheHeaderAndNoQuestions) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  const Outcome outcome =
      BuildWorksheet(grid, geometry, QuestionList{}, WorksheetParams{0, 10}, false, WorksheetStyle{},
                     QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  ASSERT_TRUE(outcome.ok);
  EXPECT_TRUE(geometry.questionColumns.empty());
  EXPECT_TRUE(grid.CellText(1, 1).startsWith(QStringLiteral("题目数：0 姓名：")));
  EXPECT_FALSE(grid.IsColumnHidden(1));
  EXPECT_EQ(grid.GetPrintPageCount(0), 1);
  const Pagination pagination = Paginate(grid);
  EXPECT_EQ(pagination.rowBands, (std::vector<std::vector<int>>{{1}}));
}

// ---- Each style procedure's effect on the model ----

class StyleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.SetRowCount(101);
    grid.SetColumnCount(60);
    LayOutArithmeticWorksheet(grid, geometry, ArithmeticList(40), 10, style);
  }
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
};

TEST_F(StyleTest, BoldActsOnQuestionColumnsOnly) {
  style.bold = true;
  ApplyQuestionBold(grid, geometry, style);
  for (int col : {2, 5, 8, 11})
    for (int row = 1; row <= grid.GetRowCount(); ++row) ASSERT_EQ(grid.CellAt(col, row)->fontStyle, 2);
  EXPECT_EQ(grid.CellAt(1, 1)->fontStyle, 0);
  EXPECT_EQ(grid.CellAt(14, 1)->fontStyle, 0);
  style.bold = false;
  ApplyQuestionBold(grid, geometry, style);
  EXPECT_EQ(grid.CellAt(2, 1)->fontStyle, 0);
}

TEST_F(StyleTest, AlignmentCodes) {
  struct Row { bool left, centre; int code; };
  for (const Row r : {Row{false, false, 2}, Row{true, false, 1}, Row{false, true, 36},
                      Row{true, true, 1}}) {  // left wins when both are checked
    style.alignLeft = r.left;
    style.alignCenter = r.centre;
    ApplyQuestionAlignment(grid, geometry, style);
    for (int col : geometry.questionColumns)
      for (int row = 1; row <= grid.GetRowCount(); ++row)
        ASSERT_EQ(grid.CellAt(col, row)->alignment, r.code);
    EXPECT_EQ(grid.CellAt(1, 1)->alignment, 0);  // serial numbers keep the default
  }
  style.alignLeft = true;
  ApplyQuestionAlignment(grid, geometry, style, 36, true);  // the extra pass wins
  EXPECT_EQ(grid.CellAt(2, 1)->alignment, 36);
}

TEST_F(StyleTest, SerialColumnsGetWidth25UnlessTheFirstHasItAlready) {
  for (int col : geometry.serialColumns) grid.SetColumnWidth(1, 31, col, 0);
  ApplySerialColumns(grid, geometry, style);
  for (int col : geometry.serialColumns) EXPECT_EQ(grid.GetColumnWidth(1, col, 0), 25);
  grid.SetColumnWidth(1, 30, 4, 0);  // the first is 25: the others are left as they are
  ApplySerialColumns(grid, geometry, style);
  EXPECT_EQ(grid.GetColumnWidth(1, 4, 0), 30);
  style.hideSerials = true;
  ApplySerialColumns(grid, geometry, style);
  for (int col : geometry.serialColumns) EXPECT_TRUE(grid.IsColumnHidden(col));
  style.hideSerials = false;
  ApplySerialColumns(grid, geometry, style);
  for (int col : geometry.serialColumns) EXPECT_FALSE(grid.IsColumnHidden(col));
}

TEST_F(StyleTest, HidingAnswersHidesTheBlockAndSeparatorButNotTheBlanks) {
  style.hideAnswers = true;
  ApplyAnswerVisibility(grid, geometry, style);
  for (int col = 13; col <= 17; ++col) EXPECT_TRUE(grid.IsColumnHidden(col)) << col;
  for (int col : geometry.blankColumns) EXPECT_FALSE(grid.IsColumnHidden(col)) << col;
  style.hideAnswers = false;
  ApplyAnswerVisibility(grid, geometry, style);
  for (int col = 13; col <= 17; ++col) EXPECT_FALSE(grid.IsColumnHidden(col)) << col;
}

TEST_F(StyleTest, GridLinesAndBorders) {
  EXPECT_TRUE(grid.GridLinesShown());
  EXPECT_EQ(grid.CellAt(17, 10)->borderStyle, 2);
  style.hideGrid = true;
  ApplyGridLines(grid, geometry, style);
  EXPECT_FALSE(grid.GridLinesShown());
  for (int col = 1; col <= 17; ++col)
    for (int row = 1; row <= 10; ++row) ASSERT_LT(grid.CellAt(col, row)->borderStyle, 2);
  style.hideGrid = false;
  ApplyGridLines(grid, geometry, style);
  EXPECT_TRUE(grid.GridLinesShown());
  EXPECT_EQ(grid.CellAt(1, 1)->borderStyle, 2);
}

TEST_F(StyleTest, GridLinesAfterTheHeaderCoverTheQuestionRowsNotTheHeader) {
  WriteWorksheetHeader(grid, geometry, 40, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  style.hideGrid = true;
  ApplyGridLines(grid, geometry, style);
  style.hideGrid = false;
  ApplyGridLines(grid, geometry, style);
  EXPECT_EQ(grid.CellAt(1, 1)->borderStyle, 0);
  EXPECT_EQ(grid.CellAt(17, 11)->borderStyle, 2);
  EXPECT_EQ(grid.CellAt(17, 2)->borderStyle, 2);
}

TEST_F(StyleTest, HideWorksheetTailHidesEachColumnAndRowUpToTheLastButOne) {
  EXPECT_FALSE(grid.IsColumnHidden(17));
  for (int col = 18; col <= 59; ++col) EXPECT_TRUE(grid.IsColumnHidden(col)) << col;
  EXPECT_FALSE(grid.IsColumnHidden(60));
  for (int row = 11; row <= 100; ++row) EXPECT_TRUE(grid.IsRowHidden(row)) << row;
  EXPECT_FALSE(grid.IsRowHidden(101));
}

TEST_F(StyleTest, OrientationAndMargins) {
  EXPECT_TRUE(grid.Landscape());
  EXPECT_EQ(grid.PrintMargins(), (ReportGrid::Margins{50, 50, 50, 50}));
  style.landscape = false;
  style.marginTop = 10;
  style.marginLeft = 20;
  style.marginBottom = 30;
  style.marginRight = 40;
  ApplyPrintOrientation(grid, style);
  ApplyPrintMargins(grid, style);
  EXPECT_FALSE(grid.Landscape());
  EXPECT_EQ(grid.PrintMargins(), (ReportGrid::Margins{10, 20, 30, 40}));
}

TEST_F(StyleTest, FontSizeHandlerRefitsAndKeepsColumnOne) {
  WriteWorksheetHeader(grid, geometry, 40, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  grid.SetColumnWidth(1, 33, 1, 0);
  const double before = grid.GetColumnWidth(1, 2, 0);
  const double rowBefore = grid.RowHeight(2);
  ApplyQuestionFontSize(grid, geometry, 20);
  EXPECT_EQ(grid.CellAt(2, 2)->fontSize, 20);
  EXPECT_EQ(grid.CellAt(1, 2)->fontSize, 0);  // serial numbers keep the default
  EXPECT_GT(grid.GetColumnWidth(1, 2, 0), before * 1.5);
  EXPECT_GT(grid.RowHeight(2), rowBefore);
  EXPECT_EQ(grid.GetColumnWidth(1, 1, 0), 33);
}

TEST_F(StyleTest, RowHeightHandlerSkipsTheHeaderRow) {
  WriteWorksheetHeader(grid, geometry, 40, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)));
  ApplyQuestionRowHeight(grid, geometry, 60);
  EXPECT_EQ(grid.RowHeight(1), 40);
  for (int row = 2; row <= 11; ++row) EXPECT_EQ(grid.RowHeight(row), 60);
  EXPECT_NE(grid.RowHeight(12), 60);
}

TEST_F(StyleTest, BoldHandlerWidensPromptsAndKeepsColumnOne) {
  grid.SetColumnWidth(1, 33, 1, 0);
  const double before = grid.GetColumnWidth(1, 2, 0);
  style.bold = true;
  ApplyBoldAndRefit(grid, geometry, style);
  EXPECT_GE(grid.GetColumnWidth(1, 2, 0), before);
  EXPECT_EQ(grid.GetColumnWidth(1, 1, 0), 33);
}

TEST_F(StyleTest, FitHelpersHonourExclusions) {
  grid.SetRowHeight(1, 77, 3, 0);
  grid.SetRowHeight(1, 78, 5, 0);
  FitRowHeights(grid, 2, QStringLiteral("3,5"));
  EXPECT_EQ(grid.RowHeight(3), 77);
  EXPECT_EQ(grid.RowHeight(5), 78);
  EXPECT_EQ(grid.RowHeight(4), FitRowHeight(grid, 4) + 2);
  grid.SetColumnWidth(1, 99, 2, 0);
  FitColumnWidths(grid, 0, QStringLiteral("2"));
  EXPECT_EQ(grid.GetColumnWidth(1, 2, 0), 99);
}

TEST_F(StyleTest, ColumnHelpersSetEveryRow) {
  AlignColumnCells(grid, 3, 0, 4);
  SetColumnFontSize(grid, 3, 0, 14);
  SetColumnFontStyle(grid, 3, 0, 2);
  for (int row = 1; row <= grid.GetRowCount(); ++row) {
    ASSERT_EQ(grid.CellAt(3, row)->alignment, 4);
    ASSERT_EQ(grid.CellAt(3, row)->fontSize, 14);
    ASSERT_EQ(grid.CellAt(3, row)->fontStyle, 2);
  }
}

// ---- Number-split worksheet ----

TEST(SplitLayout, OpeningForcesHiddenAnswersAndCentredPrompts) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  WorksheetStyle style;
  style.alignLeft = true;  // whatever the boxes held before
  style.hideAnswers = false;
  const QuestionList list = SplitList(10);
  ASSERT_TRUE(BuildWorksheet(grid, geometry, list, WorksheetParams{10, 10}, true, style,
                             QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)))
                  .ok);
  EXPECT_TRUE(grid.IsColumnHidden(4));
  EXPECT_TRUE(grid.IsColumnHidden(5));
  EXPECT_FALSE(grid.IsColumnHidden(3));
  for (int row = 2; row <= 11; ++row) {
    EXPECT_EQ(grid.CellAt(2, row)->alignment, 36);
    EXPECT_EQ(grid.CellText(2, row), list.At(row - 1).prompt);  // three lines in one cell
    EXPECT_EQ(grid.CellText(1, row), QString::number(row - 1));
    EXPECT_EQ(grid.CellAt(1, row)->attribute, 0);
  }
  // The rows grow to fit three lines.
  ReportGrid one = A4Grid();
  WorksheetGeometry oneGeometry;
  LayOutArithmeticWorksheet(one, oneGeometry, testing::ArithmeticList(3), 10, WorksheetStyle{});
  EXPECT_GE(grid.RowHeight(2), 3 * (one.RowHeight(1) - 2 * kCellPaddingY));
}

TEST(SplitLayout, UncheckingHideAnswersShowsAnEmptyAnswerBlock) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  ASSERT_TRUE(BuildWorksheet(grid, geometry, SplitList(10), WorksheetParams{10, 10}, true,
                             WorksheetStyle{}, QDateTime::currentDateTime())
                  .ok);
  WorksheetStyle style;
  style.hideAnswers = false;
  ApplyAnswerVisibility(grid, geometry, style);
  EXPECT_FALSE(grid.IsColumnHidden(4));
  EXPECT_FALSE(grid.IsColumnHidden(5));
  for (int row = 1; row <= grid.GetRowCount(); ++row) EXPECT_EQ(grid.CellText(5, row), QString());
}

TEST(SplitLayout, LeftAlignmentAfterwardsGivesCodeOne) {
  ReportGrid grid = A4Grid();
  WorksheetGeometry geometry;
  ASSERT_TRUE(BuildWorksheet(grid, geometry, SplitList(10), WorksheetParams{10, 10}, true,
                             WorksheetStyle{}, QDateTime::currentDateTime())
                  .ok);
  WorksheetStyle style;
  style.alignLeft = true;
  ApplyQuestionAlignment(grid, geometry, style);
  EXPECT_EQ(grid.CellAt(2, 3)->alignment, 1);
}

}  // namespace
}  // namespace sumwick
