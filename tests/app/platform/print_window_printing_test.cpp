// The print setup window on the real printing service: "直接打印" and "设置默认打印机" pressed in
// the window, the job read back from the PDF printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "arithmetic_generator.h"
#include "cups_test_queues.h"
#include "print_setup_window.h"
#include "ui/controls.h"
#include "worksheet_header.h"

namespace sumwick::test {
namespace {

class PrintWindowPrintingTest : public PdfQueuesTest {
 protected:
  std::unique_ptr<PrintSetupWindow> Open() {
    GenerationOptions options;
    options.seed = 11;
    GenerateArithmeticQuestions(ArithmeticSettings{}, options, state_.questions);
    questions_ = state_.questions;
    state_.params = {100, 25};
    state_.mode.arithmeticPending = true;
    const SettingsLocation settings{dir_.path(), dir_.filePath(QStringLiteral("config.abc")),
                                    false};
    return std::make_unique<PrintSetupWindow>(
        state_, settings, *printers_, nullptr, [this] { return time_; },
        [this](PrintSetupWindow::MessageKind, const QString& text, const QString& detail) {
          messages_ << text + u' ' + detail;
        });
  }

  QTemporaryDir dir_;
  ProgramState state_;
  QuestionList questions_;
  QDateTime time_ = QDateTime::currentDateTime();
  QStringList messages_;
};

TEST_F(PrintWindowPrintingTest, DirectPrintDeliversTheWorksheetWithItsCopiesAndName) {
  ASSERT_EQ(printers_->SetDefaultPrinter(kQueueA), QString());
  auto window = Open();
  window->control<QLineEdit>(QStringLiteral("编辑框_打印数量"))->setText(QStringLiteral("2"));
  window->control<QPushButton>(QStringLiteral("按钮_打印"))->click();
  ASSERT_TRUE(messages_.isEmpty()) << messages_.join(u'\n').toStdString();

  const QString title = PrintName(time_);
  EXPECT_EQ(RecordedCopies(kQueueA, title), 2);
  const QString text = PrintedText(title);
  ASSERT_FALSE(text.isEmpty()) << "the PDF printer wrote no file named " << title.toStdString();
  // The printing service's conversion breaks the header line into pieces in another order: look
  // for each label and each value on its own.
  const QString header = WorksheetHeaderLine(100, time_).replace(u'：', QStringLiteral("： "));
  for (const QString& piece : header.split(u' ', Qt::SkipEmptyParts)) {
    EXPECT_TRUE(text.contains(piece)) << piece.toStdString();
  }
  for (const QuestionRecord& q : questions_) {
    EXPECT_TRUE(text.contains(q.prompt)) << q.prompt.toStdString();
  }
}

TEST_F(PrintWindowPrintingTest, TheDefaultPrinterButtonChangesWhatLpstatReports) {
  ASSERT_EQ(printers_->SetDefaultPrinter(kQueueA), QString());
  auto window = Open();
  auto* box = window->control<QComboBox>(QStringLiteral("组合框_打印机"));
  EXPECT_EQ(box->currentText(), kQueueA);
  box->setCurrentIndex(box->findText(kQueueB));
  window->control<QPushButton>(QStringLiteral("按钮_默认打印机设置"))->click();
  ASSERT_EQ(messages_.size(), 1);
  EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("默认打印机设置成功！")));
  EXPECT_TRUE(RunCommand(QStringLiteral("lpstat"), {"-d"}).output.contains(kQueueB));
}

TEST_F(PrintWindowPrintingTest, AStoppedOrRefusingQueueGivesTheFailureMessage) {
  ASSERT_EQ(printers_->SetDefaultPrinter(kQueueA), QString());
  auto window = Open();
  auto* print = window->control<QPushButton>(QStringLiteral("按钮_打印"));
  ASSERT_EQ(RunCommand(QStringLiteral("cupsdisable"), {kQueueA}).exitCode, 0);
  print->click();
  RunCommand(QStringLiteral("cupsenable"), {kQueueA});
  ASSERT_EQ(RunCommand(QStringLiteral("cupsreject"), {kQueueA}).exitCode, 0);
  print->click();
  ASSERT_EQ(messages_.size(), 2);
  EXPECT_TRUE(messages_[0].contains(QStringLiteral("打印失败")) &&
              messages_[0].contains(QStringLiteral("停止")));
  EXPECT_TRUE(messages_[1].contains(QStringLiteral("打印失败")) &&
              messages_[1].contains(QStringLiteral("不接受")));
}

}  // namespace
}  // namespace sumwick::test

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(sumwick::ui::DefaultGuiFont());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
