// Prints through the real printing service, on two PDF queues made for the test.
#include "printer_system.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "cups_test_queues.h"

namespace sumwick {
namespace {

using test::kQueueA;
using test::kQueueB;
using test::RecordedCopies;
using test::RunCommand;
using PrinterSystemTest = test::PdfQueuesTest;

bool PaintTwoPages(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.drawText(100, 100, QStringLiteral("Sumwick page one 12+7=19"));
  printer.newPage();
  painter.drawText(100, 100, QStringLiteral("Sumwick page two 9-4=5"));
  return painter.end();
}

TEST_F(PrinterSystemTest, ListsQueuesAndChangesTheDefaultThatLpstatReports) {
  const QStringList names = printers_->PrinterNames();
  EXPECT_TRUE(names.contains(kQueueA) && names.contains(kQueueB));

  for (const QString& queue : {kQueueA, kQueueB}) {
    ASSERT_EQ(printers_->SetDefaultPrinter(queue), QString());
    EXPECT_EQ(printers_->DefaultPrinter(), queue);
    EXPECT_TRUE(RunCommand(QStringLiteral("lpstat"), {"-d"}).output.contains(queue));
  }
}

TEST_F(PrinterSystemTest, AVanishedPrinterNeverFallsBackToAnother) {
  ASSERT_EQ(printers_->SetDefaultPrinter(kQueueB), QString());
  const QString message = printers_->SetDefaultPrinter(QStringLiteral("SumwickNoSuchQueue"));
  EXPECT_TRUE(message.contains(QStringLiteral("SumwickNoSuchQueue"))) << message.toStdString();
  EXPECT_EQ(printers_->DefaultPrinter(), kQueueB);
  EXPECT_FALSE(
      printers_
          ->Print({QStringLiteral("SumwickNoSuchQueue"), QStringLiteral("x"), 1}, PaintTwoPages)
          .isEmpty());
}

TEST_F(PrinterSystemTest, PrintsThePagesWithTheirNameAndCopies) {
  const QString title = QStringLiteral("test_%1").arg(QDateTime::currentMSecsSinceEpoch());
  ASSERT_EQ(printers_->Print({kQueueA, title, 3}, PaintTwoPages), QString());
  EXPECT_EQ(RecordedCopies(kQueueA, title), 3);
  const QString text = test::PrintedText(title);
  EXPECT_TRUE(text.contains(QStringLiteral("page one 12+7=19"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("page two 9-4=5")));
}

TEST_F(PrinterSystemTest, AStoppedOrRefusingQueueFailsInsteadOfReportingDone) {
  ASSERT_EQ(RunCommand(QStringLiteral("cupsdisable"), {kQueueA}).exitCode, 0);
  QString message = printers_->Print({kQueueA, QStringLiteral("stopped"), 1}, PaintTwoPages);
  EXPECT_TRUE(message.contains(QStringLiteral("已停止"))) << message.toStdString();

  RunCommand(QStringLiteral("cupsenable"), {kQueueA});
  ASSERT_EQ(RunCommand(QStringLiteral("cupsreject"), {kQueueA}).exitCode, 0);
  message = printers_->Print({kQueueA, QStringLiteral("refused"), 1}, PaintTwoPages);
  EXPECT_TRUE(message.contains(QStringLiteral("不接受"))) << message.toStdString();
}

}  // namespace
}  // namespace sumwick

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // QPrinter needs the GUI side of Qt
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
