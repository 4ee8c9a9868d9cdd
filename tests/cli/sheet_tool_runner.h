#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace sumwick {

struct ToolRun {
  int exitCode;
  QByteArray out;
  QByteArray err;
};

// Runs sumwick-sheet with `arguments`; `environment` adds variables to the test's own.
inline ToolRun RunTool(const QStringList& arguments,
                       const QProcessEnvironment& environment = QProcessEnvironment()) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(environment);
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(SHEET_TOOL), arguments);
  process.waitForFinished(60000);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace sumwick
