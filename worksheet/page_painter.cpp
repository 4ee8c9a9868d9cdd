#include "page_painter.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace sumwick {

namespace {

int HorizontalFlags(const ReportGrid::Cell& cell) {
  if (cell.alignment & 1) return Qt::AlignLeft;
  if (cell.alignment & 2) return Qt::AlignRight;
  if (cell.alignment & 4) return Qt::AlignHCenter;
  return cell.attribute == 7 ? Qt::AlignHCenter : Qt::AlignLeft;
}

int VerticalFlags(const ReportGrid::Cell& cell) {
  if (cell.alignment & 8) return Qt::AlignTop;
  if (cell.alignment & 16) return Qt::AlignBottom;
  return Qt::AlignVCenter;
}

QColor BorderColour(std::int32_t colour) {
  if (colour < 0) return Qt::black;
  return QColor::fromRgb(static_cast<QRgb>(colour) | 0xff000000u);
}

}  // namespace

void PagePainter::PaintBlock(QPainter& painter, const std::vector<int>& columns,
                             const std::vector<int>& rows, double overflowRight,
                             Options options) const {
  if (columns.empty() || rows.empty()) return;
  const ReportGrid& g = grid_;
  std::vector<double> xs(columns.size() + 1, 0.0), ys(rows.size() + 1, 0.0);
  for (size_t i = 0; i < columns.size(); ++i) xs[i + 1] = xs[i] + g.GetColumnWidth(1, columns[i], 0);
  for (size_t i = 0; i < rows.size(); ++i) ys[i + 1] = ys[i] + g.RowHeight(rows[i]);
  const double right = xs.back(), bottom = ys.back();

  // Font sizes are points of 96-dpi units; the device turns points into its own pixels, so scale
  // the point size back to the painter's unit space.
  const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
  const double pointScale = 96.0 / (dpi > 0 ? dpi : 96.0);

  if (options.screenGridLines) {
    std::vector<QLineF> lines;
    for (double x : xs) lines.emplace_back(x, 0, x, bottom);
    for (double y : ys) lines.emplace_back(0, y, right, y);
    painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), 0));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
  }

  // Where a merged range lies on this block: its rectangle measured over visible columns and rows,
  // reaching left or up past the block when it starts before it.
  auto mergedRect = [&](const ReportGrid::Range& m, QRectF* rect) {
    size_t ci = 0, ri = 0;
    while (ci < columns.size() && columns[ci] < m.firstColumn) ++ci;
    while (ri < rows.size() && rows[ri] < m.firstRow) ++ri;
    if (ci == columns.size() || columns[ci] > m.lastColumn) return false;
    if (ri == rows.size() || rows[ri] > m.lastRow) return false;
    double left = xs[ci], top = ys[ri];
    for (int c = m.firstColumn; c < columns[ci]; ++c)
      if (!g.IsColumnHidden(c)) left -= g.GetColumnWidth(1, c, 0);
    for (int r = m.firstRow; r < rows[ri]; ++r)
      if (!g.IsRowHidden(r)) top -= g.RowHeight(r);
    double w = 0, h = 0;
    for (int c = m.firstColumn; c <= m.lastColumn; ++c)
      if (!g.IsColumnHidden(c)) w += g.GetColumnWidth(1, c, 0);
    for (int r = m.firstRow; r <= m.lastRow; ++r)
      if (!g.IsRowHidden(r)) h += g.RowHeight(r);
    *rect = QRectF(left, top, w, h);
    return true;
  };

  // Borders, collected per pen and drawn at once.
  struct BorderSet {
    std::uint8_t style;
    std::int32_t colour;
    std::vector<QLineF> lines;
  };
  std::vector<BorderSet> borders;
  auto addBorder = [&](const ReportGrid::Cell& cell, const QRectF& r) {
    auto it = std::find_if(borders.begin(), borders.end(), [&](const BorderSet& b) {
      return b.style == cell.borderStyle && b.colour == cell.borderColour;
    });
    if (it == borders.end()) {
      borders.push_back(BorderSet{cell.borderStyle, cell.borderColour, {}});
      it = borders.end() - 1;
    }
    it->lines.emplace_back(r.topLeft(), r.topRight());
    it->lines.emplace_back(r.bottomLeft(), r.bottomRight());
    it->lines.emplace_back(r.topLeft(), r.bottomLeft());
    it->lines.emplace_back(r.topRight(), r.bottomRight());
  };

  auto drawText = [&](const ReportGrid::Cell& cell, const QRectF& cellRect, bool mayOverflow) {
    if (!cell.HasText()) return;
    QFont font = CellFont(g, &cell);
    const QString text = DisplayText(g.TextOf(cell));
    QRectF textRect = cellRect.adjusted(kCellPaddingX, 0, -kCellPaddingX, 0);
    const QSizeF size = TextSizeUnits(font, text);
    const bool tooWide = size.width() > textRect.width() + 0.01;
    if (tooWide && mayOverflow && HorizontalFlags(cell) == Qt::AlignLeft) {
      textRect.setRight(std::max(textRect.right(), right + overflowRight - kCellPaddingX));
    }
    font.setPointSizeF(font.pointSizeF() * pointScale);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int flags = HorizontalFlags(cell) | VerticalFlags(cell) | Qt::TextDontClip;
    const bool clip = size.width() > textRect.width() + 0.01 || size.height() > textRect.height() + 0.01;
    if (clip) {
      painter.save();
      painter.setClipRect(cellRect.intersected(QRectF(0, 0, right + overflowRight, bottom)),
                          Qt::IntersectClip);
      painter.drawText(textRect, flags, text);
      painter.restore();
    } else {
      painter.drawText(textRect, flags, text);
    }
  };

  // Merged ranges first: their rectangles may start outside the block.
  for (const ReportGrid::Range& m : g.MergedRanges()) {
    QRectF rect;
    if (!mergedRect(m, &rect)) continue;
    const ReportGrid::Cell* cell = g.CellAt(m.firstColumn, m.firstRow);
    if (!cell) continue;
    if (cell->borderStyle >= 2) addBorder(*cell, rect);
    drawText(*cell, rect, true);
  }

  for (size_t ri = 0; ri < rows.size(); ++ri) {
    for (size_t ci = 0; ci < columns.size(); ++ci) {
      const int column = columns[ci], row = rows[ri];
      const ReportGrid::Cell* cell = g.CellAt(column, row);
      if (!cell || (!cell->HasText() && cell->borderStyle < 2)) continue;
      if (g.MergeAnchoredAt(column, row) || g.IsCoveredByMerge(column, row)) continue;
      const QRectF rect(xs[ci], ys[ri], xs[ci + 1] - xs[ci], ys[ri + 1] - ys[ri]);
      if (cell->borderStyle >= 2) addBorder(*cell, rect);
      drawText(*cell, rect, false);
    }
  }

  for (const BorderSet& set : borders) {
    QPen pen(BorderColour(set.colour), set.style == 3 ? 2.0 : 0.75);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLines(set.lines.data(), static_cast<int>(set.lines.size()));
  }
}

void PagePainter::PaintPage(QPainter& painter, const Pagination& pagination, int page) const {
  if (page < 0 || page >= pagination.PageCount()) return;
  const double dpi = painter.device() ? painter.device()->logicalDpiX() : 96.0;
  const ReportGrid::Margins& margins = grid_.PrintMargins();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(dpi / 96.0, dpi / 96.0);
  painter.translate(margins.left, margins.top);
  painter.scale(grid_.PrintScale(), grid_.PrintScale());
  Options options;
  options.screenGridLines = grid_.GridLinesShown() && grid_.PrintOption(1) == 1;
  PaintBlock(painter, pagination.PageColumns(page), pagination.PageRows(page),
             pagination.IsLastColumnBand(page) ? pagination.overflowRight : 0.0, options);
  painter.restore();
}

}  // namespace sumwick
