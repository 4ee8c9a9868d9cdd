#pragma once

// Two PDF printer queues of the printing service, made for a test suite and removed after it.
// The suite is skipped where the CUPS scheduler is not running or queues cannot be added, unless
// SUMWICK_REQUIRE_PRINTING is set (as CI does), which turns the skip into a failure.

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "printer_system.h"

namespace sumwick::test {

struct CommandResult {
  int exitCode = -1;
  QString output;
};

inline CommandResult RunCommand(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

// Names of this process's own, so that test runs side by side never touch each other's queues.
inline const QString kQueueA = QStringLiteral("SumwickTestA_%1").arg(getpid());
inline const QString kQueueB = QStringLiteral("SumwickTestB_%1").arg(getpid());

inline bool AddPdfQueue(const QString& name) {
  return RunCommand(
             QStringLiteral("lpadmin"),
             {"-p", name, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd",
              // poppler's cairo renderer keeps the text of the pages searchable
              "-o", "pdftops-renderer-default=pdftocairo"})
             .exitCode == 0;
}

// Where the PDF printer puts a job: ~/PDF of the submitting user, named after the job.
inline QString PdfOutputFolder() {
  return QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF");
}

// The "copies" the printing service recorded for the job named `title`; 0 when not found.
// Asked as the job's owner: the service hides job names from others.
inline int RecordedCopies(const QString& printer, const QString& title) {
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

// Waits for the PDF printer's file of a job and returns its text; empty when none came.
// The printer names the file after the job, sometimes with a few characters appended.
inline QString PrintedText(const QString& title) {
  const QDir folder(PdfOutputFolder());
  const QStringList pattern{title + QStringLiteral("*.pdf")};
  QElapsedTimer waited;
  waited.start();
  while (folder.entryList(pattern, QDir::Files).isEmpty() && waited.elapsed() < 30000) {
    QThread::msleep(100);
  }
  const QStringList found = folder.entryList(pattern, QDir::Files);
  if (found.isEmpty()) return {};
  QThread::msleep(300);  // let the PDF printer finish writing
  const QString output = folder.filePath(found.front());
  const QString text = RunCommand(QStringLiteral("pdftotext"), {output, "-"}).output;
  QFile::remove(output);
  return text;
}

class PdfQueuesTest : public testing::Test {
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

}  // namespace sumwick::test
