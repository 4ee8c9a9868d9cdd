#include "grid_geometry.h"
#include "report_grid.h"
#include "worksheet_test_support.h"

namespace sumwick {
namespace {

using testing::A4Grid;

TEST(ReportGrid, CountsInsertAndMerge) {
  ReportGrid grid = A4Grid();
  grid.SetColumnCount(60);
  grid.SetRowCount(101);
  EXPECT_EQ(grid.GetColumnCount(0), 60);
  EXPECT_EQ(grid.GetRowCount(0), 101);
  grid.SetCellText(3, 1, 0, "a");
  grid.SetRowHeight(1, 33, 1, 0);
  grid.HideRows(2, 2);
  grid.InsertRows(1, 1, 0);
  EXPECT_EQ(grid.GetRowCount(), 102);
  EXPECT_EQ(grid.CellText(3, 2), "a");
  EXPECT_EQ(grid.CellText(3, 1), "");
  EXPECT_EQ(grid.RowHeight(2), 33);
  EXPECT_TRUE(grid.IsRowHidden(3));
  EXPECT_FALSE(grid.IsRowHidden(1));
  grid.MergeCells(1, 1, 60, 1);
  ASSERT_EQ(grid.MergedRanges().size(), 1u);
  EXPECT_NE(grid.MergeAnchoredAt(1, 1), nullptr);
  EXPECT_TRUE(grid.IsCoveredByMerge(60, 1));
  EXPECT_FALSE(grid.IsCoveredByMerge(1, 1));
  // Growing keeps texts where they are.
  grid.SetColumnCount(80);
  EXPECT_EQ(grid.CellText(3, 2), "a");
  EXPECT_EQ(grid.GetColumnWidth(1, 80, 0), ReportGrid::kDefaultColumnWidth);
}

TEST(ReportGrid, InsertingManyRowsAndShrinkingKeepCellsInPlace) {
  ReportGrid grid = A4Grid();
  grid.SetColumnCount(3);
  grid.SetRowCount(2);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) {
      grid.SetCellText(c, r, 0, QStringLiteral("%1,%2").arg(c).arg(r));
      grid.SetCellAlignment(c, r, 0, c + r);
    }
  grid.SetRowHeight(1, 30, 2, 0);
  grid.InsertRows(2, 20, 0);  // more than the spare room: the store grows
  EXPECT_EQ(grid.GetRowCount(), 22);
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(grid.CellText(c, 1), QStringLiteral("%1,1").arg(c));
    EXPECT_EQ(grid.CellText(c, 22), QStringLiteral("%1,2").arg(c));
    EXPECT_EQ(grid.CellAt(c, 22)->alignment, c + 2);
    for (int r = 2; r <= 21; ++r) ASSERT_FALSE(grid.CellAt(c, r)->HasText());
  }
  EXPECT_EQ(grid.RowHeight(22), 30);
  EXPECT_EQ(grid.RowHeight(2), ReportGrid::kDefaultRowHeight);
  grid.SetRowCount(1);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.CellText(2, 1), "2,1");
  for (int r = 2; r <= 5; ++r) EXPECT_EQ(grid.CellText(2, r), "");
  grid.SetCellText(2, 1, 0, "");
  EXPECT_FALSE(grid.CellAt(2, 1)->HasText());
  grid.SetCellText(2, 1, 0, "again");
  EXPECT_EQ(grid.CellText(2, 1), "again");
  EXPECT_EQ(sizeof(ReportGrid::Cell), 16u);
}

TEST(ReportGrid, OutsideTheGridNothingHappensAndReadsGiveZero) {
  ReportGrid grid = A4Grid();
  grid.SetColumnCount(2);
  grid.SetRowCount(2);
  grid.SetCellText(3, 1, 0, "x");
  grid.SetColumnWidth(1, 50, 9, 0);
  EXPECT_EQ(grid.CellText(3, 1), "");
  EXPECT_EQ(grid.GetColumnWidth(1, 9, 0), 0);
  EXPECT_EQ(grid.CellAt(0, 1), nullptr);
}

