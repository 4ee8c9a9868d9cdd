#include "report_grid.h"

#include <QPageSize>

#include <future>

#if SUMWICK_HAVE_CUPS
#include <QDir>
#include <QFile>
#include <QUrl>
#include <cups/cups.h>
#include <dlfcn.h>

#include "cups_paper.h"

#include <type_traits>
#else
#include <QPrinterInfo>
#endif

#include <algorithm>

#include "grid_geometry.h"

namespace sumwick {

namespace {
constexpr double kUnitsPerInch = 96.0;

QSizeF PortraitUnits(const QPageSize& size) {
  // Millimetres are exact for the ISO sizes; inches are rounded to two places.
  const QSizeF mm = size.size(QPageSize::Millimeter);
  const double w = mm.width() / 25.4 * kUnitsPerInch;
  const double h = mm.height() / 25.4 * kUnitsPerInch;
  return QSizeF(std::min(w, h), std::max(w, h));
}
}  // namespace

QSizeF A4PaperSizeUnits() { return PortraitUnits(QPageSize(QPageSize::A4)); }

namespace {

#if SUMWICK_HAVE_CUPS
// The few libcups functions the paper question needs. libcups (and the two dozen libraries it
// brings) is opened at run time, so that nothing else pays for loading it.
struct CupsApi {
  ipp_t* (*newRequest)(ipp_op_t) = nullptr;
  ipp_attribute_t* (*addString)(ipp_t*, ipp_tag_t, ipp_tag_t, const char*, const char*,
                                const char*) = nullptr;
  ipp_attribute_t* (*addStrings)(ipp_t*, ipp_tag_t, ipp_tag_t, const char*, int, const char*,
                                 const char* const*) = nullptr;
  ipp_t* (*doRequest)(http_t*, ipp_t*, const char*) = nullptr;
  ipp_attribute_t* (*findAttribute)(ipp_t*, const char*, ipp_tag_t) = nullptr;
  const char* (*getString)(ipp_attribute_t*, int, const char**) = nullptr;
  void (*deleteIpp)(ipp_t*) = nullptr;
  pwg_media_t* (*mediaForPwg)(const char*) = nullptr;

  bool Load() {
    void* lib = dlopen("libcups.so.2", RTLD_LAZY | RTLD_LOCAL);  // stays loaded
    if (!lib) return false;
    auto get = [lib](auto& fn, const char* name) {
      fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(lib, name));
      return fn != nullptr;
    };
    return get(newRequest, "ippNewRequest") && get(addString, "ippAddString") &&
           get(addStrings, "ippAddStrings") && get(doRequest, "cupsDoRequest") &&
           get(findAttribute, "ippFindAttribute") && get(getString, "ippGetString") &&
           get(deleteIpp, "ippDelete") && get(mediaForPwg, "pwgMediaForPWG");
  }

  // One IPP request asking for the printer's name and default medium; an empty name asks for
  // the scheduler's default destination.
  std::pair<QString, QString> NameAndMedia(const QString& printer) const {
    ipp_t* request = newRequest(printer.isEmpty() ? IPP_OP_CUPS_GET_DEFAULT
                                                  : IPP_OP_GET_PRINTER_ATTRIBUTES);
    if (!printer.isEmpty()) {
      const QByteArray uri =
          "ipp://localhost/printers/" + QUrl::toPercentEncoding(printer);
      addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    }
    static const char* const kAttributes[] = {"printer-name", "media-default"};
    addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
               kAttributes);
    ipp_t* response = doRequest(CUPS_HTTP_DEFAULT, request, "/");  // frees the request
    std::pair<QString, QString> result;
    if (!response) return result;
    if (ipp_attribute_t* a = findAttribute(response, "printer-name", IPP_TAG_NAME))
      result.first = QString::fromUtf8(getString(a, 0, nullptr));
    if (ipp_attribute_t* a = findAttribute(response, "media-default", IPP_TAG_ZERO))
      result.second = QString::fromUtf8(getString(a, 0, nullptr));
    deleteIpp(response);
    return result;
  }
};

// The user's default destination as CUPS chooses it before asking the scheduler: LPDEST, then
// PRINTER (except "lp"), then the "Default" line of ~/.cups/lpoptions, then /etc/cups/lpoptions.
QString ConfiguredDestination() {
  for (const char* variable : {"LPDEST", "PRINTER"}) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && !(value == QLatin1String("lp") && qstrcmp(variable, "PRINTER") == 0))
      return value.section(u'/', 0, 0);
  }
  const QStringList files{QDir::homePath() + QStringLiteral("/.cups/lpoptions"),
                          QStringLiteral("/etc/cups/lpoptions")};
  for (const QString& path : files) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
    QString found;
    while (!file.atEnd()) {
      const QString line = QString::fromUtf8(file.readLine()).trimmed();
      if (line.startsWith(QLatin1String("Default "), Qt::CaseInsensitive))
        found = line.section(u' ', 1, 1, QString::SectionSkipEmpty).section(u'/', 0, 0);
    }
    if (!found.isEmpty()) return found;
  }
  return QString();
}

