#include "print_setup_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "integer_reading.h"
#include "print_setup_window_layout.h"
#include "report_grid_view.h"
#include "settings/settings_store.h"
#include "worksheet_document.h"
#include "worksheet_header.h"

namespace sumwick {

namespace {

const QString kPrinterBox = QStringLiteral("组合框_打印机");

int ComboValue(const QComboBox* box) {
  return box->currentIndex() < 0 ? 0 : ReadIntegerValue(box->currentText());
}

}  // namespace

PrintSetupWindow::PrintSetupWindow(ProgramState& state, const SettingsLocation& settings,
                                   PrinterSystem& printers, QWidget* parent, Clock clock,
                                   MessageHandler messages)
    : QDialog(parent),
      state_(state),
      settings_(settings),
      printers_(printers),
      clock_(clock ? std::move(clock) : Clock(&QDateTime::currentDateTime)),
      messages_(std::move(messages)) {
  controls_ = ui::BuildWindow(this, PrintSetupWindowLayout());
  setModal(true);

  // The opening sequence: saved options, printers, the grid in the shape box, the worksheet.
  RestoreWindowStates(this, settings_.configFile);
  FillPrinterList();
  QWidget* area = controls_.Find(QStringLiteral("外形框1"));
  view_ = new ReportGridView(area);
  view_->setGeometry(area->rect());
  view_->SetGrid(&grid_);
  LayOutWorksheet();
  ConnectOptionHandlers();
}

WorksheetStyle PrintSetupWindow::ReadStyle() const {
  const auto checked = [this](const char* name) {
    return control<QCheckBox>(QString::fromUtf8(name))->isChecked();
  };
  const auto edit = [this](const char* name) {
    return ReadIntegerValue(control<QLineEdit>(QString::fromUtf8(name))->text());
  };
  const auto combo = [this](const char* name) {
    return ComboValue(control<QComboBox>(QString::fromUtf8(name)));
  };
  WorksheetStyle style;
  style.bold = checked("选择框_题目字体加粗");
  style.fontSize = combo("组合框_自定义字号");
  style.rowHeight = combo("组合框_设置行高");
  style.alignLeft = checked("选择框_左对齐");
  style.alignCenter = checked("选择框_居中对齐");
  style.hideAnswers = checked("选择框_隐藏答案");
  style.hideSerials = checked("选择框_隐藏序号");
  style.hideGrid = checked("选择框_隐藏表格线");
  style.landscape = control<QRadioButton>(QStringLiteral("单选框_横向"))->isChecked();
  style.marginTop = edit("编辑框_页边距上");
  style.marginLeft = edit("编辑框_页边距左");
  style.marginBottom = edit("编辑框_页边距下");
  style.marginRight = edit("编辑框_页边距右");
  style.fitToOnePage = checked("选择框_寻找最佳打印缩放比例");
  style.scalePercent = combo("组合框_设置缩放");
  return style;
}

void PrintSetupWindow::FillPrinterList() {
  auto* box = control<QComboBox>(kPrinterBox);
  const QStringList names = printers_.PrinterNames();
  box->addItems(names);
  const QString defaultPrinter = printers_.DefaultPrinter();
  for (int i = 0; i < box->count(); ++i) {
    if (box->itemText(i) == defaultPrinter) box->setCurrentIndex(i);
  }
}

void PrintSetupWindow::LayOutWorksheet() {
  bool split = false;
  if (state_.mode.arithmeticPending) {
    state_.mode.arithmeticPending = false;
  } else if (state_.mode.splitPending) {
    // A number-split worksheet shows its blocks centred with the answers hidden; the forced
    // options are saved like any other.
    control<QCheckBox>(QStringLiteral("选择框_隐藏答案"))->setChecked(true);
    control<QCheckBox>(QStringLiteral("选择框_居中对齐"))->setChecked(true);
    control<QCheckBox>(QStringLiteral("选择框_左对齐"))->setChecked(false);
    state_.mode.splitPending = false;
    split = true;
  } else {
    return;  // nothing to lay out: an empty grid
  }
  WorksheetStyle style = ReadStyle();
  // The rows of a number-split worksheet keep the heights that fit their three-line blocks: the
  // restored row height (20 at first) would cut every block down to its middle line. The row
  // height option still acts when the user chooses one of its items.
  if (split) style.rowHeight = 0;
  const Outcome outcome = BuildWorksheet(grid_, geometry_, state_.questions, state_.params, split,
                                         style, clock_());
  if (!outcome.ok) Tell(MessageKind::Error, outcome.error);
  view_->Refresh();
}

void PrintSetupWindow::Restyle(const std::function<void(ReportGrid&, const WorksheetGeometry&,
                                                        const WorksheetStyle&)>& apply) {
  apply(grid_, geometry_, ReadStyle());
  view_->Refresh();
}

void PrintSetupWindow::ConnectOptionHandlers() {
  const auto onClick = [this](const char* name, void (*apply)(ReportGrid&, const WorksheetGeometry&,
                                                              const WorksheetStyle&)) {
    connect(control<QCheckBox>(QString::fromUtf8(name)), &QCheckBox::clicked, this,
            [this, apply] { Restyle(apply); });
  };
  onClick("选择框_题目字体加粗", &ApplyBoldAndRefit);
  onClick("选择框_左对齐", [](ReportGrid& g, const WorksheetGeometry& geo,
                              const WorksheetStyle& s) { ApplyQuestionAlignment(g, geo, s); });
  onClick("选择框_居中对齐", [](ReportGrid& g, const WorksheetGeometry& geo,
                                const WorksheetStyle& s) { ApplyQuestionAlignment(g, geo, s); });
  onClick("选择框_隐藏答案", &ApplyAnswerVisibility);
  onClick("选择框_隐藏序号", &ApplySerialColumns);
  onClick("选择框_隐藏表格线", &ApplyGridLines);

  connect(control<QComboBox>(QStringLiteral("组合框_自定义字号")), &QComboBox::activated, this,
          [this] {
            Restyle([](ReportGrid& g, const WorksheetGeometry& geo, const WorksheetStyle& s) {
              ApplyQuestionFontSize(g, geo, s.fontSize);
            });
          });
  connect(control<QComboBox>(QStringLiteral("组合框_设置行高")), &QComboBox::activated, this,
          [this] {
            Restyle([](ReportGrid& g, const WorksheetGeometry& geo, const WorksheetStyle& s) {
              ApplyQuestionRowHeight(g, geo, s.rowHeight);
            });
          });

  connect(control<QPushButton>(QStringLiteral("按钮_打印预览")), &QPushButton::clicked, this,
          &PrintSetupWindow::Preview);
  connect(control<QPushButton>(QStringLiteral("按钮_打印")), &QPushButton::clicked, this,
          &PrintSetupWindow::PrintNow);
  connect(control<QPushButton>(QStringLiteral("按钮_默认打印机设置")), &QPushButton::clicked, this,
          &PrintSetupWindow::MakeChosenPrinterDefault);
}

void PrintSetupWindow::Preview() {
  if (printers_.PrinterNames().isEmpty()) {
    // Without a printer the preview still shows the pages, and its print button can save them
    // as a PDF file; say so rather than leave the user guessing.
    Tell(MessageKind::Warning, NoPrinterMessage(),
         QStringLiteral("预览窗口中的打印按钮仍可以把试卷保存为 PDF 文件。"));
  }
  const WorksheetStyle style = ReadStyle();
  ApplyPrintOrientation(grid_, style);
  ApplyPrintMargins(grid_, style);
  grid_.SetPrintOption(1, 0);
  ChoosePrintScale(grid_, style);
  PrintPreview(grid_, this);
}

void PrintSetupWindow::PrintNow() {
  const int copies =
      ReadIntegerValue(control<QLineEdit>(QStringLiteral("编辑框_打印数量"))->text());
  if (copies < 1) {
    Tell(MessageKind::Warning,
         QStringLiteral("打印数量是 %1，没有打印。请把打印数量设为 1 到 10 份。").arg(copies));
    return;
  }
  if (printers_.PrinterNames().isEmpty()) {
    Tell(MessageKind::Error, NoPrinterMessage());
    return;
  }
  const QString printer = printers_.DefaultPrinter();
  if (printer.isEmpty()) {
    Tell(MessageKind::Error,
         QStringLiteral(
             "系统没有默认打印机。请在“打印机设置”中选择一台打印机，点“设置默认打印机”后再打印。"));
    return;
  }
  const QString name = PrintName(clock_());
  grid_.SetPrintCopies(copies);
  grid_.SetSheetName(0, name);
  const QString problem = printers_.Print({printer, name, copies}, [this](QPrinter& device) {
    return PaintGridPages(grid_, device).ok;
  });
  if (!problem.isEmpty()) Tell(MessageKind::Error, QStringLiteral("打印失败。"), problem);
}

void PrintSetupWindow::MakeChosenPrinterDefault() {
  const auto* box = control<QComboBox>(kPrinterBox);
  const QString problem = box->currentIndex() < 0 ? NoPrinterMessage()
                                                  : printers_.SetDefaultPrinter(box->currentText());
  if (problem.isEmpty()) {
    Tell(MessageKind::Information, QStringLiteral("默认打印机设置成功！"));
  } else {
    Tell(MessageKind::Error, QStringLiteral("默认打印机设置失败！"), problem);
  }
}

void PrintSetupWindow::done(int result) {
  // The closing steps, once however the window closes: the question list is emptied, then the
  // options are saved (never the printer box).
  if (!closed_) {
    closed_ = true;
    state_.questions.Clear();
    SaveWindowStates(this, settings_.configFile, kPrinterBox);
  }
  QDialog::done(result);
}

void PrintSetupWindow::Tell(MessageKind kind, const QString& text, const QString& detail) const {
  if (messages_) {
    messages_(kind, text, detail);
    return;
  }
  QMessageBox box(kind == MessageKind::Information ? QMessageBox::Information
                  : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                   : QMessageBox::Critical,
                  windowTitle(), text, QMessageBox::Ok, const_cast<PrintSetupWindow*>(this));
  box.setInformativeText(detail);
  box.exec();
}

}  // namespace sumwick