TEST(ReportGrid, PrintSettings) {
  ReportGrid grid = A4Grid();
  grid.SetPrintScale(0.0);  // ignored
  EXPECT_DOUBLE_EQ(grid.PrintScale(), 1.0);
  grid.SetPrintScale(0.7);
  EXPECT_DOUBLE_EQ(grid.PrintScale(), 0.7);
  grid.SetPrintOrientation(1);
  EXPECT_TRUE(grid.Landscape());
  EXPECT_GT(grid.PageSize().width(), grid.PageSize().height());
  grid.SetPrintMargins(1, 2, 3, 4);
  EXPECT_EQ(grid.PrintMargins(), (ReportGrid::Margins{1, 2, 3, 4}));
  grid.SetPrintCopies(3);
  EXPECT_EQ(grid.PrintCopies(), 3);
  grid.SetSheetName(0, "2019119_1459");
  EXPECT_EQ(grid.SheetName(), "2019119_1459");
  EXPECT_NEAR(A4PaperSizeUnits().width(), 793.7, 0.1);
  EXPECT_NEAR(A4PaperSizeUnits().height(), 1122.5, 0.1);
}

TEST(ReportGrid, DefaultPaperIsTheDefaultPrintersOrA4) {
  const QSizeF paper = DefaultPaperSizeUnits();
  EXPECT_GT(paper.width(), 100);
  EXPECT_LE(paper.width(), paper.height());
  EXPECT_EQ(ReportGrid().PaperSize(), paper);
}

TEST(Geometry, FitWidthGrowsWithTextAndEmptyColumnsKeepTheirWidth) {
  ReportGrid grid = A4Grid();
  grid.SetColumnCount(3);
  grid.SetRowCount(3);
  grid.SetColumnWidth(1, 40, 3, 0);
  grid.SetCellText(1, 1, 0, "12+7×3-5=");
  grid.SetCellText(2, 1, 0, "1");
  EXPECT_GT(FitColumnWidth(grid, 1), FitColumnWidth(grid, 2));
  EXPECT_EQ(FitColumnWidth(grid, 3), 40);
  const double regular = FitColumnWidth(grid, 1);
  grid.SetCellFontSize(1, 1, 0, 20);
  EXPECT_GT(FitColumnWidth(grid, 1), 1.8 * regular - 2 * kCellPaddingX);
  // Three lines need about three times one line.
  grid.SetCellText(2, 2, 0, "10\r\n↙ ↘\r\n3   (    )");
  grid.SetCellText(2, 3, 0, "1");
  EXPECT_NEAR(FitRowHeight(grid, 2) - 2 * kCellPaddingY, 3 * (FitRowHeight(grid, 3) - 2 * kCellPaddingY), 3.0);
}

TEST(Geometry, MergedHeaderDoesNotWidenColumnOneButReachesIntoThePrintRange) {
  ReportGrid grid = A4Grid();
  grid.SetColumnCount(5);
  grid.SetRowCount(3);
  grid.SetCellText(1, 1, 0, QStringLiteral("题目数：20 姓名：         年级：   班级：   用时：   得分：   日期："));
  grid.MergeCells(1, 1, 5, 1);
  grid.SetCellText(1, 2, 0, "1");
  const double before = grid.GetColumnWidth(1, 1, 0);
  EXPECT_EQ(FitColumnWidth(grid, 1), std::ceil(TextSizeUnits(CellFont(grid, grid.CellAt(1, 2)), "1").width() + 2 * kCellPaddingX));
  (void)before;
  grid.HideColumns(2, 5);
  const PrintRange range = ComputePrintRange(grid);
  EXPECT_EQ(range.columns, std::vector<int>{1});
  EXPECT_EQ(range.rows, (std::vector<int>{1, 2}));
  EXPECT_GT(range.overflowRight, 200);  // the header prints in full
}

