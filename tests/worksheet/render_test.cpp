#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>

#include "grid_geometry.h"
#include "page_painter.h"
#include "report_grid_view.h"
#include "worksheet_document.h"
#include "worksheet_header.h"
#include "worksheet_test_support.h"

namespace sumwick {
namespace {

using testing::ArithmeticList;
using testing::PdfText;
using testing::SplitList;
using testing::Tokens;

const QDateTime kTime(QDate(2020, 1, 5), QTime(9, 3, 7));
const QLocale kChinese(QLocale::Chinese, QLocale::China);

QString TempPdf(QTemporaryDir& dir, const char* name) { return dir.filePath(QString::fromLatin1(name)); }

TEST(PdfExport, ArithmeticWorksheetTextIsSearchable) {
  QTemporaryDir dir;
  const QString path = TempPdf(dir, "sheet.pdf");
  const QuestionList list = ArithmeticList(100);
  ASSERT_TRUE(ExportWorksheetPdf(list, WorksheetParams{100, 10}, false, WorksheetStyle{}, kTime, path,
                                 A4PaperSizeUnits(), kChinese)
                  .ok);
  const QString text = PdfText(path);
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(text.contains(QStringLiteral("题目数：100"))) << text.toStdString();
  for (const char* piece : {"姓名：", "年级：", "班级：", "用时：", "得分：", "日期：2020/1/5"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece;
  EXPECT_TRUE(text.contains(QStringLiteral("09:03:07")));
  const QStringList tokens = Tokens(text);
  const QSet<QString> set(tokens.begin(), tokens.end());
  for (int i = 1; i <= 100; ++i) {
    EXPECT_TRUE(set.contains(QString::number(i))) << "serial " << i;
    EXPECT_TRUE(set.contains(list.At(i).prompt)) << list.At(i).prompt.toStdString();
    EXPECT_TRUE(set.contains(list.At(i).answer)) << list.At(i).answer.toStdString();
  }
  // One page: the fit search found a scale for it.
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1)
      << "pages";
  EXPECT_TRUE(pdf.contains("/FontFile2"));  // the font is embedded
}

TEST(PdfExport, HiddenAnswersAndSerialsDoNotPrint) {
  QTemporaryDir dir;
  const QString path = TempPdf(dir, "hidden.pdf");
  const QuestionList list = ArithmeticList(40);
  WorksheetStyle style;
  style.hideAnswers = true;
  style.hideSerials = true;
  style.landscape = false;
  ASSERT_TRUE(ExportWorksheetPdf(list, WorksheetParams{40, 10}, false, style, kTime, path,
                                 A4PaperSizeUnits(), kChinese)
                  .ok);
  const QStringList tokens = Tokens(PdfText(path));
  const QSet<QString> set(tokens.begin(), tokens.end());
  for (int i = 1; i <= 40; ++i) {
    EXPECT_TRUE(set.contains(list.At(i).prompt)) << i;
    EXPECT_FALSE(set.contains(list.At(i).answer)) << i;
    EXPECT_FALSE(set.contains(QString::number(i))) << i;
  }
}

TEST(PdfExport, SplitWorksheetShowsArrowsAndBlanks) {
  QTemporaryDir dir;
  const QString path = TempPdf(dir, "split.pdf");
  const QuestionList list = SplitList(10);
  ASSERT_TRUE(ExportWorksheetPdf(list, WorksheetParams{10, 10}, true, WorksheetStyle{}, kTime, path,
                                 A4PaperSizeUnits(), kChinese)
                  .ok);
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral("题目数：10")));
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("↙\\s*↘"))), 10) << text.toStdString();
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("\\(\\s*\\)"))), 10);
  const QStringList tokens = Tokens(text);
  for (int i = 1; i <= 10; ++i) EXPECT_TRUE(tokens.contains(QString::number(i))) << i;
}

TEST(PdfExport, UnwritablePathIsAnError) {
  const Outcome outcome = ExportWorksheetPdf(ArithmeticList(3), WorksheetParams{3, 10}, false,
                                             WorksheetStyle{}, kTime, "/nonexistent/dir/x.pdf",
                                             A4PaperSizeUnits());
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.error.contains("/nonexistent/dir/x.pdf"));
}

