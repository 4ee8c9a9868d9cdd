#include "arithmetic_generator.h"

#include <gtest/gtest.h>

#include <set>

#include "expression_evaluator.h"

namespace sumwick {
namespace {

GenerationOptions Options(std::uint64_t seed, bool subtractionsLast = false) {
  GenerationOptions options;
  options.seed = seed;
  options.subtractionsLast = subtractionsLast;
  return options;
}

// The numbers of an expression in order, a "-" after an operator (or first) being a sign.
std::vector<int> Literals(const QString& expression, QString* operators) {
  std::vector<int> numbers;
  qsizetype i = 0;
  while (i < expression.size()) {
    qsizetype start = i;
    if (expression[i] == u'-') ++i;
    while (i < expression.size() && expression[i].isDigit()) ++i;
    numbers.push_back(expression.sliced(start, i - start).toInt());
    if (i < expression.size()) *operators += expression[i++];
  }
  return numbers;
}

struct PropertyCase {
  const char* name;
  ArithmeticSettings settings;
  bool subtractionsLast;
};

class GeneratedQuestionsTest : public testing::TestWithParam<PropertyCase> {};

TEST_P(GeneratedQuestionsTest, EveryQuestionKeepsTheRules) {
  const ArithmeticSettings& s = GetParam().settings;
  ExpressionEvaluator evaluator;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    QuestionList list;
    list.Append(QuestionRecord{"old", "old", "old", "old"});
    const GenerationReport report =
        GenerateArithmeticQuestions(s, Options(seed, GetParam().subtractionsLast), list);
    ASSERT_TRUE(report.Succeeded()) << report.message.toStdString();
    ASSERT_EQ(list.Size(), s.questionCount);
    EXPECT_EQ(report.found, s.questionCount);
    for (const QuestionRecord& q : list) {
      SCOPED_TRACE(q.fullText.toStdString());
      QString operators;
      const std::vector<int> numbers = Literals(q.expression, &operators);
      ASSERT_EQ(static_cast<int>(numbers.size()), s.operandCount);
      EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), numbers.size());
      for (int n : numbers) EXPECT_TRUE(n >= s.minValue && n <= s.maxValue);
      for (QChar op : operators) EXPECT_TRUE(s.operators.contains(op));

      bool ok = false;
      const int answer = q.answer.toInt(&ok);
      ASSERT_TRUE(ok);
      EXPECT_TRUE(answer >= 0 && answer <= s.maxAnswer);
      EXPECT_EQ(evaluator.Eval(q.expression),
                q.answer);  // the printed question is worth its answer
      EXPECT_EQ(q.prompt, ToDisplayForm(q.expression) + u'=');
      EXPECT_EQ(q.fullText, q.prompt + q.answer);
      EXPECT_FALSE(q.prompt.contains(u'*') || q.prompt.contains(u'/'));
    }
  }
}

ArithmeticSettings Settings(int operands, const char* ops, int min, int max, int maxAnswer,
                            int count) {
  return ArithmeticSettings{operands, QString::fromLatin1(ops), min, max, maxAnswer, count};
}

INSTANTIATE_TEST_SUITE_P(
    Settings, GeneratedQuestionsTest,
    testing::Values(PropertyCase{"Defaults", ArithmeticSettings{}, false},
                    PropertyCase{"AdditionWithinTen", Settings(2, "+", 1, 9, 10, 50), false},
                    PropertyCase{"SubtractionOnly", Settings(3, "-", 1, 20, 100, 50), false},
                    PropertyCase{"SubtractionsLast", Settings(4, "+-", 5, 20, 1000, 100), true},
                    PropertyCase{"MixedSubtractionsLast", Settings(4, "+-*/", 1, 12, 100, 50),
                                 true},
                    PropertyCase{"DivisionOnly", Settings(2, "/", 1, 30, 30, 50), false},
                    PropertyCase{"AllOperatorsNine", Settings(9, "+-*/", 1, 50, 100, 20), false},
                    PropertyCase{"NegativeRange", Settings(3, "+-*", -10, 10, 50, 50), false},
                    PropertyCase{"ZeroDivisors", Settings(2, "/", 0, 5, 10, 30), false},
                    PropertyCase{"OneNumber", Settings(1, "+", 1, 9, 10, 9), false},
                    PropertyCase{"AnswerCapReached", Settings(2, "+", 1, 9, 3, 5), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerateArithmeticQuestions, SameSeedSameQuestions) {
  QuestionList a, b, c;
  GenerateArithmeticQuestions(ArithmeticSettings{}, Options(99), a);
  GenerateArithmeticQuestions(ArithmeticSettings{}, Options(99), b);
  GenerateArithmeticQuestions(ArithmeticSettings{}, Options(100), c);
  ASSERT_EQ(a.Size(), 100);
  EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin()));
  EXPECT_FALSE(std::equal(a.begin(), a.end(), c.begin()));
}

TEST(GenerateArithmeticQuestions, DivisionByZeroIsNeverAccepted) {
  QuestionList list;
  GenerateArithmeticQuestions(Settings(3, "/", 0, 3, 100, 200), Options(5), list);
  for (const QuestionRecord& q : list) {
    EXPECT_FALSE(q.expression.contains(QStringLiteral("/0"))) << q.expression.toStdString();
    EXPECT_FALSE(q.answer.isEmpty());
  }
}

