#pragma once

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "program_state.h"
#include "report_grid.h"

namespace sumwick::testing {

// One QApplication for every test of the binary (fonts need a GUI application; the view needs
// widgets). The tests run on the offscreen platform (tests/CMakeLists.txt).
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!qApp) {
      static int argc = 1;
      static char name[] = "worksheet_tests";
      static char* argv[] = {name, nullptr};
      app_ = new QApplication(argc, argv);
    }
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

// Arithmetic questions whose texts cannot be mistaken for each other or for serial numbers:
// question i is "i+(100+i)=" with the answer 1000 + 2i... written out as text.
inline QuestionList ArithmeticList(int count) {
  QuestionList list;
  for (int i = 1; i <= count; ++i) {
    const QString prompt = QStringLiteral("%1+%2=").arg(i).arg(100 + i);
    const QString answer = QString::number(100 + 2 * i + 5000);
    list.Append(QuestionRecord{QStringLiteral("%1+%2").arg(i).arg(100 + i), prompt, answer,
                               prompt + answer});
  }
  return list;
}

// Number-split blocks: whole, arrows, the two parts with one of the three replaced by "(    )".
inline QString SplitBlock(int whole, int left, int right, int blank) {
  const QString b = QStringLiteral("(    )");
  const QString w = blank == 0 ? b : QString::number(whole);
  const QString l = blank == 1 ? b : QString::number(left);
  const QString r = blank == 2 ? b : QString::number(right);
  return w + QStringLiteral("\r\n↙ ↘\r\n") + l + QStringLiteral("   ") + r;
}

inline QuestionList SplitList(int count) {
  QuestionList list;
  for (int i = 1; i <= count; ++i) {
    const int whole = 2 + i % 9;
    const int left = 1 + i % (whole - 1);
    list.Append(QuestionRecord{QString(), SplitBlock(whole, left, whole - left, i % 3), QString(),
                               QString()});
  }
  return list;
}

inline ReportGrid A4Grid() { return ReportGrid(A4PaperSizeUnits()); }

// Runs pdftotext on a file and gives its text (layout mode).
inline QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!process.waitForFinished(30000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline QStringList Tokens(const QString& text) {
  return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

}  // namespace sumwick::testing
