// Start-up and shutdown of Sumwick.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "main_window.h"
#include "platform/paths.h"
#include "printer_system.h"
#include "program_state.h"
#include "startup_probe.h"
#include "ui/controls.h"
#include "worksheet_actions.h"

int main(int argc, char* argv[]) {
  // 1. The GUI system.
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("sumwick"));
  QApplication::setApplicationDisplayName(QString());              // window titles exactly as set
  QGuiApplication::setDesktopFileName(QStringLiteral("sumwick"));  // ties windows to the menu entry
  QApplication::setFont(sumwick::ui::DefaultGuiFont());
  // The program speaks Chinese; so do Qt's own dialogs (print preview, print, message box buttons).
  QTranslator qtChinese;
  if (qtChinese.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtChinese);
  }

  // 2. The program state, one object handed to the window. 3. Its release is the shutdown routine:
  // it runs when this object goes out of scope, once, after the window has saved its states.
  sumwick::ProgramState state;

  // 4. The main window: its opening steps run as it is created, before the user can act on it.
  const sumwick::SettingsLocation settings = sumwick::DefaultSettingsLocation();
  const auto printers = sumwick::CreateSystemPrinters();
  sumwick::AppContext context{state, settings, *printers, {}, {}, {}};
  sumwick::MainWindow window(state, settings);
  sumwick::ConnectMainWindowActions(window, context);
  window.show();
  sumwick::InstallStartupProbe(&window);

  // 5. The message loop, until the main window has closed (its closing steps save the states).
  return QApplication::exec();
  // 6. The window, then the program state are released as main returns.
}
