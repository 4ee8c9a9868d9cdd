#include "question_type_actions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "arithmetic_settings.h"
#include "integer_reading.h"
#include "main_window.h"
#include "random_source.h"
#include "ui/controls.h"

namespace sumwick {

bool OpenQuestionType(MainWindow& mainWindow, AppContext& app, const QuestionTypeRunner& runModal) {
  const ui::ListView* list = mainWindow.gradeOneList();
  const int row = list->SelectedRow();
  if (row < 0) return false;  // a double-click that selected nothing opens nothing
  GradeSelection& grade = app.state.grade;
  grade.rowNumber = list->CellText(row, 1);
  grade.rowVolume = list->CellText(row, 2);
  grade.rowImageText = list->CellText(row, 3);
  grade.gradePage = mainWindow.tabs()->tabText(mainWindow.tabs()->currentIndex());

  QuestionTypeWindow window(grade, &mainWindow);
  QObject::connect(window.splitButton(), &QPushButton::clicked, &window, [&window, &app] {
    GenerateSplitWorksheet(&window, app, window.ReadSplitRequest());
  });
  for (const PresetOperator op : {PresetOperator::Addition, PresetOperator::Subtraction}) {
    QObject::connect(window.presetButton(op), &QPushButton::clicked, &window,
                     [&window, &mainWindow, &app, op] {
                       ApplyArithmeticPreset(mainWindow, &window, app, window.ReadPresetChoice(op));
                     });
  }
  if (runModal) {
    runModal(window);
  } else {
    window.exec();
  }
  return true;
}

void WriteArithmeticPreset(MainWindow& mainWindow, const PresetChoice& choice) {
  const auto edit = [&](const char* name, const char* text) {
    mainWindow.control<QLineEdit>(QString::fromUtf8(name))->setText(QString::fromUtf8(text));
  };
  const auto check = [&](const char* name, bool checked) {
    mainWindow.control<QCheckBox>(QString::fromUtf8(name))->setChecked(checked);
  };
  const bool addition = choice.op == PresetOperator::Addition;
  // In this order; 选择框_排除小数减大数 keeps what the user chose.
  edit("编辑框_n元运算", "2");
  check("选择框_加", addition);
  check("选择框_减", !addition);
  check("选择框_乘", false);
  check("选择框_除", false);
  edit("编辑框_最小值", "1");
  edit("编辑框_最大值", "9");
  edit("编辑框_答案范围", "10");
  // The preset pages' lists hold the same items as the main window's, so the position carries over.
  mainWindow.control<QComboBox>(QStringLiteral("组合框_出题数量"))->setCurrentIndex(choice.countIndex);
  mainWindow.control<QComboBox>(QStringLiteral("组合框_每列显示题目数量"))
      ->setCurrentIndex(choice.perColumnIndex);
}

ActionOutcome ApplyArithmeticPreset(MainWindow& mainWindow, QWidget* parent, AppContext& app,
                                    const PresetChoice& choice) {
  WriteArithmeticPreset(mainWindow, choice);
  return GenerateArithmeticWorksheet(parent, app, ReadArithmeticRequest(mainWindow));
}

ActionOutcome GenerateSplitWorksheet(QWidget* parent, AppContext& app, const SplitRequest& request) {
  const IntegerReading range = ReadInteger(request.range);
  const int count = ReadIntegerValue(request.questionCount);
  const int perColumn = ReadIntegerValue(request.questionsPerColumn);
  // The range box takes typed values below its spinner's bound, and no number below 2 splits into
  // two parts of at least 1: such a range is refused rather than leaving an empty worksheet.
  QString problem = range.tooLarge
                        ? QStringLiteral("“分成范围”中的数字太大，请输入 2 到 2147483647 之间的数。")
                        : CheckSplitSettings(range.value, count);
  if (problem.isEmpty()) problem = CheckQuestionsPerColumn(perColumn);
  if (!problem.isEmpty()) {
    ShowActionMessage(parent, app, PrintSetupWindow::MessageKind::Warning, problem);
    return ActionOutcome::Refused;
  }

  app.state.params.questionCount = count;
  app.state.params.questionsPerColumn = perColumn;
  RandomSource random(RandomSource::FreshSeed());
  // The list is empty here (the print setup window empties it as it closes); clearing it keeps a
  // worksheet from ever mixing two generations.
  app.state.questions.Clear();
  AppendSplitQuestions(GenerateSplitQuestions(range.value, count, request.mode, random),
                       app.state.questions);
  ShowWorksheet(parent, app, /*split=*/true);
  return ActionOutcome::Shown;
}

void ConnectGradeOneActions(MainWindow& mainWindow, AppContext& app, QuestionTypeRunner runModal) {
  QObject::connect(mainWindow.gradeOneList(), &QTreeWidget::itemDoubleClicked, &mainWindow,
                   [&mainWindow, &app, runModal = std::move(runModal)] {
                     OpenQuestionType(mainWindow, app, runModal);
                   });
}

}  // namespace sumwick
