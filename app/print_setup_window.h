#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "platform/paths.h"
#include "printer_system.h"
#include "program_state.h"
#include "report_grid.h"
#include "ui/window_builder.h"
#include "worksheet_layout.h"

namespace sumwick {

class ReportGridView;

// "打印设置": shows the worksheet of the latest generation, restyles it, previews and prints it,
// and makes another printer the system's default. Opened modally by a generate action with a
// WorksheetMode flag set; the opening lays the question list out as that flag says. Closing it
// (close button, Esc) empties the question list and saves the window's options.
class PrintSetupWindow : public QDialog {
  Q_OBJECT
 public:
  enum class MessageKind { Information, Warning, Error };
  // Shows a message to the user; a message box unless replaced (tests replace it).
  using MessageHandler =
      std::function<void(MessageKind, const QString& text, const QString& detail)>;
  // The current time, for the header and the print name; replaceable for tests.
  using Clock = std::function<QDateTime()>;

  PrintSetupWindow(ProgramState& state, const SettingsLocation& settings, PrinterSystem& printers,
                   QWidget* parent = nullptr, Clock clock = {}, MessageHandler messages = {});

  const ReportGrid& grid() const { return grid_; }
  const WorksheetGeometry& geometry() const { return geometry_; }
  const ui::Controls& controls() const { return controls_; }
  template <typename T>
  T* control(const QString& name) const {
    return controls_.Get<T>(name);
  }
  ReportGridView* view() const { return view_; }

  // The options as the controls now hold them.
  WorksheetStyle ReadStyle() const;

  // The button handlers, also reached by clicking the buttons.
  void Preview();
  void PrintNow();
  void MakeChosenPrinterDefault();

 public slots:
  void done(int result) override;

 private:
  void FillPrinterList();
  void LayOutWorksheet();
  void ConnectOptionHandlers();
  // Runs a style procedure on the grid, then shows the result.
  void Restyle(const std::function<void(ReportGrid&, const WorksheetGeometry&,
                                        const WorksheetStyle&)>& apply);
  void Tell(MessageKind kind, const QString& text, const QString& detail = {}) const;

  ProgramState& state_;
  SettingsLocation settings_;
  PrinterSystem& printers_;
  Clock clock_;
  MessageHandler messages_;
  ui::Controls controls_;
  ReportGrid grid_;
  WorksheetGeometry geometry_;
  ReportGridView* view_ = nullptr;
  bool closed_ = false;
};

}  // namespace sumwick
