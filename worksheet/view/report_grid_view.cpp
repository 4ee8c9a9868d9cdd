#include "report_grid_view.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>

#include "grid_print.h"
#include "page_painter.h"

namespace sumwick {

ReportGridView::ReportGridView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
}

void ReportGridView::SetGrid(const ReportGrid* grid) {
  grid_ = grid;
  Refresh();
}

void ReportGridView::SetZoom(double zoom) {
  zoom_ = zoom > 0 ? zoom : 1.0;
  Refresh();
}

void ReportGridView::Refresh() {
  UpdateScrollBars();
  viewport()->update();
}

void ReportGridView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ReportGridView::UpdateScrollBars() {
  double width = 0, height = 0;
  if (grid_) {
    for (int c = 1; c <= grid_->GetColumnCount(); ++c)
      if (!grid_->IsColumnHidden(c)) width += grid_->GetColumnWidth(1, c, 0);
    for (int r = 1; r <= grid_->GetRowCount(); ++r)
      if (!grid_->IsRowHidden(r)) height += grid_->RowHeight(r);
  }
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, qCeil(width * zoom_) - view.width()));
  verticalScrollBar()->setRange(0, std::max(0, qCeil(height * zoom_) - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setPageStep(view.height());
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
}

void ReportGridView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), Qt::white);
  if (!grid_) return;
  // The visible columns and rows that meet the viewport, in grid units.
  const double left = horizontalScrollBar()->value() / zoom_;
  const double top = verticalScrollBar()->value() / zoom_;
  const double right = left + viewport()->width() / zoom_;
  const double bottom = top + viewport()->height() / zoom_;
  std::vector<int> columns, rows;
  double x = 0, firstX = 0, y = 0, firstY = 0;
  for (int c = 1; c <= grid_->GetColumnCount() && x < right; ++c) {
    if (grid_->IsColumnHidden(c)) continue;
    const double w = grid_->GetColumnWidth(1, c, 0);
    if (x + w > left) {
      if (columns.empty()) firstX = x;
      columns.push_back(c);
    }
    x += w;
  }
  for (int r = 1; r <= grid_->GetRowCount() && y < bottom; ++r) {
    if (grid_->IsRowHidden(r)) continue;
    const double h = grid_->RowHeight(r);
    if (y + h > top) {
      if (rows.empty()) firstY = y;
      rows.push_back(r);
    }
    y += h;
  }
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(zoom_, zoom_);
  painter.translate(firstX - left, firstY - top);
  PagePainter::Options options;
  options.screenGridLines = grid_->GridLinesShown();
  PagePainter(*grid_).PaintBlock(painter, columns, rows, 0.0, options);
}

void PrintPreview(const ReportGrid& grid, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(grid.SheetName());
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&grid](QPrinter* target) { PrintSheet(grid, target); });
  dialog.exec();
}

}  // namespace sumwick
