#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <memory>

#include "main_window.h"
#include "platform/paths.h"
#include "program_state.h"

#include <ostream>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << "bytes[" << bytes.size() << "] " << bytes.toHex(' ').left(600).toStdString();
}

namespace sumwick::test {

// A program folder of its own for one test: settings in <dir>/data/config.abc.
struct Sandbox {
  QTemporaryDir dir;
  ProgramState state;
  SettingsLocation location() const {
    return ResolveSettingsLocation(dir.path(), dir.filePath(QStringLiteral("user")));
  }
  QString configFile() const { return location().configFile; }
  std::unique_ptr<MainWindow> Open() { return std::make_unique<MainWindow>(state, location()); }
  // Writes the configuration file as an earlier run would have left it.
  bool WriteConfig(const QByteArray& bytes) const;
};

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}

inline bool Sandbox::WriteConfig(const QByteArray& bytes) const {
  EnsureDataFolder(location());
  return WriteBytes(configFile(), bytes);
}

// The file that the main window writes with its initial values into an empty file, as the bytes of the file (GBK, CR LF).
inline QByteArray InitialValuesFileBytes() {
  const char* lines[] = {
      "[选择框]",
      "选择框_排除小数减大数=假",
      "选择框_除=假",
      "选择框_乘=假",
      "选择框_减=真",
      "选择框_加=真",
      "[编辑框]",
      "编辑框_最小值=5",
      "编辑框_最大值=20",
      "编辑框_答案范围=1000",
      "编辑框_n元运算=4",
      "[组合框]",
      "组合框_每列显示题目数量=10<|>0<||>15<|>0<||>20<|>0<||>25<|>0<||>30<|>0<||>35<|>0<||>40<|>0<||>"
      "50<|>0<||>3<|>25",
      "组合框_出题数量=10<|>0<||>20<|>0<||>30<|>0<||>40<|>0<||>50<|>0<||>60<|>0<||>70<|>0<||>80<|>0<||>"
      "90<|>0<||>100<|>0<||>9<|>100",
  };
  QStringEncoder gbk("GBK");
  QByteArray bytes;
  for (const char* line : lines) bytes += gbk.encode(QString::fromUtf8(line)) + "\r\n";
  return bytes;
}

}  // namespace sumwick::test
