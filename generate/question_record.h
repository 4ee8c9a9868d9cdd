#pragma once

#include <QString>

namespace sumwick {

// One generated question. An arithmetic question fills all four texts, for example
// expression "12+7*3-5", prompt "12+7×3-5=", answer "28", fullText "12+7×3-5=28".
// A number-split question holds its three-line block in `prompt` and leaves the rest empty.
struct QuestionRecord {
  QString expression;
  QString prompt;
  QString answer;
  QString fullText;

  friend bool operator==(const QuestionRecord&, const QuestionRecord&) = default;
};

}  // namespace sumwick