// The default printer's default medium. Usually one small IPP request over the scheduler's local
// socket (a few hundred microseconds, no library to load); libcups, opened at run time, serves
// the set-ups that the socket does not (a remote server).
QSizeF QueryDefaultPaper() {
  const QString configured = ConfiguredDestination();
  if (const QString socket = cups::LocalSchedulerSocket(); !socket.isEmpty()) {
    if (const std::optional<cups::MediaReply> reply =
            cups::AskScheduler(socket, cups::DefaultMediaRequest(configured))) {
      return cups::PwgMediaSizeUnits(reply->mediaDefault).value_or(A4PaperSizeUnits());
    }
  }
  CupsApi api;
  if (!api.Load()) return A4PaperSizeUnits();  // no CUPS client: no printers
  const auto [name, media] = api.NameAndMedia(configured);
  if (name.isEmpty() && configured.isEmpty()) return A4PaperSizeUnits();  // no default printer
  if (const pwg_media_t* pwg = media.isEmpty() ? nullptr : api.mediaForPwg(media.toUtf8().constData());
      pwg && pwg->width > 0 && pwg->length > 0) {
    // hundredths of a millimetre
    const double w = pwg->width / 2540.0 * kUnitsPerInch;
    const double h = pwg->length / 2540.0 * kUnitsPerInch;
    return QSizeF(std::min(w, h), std::max(w, h));
  }
  return A4PaperSizeUnits();
}
#else
QSizeF QueryDefaultPaper() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return A4PaperSizeUnits();
  const QPageSize page = printer.defaultPageSize();
  return page.isValid() ? PortraitUnits(page) : A4PaperSizeUnits();
}
#endif

}  // namespace

namespace {
// Asking the print system costs a round trip to the spooler: once per process, on a thread of its
// own so that it can run while the caller does other work.
std::shared_future<QSizeF>& DefaultPaperFuture() {
  static std::shared_future<QSizeF> future = std::async(std::launch::async, QueryDefaultPaper).share();
  return future;
}
}  // namespace

void PrefetchDefaultPaperSize() { (void)DefaultPaperFuture(); }

QSizeF DefaultPaperSizeUnits() { return DefaultPaperFuture().get(); }

ReportGrid::ReportGrid() : ReportGrid(DefaultPaperSizeUnits()) {}

ReportGrid::ReportGrid(QSizeF pageSizeUnits) : paper_(pageSizeUnits) {}

void ReportGrid::Resize(int columns, int rows) {
  columns = std::max(columns, 0);
  rows = std::max(rows, 0);
  if (columns == columns_ && rows == rows_) return;
  if (rows > rowCapacity_) {
    const int capacity = rows + 8;  // room for a header row or two without moving everything
    std::vector<Cell> cells(static_cast<size_t>(columns) * static_cast<size_t>(capacity));
    const int keepColumns = std::min(columns, columns_);
    for (int c = 0; c < keepColumns; ++c) {
      std::copy_n(cells_.begin() + static_cast<ptrdiff_t>(c) * rowCapacity_, rows_,
                  cells.begin() + static_cast<ptrdiff_t>(c) * capacity);
    }
    cells_ = std::move(cells);
    rowCapacity_ = capacity;
  } else {
    if (rows < rows_) {  // cells given up are emptied, so that growing again finds them empty
      for (int c = 0; c < std::min(columns, columns_); ++c) {
        std::fill_n(cells_.begin() + static_cast<ptrdiff_t>(c) * rowCapacity_ + rows, rows_ - rows,
                    Cell{});
      }
    }
    // Columns lie one after another: adding or removing columns keeps the others in place.
    cells_.resize(static_cast<size_t>(columns) * static_cast<size_t>(rowCapacity_));
  }
  columnWidths_.resize(static_cast<size_t>(columns), kDefaultColumnWidth);
  columnHidden_.resize(static_cast<size_t>(columns), 0);
  rowHeights_.resize(static_cast<size_t>(rows), kDefaultRowHeight);
  rowHidden_.resize(static_cast<size_t>(rows), 0);
  columns_ = columns;
  rows_ = rows;
  // Merged ranges that no longer fit are cut back to the grid; empty ones go.
  for (Range& m : merged_) {
    m.lastColumn = std::min(m.lastColumn, columns_);
    m.lastRow = std::min(m.lastRow, rows_);
  }
  std::erase_if(merged_, [](const Range& m) {
    return m.firstColumn > m.lastColumn || m.firstRow > m.lastRow;
  });
}

