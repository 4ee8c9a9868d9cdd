// Screenshots of the main window, one per page, and of the question-type window on each grade-one
// type, for looking at the layout:
//   sumwick_screenshots <output folder>
// Runs under any Qt platform (Xvfb or offscreen); settings go to a temporary folder, so the shots
// show the initial values.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "main_window.h"
#include "question_type_window.h"
#include "ui/controls.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QString());
  QApplication::setFont(sumwick::ui::DefaultGuiFont());
  if (argc != 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  out.mkpath(QStringLiteral("."));
  QTemporaryDir settingsDir;
  sumwick::SettingsLocation location{settingsDir.path(), settingsDir.filePath("config.abc"), false};
  sumwick::ProgramState state;
  sumwick::MainWindow window(state, location);
  window.show();
  QApplication::processEvents();
  for (int page = 0; page < window.tabs()->count(); ++page) {
    window.tabs()->setCurrentIndex(page);
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("page%1.png").arg(page)));
  }
  for (int row = 1; row <= 3; ++row) {
    sumwick::QuestionTypeWindow types(
        {QString::number(row), QStringLiteral("上册"), QString(), QStringLiteral("一年级")});
    types.show();
    QApplication::processEvents();
    types.grab().save(out.filePath(QStringLiteral("type%1.png").arg(row)));
  }
  return 0;
}
