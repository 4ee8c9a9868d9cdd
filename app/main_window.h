#pragma once

#include <QWidget>

#include "platform/paths.h"
#include "program_state.h"
#include "ui/window_builder.h"

class QPushButton;

namespace sumwick {

namespace ui {
class ListView;
class TabControl;
}  // namespace ui

// The main window "SumwickV1.5". Creating it runs the opening steps: the data
// folder, the restore of the saved control states, the three rows of the grade-one list. Closing it
// (close button, system menu, Alt+F4 or Esc) runs the closing steps once: the save of the control
// states. The program state is handed in by start-up and outlives the window.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  MainWindow(ProgramState& state, const SettingsLocation& settings, QWidget* parent = nullptr);

  ProgramState& state() { return state_; }
  const SettingsLocation& settingsLocation() const { return settings_; }
  const ui::Controls& controls() const { return controls_; }
  template <typename T>
  T* control(const QString& name) const {
    return controls_.Get<T>(name);
  }

  ui::TabControl* tabs() const;
  ui::ListView* gradeOneList() const;
  // The button "出题"; its clicked event (generating a worksheet) is connected by the
  // print setup window's code.
  QPushButton* generateButton() const;

  // The third opening step: three rows into 超级列表框_一年级.
  void FillGradeOneList();

  // How often the closing steps have run (0 or 1).
  int closingStepsRun() const { return closingStepsRun_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ProgramState& state_;
  SettingsLocation settings_;
  ui::Controls controls_;
  int closingStepsRun_ = 0;
};

}  // namespace sumwick
