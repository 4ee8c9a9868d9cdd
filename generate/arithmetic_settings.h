#pragma once

#include <QString>

namespace sumwick {

// What one four-operations generation run needs. The main window reads it from its controls,
// the command-line tool from its flags.
struct ArithmeticSettings {
  int operandCount = 4;
  QString operators = QStringLiteral("+-");  // a subset of "+-*/", always in that order
  int minValue = 5;
  int maxValue = 20;
  int maxAnswer = 1000;
  int questionCount = 100;
};

// The settings as the main window's controls hold them.
struct ArithmeticSettingsTexts {
  QString operandCount;
  bool add = false;
  bool subtract = false;
  bool multiply = false;
  bool divide = false;
  QString minValue;
  QString maxValue;
  QString maxAnswer;
  QString questionCount;
};

struct ArithmeticSettingsReading {
  ArithmeticSettings settings;
  QString error;  // empty when every number could be read
};

// Reads the numbers by the integer reading rule; a number too large for 32 bits is an error.
ArithmeticSettingsReading ReadArithmeticSettings(const ArithmeticSettingsTexts& texts);

// The operator list for the chosen operators, in the fixed order "+", "-", "*", "/".
QString OperatorList(bool add, bool subtract, bool multiply, bool divide);

// Why generation with these settings could never finish, in words for the user; empty when it can.
QString CheckArithmeticSettings(const ArithmeticSettings& settings);
QString CheckQuestionsPerColumn(int questionsPerColumn);

// Why a number-split worksheet with this range and count cannot be made; empty when it can.
QString CheckSplitSettings(int range, int questionCount);

}  // namespace sumwick