void ReportGrid::SetColumnCount(int count, int) { Resize(count, rows_); }
void ReportGrid::SetRowCount(int count, int) { Resize(columns_, count); }

void ReportGrid::InsertRows(int row, int count, int) {
  if (count <= 0 || row < 1 || row > rows_ + 1) return;
  const int oldRows = rows_;
  Resize(columns_, rows_ + count);  // grows the capacity when needed; new cells are empty
  for (int c = 1; c <= columns_; ++c) {
    const auto first = cells_.begin() + static_cast<ptrdiff_t>(Index(c, row));
    const auto last = cells_.begin() + static_cast<ptrdiff_t>(Index(c, 1)) + oldRows;
    std::move_backward(first, last, last + count);
    std::fill_n(first, count, Cell{});
  }
  // Resize appended the new rows' height and visibility at the end: they belong at `row`.
  rowHidden_.resize(static_cast<size_t>(oldRows));
  rowHeights_.resize(static_cast<size_t>(oldRows));
  rowHeights_.insert(rowHeights_.begin() + (row - 1), static_cast<size_t>(count), kDefaultRowHeight);
  rowHidden_.insert(rowHidden_.begin() + (row - 1), static_cast<size_t>(count), 0);
  for (Range& m : merged_) {
    if (m.firstRow >= row) {
      m.firstRow += count;
      m.lastRow += count;
    } else if (m.lastRow >= row) {
      m.lastRow += count;
    }
  }
}

ReportGrid::Cell* ReportGrid::MutableCell(int column, int row) {
  if (!InGrid(column, row)) return nullptr;
  return &cells_[Index(column, row)];
}

const ReportGrid::Cell* ReportGrid::CellAt(int column, int row) const {
  if (!InGrid(column, row)) return nullptr;
  return &cells_[Index(column, row)];
}

QString ReportGrid::CellText(int column, int row) const {
  const Cell* cell = CellAt(column, row);
  return cell ? TextOf(*cell) : QString();
}

const QString& ReportGrid::TextOf(const Cell& cell) const {
  static const QString kEmpty;
  return cell.text == 0 ? kEmpty : texts_[cell.text - 1];
}

void ReportGrid::SetCellAlignment(int column, int row, int, int code) {
  if (Cell* cell = MutableCell(column, row)) cell->alignment = static_cast<std::uint8_t>(code & 0x3f);
}
void ReportGrid::SetCellAttribute(int column, int row, int, int value) {
  if (Cell* cell = MutableCell(column, row)) cell->attribute = static_cast<std::uint8_t>(value);
}
void ReportGrid::SetCellFontStyle(int column, int row, int, int style) {
  if (Cell* cell = MutableCell(column, row)) cell->fontStyle = static_cast<std::uint8_t>(style);
}
void ReportGrid::SetCellFontSize(int column, int row, int, double size) {
  if (Cell* cell = MutableCell(column, row)) cell->fontSize = size > 0 ? static_cast<float>(size) : 0.0f;
}
void ReportGrid::SetCellText(int column, int row, int, const QString& text) {
  Cell* cell = MutableCell(column, row);
  if (!cell) return;
  if (text.isEmpty()) {
    if (cell->text != 0) texts_[cell->text - 1].clear();
    cell->text = 0;
  } else if (cell->text != 0) {
    texts_[cell->text - 1] = text;
  } else {
    texts_.push_back(text);
    cell->text = static_cast<std::uint32_t>(texts_.size());
  }
}

void ReportGrid::SetRowHeight(int, double height, int row, int) {
  if (row >= 1 && row <= rows_) rowHeights_[static_cast<size_t>(row - 1)] = std::max(height, 0.0);
}
void ReportGrid::SetColumnWidth(int, double width, int column, int) {
  if (column >= 1 && column <= columns_)
    columnWidths_[static_cast<size_t>(column - 1)] = std::max(width, 0.0);
}
double ReportGrid::GetColumnWidth(int, int column, int) const {
  if (column < 1 || column > columns_) return 0;
  return columnWidths_[static_cast<size_t>(column - 1)];
}
double ReportGrid::RowHeight(int row) const {
  if (row < 1 || row > rows_) return 0;
  return rowHeights_[static_cast<size_t>(row - 1)];
}
double ReportGrid::GetFitColumnWidth(int column) const { return FitColumnWidth(*this, column); }
double ReportGrid::GetFitRowHeight(int row) const { return FitRowHeight(*this, row); }

