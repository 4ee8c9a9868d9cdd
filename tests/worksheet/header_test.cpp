#include "worksheet_header.h"
#include "worksheet_layout.h"
#include "worksheet_test_support.h"

namespace sumwick {
namespace {

const QLocale kChinese(QLocale::Chinese, QLocale::China);
const QLocale kAmerican(QLocale::English, QLocale::UnitedStates);  // a 12-hour locale

TEST(FormatTimestamp, SingleDigitMonthAndDayTwoDigitTime) {
  const QDateTime t(QDate(2020, 1, 5), QTime(9, 3, 7));
  EXPECT_EQ(FormatTimestamp(t, "yyyy/M/d dddd", " hh:mm:ss", true, kChinese),
            QStringLiteral("2020/1/5 星期日 09:03:07"));
}

TEST(FormatTimestamp, TwentyFourHourClockEvenInATwelveHourLocale) {
  ASSERT_TRUE(kAmerican.timeFormat(QLocale::ShortFormat).contains(QStringLiteral("AP"),
                                                                  Qt::CaseInsensitive));
  const QDateTime t(QDate(2019, 11, 9), QTime(14, 5, 9));
  EXPECT_EQ(FormatTimestamp(t, "yyyy/M/d dddd", " hh:mm:ss", true, kAmerican),
            QStringLiteral("2019/11/9 Saturday 14:05:09"));
  EXPECT_EQ(FormatTimestamp(t, "", " hh:mm:ss tt", true, kAmerican), QStringLiteral(" 14:05:09 "));
  EXPECT_EQ(FormatTimestamp(t, "", " h:mm tt", false, kAmerican), QStringLiteral(" 2:05 PM"));
}

TEST(FormatTimestamp, ShortPicturesGiveNothingAndBadTimesTheEmptyText) {
  const QDateTime t(QDate(2019, 11, 9), QTime(14, 5, 9));
  EXPECT_EQ(FormatTimestamp(t, "yy", "hh", true, kChinese), QString());
  EXPECT_EQ(FormatTimestamp(t, "yyyy", "", true, kChinese), QStringLiteral("2019"));
  EXPECT_EQ(FormatTimestamp(QDateTime(), "yyyy/M/d", " hh:mm:ss", true, kChinese), QString());
}

TEST(PrintName, YearMonthDayUnderscoreHourMinuteSecondWithoutZeros) {
  EXPECT_EQ(PrintName(QDateTime(QDate(2019, 11, 9), QTime(14, 5, 9)), kChinese),
            QStringLiteral("2019119_1459"));
  EXPECT_EQ(PrintName(QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)), kAmerican),
            QStringLiteral("202015_937"));
  // Printing twice in the same second gives the same name.
  const QDateTime t(QDate(2020, 1, 5), QTime(23, 59, 59));
  EXPECT_EQ(PrintName(t), PrintName(t));
}

TEST(WorksheetHeader, LineAtAFixedTime) {
  EXPECT_EQ(WorksheetHeaderLine(20, QDateTime(QDate(2019, 11, 9), QTime(14, 5, 9)), kChinese),
            QStringLiteral("题目数：20 姓名：         年级：   班级：   用时：   得分：   日期："
                           "2019/11/9 星期六 14:05:09"));
}

TEST(WorksheetHeader, InsertsAMergedRowAboveTheWorksheet) {
  ReportGrid grid = testing::A4Grid();
  grid.SetRowCount(101);
  grid.SetColumnCount(60);
  WorksheetGeometry geometry;
  const QuestionList list = testing::ArithmeticList(20);
  LayOutArithmeticWorksheet(grid, geometry, list, 10, WorksheetStyle{});
  const WorksheetGeometry before = geometry;
  WriteWorksheetHeader(grid, geometry, 20, QDateTime(QDate(2020, 1, 5), QTime(9, 3, 7)), kChinese);
  EXPECT_EQ(grid.GetRowCount(), 102);
  EXPECT_TRUE(grid.CellText(1, 1).startsWith(QStringLiteral("题目数：20 姓名：")));
  EXPECT_TRUE(grid.CellText(1, 1).endsWith(QStringLiteral("日期：2020/1/5 星期日 09:03:07")));
  ASSERT_EQ(grid.MergedRanges().size(), 1u);
  EXPECT_EQ(grid.MergedRanges()[0], (ReportGrid::Range{1, 1, 60, 1}));
  EXPECT_EQ(grid.RowHeight(1), 40);
  EXPECT_EQ(grid.CellAt(1, 1)->alignment, 32);
  EXPECT_EQ(grid.CellAt(1, 1)->fontStyle, 0);
  EXPECT_EQ(grid.CellAt(1, 1)->fontSize, 0);
  // The first question row is now row 2; the geometry keeps the layout's numbers.
  EXPECT_EQ(grid.CellText(1, 2), "1");
  EXPECT_EQ(grid.CellText(2, 2), list.At(1).prompt);
  EXPECT_EQ(geometry.questionRows, before.questionRows);
  EXPECT_EQ(geometry.headerRows, 1);
}

}  // namespace
}  // namespace sumwick
