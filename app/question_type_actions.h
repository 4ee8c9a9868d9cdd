#pragma once

#include <functional>

#include "question_type_window.h"
#include "worksheet_actions.h"

class QWidget;

namespace sumwick {

class MainWindow;

// How the question-type window is run once made: exec() unless replaced (tests replace it).
using QuestionTypeRunner = std::function<int(QuestionTypeWindow&)>;

// The double-click on the grade-one list: records the selected row and the main window's current
// page in the GradeSelection, then opens the question-type window modally with its generate
// buttons connected, and returns when it has closed. Does nothing when no row is selected.
// Returns whether the window was opened.
bool OpenQuestionType(MainWindow& mainWindow, AppContext& app,
                      const QuestionTypeRunner& runModal = {});

// A preset page's button: writes the preset (two numbers from 1 to 9 with answers within 10, the
// page's operator only, the page's count and per-column items) into the main window's
// four-operations controls, then runs that page's generate action over `parent` with them.
void WriteArithmeticPreset(MainWindow& mainWindow, const PresetChoice& choice);
ActionOutcome ApplyArithmeticPreset(MainWindow& mainWindow, QWidget* parent, AppContext& app,
                                    const PresetChoice& choice);

// The number-split page's button: refuses a range below 2 (or a count or per-column below 1) with
// a message and changes nothing; otherwise records the worksheet parameters, fills the question
// list with number-split questions and opens the print setup window on them over `parent`.
ActionOutcome GenerateSplitWorksheet(QWidget* parent, AppContext& app, const SplitRequest& request);

// Connects the double-click of the main window's grade-one list to OpenQuestionType.
void ConnectGradeOneActions(MainWindow& mainWindow, AppContext& app,
                            QuestionTypeRunner runModal = {});

}  // namespace sumwick