void ReportGrid::MergeCells(int firstColumn, int firstRow, int lastColumn, int lastRow) {
  Range range{std::max(firstColumn, 1), std::max(firstRow, 1), std::min(lastColumn, columns_),
              std::min(lastRow, rows_)};
  if (range.firstColumn > range.lastColumn || range.firstRow > range.lastRow) return;
  // A new merge replaces the merges it overlaps.
  std::erase_if(merged_, [&](const Range& m) {
    return m.firstColumn <= range.lastColumn && range.firstColumn <= m.lastColumn &&
           m.firstRow <= range.lastRow && range.firstRow <= m.lastRow;
  });
  merged_.push_back(range);
}

const ReportGrid::Range* ReportGrid::MergeAnchoredAt(int column, int row) const {
  for (const Range& m : merged_) {
    if (m.firstColumn == column && m.firstRow == row) return &m;
  }
  return nullptr;
}

bool ReportGrid::IsCoveredByMerge(int column, int row) const {
  for (const Range& m : merged_) {
    if (m.Contains(column, row) && !(m.firstColumn == column && m.firstRow == row)) return true;
  }
  return false;
}

void ReportGrid::SetPrintScale(double scale) {
  if (scale > 0) scale_ = scale;
}
void ReportGrid::SetPrintOrientation(int landscape) { landscape_ = landscape != 0; }
void ReportGrid::SetPrintOption(int option, int value) {
  if (option == 1) printGridLines_ = value != 0 ? 1 : 0;
}
void ReportGrid::SetPrintMargins(double top, double left, double bottom, double right) {
  margins_ = Margins{std::max(top, 0.0), std::max(left, 0.0), std::max(bottom, 0.0),
                     std::max(right, 0.0)};
}
void ReportGrid::ShowGridLines(int show, int) { gridLinesShown_ = show != 0; }
void ReportGrid::SetSheetName(int, const QString& name) { sheetName_ = name; }

void ReportGrid::DrawCellBorders(int firstColumn, int firstRow, int lastColumn, int lastRow, int,
                                 int lineStyle, int colour) {
  const int c0 = std::max(firstColumn, 1), c1 = std::min(lastColumn, columns_);
  const int r0 = std::max(firstRow, 1), r1 = std::min(lastRow, rows_);
  const auto style = static_cast<std::uint8_t>(lineStyle >= 2 && lineStyle <= 3 ? lineStyle : 0);
  for (int c = c0; c <= c1; ++c) {
    for (int r = r0; r <= r1; ++r) {
      Cell& cell = cells_[Index(c, r)];
      cell.borderStyle = style;
      cell.borderColour = colour;
    }
  }
}

void ReportGrid::HideRows(int firstRow, int lastRow) {
  for (int r = std::max(firstRow, 1); r <= std::min(lastRow, rows_); ++r)
    rowHidden_[static_cast<size_t>(r - 1)] = 1;
}
void ReportGrid::ShowRows(int firstRow, int lastRow) {
  for (int r = std::max(firstRow, 1); r <= std::min(lastRow, rows_); ++r)
    rowHidden_[static_cast<size_t>(r - 1)] = 0;
}
void ReportGrid::HideColumns(int firstColumn, int lastColumn) {
  for (int c = std::max(firstColumn, 1); c <= std::min(lastColumn, columns_); ++c)
    columnHidden_[static_cast<size_t>(c - 1)] = 1;
}
void ReportGrid::ShowColumns(int firstColumn, int lastColumn) {
  for (int c = std::max(firstColumn, 1); c <= std::min(lastColumn, columns_); ++c)
    columnHidden_[static_cast<size_t>(c - 1)] = 0;
}
bool ReportGrid::IsColumnHidden(int column) const {
  return column < 1 || column > columns_ || columnHidden_[static_cast<size_t>(column - 1)] != 0;
}
bool ReportGrid::IsRowHidden(int row) const {
  return row < 1 || row > rows_ || rowHidden_[static_cast<size_t>(row - 1)] != 0;
}

int ReportGrid::GetPrintPageCount(int) const { return Paginate(*this).PageCount(); }

void ReportGrid::SetPrintCopies(int copies) { copies_ = copies; }

QSizeF ReportGrid::PageSize() const { return landscape_ ? paper_.transposed() : paper_; }

}  // namespace sumwick
