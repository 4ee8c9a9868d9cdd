#include "grid_geometry.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPair>
#include <QImage>
#include <QStringList>

#include <algorithm>
#include <map>
#include <memory>

namespace sumwick {

namespace {

// A device of 96 dots per inch: one pixel is one unit.
QPaintDevice* MeasuringDevice() {
  thread_local std::unique_ptr<QImage> image = [] {
    auto img = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
    img->setDotsPerMeterX(3780);  // 96 dpi
    img->setDotsPerMeterY(3780);
    return img;
  }();
  return image.get();
}

const QFontMetricsF& MetricsFor(const QFont& font) {
  // Creating metrics resolves the font through the font database: keep one per size and weight.
  thread_local std::map<std::pair<int, bool>, std::unique_ptr<QFontMetricsF>> cache;
  const std::pair<int, bool> key{qRound(font.pointSizeF() * 64), font.bold()};
  auto it = cache.find(key);
  if (it == cache.end()) {
    it = cache.emplace(key, std::make_unique<QFontMetricsF>(font, MeasuringDevice())).first;
  }
  return *it->second;
}

}  // namespace

const QStringList& GridFontFamilies() {
  // WenQuanYi Micro Hei first: its PDF text maps back to the right characters (Noto CJK maps some
  // ideographs to Kangxi radicals in Qt's PDF output) and it loads faster.
  static const QStringList families{"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans SC",
                                    "Source Han Sans SC",  "Microsoft YaHei",  "SimSun",
                                    "PingFang SC",         "sans-serif"};
  return families;
}

QFont CellFont(const ReportGrid& grid, const ReportGrid::Cell* cell) {
  const double size = cell && cell->fontSize > 0 ? cell->fontSize : grid.DefaultFontSize();
  const bool bold = cell && cell->fontStyle == 2;
  // Building a font from its family list is not free, and a worksheet uses two or three fonts.
  thread_local std::map<std::pair<int, bool>, QFont> fonts;
  const std::pair<int, bool> key{qRound(size * 64), bold};
  auto it = fonts.find(key);
  if (it == fonts.end()) {
    QFont font;
    font.setFamilies(GridFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    // Unhinted outlines: the same advances at every resolution (screen, 96-dpi measuring,
    // 1200-dpi PDF), and no hinting programs to run.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(size);
    font.setBold(bold);
    it = fonts.emplace(key, font).first;
  }
  return it->second;
}

QString DisplayText(const QString& text) {
  if (!text.contains(u'\r')) return text;
  QString out = text;
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(u'\r', u'\n');
  return out;
}

namespace {
// The same texts are measured by the fitting, by every try of the fit search and by the
// painter: remember them (bounded, so a long session does not grow it without end).
QHash<QPair<int, QString>, QSizeF>& MeasuredTexts() {
  thread_local QHash<QPair<int, QString>, QSizeF> measured;
  return measured;
}
}  // namespace

void ForgetMeasuredTexts() { MeasuredTexts().clear(); }

QSizeF TextSizeUnits(const QFont& font, const QString& displayText) {
  QHash<QPair<int, QString>, QSizeF>& measured = MeasuredTexts();
  const QPair<int, QString> key{qRound(font.pointSizeF() * 64) * 2 + (font.bold() ? 1 : 0),
                                displayText};
  if (const auto it = measured.constFind(key); it != measured.constEnd()) return *it;
  const QFontMetricsF& metrics = MetricsFor(font);
  double width = 0;
  int lines = 0;
  for (const QStringView line : QStringView(displayText).split(u'\n')) {
    width = std::max(width, metrics.horizontalAdvance(line.toString()));
    ++lines;
  }
  const QSizeF size(width, lines * metrics.height());
  if (measured.size() > 50000) measured.clear();
  measured.insert(key, size);
  return size;
}

double TextHeightUnits(const QFont& font, const QString& text) {
  // Lines end in LF, CR LF or a lone CR; no shaping is needed for the height.
  int lines = 1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'\n') {
      ++lines;
    } else if (text[i] == u'\r') {
      ++lines;
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    }
  }
  return lines * MetricsFor(font).height();
}

double FitColumnWidth(const ReportGrid& grid, int column) {
  if (column < 1 || column > grid.GetColumnCount()) return 0;
  double widest = -1;
  for (int row = 1; row <= grid.GetRowCount(); ++row) {
    const ReportGrid::Cell* cell = grid.CellAt(column, row);
    if (!cell->HasText()) continue;
    if (grid.MergeAnchoredAt(column, row) || grid.IsCoveredByMerge(column, row)) continue;
    widest = std::max(widest, TextSizeUnits(CellFont(grid, cell), DisplayText(grid.TextOf(*cell))).width());
  }
  if (widest < 0) return grid.GetColumnWidth(1, column, 0);
  return std::ceil(widest + 2 * kCellPaddingX);
}

