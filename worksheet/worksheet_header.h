#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "report_grid.h"
#include "worksheet_layout.h"

namespace sumwick {

// FormatTimestamp: the date part (when the date picture has at least 3 characters)
// followed by the time part (when the time picture has at least 3 characters), each formatted by
// `locale` (the user's locale by default) with the system's picture syntax: yyyy, yy, M, MM, MMM,
// MMMM, d, dd, ddd, dddd; h, hh (12-hour unless forced), H, HH (24-hour), m, mm, s, ss, t, tt
// (AM/PM marker, dropped when the 24-hour clock is forced); text in single quotes and every other
// character is copied. An invalid time gives the empty text.
QString FormatTimestamp(const QDateTime& time, const QString& datePicture,
                        const QString& timePicture, bool force24Hour,
                        const QLocale& locale = QLocale());

// The worksheet's header line for a question count and a time.
QString WorksheetHeaderLine(int questionCount, const QDateTime& time,
                            const QLocale& locale = QLocale());

// WriteWorksheetHeader: a new row 1 merged across every column, 40 units high, holding
// the header line for `questionCount` at `time`. Records the row in geometry.headerRows.
void WriteWorksheetHeader(ReportGrid& grid, WorksheetGeometry& geometry, int questionCount,
                          const QDateTime& time, const QLocale& locale = QLocale());

// The name of a printed worksheet: FormatTimestamp(time, "yyyyMd_", "hms", forced).
QString PrintName(const QDateTime& time, const QLocale& locale = QLocale());

}  // namespace sumwick