// A sheet of 10 columns 100 wide and 50 rows 20 high, every cell bordered, on A4 (793.7 x 1122.5)
// with margins 50: the page holds 693.7 x 1022.5 units at scale 1.
ReportGrid BlockSheet() {
  ReportGrid grid = A4Grid();
  grid.SetColumnCount(12);
  grid.SetRowCount(55);
  for (int c = 1; c <= 12; ++c) grid.SetColumnWidth(1, 100, c, 0);
  for (int r = 1; r <= 55; ++r) grid.SetRowHeight(1, 20, r, 0);
  grid.DrawCellBorders(1, 1, 10, 50, 0, 2, -1);
  grid.SetPrintMargins(50, 50, 50, 50);
  return grid;
}

struct PageCase {
  bool landscape;
  friend void PrintTo(const PageCase& c, std::ostream* os) {
    *os << (c.landscape ? "landscape" : "portrait") << " at " << c.scale;
  }
  double scale;
  int columnBands, rowBands;
};

class PageCountTable : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageCountTable, PagesAgainstScaleAndOrientation) {
  const PageCase& c = GetParam();
  ReportGrid grid = BlockSheet();
  grid.SetPrintOrientation(c.landscape ? 1 : 0);
  grid.SetPrintScale(c.scale);
  const Pagination pagination = Paginate(grid);
  EXPECT_EQ(pagination.columnBands.size(), static_cast<size_t>(c.columnBands));
  EXPECT_EQ(pagination.rowBands.size(), static_cast<size_t>(c.rowBands));
  EXPECT_EQ(grid.GetPrintPageCount(0), c.columnBands * c.rowBands);
}

INSTANTIATE_TEST_SUITE_P(
    BlockSheet, PageCountTable,
    ::testing::Values(PageCase{false, 1.0, 2, 1},   // 6 + 4 columns, 50 rows in 1022.5
                      PageCase{true, 1.0, 1, 2},    // 10 columns in 1022.5, 34 + 16 rows
                      PageCase{false, 0.5, 1, 1},   // 1387 x 2045: all on one page
                      PageCase{true, 0.5, 1, 1},
                      PageCase{false, 2.0, 4, 2},   // 346.8 x 511.2: 3 columns, 25 rows a page
                      PageCase{true, 2.0, 2, 3},    // 511.2 x 346.8: 5 columns, 17 rows a page
                      PageCase{false, 0.1, 1, 1}));

TEST(Pagination, OnlyWhatPrintsCounts) {
  ReportGrid grid = BlockSheet();
  grid.SetPrintScale(1.0);
  // Columns 11 and 12 and rows 51 to 55 are empty: they print nothing and make no page.
  EXPECT_EQ(ComputePrintRange(grid).columns.size(), 10u);
  EXPECT_EQ(ComputePrintRange(grid).rows.size(), 50u);
  // Hidden columns do not print.
  grid.HideColumns(5, 10);
  EXPECT_EQ(grid.GetPrintPageCount(0), 1);
  // An empty sheet prints nothing.
  EXPECT_EQ(A4Grid().GetPrintPageCount(0), 0);
}

TEST(Pagination, PagesRunDownThenAcross) {
  ReportGrid grid = BlockSheet();
  grid.SetPrintScale(2.0);
  const Pagination p = Paginate(grid);
  ASSERT_EQ(p.PageCount(), 8);
  EXPECT_EQ(p.PageColumns(0), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(p.PageRows(0).front(), 1);
  EXPECT_EQ(p.PageColumns(1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(p.PageRows(1).front(), 26);
  EXPECT_EQ(p.PageColumns(2), (std::vector<int>{4, 5, 6}));
  EXPECT_TRUE(p.IsLastColumnBand(7));
  EXPECT_FALSE(p.IsLastColumnBand(5));
}

TEST(Pagination, TooWideColumnGetsAPageOfItsOwn) {
  EXPECT_EQ(SplitIntoBands({1, 2, 3}, {50, 900, 50}, 100),
            (std::vector<std::vector<int>>{{1}, {2}, {3}}));
  EXPECT_EQ(SplitIntoBands({1, 2, 3}, {50, 50, 50}, 100),
            (std::vector<std::vector<int>>{{1, 2}, {3}}));
}

}  // namespace
}  // namespace sumwick
