#pragma once

#include <QDateTime>
#include <QLocale>
#include <QSizeF>
#include <QString>

#include "program_state.h"
#include "report_grid.h"
#include "worksheet_layout.h"

class QIODevice;
class QPagedPaintDevice;

namespace sumwick {

// ChoosePrintScale: with the fit search on, tries 1.9, 1.8, ... 0.1 and keeps the first
// scale that gives one page (0.1 stays when none does; never 0); otherwise scalePercent / 100.
void ChoosePrintScale(ReportGrid& grid, const WorksheetStyle& style);

// Results, not magic codes.
struct Outcome {
  bool ok = true;
  QString error;  // one line, for people
  static Outcome Fail(QString message) { return Outcome{false, std::move(message)}; }
};

// What the print setup window does when it opens, followed by the preparation of its preview:
// the grid created with 60 x 101 cells; for a number-split worksheet the forced options (answers
// hidden, prompts centred, left alignment off); the layout with its styles; the header at `time`;
// the font size and row height options where they differ from the grid's; orientation, margins,
// the print option and ChoosePrintScale; the sheet named PrintName(time).
// A per-column count below 1 is refused here, before it reaches the layout.
Outcome BuildWorksheet(ReportGrid& grid, WorksheetGeometry& geometry, const QuestionList& list,
                       const WorksheetParams& params, bool split, const WorksheetStyle& style,
                       const QDateTime& time, const QLocale& locale = QLocale());

// Draws every page of the grid onto a paged device (a QPdfWriter or a QPrinter) through the one
// pagination and the one page painter. The device's page is set to the grid's page size and
// orientation with no margins of its own: the grid's margins are drawn by the painter.
Outcome PaintGridPages(const ReportGrid& grid, QPagedPaintDevice& device);

// Writes the grid's pages to a PDF file: real, searchable text with its fonts embedded.
Outcome WriteGridPdf(const ReportGrid& grid, const QString& path);
Outcome WriteGridPdf(const ReportGrid& grid, QIODevice& out);

// The whole road from a question list to a PDF file, as the print setup window does it with the
// options of `style`: BuildWorksheet, then WriteGridPdf. `paper` is the paper size in units
// (portrait); an empty size means the default printer's paper (A4 when there is none).
Outcome ExportWorksheetPdf(const QuestionList& list, const WorksheetParams& params, bool split,
                           const WorksheetStyle& style, const QDateTime& time, const QString& path,
                           QSizeF paper = QSizeF(), const QLocale& locale = QLocale());
// The same, writing the PDF to an open device.
Outcome ExportWorksheetPdf(const QuestionList& list, const WorksheetParams& params, bool split,
                           const WorksheetStyle& style, const QDateTime& time, QIODevice& out,
                           QSizeF paper = QSizeF(), const QLocale& locale = QLocale());

}  // namespace sumwick
