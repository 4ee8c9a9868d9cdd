// Prints through the real printing service: two PDF queues made for the test, then removed.
// Skipped where the CUPS scheduler is not running or queues cannot be added, unless
// SUMWICK_REQUIRE_PRINTING is set (as CI does), which turns the skip into a failure.
#include "printer_system.h"

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QThread>

namespace sumwick {
namespace {

struct CommandResult {
  int exitCode = -1;
  QString output;
};

CommandResult RunCommand(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

const QString kQueueA = QStringLiteral("SumwickTestA");
const QString kQueueB = QStringLiteral("SumwickTestB");

bool AddPdfQueue(const QString& name) {
  return RunCommand(
             QStringLiteral("lpadmin"),
             {"-p", name, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd",
              // poppler's cairo renderer keeps the text of the pages searchable
              "-o", "pdftops-renderer-default=pdftocairo"})
             .exitCode == 0;
}

// Where the PDF printer puts a job: ~/PDF of the submitting user, named after the job.
QString PdfOutputFolder() {
  return QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF");
}

// The "copies" the printing service recorded for the job named `title`; 0 when not found.
// Asked as the job's owner: the service hides job names from others.
int RecordedCopies(const QString& printer, const QString& title) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
  const QByteArray uri = "ipp://localhost/printers/" + printer.toUtf8();
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
  const char* wanted[] = {"job-name", "copies"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                wanted);
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  // Each job's attributes form a group; the groups are separated by unnamed attributes.
  int copies = 0;
  QString name;
  int groupCopies = 0;
  const auto endGroup = [&] {
    if (name == title) copies = groupCopies;
    name.clear();
    groupCopies = 0;
  };
  for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
    const QByteArray attributeName = ippGetName(a);
    if (attributeName.isEmpty()) {
      endGroup();
    } else if (attributeName == "job-name") {
      name = QString::fromUtf8(ippGetString(a, 0, nullptr));
    } else if (attributeName == "copies") {
      groupCopies = ippGetInteger(a, 0);
    }
  }
  endGroup();
  ippDelete(response);
  return copies;
}

class PrinterSystemTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!RunCommand(QStringLiteral("lpstat"), {"-r"})
             .output.contains(QStringLiteral("is running"))) {
      skipReason_ = "the CUPS scheduler is not running";
      return;
    }
    if (!AddPdfQueue(kQueueA) || !AddPdfQueue(kQueueB)) {
      skipReason_ = "PDF printer queues cannot be added here (needs cups-pdf and lpadmin rights)";
      return;
    }
    // The scheduler takes a moment before new queues show in its list.
    QElapsedTimer waited;
    waited.start();
    auto printers = CreateSystemPrinters();
    while (waited.elapsed() < 10000 && !(printers->PrinterNames().contains(kQueueA) &&
                                         printers->PrinterNames().contains(kQueueB))) {
      QThread::msleep(50);
    }
    previousDefault_ = printers->DefaultPrinter();
  }

  static void TearDownTestSuite() {
    if (!skipReason_.empty()) return;
    if (!previousDefault_.isEmpty()) CreateSystemPrinters()->SetDefaultPrinter(previousDefault_);
    RunCommand(QStringLiteral("lpadmin"), {"-x", kQueueA});
    RunCommand(QStringLiteral("lpadmin"), {"-x", kQueueB});
  }

  void SetUp() override {
    if (!skipReason_.empty()) {
      if (qEnvironmentVariableIsSet("SUMWICK_REQUIRE_PRINTING")) FAIL() << skipReason_;
      GTEST_SKIP() << skipReason_;
    }
    RunCommand(QStringLiteral("cupsenable"), {kQueueA});
    RunCommand(QStringLiteral("cupsaccept"), {kQueueA});
  }

  std::unique_ptr<PrinterSystem> printers_ = CreateSystemPrinters();
  static inline std::string skipReason_;
  static inline QString previousDefault_;
};

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
  const QString output = PdfOutputFolder() + u'/' + title + QStringLiteral(".pdf");
  QFile::remove(output);

  ASSERT_EQ(printers_->Print({kQueueA, title, 3}, PaintTwoPages), QString());
  EXPECT_EQ(RecordedCopies(kQueueA, title), 3);

  QElapsedTimer waited;
  waited.start();
  while (!QFileInfo::exists(output) && waited.elapsed() < 30000) QThread::msleep(100);
  ASSERT_TRUE(QFileInfo::exists(output)) << "no PDF at " << output.toStdString();
  QThread::msleep(300);  // let the PDF printer finish writing
  const QString text = RunCommand(QStringLiteral("pdftotext"), {output, "-"}).output;
  EXPECT_TRUE(text.contains(QStringLiteral("page one 12+7=19")));
  EXPECT_TRUE(text.contains(QStringLiteral("page two 9-4=5"))) << text.toStdString();
  QFile::remove(output);
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
