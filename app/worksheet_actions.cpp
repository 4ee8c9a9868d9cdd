#include "worksheet_actions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include "arithmetic_generator.h"
#include "integer_reading.h"
#include "main_window.h"
#include "question_type_actions.h"
#include "random_source.h"

namespace sumwick {

namespace {

void Tell(QWidget* parent, const AppContext& app, PrintSetupWindow::MessageKind kind,
          const QString& text) {
  if (app.messages) {
    app.messages(kind, text, {});
  } else if (kind == PrintSetupWindow::MessageKind::Information) {
    QMessageBox::information(parent, QStringLiteral("出题"), text);
  } else {
    QMessageBox::warning(parent, QStringLiteral("出题"), text);
  }
}

// A progress dialog that appears when generation takes longer than half a second; until it shows,
// only non-input events are handled, so nothing can start a second generation meanwhile.
class GenerationProgressDialog {
 public:
  GenerationProgressDialog(QWidget* parent, int wanted)
      : dialog_(QStringLiteral("正在出题……"), QStringLiteral("取消"), 0, wanted, parent) {
    dialog_.setWindowTitle(QStringLiteral("出题"));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    dialog_.setValue(0);
  }

  bool Update(int found) {
    dialog_.setValue(found);
    QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
};

}  // namespace

void ShowActionMessage(QWidget* parent, const AppContext& app, PrintSetupWindow::MessageKind kind,
                       const QString& text) {
  Tell(parent, app, kind, text);
}

ArithmeticRequest ReadArithmeticRequest(const MainWindow& window) {
  const auto text = [&](const char* name) {
    return window.control<QLineEdit>(QString::fromUtf8(name))->text();
  };
  const auto checked = [&](const char* name) {
    return window.control<QCheckBox>(QString::fromUtf8(name))->isChecked();
  };
  const auto selected = [&](const char* name) {
    const auto* box = window.control<QComboBox>(QString::fromUtf8(name));
    return box->currentIndex() < 0 ? QString() : box->currentText();
  };
  ArithmeticRequest request;
  request.texts.operandCount = text("编辑框_n元运算");
  request.texts.add = checked("选择框_加");
  request.texts.subtract = checked("选择框_减");
  request.texts.multiply = checked("选择框_乘");
  request.texts.divide = checked("选择框_除");
  request.texts.minValue = text("编辑框_最小值");
  request.texts.maxValue = text("编辑框_最大值");
  request.texts.maxAnswer = text("编辑框_答案范围");
  request.texts.questionCount = selected("组合框_出题数量");
  request.questionsPerColumn = selected("组合框_每列显示题目数量");
  request.subtractionsLast = checked("选择框_排除小数减大数");
  return request;
}

ActionOutcome GenerateArithmeticWorksheet(QWidget* parent, AppContext& app,
                                          const ArithmeticRequest& request) {
  using Kind = PrintSetupWindow::MessageKind;
  const ArithmeticSettingsReading reading = ReadArithmeticSettings(request.texts);
  const IntegerReading perColumn = ReadInteger(request.questionsPerColumn);
  QString problem = reading.error;
  if (problem.isEmpty()) problem = CheckArithmeticSettings(reading.settings);
  if (problem.isEmpty()) problem = CheckQuestionsPerColumn(perColumn.value);
  if (!problem.isEmpty()) {
    Tell(parent, app, Kind::Warning, problem);
    return ActionOutcome::Refused;
  }

  GenerationReport report;
  {
    // The progress dialog lives for the generation only: it must be gone before the worksheet opens.
    GenerationProgressDialog progress(parent, reading.settings.questionCount);
    GenerationOptions options;
    options.seed = RandomSource::FreshSeed();
    options.subtractionsLast = request.subtractionsLast;
    options.progress = [&progress](int found, int) { return progress.Update(found); };
    report = GenerateArithmeticQuestions(reading.settings, options, app.state.questions);
  }
  if (!report.Succeeded()) {
    app.state.questions.Clear();  // a short list is never shown as a worksheet
    if (report.status == GenerationStatus::Cancelled) return ActionOutcome::Cancelled;
    Tell(parent, app, Kind::Warning, report.message);
    return report.status == GenerationStatus::GaveUp ? ActionOutcome::GaveUp
                                                     : ActionOutcome::Refused;
  }

  app.state.params.questionsPerColumn = perColumn.value;
  app.state.params.questionCount = reading.settings.questionCount;
  ShowWorksheet(parent, app, false);
  return ActionOutcome::Shown;
}

void ShowWorksheet(QWidget* parent, AppContext& app, bool split) {
  (split ? app.state.mode.splitPending : app.state.mode.arithmeticPending) = true;
  {
    PrintSetupWindow window(app.state, app.settings, app.printers, parent, app.clock, app.messages);
    if (app.runModal) {
      app.runModal(window);
    } else {
      window.exec();
    }
  }
  app.state.mode.arithmeticPending = false;
  app.state.mode.splitPending = false;
}

void ConnectMainWindowActions(MainWindow& window, AppContext& app) {
  QObject::connect(window.generateButton(), &QPushButton::clicked, &window, [&window, &app] {
    GenerateArithmeticWorksheet(&window, app, ReadArithmeticRequest(window));
  });
  ConnectGradeOneActions(window, app);
}

}  // namespace sumwick
