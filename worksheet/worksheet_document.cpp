#include "worksheet_document.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "grid_geometry.h"
#include "page_painter.h"
#include "worksheet_header.h"

namespace sumwick {

void ChoosePrintScale(ReportGrid& grid, const WorksheetStyle& style) {
  grid.SetPrintScale(2.0);
  if (style.fitToOnePage) {
    for (int i = 1; i <= 19; ++i) {  // 1.9 down to 0.1; a scale of 0 is never set
      grid.SetPrintScale((20 - i) / 10.0);
      if (grid.GetPrintPageCount(0) == 1) break;
    }
  } else {
    grid.SetPrintScale(style.scalePercent / 100.0);
  }
}

Outcome BuildWorksheet(ReportGrid& grid, WorksheetGeometry& geometry, const QuestionList& list,
                       const WorksheetParams& params, bool split, const WorksheetStyle& style,
                       const QDateTime& time, const QLocale& locale) {
  if (params.questionsPerColumn < 1)
    return Outcome::Fail(QStringLiteral("questions per column must be at least 1"));
  grid.SetRowCount(kInitialGridRows, 0);
  grid.SetColumnCount(kInitialGridColumns, 0);
  WorksheetStyle effective = style;
  if (split) {
    effective.hideAnswers = true;
    effective.alignCenter = true;
    effective.alignLeft = false;
    LayOutSplitWorksheet(grid, geometry, list, params.questionsPerColumn, effective);
    WriteWorksheetHeader(grid, geometry, params.questionCount, time, locale);
    ApplyAnswerVisibility(grid, geometry, effective);
  } else {
    LayOutArithmeticWorksheet(grid, geometry, list, params.questionsPerColumn, effective);
    WriteWorksheetHeader(grid, geometry, params.questionCount, time, locale);
  }
  if (effective.fontSize > 0 && effective.fontSize != grid.DefaultFontSize())
    ApplyQuestionFontSize(grid, geometry, effective.fontSize);
  if (effective.rowHeight > 0) ApplyQuestionRowHeight(grid, geometry, effective.rowHeight);
  // The preview handler's steps.
  ApplyPrintOrientation(grid, effective);
  ApplyPrintMargins(grid, effective);
  grid.SetPrintOption(1, 0);
  ChoosePrintScale(grid, effective);
  grid.SetSheetName(0, PrintName(time, locale));
  return {};
}

Outcome PaintGridPages(const ReportGrid& grid, QPagedPaintDevice& device) {
  const QSizeF paper = grid.PaperSize();
  const QPageSize pageSize(QSizeF(paper.width() * 72.0 / 96.0, paper.height() * 72.0 / 96.0),
                           QPageSize::Point, QString(), QPageSize::FuzzyMatch);
  const QPageLayout layout(pageSize,
                           grid.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                           QMarginsF(0, 0, 0, 0));
  if (!device.setPageLayout(layout)) return Outcome::Fail(QStringLiteral("the page size is not supported"));
  const Pagination pagination = Paginate(grid);
  QPainter painter;
  if (!painter.begin(&device)) return Outcome::Fail(QStringLiteral("cannot open the output"));
  const PagePainter pagePainter(grid);
  const int pages = std::max(pagination.PageCount(), 1);  // an empty sheet still gives a page
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    pagePainter.PaintPage(painter, pagination, page);
  }
  if (!painter.end()) return Outcome::Fail(QStringLiteral("cannot write the output"));
  return {};
}

Outcome WriteGridPdf(const ReportGrid& grid, QIODevice& out) {
  QPdfWriter writer(&out);
  writer.setResolution(1200);
  writer.setCreator(QStringLiteral("Sumwick"));
  writer.setTitle(grid.SheetName());
  return PaintGridPages(grid, writer);
}

Outcome WriteGridPdf(const ReportGrid& grid, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return Outcome::Fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  const Outcome outcome = WriteGridPdf(grid, file);
  file.close();
  if (outcome.ok && file.error() != QFileDevice::NoError)
    return Outcome::Fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  return outcome;
}

namespace {

// The whole road to a PDF, into a file path or an open device.
template <typename Target>
Outcome BuildAndWritePdf(const QuestionList& list, const WorksheetParams& params, bool split,
                         const WorksheetStyle& style, const QDateTime& time, Target& target,
                         QSizeF paper, const QLocale& locale) {
  ReportGrid grid(paper.isEmpty() ? DefaultPaperSizeUnits() : paper);
  WorksheetGeometry geometry;
  if (Outcome built = BuildWorksheet(grid, geometry, list, params, split, style, time, locale); !built.ok)
    return built;
  return WriteGridPdf(grid, target);
}

}  // namespace

Outcome ExportWorksheetPdf(const QuestionList& list, const WorksheetParams& params, bool split,
                           const WorksheetStyle& style, const QDateTime& time, const QString& path,
                           QSizeF paper, const QLocale& locale) {
  return BuildAndWritePdf(list, params, split, style, time, path, paper, locale);
}

Outcome ExportWorksheetPdf(const QuestionList& list, const WorksheetParams& params, bool split,
                           const WorksheetStyle& style, const QDateTime& time, QIODevice& out,
                           QSizeF paper, const QLocale& locale) {
  return BuildAndWritePdf(list, params, split, style, time, out, paper, locale);
}

}  // namespace sumwick