TEST(GenerateArithmeticQuestions, AnswersAtTheCapAreKeptAndAboveDropped) {
  QuestionList list;
  GenerateArithmeticQuestions(Settings(2, "+", 1, 9, 10, 500), Options(8), list);
  std::set<int> answers;
  for (const QuestionRecord& q : list) answers.insert(q.answer.toInt());
  EXPECT_EQ(*answers.begin(), 3);
  EXPECT_EQ(*answers.rbegin(), 10);
}

struct RefusalCase {
  const char* name;
  ArithmeticSettings settings;
};

class RefusedSettingsTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedSettingsTest, RefusesBeforeGeneratingAndKeepsTheList) {
  QuestionList list;
  list.Append(QuestionRecord{"1+1", "1+1=", "2", "1+1=2"});
  const GenerationReport report =
      GenerateArithmeticQuestions(GetParam().settings, Options(1), list);
  EXPECT_EQ(report.status, GenerationStatus::Refused);
  EXPECT_FALSE(report.message.isEmpty());
  EXPECT_EQ(report.attempts, 0);
  EXPECT_EQ(list.Size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RefusedSettingsTest,
    testing::Values(RefusalCase{"NoOperator", Settings(2, "", 1, 9, 10, 10)},
                    RefusalCase{"MinAboveMax", Settings(2, "+", 10, 9, 10, 10)},
                    RefusalCase{"TooFewValues", Settings(4, "+", 1, 3, 10, 10)},
                    RefusalCase{"NoQuestions", Settings(2, "+", 1, 9, 10, 0)},
                    RefusalCase{"NegativeCount", Settings(2, "+", 1, 9, 10, -3)},
                    RefusalCase{"NoNumbers", Settings(0, "+", 1, 9, 10, 10)},
                    RefusalCase{"TenNumbers", Settings(10, "+", 1, 90, 1000, 10)},
                    RefusalCase{"NegativeAnswerCap", Settings(2, "+", 1, 9, -1, 10)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerateArithmeticQuestions, GivesUpOnNearlyImpossibleSettings) {
  QuestionList list;
  GenerationOptions options = Options(3);
  options.effortLimit = std::chrono::milliseconds(200);
  const GenerationReport report =
      GenerateArithmeticQuestions(Settings(9, "/", 1, 50, 100, 100), options, list);
  EXPECT_EQ(report.status, GenerationStatus::GaveUp);
  EXPECT_LT(report.found, 100);
  EXPECT_EQ(list.Size(), report.found);
  EXPECT_TRUE(report.message.contains(QString::number(report.found)));
}

TEST(GenerateArithmeticQuestions, ProgressCanCancel) {
  QuestionList list;
  int calls = 0;
  GenerationOptions options = Options(3);
  options.progressInterval = std::chrono::milliseconds(1);
  options.progress = [&](int, int wanted) {
    EXPECT_EQ(wanted, 100);
    return ++calls < 3;
  };
  const GenerationReport report =
      GenerateArithmeticQuestions(Settings(9, "/", 1, 50, 100, 100), options, list);
  EXPECT_EQ(report.status, GenerationStatus::Cancelled);
  EXPECT_EQ(calls, 3);
}

struct MoveCase {
  const char* expression;
  const char* moved;
};

class MoveSubtractionsLastTest : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveSubtractionsLastTest, MovesWholeTermsAndKeepsTheValue) {
  const QString expression = QString::fromLatin1(GetParam().expression);
  const QString moved = MoveSubtractionsLast(expression);
  EXPECT_EQ(moved, QString::fromLatin1(GetParam().moved));
  ExpressionEvaluator evaluator;
  EXPECT_EQ(evaluator.Eval(moved), evaluator.Eval(expression));
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, MoveSubtractionsLastTest,
    testing::Values(MoveCase{"5-8+7-2", "5+7-8-2"}, MoveCase{"5-8+7", "5+7-8"},
                    MoveCase{"5+7", "5+7"}, MoveCase{"7", "7"}, MoveCase{"20-3-4", "20-3-4"},
                    // a product or quotient moves whole: 15-2*3 is not turned into 15*3-2
                    MoveCase{"15-2*3", "15-2*3"}, MoveCase{"5-2*3+10", "5+10-2*3"},
                    MoveCase{"4-12/3+2*5", "4+2*5-12/3"},
                    // signed numbers stay with their operator
                    MoveCase{"5--3+2", "5+2--3"}, MoveCase{"5*-3+20", "5*-3+20"},
                    MoveCase{"-5+9-1", "-5+9-1"}, MoveCase{"-5-1+9", "-5+9-1"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct DisplayCase {
  const char* expression;
  const char16_t* display;
};

class ToDisplayFormTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(ToDisplayFormTest, ShowsSignsAndNegativeNumbers) {
  EXPECT_EQ(ToDisplayForm(QString::fromLatin1(GetParam().expression)),
            QString::fromUtf16(GetParam().display));
}

INSTANTIATE_TEST_SUITE_P(Expressions, ToDisplayFormTest,
                         testing::Values(DisplayCase{"12+7*3-5", u"12+7×3-5"},
                                         DisplayCase{"8/4", u"8÷4"}, DisplayCase{"5--3", u"5-(-3)"},
                                         DisplayCase{"5*-3/-1", u"5×(-3)÷(-1)"},
                                         DisplayCase{"-5+3", u"-5+3"}, DisplayCase{"7", u"7"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace sumwick
