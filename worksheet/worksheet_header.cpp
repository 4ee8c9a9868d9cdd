#include "worksheet_header.h"

namespace sumwick {

namespace {

enum class PictureKind { Date, Time };

// Translates a system date or time picture into Qt's format syntax.
QString ToQtFormat(const QString& picture, PictureKind kind, bool force24Hour) {
  QString out;
  QString literal;
  auto flushLiteral = [&] {
    if (literal.isEmpty()) return;
    QString quoted = literal;
    quoted.replace(QStringLiteral("'"), QStringLiteral("''"));
    out += u'\'' + quoted + u'\'';
    literal.clear();
  };
  bool twelveHour = false;
  for (qsizetype i = 0; i < picture.size();) {
    const QChar ch = picture[i];
    if (ch == u'\'') {  // quoted text is copied
      qsizetype j = i + 1;
      while (j < picture.size() && picture[j] != u'\'') literal += picture[j++];
      i = j + 1;
      continue;
    }
    qsizetype run = 1;
    while (i + run < picture.size() && picture[i + run] == ch) ++run;
    QString token;
    if (kind == PictureKind::Date) {
      if (ch == u'y') token = run >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
      else if (ch == u'M') token = QString(std::min<qsizetype>(run, 4), u'M');
      else if (ch == u'd') token = QString(std::min<qsizetype>(run, 4), u'd');
    } else {
      if (ch == u'h') {
        token = QString(std::min<qsizetype>(run, 2), force24Hour ? u'H' : u'h');
        if (!force24Hour) twelveHour = true;
      } else if (ch == u'H') {
        token = QString(std::min<qsizetype>(run, 2), u'H');
      } else if (ch == u'm') {
        token = QString(std::min<qsizetype>(run, 2), u'm');
      } else if (ch == u's') {
        token = QString(std::min<qsizetype>(run, 2), u's');
      } else if (ch == u't') {
        token = force24Hour ? QStringLiteral("") : QStringLiteral("AP");
        if (force24Hour) {
          i += run;
          continue;
        }
      }
    }
    if (token.isEmpty()) {
      literal += picture.mid(i, run);
    } else {
      flushLiteral();
      out += token;
    }
    i += run;
  }
  flushLiteral();
  // Qt uses the 24-hour clock unless an AM/PM marker is present; a 12-hour "h" without "tt" gets one.
  if (twelveHour && !out.contains(QStringLiteral("AP"))) {
    QString fixed = out;
    fixed.replace(u'h', u'H');
    return fixed;
  }
  return out;
}

}  // namespace

QString FormatTimestamp(const QDateTime& time, const QString& datePicture,
                        const QString& timePicture, bool force24Hour, const QLocale& locale) {
  if (!time.isValid()) return QString();
  QString result;
  if (datePicture.size() >= 3)
    result += locale.toString(time.date(), ToQtFormat(datePicture, PictureKind::Date, force24Hour));
  if (timePicture.size() >= 3)
    result += locale.toString(time.time(), ToQtFormat(timePicture, PictureKind::Time, force24Hour));
  return result;
}

QString WorksheetHeaderLine(int questionCount, const QDateTime& time, const QLocale& locale) {
  return QStringLiteral("题目数：") + QString::number(questionCount) +
         QStringLiteral(" 姓名：         年级：   班级：   用时：   得分：   日期：") +
         FormatTimestamp(time, QStringLiteral("yyyy/M/d dddd"), QStringLiteral(" hh:mm:ss"), true,
                         locale);
}

void WriteWorksheetHeader(ReportGrid& grid, WorksheetGeometry& geometry, int questionCount,
                          const QDateTime& time, const QLocale& locale) {
  grid.InsertRows(1, 1, 0);
  ++geometry.headerRows;
  const QString line = WorksheetHeaderLine(questionCount, time, locale);
  const int columns = grid.GetColumnCount(0);
  grid.MergeCells(1, 1, columns, 1);
  grid.SetRowHeight(1, 40, 1, 0);
  grid.SetCellAlignment(1, 1, 0, kAlignHeader);
  grid.SetCellText(1, 1, 0, line);
}

QString PrintName(const QDateTime& time, const QLocale& locale) {
  return FormatTimestamp(time, QStringLiteral("yyyyMd_"), QStringLiteral("hms"), true, locale);
}

}  // namespace sumwick
