#include "expression_evaluator.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "script_number.h"

namespace sumwick {
namespace {

// Recursive descent over the two ranks of binary operators; signs are folded into literals.
class Parser {
 public:
  explicit Parser(QStringView text) : text_(text) {}

  Evaluation Run() {
    Evaluation evaluation;
    if (text_.isEmpty()) return Fail(QStringLiteral("表达式为空"));
    double value = 0;
    if (!Sum(value)) return Fail(error_);
    if (position_ != text_.size()) {
      return Fail(QStringLiteral("第%1个字符“%2”无法识别").arg(position_ + 1).arg(text_[position_]));
    }
    evaluation.valid = true;
    evaluation.value = value;
    return evaluation;
  }

 private:
  static Evaluation Fail(const QString& error) { return Evaluation{false, 0, error}; }

  char16_t Peek() const { return position_ < text_.size() ? text_[position_].unicode() : 0; }

  bool Sum(double& value) {
    if (!Product(value)) return false;
    for (char16_t op = Peek(); op == u'+' || op == u'-'; op = Peek()) {
      ++position_;
      double right = 0;
      if (!Product(right)) return false;
      value = op == u'+' ? value + right : value - right;
    }
    return true;
  }

  bool Product(double& value) {
    if (!SignedLiteral(value)) return false;
    for (char16_t op = Peek(); op == u'*' || op == u'/'; op = Peek()) {
      ++position_;
      double right = 0;
      if (!SignedLiteral(right)) return false;
      value = op == u'*' ? value * right : value / right;
    }
    return true;
  }

  bool SignedLiteral(double& value) {
    bool negative = false;
    for (char16_t c = Peek(); c == u'+' || c == u'-'; c = Peek()) {
      negative ^= c == u'-';
      ++position_;
    }
    if (!Literal(value)) return false;
    if (negative) value = -value;
    return true;
  }

  bool Literal(double& value) {
    const qsizetype start = position_;
    std::uint64_t whole = 0;
    while (position_ < text_.size() && Peek() >= u'0' && Peek() <= u'9') {
      whole = whole * 10 + (Peek() - u'0');
      ++position_;
    }
    const qsizetype length = position_ - start;
    if (length == 0) {
      error_ = position_ < text_.size()
                   ? QStringLiteral("第%1个字符“%2”处缺少数字").arg(position_ + 1).arg(text_[position_])
                   : QStringLiteral("表达式末尾缺少数字");
      return false;
    }
    if (length <= 19) {
      value = static_cast<double>(whole);  // exact below 2^53, correctly rounded above
      return true;
    }
    const std::string digits = text_.sliced(start, length).toLatin1().toStdString();
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) value = HUGE_VAL;  // too many digits for a double
    return true;
  }

  QStringView text_;
  qsizetype position_ = 0;
  QString error_;
};

}  // namespace

Evaluation ExpressionEvaluator::Evaluate(QStringView expression) const {
  return Parser(expression).Run();
}

QString ExpressionEvaluator::Eval(QStringView expression) {
  const Evaluation evaluation = Evaluate(expression);
  lastError_ = evaluation.error;
  return evaluation.valid ? FormatScriptNumber(evaluation.value) : QString();
}

}  // namespace sumwick
