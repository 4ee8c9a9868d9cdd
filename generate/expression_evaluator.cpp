#include "expression_evaluator.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "script_number.h"

namespace sumwick {
namespace {

enum class ParseError { None, Empty, MissingNumber, UnexpectedCharacter };

// One pass over the text: products and quotients are folded into the current term, which joins
// the running sum when the next "+" or "-" (or the end) comes, so equal ranks go left to right.
// Signs are folded into literals. Errors are kept as a code and a place and put into words only
// when they happen.
class Parser {
 public:
  explicit Parser(QStringView text)
      : begin_(text.utf16()), p_(begin_), end_(begin_ + text.size()) {}

  Evaluation Run() {
    if (p_ == end_) return Fail(ParseError::Empty);
    double sum = 0;
    char16_t additive = 0;  // the "+" or "-" before the current term; none for the first
    for (;;) {
      double term = 0;
      if (!SignedLiteral(term)) return Fail(ParseError::MissingNumber);
      while (p_ != end_ && (*p_ == u'*' || *p_ == u'/')) {
        const char16_t op = *p_++;
        double right = 0;
        if (!SignedLiteral(right)) return Fail(ParseError::MissingNumber);
        term = op == u'*' ? term * right : term / right;
      }
      sum = additive == 0 ? term : additive == u'+' ? sum + term : sum - term;
      if (p_ == end_) return Evaluation{true, sum, {}};
      if (*p_ != u'+' && *p_ != u'-') return Fail(ParseError::UnexpectedCharacter);
      additive = *p_++;
    }
  }

 private:
  bool SignedLiteral(double& value) {
    bool negative = false;
    while (p_ != end_ && (*p_ == u'+' || *p_ == u'-')) negative ^= *p_++ == u'-';
    const char16_t* start = p_;
    std::uint64_t whole = 0;
    while (p_ != end_ && *p_ >= u'0' && *p_ <= u'9') whole = whole * 10 + (*p_++ - u'0');
    const auto length = p_ - start;
    if (length == 0) return false;
    if (length <= 19) {
      value = static_cast<double>(whole);  // exact below 2^53, correctly rounded above
    } else {
      const std::string digits(start, p_);  // ASCII digits only
      const auto [end, error] =
          std::from_chars(digits.data(), digits.data() + digits.size(), value);
      if (error == std::errc::result_out_of_range)
        value = HUGE_VAL;  // too many digits for a double
    }
    if (negative) value = -value;
    return true;
  }

  Evaluation Fail(ParseError error) const { return Evaluation{false, 0, Describe(error)}; }

  QString Describe(ParseError error) const {
    const qsizetype place = p_ - begin_ + 1;
    const QString character = p_ == end_ ? QString() : QString(QChar(*p_));
    switch (error) {
      case ParseError::Empty:
        return QStringLiteral("表达式为空");
      case ParseError::MissingNumber:
        if (p_ == end_) return QStringLiteral("表达式末尾缺少数字");
        return QStringLiteral("第%1个字符“%2”处缺少数字").arg(place).arg(character);
      case ParseError::UnexpectedCharacter:
        return QStringLiteral("第%1个字符“%2”无法识别").arg(place).arg(character);
      case ParseError::None:
        break;
    }
    return {};
  }

  const char16_t* begin_;
  const char16_t* p_;
  const char16_t* end_;
};

}  // namespace

Evaluation ExpressionEvaluator::Evaluate(QStringView expression) const {
  return Parser(expression).Run();
}

QString ExpressionEvaluator::Eval(QStringView expression) {
  Evaluation evaluation = Evaluate(expression);
  if (!evaluation.valid) {
    lastError_ = std::move(evaluation.error);
    return {};
  }
  if (!lastError_.isNull()) lastError_ = QString();
  return FormatScriptNumber(evaluation.value);
}

}  // namespace sumwick
