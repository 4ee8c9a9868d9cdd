#pragma once

#include <QString>
#include <QStringView>

namespace sumwick {

// The outcome of one evaluation: a value, or why there is none.
struct Evaluation {
  bool valid = false;
  double value = 0;
  QString error;  // empty when valid
};

// Evaluates the arithmetic texts the generators build: decimal integer literals joined by
// "+", "-", "*" and "/", for example 12+7*3-5. The arithmetic is the script language's: doubles,
// "*" and "/" before "+" and "-", equal ranks left to right, "/" is true division (7/2 is 3.5).
// A literal may carry a sign where the number range reaches below zero: 5--3 is 8, 5*-3 is -15.
class ExpressionEvaluator {
 public:
  Evaluation Evaluate(QStringView expression) const;

  // The value as the script language prints it ("28", "-5", "2.5"); an empty text when the
  // expression cannot be evaluated, with the reason kept for LastError().
  QString Eval(QStringView expression);
  QString LastError() const { return lastError_; }

 private:
  QString lastError_;
};

}  // namespace sumwick
