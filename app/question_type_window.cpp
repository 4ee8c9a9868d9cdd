#include "question_type_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "integer_reading.h"
#include "question_type_window_layout.h"
#include "ui/controls.h"

namespace sumwick {

namespace {

const QStringList kGradeCaptions = {"学龄前", "一年级", "二年级", "三年级",
                                    "四年级", "五年级", "六年级"};
constexpr int kGradeOne = 1;

QString SelectedText(const QComboBox* box) {
  return box->currentIndex() < 0 ? QString() : box->currentText();
}

QString PresetSuffix(PresetOperator op) {
  return op == PresetOperator::Addition ? QStringLiteral("_1_2") : QStringLiteral("_1_3");
}

}  // namespace

QuestionTypeWindow::QuestionTypeWindow(const GradeSelection& selection, QWidget* parent)
    : QDialog(parent) {
  controls_ = ui::BuildWindow(this, QuestionTypeWindowLayout());
  ShowSelectedTypePage(selection);
}

ui::TabControl* QuestionTypeWindow::gradeTabs() const {
  return control<ui::TabControl>(QStringLiteral("高级选择夹"));
}

ui::TabControl* QuestionTypeWindow::typeTabs() const {
  return control<ui::TabControl>(QStringLiteral("高级选择夹1"));
}

QPushButton* QuestionTypeWindow::splitButton() const {
  return control<QPushButton>(QStringLiteral("按钮_出题_1_1"));
}

QPushButton* QuestionTypeWindow::presetButton(PresetOperator op) const {
  return control<QPushButton>(QStringLiteral("按钮_出题") + PresetSuffix(op));
}

void QuestionTypeWindow::ShowSelectedTypePage(const GradeSelection& selection) {
  const int typePage = ReadIntegerValue(selection.rowNumber) - 1;
  const int grade = kGradeCaptions.indexOf(selection.gradePage);
  if (grade >= 0) gradeTabs()->setCurrentIndex(grade);
  if (grade == kGradeOne) {
    gradeTabs()->SetHeadersShown(false);
    typeTabs()->setCurrentIndex(typePage);  // a page number out of range leaves the page as it is
    typeTabs()->SetHeadersShown(false);
  }
}

SplitRequest QuestionTypeWindow::ReadSplitRequest() const {
  // The radio buttons in the order of their modes, 1 to 5.
  static const char* const kModeButtons[] = {"单选框_左下", "单选框_右下", "单选框_上",
                                             "单选框_左下右下随机", "单选框_上左下右下随机"};
  SplitRequest request;
  for (int k = 0; k < 5; ++k) {
    if (control<QRadioButton>(QString::fromUtf8(kModeButtons[k]))->isChecked()) {
      request.mode = static_cast<SplitBlankMode>(k + 1);
      break;
    }
  }
  request.range = control<QLineEdit>(QStringLiteral("编辑框_分成范围_1_1"))->text();
  request.questionCount = SelectedText(control<QComboBox>(QStringLiteral("组合框_出题数量_1_1")));
  request.questionsPerColumn =
      SelectedText(control<QComboBox>(QStringLiteral("组合框_每列显示题目数量_1_1")));
  return request;
}

PresetChoice QuestionTypeWindow::ReadPresetChoice(PresetOperator op) const {
  const QString suffix = PresetSuffix(op);
  PresetChoice choice;
  choice.op = op;
  choice.countIndex = control<QComboBox>(QStringLiteral("组合框_出题数量") + suffix)->currentIndex();
  choice.perColumnIndex =
      control<QComboBox>(QStringLiteral("组合框_每列显示题目数量") + suffix)->currentIndex();
  return choice;
}

}  // namespace sumwick
