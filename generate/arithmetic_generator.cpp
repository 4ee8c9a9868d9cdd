#include "arithmetic_generator.h"

#include <chrono>
#include <cmath>

#include "expression_evaluator.h"
#include "random_source.h"
#include "script_number.h"

namespace sumwick {
namespace {

// A subtracted term: a binary "-" (it follows a digit) and the whole product or quotient after it.
const QString kSubtractedTerm = QStringLiteral(R"((?<=\d)-(?:-?\d+)(?:[*/]-?\d+)*)");

constexpr int kMaxOperands = 9;
constexpr int kCheckEvery = 256;  // attempts between looks at the clock

// Writes the question's numbers and drawn operators into `out`; returns its length.
int BuildExpression(const int* numbers, int count, const QString& operators, RandomSource& random,
                    char16_t* out) {
  int length = 0;
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      const int k = random.RandomInRange(1, static_cast<int>(operators.size()));
      out[length++] = operators[k - 1].unicode();
    }
    char digits[16];
    const int n = FormatScriptNumber(numbers[i], digits);
    for (int d = 0; d < n; ++d) out[length++] = static_cast<char16_t>(digits[d]);
  }
  return length;
}

bool IsAccepted(const Evaluation& evaluation, int maxAnswer) {
  const double v = evaluation.value;
  return evaluation.valid && std::isfinite(v) && v == std::floor(v) && v >= 0 && v <= maxAnswer;
}

QuestionRecord MakeRecord(QString expression, double answer) {
  QuestionRecord record;
  record.prompt = ToDisplayForm(expression) + u'=';
  record.answer = FormatScriptNumber(answer);
  record.fullText = record.prompt + record.answer;
  record.expression = std::move(expression);
  return record;
}

}  // namespace

GenerationReport GenerateArithmeticQuestions(const ArithmeticSettings& settings,
                                             const GenerationOptions& options, QuestionList& list) {
  GenerationReport report;
  report.seed = options.seed;
  report.wanted = settings.questionCount;
  report.message = CheckArithmeticSettings(settings);
  if (!report.message.isEmpty()) {
    report.status = GenerationStatus::Refused;
    return report;
  }

  list.Clear();
  list.Reserve(settings.questionCount);
  RandomSource random(options.seed);
  ExpressionEvaluator evaluator;
  PatternMatcher matcher;

  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  auto nextProgress = start + options.progressInterval;

  int numbers[kMaxOperands];
  char16_t text[kMaxOperands * 12];
  while (report.found < settings.questionCount) {
    ++report.attempts;
    random.DrawDistinct(settings.operandCount, settings.minValue, settings.maxValue, numbers);
    const int length =
        BuildExpression(numbers, settings.operandCount, settings.operators, random, text);
    const QStringView expression(text, length);
    const Evaluation evaluation = evaluator.Evaluate(expression);
    if (IsAccepted(evaluation, settings.maxAnswer)) {
      QString accepted = expression.toString();
      if (options.subtractionsLast) accepted = MoveSubtractionsLast(accepted, matcher);
      list.Append(MakeRecord(std::move(accepted), evaluation.value));
      ++report.found;
    }

    if (report.attempts % kCheckEvery != 0) continue;
    const auto now = Clock::now();
    if (now - start >= options.effortLimit) {
      report.status = GenerationStatus::GaveUp;
      report.message =
          QStringLiteral(
              "这些设置很难出到题：尝试了 %1 次，只找到 %2 道符合条件的题目（需要 %3 道）。"
              "请放宽答案范围、数值范围或运算种类后再试。")
              .arg(report.attempts)
              .arg(report.found)
              .arg(report.wanted);
      return report;
    }
    if (options.progress && now >= nextProgress) {
      nextProgress = now + options.progressInterval;
      if (!options.progress(report.found, report.wanted)) {
        report.status = GenerationStatus::Cancelled;
        report.message = QStringLiteral("出题已取消。");
        return report;
      }
    }
  }
  return report;
}

QString MoveSubtractionsLast(const QString& expression, PatternMatcher& matcher) {
  matcher.Execute(kSubtractedTerm, expression);
  const int count = matcher.Count();
  QString rest = matcher.Replace(QString());
  for (int k = 1; k <= count; ++k) rest += matcher.MatchText(k);
  return rest;
}

QString MoveSubtractionsLast(const QString& expression) {
  PatternMatcher matcher;
  return MoveSubtractionsLast(expression, matcher);
}

QString ToDisplayForm(QStringView expression) {
  QString display;
  display.reserve(expression.size() + 4);
  bool afterOperator = false;
  bool inNegativeNumber = false;
  for (const QChar c : expression) {
    const bool digit = c.isDigit();
    if (inNegativeNumber && !digit) {
      display += u')';
      inNegativeNumber = false;
    }
    if (c == u'-' && afterOperator) {
      display += QStringLiteral("(-");
      inNegativeNumber = true;
      afterOperator = false;
      continue;
    }
    if (c == u'*') {
      display += u'×';
    } else if (c == u'/') {
      display += u'÷';
    } else {
      display += c;
    }
    afterOperator = !digit;
  }
  if (inNegativeNumber) display += u')';
  return display;
}

}  // namespace sumwick