// Renders page 1 of a worksheet at 96 dpi and counts dark pixels inside the blank column of the
// first question row, borders included: only the grid lines can darken it.
int DarkPixelsAroundFirstBlankCell(bool hideGrid) {
  ReportGrid grid(A4PaperSizeUnits());
  WorksheetGeometry geometry;
  WorksheetStyle style;
  style.hideGrid = hideGrid;
  EXPECT_TRUE(BuildWorksheet(grid, geometry, ArithmeticList(20), WorksheetParams{20, 10}, false, style,
                             kTime, kChinese)
                  .ok);
  const QSizeF page = grid.PageSize();
  QImage image(qCeil(page.width()), qCeil(page.height()), QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    const Pagination pagination = Paginate(grid);
    EXPECT_EQ(pagination.PageCount(), 1);
    PagePainter(grid).PaintPage(painter, pagination, 0);
  }
  const double s = grid.PrintScale();
  const ReportGrid::Margins& m = grid.PrintMargins();
  const double x0 = m.left + s * (grid.GetColumnWidth(1, 1, 0) + grid.GetColumnWidth(1, 2, 0));
  const double x1 = x0 + s * grid.GetColumnWidth(1, 3, 0);
  const double y0 = m.top + s * grid.RowHeight(1);
  const double y1 = y0 + s * grid.RowHeight(2);
  int dark = 0;
  for (int y = qFloor(y0) - 1; y <= qCeil(y1) + 1; ++y)
    for (int x = qFloor(x0) - 1; x <= qCeil(x1) + 1; ++x)
      if (qGray(image.pixel(x, y)) < 128) ++dark;
  return dark;
}

TEST(PageRendering, GridLinesShowAsDarkPixelsAndHideCompletely) {
  const int withLines = DarkPixelsAroundFirstBlankCell(false);
  const int without = DarkPixelsAroundFirstBlankCell(true);
  EXPECT_GT(withLines, 40);
  EXPECT_EQ(without, 0);
}

TEST(PageRendering, TextLandsInsideThePage) {
  ReportGrid grid(A4PaperSizeUnits());
  WorksheetGeometry geometry;
  ASSERT_TRUE(BuildWorksheet(grid, geometry, ArithmeticList(100), WorksheetParams{100, 10}, false,
                             WorksheetStyle{}, kTime, kChinese)
                  .ok);
  const QSizeF page = grid.PageSize();
  QImage image(qCeil(page.width()), qCeil(page.height()), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PagePainter(grid).PaintPage(painter, Paginate(grid), 0);
  }
  // Nothing is drawn in the margins (50 units, less a pixel for line caps).
  const int w = image.width(), h = image.height();
  int inMargins = 0, inside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool dark = qGray(image.pixel(x, y)) < 200;
      const bool margin = x < 48 || y < 48 || x >= w - 48 || y >= h - 48;
      (margin ? inMargins : inside) += dark ? 1 : 0;
    }
  EXPECT_EQ(inMargins, 0);
  EXPECT_GT(inside, 1000);
}

TEST(ReportGridView, PaintsTheSheetWithTheSamePainter) {
  ReportGrid grid(A4PaperSizeUnits());
  WorksheetGeometry geometry;
  ASSERT_TRUE(BuildWorksheet(grid, geometry, ArithmeticList(20), WorksheetParams{20, 10}, false,
                             WorksheetStyle{}, kTime, kChinese)
                  .ok);
  ReportGridView view;
  view.resize(400, 300);
  view.SetGrid(&grid);
  view.show();
  const QImage shot = view.viewport()->grab().toImage();
  int dark = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) dark += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
  EXPECT_GT(dark, 200);
  // The sheet is wider than the view: it scrolls.
  EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
  view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
  const QImage scrolled = view.viewport()->grab().toImage();
  EXPECT_NE(scrolled, shot);
}

}  // namespace
}  // namespace sumwick
