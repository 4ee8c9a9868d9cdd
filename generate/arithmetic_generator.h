#pragma once

#include <QString>

#include "arithmetic_settings.h"
#include "generation_report.h"
#include "pattern_matcher.h"
#include "question_list.h"

namespace sumwick {

// Fills `list` with settings.questionCount random questions whose answers are whole numbers from
// 0 to settings.maxAnswer. Refused settings leave the list untouched. Otherwise the list is
// cleared first and, unless the run completes, holds the questions found before it stopped.
GenerationReport GenerateArithmeticQuestions(const ArithmeticSettings& settings,
                                             const GenerationOptions& options, QuestionList& list);

// Moves every subtracted term, whole with its "×" and "÷" factors, to the end in its order, so
// that the running total of an addition-and-subtraction question never drops below zero when its
// answer is not negative: 5-8+7-2 becomes 5+7-8-2. The value of the expression does not change.
QString MoveSubtractionsLast(const QString& expression, PatternMatcher& matcher);
QString MoveSubtractionsLast(const QString& expression);

// The printed form: "*" as "×", "/" as "÷", and a negative number after an operator in
// parentheses: 5--3 becomes 5-(-3).
QString ToDisplayForm(QStringView expression);

}  // namespace sumwick
