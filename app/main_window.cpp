#include "main_window.h"

#include <QCloseEvent>
#include <QPushButton>

#include "main_window_layout.h"
#include "settings/settings_store.h"
#include "ui/controls.h"

namespace sumwick {

MainWindow::MainWindow(ProgramState& state, const SettingsLocation& settings, QWidget* parent)
    : QWidget(parent), state_(state), settings_(settings) {
  controls_ = ui::BuildWindow(this, MainWindowLayout());
  // Opening steps: the data folder, the saved states, the grade-one rows.
  EnsureDataFolder(settings_);
  RestoreWindowStates(this, settings_.configFile);
  FillGradeOneList();
}

ui::TabControl* MainWindow::tabs() const {
  return controls_.Get<ui::TabControl>(QStringLiteral("高级选择夹"));
}

ui::ListView* MainWindow::gradeOneList() const {
  return controls_.Get<ui::ListView>(QStringLiteral("超级列表框_一年级"));
}

QPushButton* MainWindow::generateButton() const {
  return controls_.Get<QPushButton>(QStringLiteral("按钮_出题"));
}

void MainWindow::FillGradeOneList() {
  ui::ListView* list = gradeOneList();
  for (int k = 1; k <= 3; ++k) {
    const int row = list->AddRow();
    list->SetCellText(row, 1, QString::number(k));
    list->SetCellText(row, 2, QStringLiteral("上册"));
    list->SetCellPicture(row, 3, k - 1);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing steps: save every check box, edit box and combo box; nothing excluded.
  if (closingStepsRun_ == 0) {
    SaveWindowStates(this, settings_.configFile);
    ++closingStepsRun_;
  }
  event->accept();
}

}  // namespace sumwick
