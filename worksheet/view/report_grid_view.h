#pragma once

#include <QAbstractScrollArea>

#include "report_grid.h"

namespace sumwick {

// The on-screen view of a report grid: a scroll area that paints the visible part of the sheet
// through the same PagePainter as the printer, at 1 grid unit = 1 pixel (times `zoom`).
// It shows the grid; it does not own or change it. Call viewport()->update() or Refresh() after
// the grid has changed.
class ReportGridView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit ReportGridView(QWidget* parent = nullptr);

  void SetGrid(const ReportGrid* grid);
  const ReportGrid* Grid() const { return grid_; }
  void SetZoom(double zoom);
  double Zoom() const { return zoom_; }
  // Recomputes the scroll ranges and repaints.
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollBars();

  const ReportGrid* grid_ = nullptr;
  double zoom_ = 1.0;
};

// PrintPreview: shows the grid's pages in Qt's print preview dialog, drawn by the same
// pagination and painter as PrintSheet; printing from the dialog prints them.
void PrintPreview(const ReportGrid& grid, QWidget* parent = nullptr);

}  // namespace sumwick
