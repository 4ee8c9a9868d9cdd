#pragma once

#include <QString>

#include "question_list.h"

namespace sumwick {

// The two numbers that shape a worksheet.
struct WorksheetParams {
  int questionCount = 0;       // printed in the header after "题目数："
  int questionsPerColumn = 0;  // how many questions one worksheet column shows
};

// Which layout the print setup window applies when it opens. At most one is set.
struct WorksheetMode {
  bool arithmeticPending = false;
  bool splitPending = false;
};

// The grade-list row that was double-clicked in the main window.
struct GradeSelection {
  QString rowNumber;     // "1" to "3"
  QString rowVolume;     // e.g. "上册"
  QString rowImageText;  // the picture column's text
  QString gradePage;     // caption of the current grade page, e.g. "一年级"
};

// Everything the windows hand each other: created once at start-up and passed to whoever needs it.
struct ProgramState {
  QuestionList questions;
  WorksheetParams params;
  WorksheetMode mode;
  GradeSelection grade;
};

}  // namespace sumwick
