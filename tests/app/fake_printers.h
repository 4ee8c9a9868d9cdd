#pragma once

#include <QPrinter>
#include <QTemporaryDir>

#include "printer_system.h"

namespace sumwick::test {

// A printing service in memory: its printers, its default, and the jobs it was given, each
// painted into a PDF file so that the pages can be read back.
class FakePrinters : public PrinterSystem {
 public:
  struct Job {
    PrintJob job;
    QString pdf;
  };

  QStringList names{QStringLiteral("办公室"), QStringLiteral("PDF")};
  QString defaultName = QStringLiteral("PDF");
  QString refusal;  // the answer to every job; empty accepts it
  QList<Job> jobs;
  QStringList defaultsSet;

  QStringList PrinterNames() override { return names; }
  QString DefaultPrinter() override { return defaultName; }
  QString SetDefaultPrinter(const QString& name) override {
    defaultsSet << name;
    if (!names.contains(name)) return QStringLiteral("找不到打印机“%1”").arg(name);
    defaultName = name;
    return {};
  }
  QString CheckPrinter(const QString& name) override {
    return names.contains(name) ? refusal : QStringLiteral("找不到打印机");
  }
  QString Print(const PrintJob& job, const PaintPages& paint) override {
    if (QString problem = CheckPrinter(job.printer); !problem.isEmpty()) return problem;
    const QString pdf = dir_.filePath(QStringLiteral("job%1.pdf").arg(jobs.size() + 1));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    if (!paint(printer)) return QStringLiteral("paint failed");
    jobs.append({job, pdf});
    return {};
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace sumwick::test
