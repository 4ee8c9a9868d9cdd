#include <cups/cups.h>

#include <QDir>
#include <QPrinter>
#include <QTemporaryFile>

#include "printer_system.h"

namespace sumwick {
namespace {

// cupsGetDests2's list of destinations, freed when it goes out of scope.
class Destinations {
 public:
  Destinations() : count_(cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_)) {}
  ~Destinations() { cupsFreeDests(count_, dests_); }
  Destinations(const Destinations&) = delete;
  Destinations& operator=(const Destinations&) = delete;

  int count() const { return count_; }
  cups_dest_t* begin() const { return dests_; }
  cups_dest_t* end() const { return dests_ + count_; }
  cups_dest_t* Find(const QString& name) const {
    return cupsGetDest(name.toUtf8().constData(), nullptr, count_, dests_);
  }

 private:
  cups_dest_t* dests_ = nullptr;
  int count_ = 0;
};

QString LastCupsError() { return QString::fromUtf8(cupsLastErrorString()); }

// IPP printer-state 5 is "stopped".
constexpr int kPrinterStopped = 5;

class CupsPrinterSystem final : public PrinterSystem {
 public:
  QStringList PrinterNames() override {
    QStringList names;
    const Destinations dests;
    for (const cups_dest_t& dest : dests) {
      if (dest.instance == nullptr) names << QString::fromUtf8(dest.name);
    }
    return names;
  }

  QString DefaultPrinter() override {
    const Destinations dests;
    for (const cups_dest_t& dest : dests) {
      if (dest.is_default) return QString::fromUtf8(dest.name);
    }
    return {};
  }

  QString SetDefaultPrinter(const QString& name) override {
    const Destinations dests;
    if (dests.Find(name) == nullptr) return MissingPrinterMessage(name);
    for (cups_dest_t& dest : dests) {
      dest.is_default = dest.instance == nullptr && name == QString::fromUtf8(dest.name);
    }
    if (cupsSetDests2(CUPS_HTTP_DEFAULT, dests.count(), dests.begin()) != 0) {
      return QStringLiteral("无法把“%1”设为默认打印机：%2").arg(name, LastCupsError());
    }
    return {};
  }

  QString CheckPrinter(const QString& name) override {
    const Destinations dests;
    const cups_dest_t* dest = dests.Find(name);
    if (dest == nullptr)
      return dests.count() == 0 ? NoPrinterMessage() : MissingPrinterMessage(name);
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state != nullptr && QByteArray(state).toInt() == kPrinterStopped) {
      return QStringLiteral("打印机“%1”已停止，不能打印。请在系统的打印机设置中恢复它后再试。")
          .arg(name);
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting != nullptr && QByteArray(accepting) == "false") {
      return QStringLiteral("打印机“%1”现在不接受打印任务。请在系统的打印机设置中检查它后再试。")
          .arg(name);
    }
    return {};
  }

  QString Print(const PrintJob& job, const PaintPages& paint) override {
    if (QString problem = CheckPrinter(job.printer); !problem.isEmpty()) return problem;

    // The pages go to CUPS as a PDF, so that its answer to the submission can be read.
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/sumwick-XXXXXX.pdf"));
    if (!pdf.open()) return QStringLiteral("无法创建打印文件：%1").arg(pdf.errorString());
    pdf.close();
    {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf.fileName());
      printer.setDocName(job.title);
      printer.setCreator(QStringLiteral("Sumwick"));
      if (!paint(printer)) return QStringLiteral("无法生成要打印的页面。");
    }

    int optionCount = 0;
    cups_option_t* options = nullptr;
    optionCount =
        cupsAddOption("copies", QByteArray::number(job.copies).constData(), optionCount, &options);
    const int jobId = cupsPrintFile2(CUPS_HTTP_DEFAULT, job.printer.toUtf8().constData(),
                                     QFile::encodeName(pdf.fileName()).constData(),
                                     job.title.toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (jobId == 0) {
      return QStringLiteral("打印机“%1”没有接受打印任务：%2").arg(job.printer, LastCupsError());
    }
    return {};
  }
};

}  // namespace

std::unique_ptr<PrinterSystem> CreateSystemPrinters() {
  return std::make_unique<CupsPrinterSystem>();
}

}  // namespace sumwick
