#include "sheet_options.h"

#include <functional>
#include <map>

namespace sumwick {
namespace {

bool ParseInt(const QString& text, int* value) {
  bool ok = false;
  const int parsed = text.toInt(&ok);
  if (ok) *value = parsed;
  return ok;
}

std::optional<QString> ParseOperators(const QString& text) {
  bool add = false, subtract = false, multiply = false, divide = false;
  for (const QChar c : text) {
    if (c == u'+') {
      add = true;
    } else if (c == u'-' || c == u'−') {
      subtract = true;
    } else if (c == u'*' || c == u'×') {
      multiply = true;
    } else if (c == u'/' || c == u'÷') {
      divide = true;
    } else {
      return std::nullopt;
    }
  }
  return OperatorList(add, subtract, multiply, divide);
}

std::optional<SplitBlankMode> ParseBlank(const QString& text) {
  static const std::map<QString, SplitBlankMode> kModes{
      {QStringLiteral("left"), SplitBlankMode::Left},
      {QStringLiteral("right"), SplitBlankMode::Right},
      {QStringLiteral("whole"), SplitBlankMode::Whole},
      {QStringLiteral("left-right"), SplitBlankMode::LeftOrRight},
      {QStringLiteral("any"), SplitBlankMode::Any}};
  const auto it = kModes.find(text);
  if (it == kModes.end()) return std::nullopt;
  return it->second;
}

}  // namespace

SheetCommand ParseSheetArguments(const QStringList& arguments) {
  SheetCommand command;
  SheetOptions& o = command.options;
  std::optional<int> count, perColumn;
  QString preset;

  // Flags that take a value; each returns false when the value is not acceptable.
  using Setter = std::function<bool(const QString&)>;
  const std::map<QString, Setter> valued{
      {QStringLiteral("--operands"),
       [&](const QString& v) { return ParseInt(v, &o.arithmetic.operandCount); }},
      {QStringLiteral("--ops"),
       [&](const QString& v) {
         const auto ops = ParseOperators(v);
         if (ops) o.arithmetic.operators = *ops;
         return ops.has_value();
       }},
      {QStringLiteral("--min"),
       [&](const QString& v) { return ParseInt(v, &o.arithmetic.minValue); }},
      {QStringLiteral("--max"),
       [&](const QString& v) { return ParseInt(v, &o.arithmetic.maxValue); }},
      {QStringLiteral("--max-answer"),
       [&](const QString& v) { return ParseInt(v, &o.arithmetic.maxAnswer); }},
      {QStringLiteral("--count"),
       [&](const QString& v) {
         int n = 0;
         if (ParseInt(v, &n)) count = n;
         return count.has_value();
       }},
      {QStringLiteral("--per-column"),
       [&](const QString& v) {
         int n = 0;
         if (ParseInt(v, &n)) perColumn = n;
         return perColumn.has_value();
       }},
      {QStringLiteral("--range"), [&](const QString& v) { return ParseInt(v, &o.splitRange); }},
      {QStringLiteral("--blank"),
       [&](const QString& v) {
         const auto mode = ParseBlank(v);
         if (mode) o.splitBlank = *mode;
         return mode.has_value();
       }},
      {QStringLiteral("--preset"),
       [&](const QString& v) {
         preset = v;
         return v == QStringLiteral("add10") || v == QStringLiteral("sub10");
       }},
      {QStringLiteral("--seed"),
       [&](const QString& v) {
         bool ok = false;
         const std::uint64_t seed = v.toULongLong(&ok);
         if (ok) o.seed = seed;
         return ok;
       }},
      {QStringLiteral("--format"),
       [&](const QString& v) {
         if (v == QStringLiteral("json"))
           o.format = SheetFormat::Json;
         else if (v == QStringLiteral("text"))
           o.format = SheetFormat::Text;
         else
           return false;
         return true;
       }},
      {QStringLiteral("-o"),
       [&](const QString& v) {
         o.outputPath = v;
         return !v.isEmpty();
       }},
  };

  for (qsizetype i = 0; i < arguments.size(); ++i) {
    QString flag = arguments[i];
    std::optional<QString> value;
    if (const qsizetype eq = flag.indexOf(u'='); flag.startsWith(QStringLiteral("--")) && eq > 0) {
      value = flag.mid(eq + 1);
      flag.truncate(eq);
    }
    if (flag == QStringLiteral("--help") || flag == QStringLiteral("-h")) {
      command.showHelp = true;
    } else if (flag == QStringLiteral("--version")) {
      command.showVersion = true;
    } else if (flag == QStringLiteral("--subtract-last")) {
      o.subtractionsLast = true;
    } else if (flag == QStringLiteral("--split")) {
      o.split = true;
    } else if (const auto it = valued.find(flag); it != valued.end()) {
      if (!value) {
        if (i + 1 >= arguments.size()) {
          command.error = QStringLiteral("%1 needs a value").arg(flag);
          return command;
        }
        value = arguments[++i];
      }
      if (!it->second(*value)) {
        command.error = QStringLiteral("bad value for %1: %2").arg(flag, *value);
        return command;
      }
    } else {
      command.error = QStringLiteral("unknown option: %1 (see --help)").arg(arguments[i]);
      return command;
    }
  }

  if (o.split && !preset.isEmpty()) {
    command.error = QStringLiteral("--split and --preset cannot be used together");
    return command;
  }
  if (!preset.isEmpty()) {
    // The grade-one presets: two numbers from 1 to 9, answers up to 10, one operator.
    o.arithmetic.operandCount = 2;
    o.arithmetic.minValue = 1;
    o.arithmetic.maxValue = 9;
    o.arithmetic.maxAnswer = 10;
    o.arithmetic.operators =
        preset == QStringLiteral("add10") ? QStringLiteral("+") : QStringLiteral("-");
  }
  // A number-split worksheet starts from the question-type window's values: 50 questions, 10 a
  // column.
  o.arithmetic.questionCount = count.value_or(o.split ? 50 : 100);
  o.questionsPerColumn = perColumn.value_or(o.split ? 10 : 25);
  return command;
}

QString SheetUsage() {
  return QStringLiteral(
      "Usage: sumwick-sheet [options]\n"
      "Makes the questions of an arithmetic worksheet and writes them as JSON or text.\n"
      "\n"
      "Four operations (defaults in brackets):\n"
      "  --operands N       numbers per question, 1 to 9 [4]\n"
      "  --ops OPS          operators, any of + - * / (also × ÷) [+-]\n"
      "  --min N            smallest number [5]\n"
      "  --max N            largest number [20]\n"
      "  --max-answer N     largest answer; answers are whole numbers from 0 [1000]\n"
      "  --subtract-last    move subtractions to the end (排除小数减大数)\n"
      "  --preset add10|sub10  grade one: 2 numbers from 1 to 9, answers up to 10, + or - only\n"
      "\n"
      "Number splitting:\n"
      "  --split            number-split questions instead [50 questions, 10 a column]\n"
      "  --range R          largest whole number, at least 2 [10]\n"
      "  --blank MODE       left|right|whole|left-right|any: the number left blank [left-right]\n"
      "\n"
      "Worksheet and output:\n"
      "  --count N          number of questions [100]\n"
      "  --per-column N     questions per worksheet column [25]\n"
      "  --seed N           random seed; the same seed and settings give the same questions\n"
      "  --format json|text output format [json]\n"
      "  -o FILE            write to FILE instead of standard output\n"
      "  --help, --version\n"
      "\n"
      "Exit status: 0 done; 2 bad option or settings that can never be met; 3 generation gave up\n"
      "because the settings are met too rarely.\n");
}

}  // namespace sumwick
