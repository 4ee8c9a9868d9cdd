// The tests of app/ need a QApplication; this main makes one around the GoogleTest run (it takes
// the place of gtest_main's).
#include <QApplication>

#include <gtest/gtest.h>

#include "ui/controls.h"

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs the program without the tests' environment: offscreen unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(sumwick::ui::DefaultGuiFont());
  return RUN_ALL_TESTS();
}
