#pragma once

#include <QDialog>
#include <QString>

#include "program_state.h"
#include "split_generator.h"
#include "ui/window_builder.h"

class QPushButton;

namespace sumwick {

namespace ui {
class TabControl;
}  // namespace ui

// The number-split page as the question-type window holds it: the chosen mode and the texts of the
// range box and of the two drop-down lists' selected items.
struct SplitRequest {
  SplitBlankMode mode = SplitBlankMode::LeftOrRight;
  QString range;
  QString questionCount;
  QString questionsPerColumn;
};

// The operator of a grade-one preset page.
enum class PresetOperator { Addition, Subtraction };

// A preset page's choice: the positions of the selected items of its count and per-column lists.
struct PresetChoice {
  PresetOperator op = PresetOperator::Addition;
  int countIndex = -1;
  int perColumnIndex = -1;
};

// "题型设置": one page per question type of a grade. It opens on the page of the grade-list row
// recorded in the GradeSelection, with the page headers of both tab controls switched off, so only
// that type shows. What its generate buttons do is connected by whoever opens it.
class QuestionTypeWindow : public QDialog {
  Q_OBJECT
 public:
  explicit QuestionTypeWindow(const GradeSelection& selection, QWidget* parent = nullptr);

  const ui::Controls& controls() const { return controls_; }
  template <typename T>
  T* control(const QString& name) const {
    return controls_.Get<T>(name);
  }
  ui::TabControl* gradeTabs() const;  // 高级选择夹
  ui::TabControl* typeTabs() const;   // 高级选择夹1

  QPushButton* splitButton() const;                        // 按钮_出题_1_1
  QPushButton* presetButton(PresetOperator op) const;      // 按钮_出题_1_2, 按钮_出题_1_3

  SplitRequest ReadSplitRequest() const;
  PresetChoice ReadPresetChoice(PresetOperator op) const;

 private:
  // Runs once the controls exist: the grade page and the type page of the selection.
  void ShowSelectedTypePage(const GradeSelection& selection);

  ui::Controls controls_;
};

}  // namespace sumwick
