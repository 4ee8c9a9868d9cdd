#include "arithmetic_settings.h"

#include <cstdint>

#include "integer_reading.h"

namespace sumwick {

namespace {

// Reads one setting; on a number too large for 32 bits it leaves an error naming the field.
int ReadField(const QString& text, const QString& fieldName, QString& error) {
  const IntegerReading reading = ReadInteger(text);
  if (reading.tooLarge && error.isEmpty()) {
    error = QStringLiteral("“%1”中的数字太大，请输入 -2147483648 到 2147483647 之间的数。")
                .arg(fieldName);
  }
  return reading.value;
}

}  // namespace

QString OperatorList(bool add, bool subtract, bool multiply, bool divide) {
  QString operators;
  if (add) operators += u'+';
  if (subtract) operators += u'-';
  if (multiply) operators += u'*';
  if (divide) operators += u'/';
  return operators;
}

ArithmeticSettingsReading ReadArithmeticSettings(const ArithmeticSettingsTexts& texts) {
  ArithmeticSettingsReading reading;
  ArithmeticSettings& s = reading.settings;
  QString& error = reading.error;
  s.operandCount = ReadField(texts.operandCount, QStringLiteral("每题数字个数"), error);
  s.operators = OperatorList(texts.add, texts.subtract, texts.multiply, texts.divide);
  s.minValue = ReadField(texts.minValue, QStringLiteral("最小值"), error);
  s.maxValue = ReadField(texts.maxValue, QStringLiteral("最大值"), error);
  s.maxAnswer = ReadField(texts.maxAnswer, QStringLiteral("答案范围"), error);
  s.questionCount = ReadField(texts.questionCount, QStringLiteral("出题数量"), error);
  return reading;
}

QString CheckArithmeticSettings(const ArithmeticSettings& s) {
  if (s.operators.isEmpty()) return QStringLiteral("请至少选择一种运算（加、减、乘、除）。");
  if (s.operandCount < 1 || s.operandCount > 9) {
    return QStringLiteral("每题的数字个数必须在 1 到 9 之间，现在是 %1。").arg(s.operandCount);
  }
  if (s.minValue > s.maxValue) {
    return QStringLiteral("最小值 %1 大于最大值 %2，请重新设置数值范围。")
        .arg(s.minValue)
        .arg(s.maxValue);
  }
  const std::int64_t distinctValues = std::int64_t{s.maxValue} - s.minValue + 1;
  if (distinctValues < s.operandCount) {
    return QStringLiteral(
               "%1 到 %2 之间只有 %3 个不同的数，不够每题 %4 个不同的数，"
               "请扩大数值范围或减少每题的数字个数。")
        .arg(s.minValue)
        .arg(s.maxValue)
        .arg(distinctValues)
        .arg(s.operandCount);
  }
  if (s.maxAnswer < 0) {
    return QStringLiteral("答案范围 %1 小于 0，没有题目的答案能在这个范围内。").arg(s.maxAnswer);
  }
  if (s.questionCount < 1) {
    return QStringLiteral("出题数量至少为 1，现在是 %1。").arg(s.questionCount);
  }
  return {};
}

QString CheckQuestionsPerColumn(int questionsPerColumn) {
  if (questionsPerColumn < 1) {
    return QStringLiteral("每列显示题目数量至少为 1，现在是 %1。").arg(questionsPerColumn);
  }
  return {};
}

QString CheckSplitSettings(int range, int questionCount) {
  if (range < 2) {
    return QStringLiteral("分成范围至少为 2（要分成两个不小于 1 的数），现在是 %1。").arg(range);
  }
  if (questionCount < 1) {
    return QStringLiteral("出题数量至少为 1，现在是 %1。").arg(questionCount);
  }
  return {};
}

}  // namespace sumwick
