#include "expression_evaluator.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "arithmetic_generator.h"
#include "random_source.h"

namespace sumwick {
namespace {

struct EvalCase {
  const char* expression;
  const char* text;
};

class EvalTest : public testing::TestWithParam<EvalCase> {};

TEST_P(EvalTest, GivesTheScriptLanguagesText) {
  ExpressionEvaluator evaluator;
  EXPECT_EQ(evaluator.Eval(QString::fromLatin1(GetParam().expression)),
            QString::fromLatin1(GetParam().text));
  EXPECT_TRUE(evaluator.LastError().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, EvalTest,
    testing::Values(EvalCase{"7", "7"}, EvalCase{"12+7*3-5", "28"}, EvalCase{"3-8", "-5"},
                    EvalCase{"8/4", "2"}, EvalCase{"7/2", "3.5"}, EvalCase{"10/4", "2.5"},
                    EvalCase{"9/3", "3"}, EvalCase{"2-9+3", "-4"},
                    EvalCase{"10/3", "3.3333333333333335"},
                    EvalCase{"20-5-3", "12"},  // left to right, not 20-(5-3)
                    EvalCase{"64/8/2", "4"},   // left to right, not 64/(8/2)
                    EvalCase{"1/3*3", "1"}, EvalCase{"5--3", "8"}, EvalCase{"5*-3", "-15"},
                    EvalCase{"-5+3", "-2"}, EvalCase{"5+-3", "2"}, EvalCase{"0*-3", "0"},
                    EvalCase{"1/0", "Infinity"}, EvalCase{"-1/0", "-Infinity"},
                    EvalCase{"0/0", "NaN"},
                    EvalCase{"2147483647*2147483647*2147483647", "9.903520300447984e+27"},
                    EvalCase{"100000000000000000000000", "1e+23"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ExpressionEvaluator, FailsWithAnEmptyTextAndAReason) {
  ExpressionEvaluator evaluator;
  for (const char* bad : {"", "5+", "*5", "5**3", "5+a", "(5)", "5 6"}) {
    SCOPED_TRACE(bad);
    EXPECT_TRUE(evaluator.Eval(QString::fromLatin1(bad)).isEmpty());
    EXPECT_FALSE(evaluator.LastError().isEmpty());
    EXPECT_FALSE(evaluator.Evaluate(QString::fromLatin1(bad)).valid);
  }
  EXPECT_EQ(evaluator.Eval(u"1+1"), "2");
  EXPECT_TRUE(evaluator.LastError().isEmpty());
}

// Expressions of the shapes the generators build, with ranges that reach negative numbers,
// zero divisors and large products.
QStringList RandomExpressions(int count) {
  RandomSource random(2024);
  const int ranges[][2] = {{1, 20}, {0, 10}, {-20, 20}, {1, 1000}, {-2147483647, 2147483647}};
  const QString operators = QStringLiteral("+-*/");
  QStringList expressions;
  for (int i = 0; i < count; ++i) {
    const auto& range = ranges[random.RandomInRange(0, 4)];
    const int operands = random.RandomInRange(1, 9);
    QString expression;
    for (int n = 0; n < operands; ++n) {
      if (n > 0) expression += operators[random.RandomInRange(0, 3)];
      expression += QString::number(random.RandomInRange(range[0], range[1]));
    }
    expressions << expression;
  }
  return expressions;
}

// The script language needs a negative number after an operator in parentheses (5--3 would
// be a decrement there); the printed form does just that.
QString ForScript(const QString& expression) {
  return ToDisplayForm(expression).replace(u'×', u'*').replace(u'÷', u'/');
}

TEST(ExpressionEvaluator, AgreesWithNodeOnRandomExpressions) {
  const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
  if (node.isEmpty()) GTEST_SKIP() << "node is not installed; the comparison with it is skipped";

  const QStringList expressions = RandomExpressions(5000);
  QStringList scriptForms;
  for (const QString& e : expressions) scriptForms << ForScript(e);

  QProcess process;
  process.start(
      node, {QStringLiteral("-e"),
             QStringLiteral("const lines=require('fs').readFileSync(0,'utf8').split('\\n');"
                            "lines.pop();"
                            "process.stdout.write(lines.map(l=>String(eval(l))).join('\\n'));")});
  ASSERT_TRUE(process.waitForStarted());
  process.write((scriptForms.join(u'\n') + u'\n').toUtf8());
  process.closeWriteChannel();
  ASSERT_TRUE(process.waitForFinished(60000));
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  const QStringList expected = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
  ASSERT_EQ(expected.size(), expressions.size());

  ExpressionEvaluator evaluator;
  int mismatches = 0;
  for (qsizetype i = 0; i < expressions.size() && mismatches < 10; ++i) {
    const QString ours = evaluator.Eval(expressions[i]);
    if (ours != expected[i]) {
      ++mismatches;
      ADD_FAILURE() << expressions[i].toStdString() << ": ours " << ours.toStdString() << ", node "
                    << expected[i].toStdString();
    }
  }
}

}  // namespace
}  // namespace sumwick
