#include <windows.h>
#include <winspool.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <string>

#include "printer_system.h"

namespace sumwick {
namespace {

const wchar_t* Wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

class WindowsPrinterSystem final : public PrinterSystem {
 public:
  QStringList PrinterNames() override { return QPrinterInfo::availablePrinterNames(); }

  QString DefaultPrinter() override {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return {};
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) return {};
    return QString::fromWCharArray(name.c_str());
  }

  QString SetDefaultPrinter(const QString& name) override {
    if (!PrinterNames().contains(name)) return MissingPrinterMessage(name);
    if (!SetDefaultPrinterW(Wide(name))) {
      return QStringLiteral("无法把“%1”设为默认打印机（错误 %2）。").arg(name).arg(GetLastError());
    }
    return {};
  }

  QString CheckPrinter(const QString& name) override {
    if (PrinterNames().isEmpty()) return NoPrinterMessage();
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(Wide(name)), &printer, nullptr))
      return MissingPrinterMessage(name);
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::string buffer(needed, '\0');
    QString problem;
    if (needed > 0 &&
        GetPrinterW(printer, 2, reinterpret_cast<LPBYTE>(buffer.data()), needed, &needed)) {
      const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
      if (info->Status & (PRINTER_STATUS_PAUSED | PRINTER_STATUS_ERROR | PRINTER_STATUS_OFFLINE)) {
        problem = QStringLiteral("打印机“%1”已停止或脱机，不能打印。").arg(name);
      }
    }
    ClosePrinter(printer);
    return problem;
  }

  QString Print(const PrintJob& job, const PaintPages& paint) override {
    if (QString problem = CheckPrinter(job.printer); !problem.isEmpty()) return problem;
    QPrinter printer(QPrinterInfo::printerInfo(job.printer), QPrinter::HighResolution);
    printer.setDocName(job.title);
    printer.setCopyCount(job.copies);
    if (!paint(printer)) return QStringLiteral("打印机“%1”没有接受打印任务。").arg(job.printer);
    return {};
  }
};

}  // namespace

std::unique_ptr<PrinterSystem> CreateSystemPrinters() {
  return std::make_unique<WindowsPrinterSystem>();
}

}  // namespace sumwick
