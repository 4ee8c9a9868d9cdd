#include "printer_system.h"

namespace sumwick {

QString NoPrinterMessage() {
  return QStringLiteral(
      "没有安装打印机，无法打印或预览。请先在系统设置中添加一台打印机"
      "（也可以添加 PDF 虚拟打印机）。");
}

QString MissingPrinterMessage(const QString& name) {
  return QStringLiteral("找不到打印机“%1”，它可能已被删除。").arg(name);
}

}  // namespace sumwick