double FitRowHeight(const ReportGrid& grid, int row) {
  if (row < 1 || row > grid.GetRowCount()) return 0;
  double tallest = -1;
  for (int column = 1; column <= grid.GetColumnCount(); ++column) {
    const ReportGrid::Cell* cell = grid.CellAt(column, row);
    if (!cell->HasText()) continue;
    if (const ReportGrid::Range* m = grid.MergeAnchoredAt(column, row); m && m->lastRow != m->firstRow)
      continue;
    tallest = std::max(tallest, TextHeightUnits(CellFont(grid, cell), grid.TextOf(*cell)));
  }
  if (tallest < 0) return grid.RowHeight(row);
  return std::ceil(tallest + 2 * kCellPaddingY);
}

std::vector<double> FitRowHeights(const ReportGrid& grid) {
  // One pass in storage order (column after column) instead of one strided pass per row.
  const int rows = grid.GetRowCount();
  std::vector<double> tallest(static_cast<size_t>(rows), -1.0);
  for (int column = 1; column <= grid.GetColumnCount(); ++column) {
    for (int row = 1; row <= rows; ++row) {
      const ReportGrid::Cell* cell = grid.CellAt(column, row);
      if (!cell->HasText()) continue;
      if (const ReportGrid::Range* m = grid.MergeAnchoredAt(column, row); m && m->lastRow != m->firstRow)
        continue;
      double& t = tallest[static_cast<size_t>(row - 1)];
      t = std::max(t, TextHeightUnits(CellFont(grid, cell), grid.TextOf(*cell)));
    }
  }
  std::vector<double> heights(static_cast<size_t>(rows));
  for (int row = 1; row <= rows; ++row) {
    const double t = tallest[static_cast<size_t>(row - 1)];
    heights[static_cast<size_t>(row - 1)] = t < 0 ? grid.RowHeight(row) : std::ceil(t + 2 * kCellPaddingY);
  }
  return heights;
}

PrintRange ComputePrintRange(const ReportGrid& grid) {
  PrintRange range;
  int lastColumn = 0, lastRow = 0;
  for (int column = 1; column <= grid.GetColumnCount(); ++column) {
    if (grid.IsColumnHidden(column)) continue;
    for (int row = 1; row <= grid.GetRowCount(); ++row) {
      const ReportGrid::Cell* cell = grid.CellAt(column, row);
      if (!cell->HasText() && cell->borderStyle < 2) continue;
      if (grid.IsRowHidden(row) || grid.IsCoveredByMerge(column, row)) continue;
      lastColumn = std::max(lastColumn, column);
      lastRow = std::max(lastRow, row);
    }
  }
  for (int c = 1; c <= lastColumn; ++c)
    if (!grid.IsColumnHidden(c)) range.columns.push_back(c);
  for (int r = 1; r <= lastRow; ++r)
    if (!grid.IsRowHidden(r)) range.rows.push_back(r);

  // Text of a merged cell (the header) may reach past the printed columns: it prints in full.
  double total = 0;
  for (int c : range.columns) total += grid.GetColumnWidth(1, c, 0);
  for (const ReportGrid::Range& m : grid.MergedRanges()) {
    if (grid.IsRowHidden(m.firstRow) || m.firstRow > lastRow) continue;
    const ReportGrid::Cell* cell = grid.CellAt(m.firstColumn, m.firstRow);
    if (!cell || !cell->HasText()) continue;
    double left = 0;
    for (int c : range.columns) {
      if (c >= m.firstColumn) break;
      left += grid.GetColumnWidth(1, c, 0);
    }
    const double need =
        left + TextSizeUnits(CellFont(grid, cell), DisplayText(grid.TextOf(*cell))).width() + 2 * kCellPaddingX;
    range.overflowRight = std::max(range.overflowRight, std::ceil(need - total));
  }
  return range;
}

QSizeF ContentAreaUnits(const ReportGrid& grid) {
  const QSizeF page = grid.PageSize();
  const ReportGrid::Margins& m = grid.PrintMargins();
  const double scale = grid.PrintScale();
  return QSizeF(std::max(page.width() - m.left - m.right, 1.0) / scale,
                std::max(page.height() - m.top - m.bottom, 1.0) / scale);
}

std::vector<std::vector<int>> SplitIntoBands(const std::vector<int>& items,
                                            const std::vector<double>& sizes, double limit) {
  std::vector<std::vector<int>> bands;
  double used = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    // A tiny tolerance keeps rounding from pushing an exact fit onto a new page.
    if (bands.empty() || used + sizes[i] > limit + 1e-6) {
      bands.emplace_back();
      used = 0;
    }
    bands.back().push_back(items[i]);
    used += sizes[i];
  }
  return bands;
}

Pagination Paginate(const ReportGrid& grid) {
  Pagination pagination;
  const PrintRange range = ComputePrintRange(grid);
  if (range.columns.empty() || range.rows.empty()) return pagination;
  const QSizeF area = ContentAreaUnits(grid);
  std::vector<double> widths, heights;
  widths.reserve(range.columns.size());
  for (int c : range.columns) widths.push_back(grid.GetColumnWidth(1, c, 0));
  widths.back() += range.overflowRight;  // the header's text travels with the last column
  for (int r : range.rows) heights.push_back(grid.RowHeight(r));
  pagination.columnBands = SplitIntoBands(range.columns, widths, area.width());
  pagination.rowBands = SplitIntoBands(range.rows, heights, area.height());
  pagination.overflowRight = range.overflowRight;
  return pagination;
}

}  // namespace sumwick
