#pragma once

#include <QString>
#include <functional>

#include "arithmetic_settings.h"
#include "platform/paths.h"
#include "print_setup_window.h"
#include "printer_system.h"
#include "program_state.h"

class QWidget;

namespace sumwick {

class MainWindow;

// What the generate actions need besides their settings: the program state, where the settings
// live, the printing service, and how windows and messages are shown (tests replace those two).
struct AppContext {
  ProgramState& state;
  SettingsLocation settings;
  PrinterSystem& printers;
  std::function<int(PrintSetupWindow&)> runModal;  // empty: exec()
  PrintSetupWindow::MessageHandler messages;       // empty: message boxes
  PrintSetupWindow::Clock clock;                   // empty: the current time
};

// The four-operations page as the main window holds it.
struct ArithmeticRequest {
  ArithmeticSettingsTexts texts;
  QString questionsPerColumn;  // the selected item of 组合框_每列显示题目数量
  bool subtractionsLast = false;
};

ArithmeticRequest ReadArithmeticRequest(const MainWindow& window);

enum class ActionOutcome { Refused, GaveUp, Cancelled, Shown };

// The button "出题": refuses settings that can never be met with a message and changes nothing;
// generates the questions (with a progress dialog and a cancel button once it takes longer than
// half a second); then opens the print setup window modally with arithmeticPending set, and clears
// the flag when that window has closed.
ActionOutcome GenerateArithmeticWorksheet(QWidget* parent, AppContext& app,
                                          const ArithmeticRequest& request);

// Shows a generate action's message: through app.messages when set, else a message box over
// `parent`.
void ShowActionMessage(QWidget* parent, const AppContext& app, PrintSetupWindow::MessageKind kind,
                       const QString& text);

// Opens the print setup window over `parent` with the flag of `split` set, and clears it again
// when the window has closed.
void ShowWorksheet(QWidget* parent, AppContext& app, bool split);

// Connects the main window's "出题" to GenerateArithmeticWorksheet and the grade-one list's
// double-click to OpenQuestionType.
void ConnectMainWindowActions(MainWindow& window, AppContext& app);

}  // namespace sumwick
