#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;

namespace sumwick {

struct PrintJob {
  QString printer;
  QString title;  // the job's name, shown in the queue
  int copies = 1;
};

// Paints the document's pages onto a printer that is set up for the job; false on failure.
using PaintPages = std::function<bool(QPrinter& printer)>;

// The system's printing service: which printers there are, which is the default, and the
// submission of jobs. Every failure comes back as a message for the user; success is an empty text.
class PrinterSystem {
 public:
  virtual ~PrinterSystem() = default;

  virtual QStringList PrinterNames() = 0;
  virtual QString DefaultPrinter() = 0;  // empty when there is none

  // Makes `name` the user's default printer. A name that no longer exists fails; it never
  // falls back to another printer.
  virtual QString SetDefaultPrinter(const QString& name) = 0;

  // Why a job for `name` cannot be printed now (no such printer, stopped, not accepting jobs).
  virtual QString CheckPrinter(const QString& name) = 0;

  // Checks the printer, has `paint` draw the pages, submits them and reads the printing
  // service's answer, so a refused job is reported as failed.
  virtual QString Print(const PrintJob& job, const PaintPages& paint) = 0;
};

// The printing service of this platform: CUPS on Linux, the spooler on Windows.
std::unique_ptr<PrinterSystem> CreateSystemPrinters();

// The message for a print or preview asked for when no printer is installed.
QString NoPrinterMessage();
// The message for a printer name that the system no longer knows.
QString MissingPrinterMessage(const QString& name);

}  // namespace sumwick
