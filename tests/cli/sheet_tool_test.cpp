#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "sheet_options.h"
#include "sheet_tool_runner.h"

namespace sumwick {
namespace {

struct ExitCase {
  const char* name;
  QStringList arguments;
  int exitCode;
};

class SheetToolExitTest : public testing::TestWithParam<ExitCase> {};

TEST_P(SheetToolExitTest, ExitsWithTheRightStatusAndOneLineMessage) {
  const ToolRun run = RunTool(GetParam().arguments);
  EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
  if (run.exitCode != 0) {
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SheetToolExitTest,
    testing::Values(
        ExitCase{"Defaults", {}, 0}, ExitCase{"Help", {"--help"}, 0},
        ExitCase{"Version", {"--version"}, 0}, ExitCase{"UnknownFlag", {"--colour"}, 2},
        ExitCase{"MissingValue", {"--count"}, 2}, ExitCase{"NotANumber", {"--min", "ten"}, 2},
        ExitCase{"TooLargeForInt", {"--max", "4294967297"}, 2},
        ExitCase{"BadOperator", {"--ops", "+%"}, 2}, ExitCase{"NoOperator", {"--ops", ""}, 2},
        ExitCase{"MinAboveMax", {"--min", "30"}, 2}, ExitCase{"ZeroCount", {"--count", "0"}, 2},
        ExitCase{"ZeroPerColumn", {"--per-column", "0"}, 2},
        ExitCase{"TooManyNumbers", {"--operands", "10"}, 2},
        ExitCase{"SplitRangeOne", {"--split", "--range", "1"}, 2},
        ExitCase{"BadBlank", {"--split", "--blank", "middle"}, 2},
        ExitCase{"BadPreset", {"--preset", "add20"}, 2},
        ExitCase{"SplitWithPreset", {"--split", "--preset", "add10"}, 2},
        ExitCase{"BadFormat", {"--format", "xml"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SheetTool, GivesUpWithStatusThreeAndSaysHowManyItFound) {
  const ToolRun run = RunTool({"--operands", "9", "--ops", "/", "--min", "1", "--max", "50",
                               "--max-answer", "100", "--count", "10"});
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("需要 10 道")));
}

TEST(SheetTool, JsonNamesItsSeedSoARunCanBeRepeated) {
  const ToolRun first =
      RunTool({"--count", "30", "--per-column", "10", "--ops", "+-*/", "--subtract-last"});
  ASSERT_EQ(first.exitCode, 0);
  const QJsonObject sheet = QJsonDocument::fromJson(first.out).object();
  EXPECT_EQ(sheet["questionCount"].toInt(), 30);
  EXPECT_EQ(sheet["questionsPerColumn"].toInt(), 10);
  const QJsonArray questions = sheet["questions"].toArray();
  ASSERT_EQ(questions.size(), 30);
  for (const auto& q : questions) {
    const QJsonObject o = q.toObject();
    EXPECT_EQ(o["fullText"].toString(), o["prompt"].toString() + o["answer"].toString());
  }
  const QString seed = QString::number(sheet["seed"].toInteger());
  const ToolRun again = RunTool(
      {"--count", "30", "--per-column", "10", "--ops", "+-*/", "--subtract-last", "--seed", seed});
  EXPECT_EQ(again.out, first.out);
}

TEST(SheetTool, PresetsAndSplitsAsText) {
  const ToolRun add = RunTool({"--preset", "add10", "--count", "20", "--format", "text"});
  ASSERT_EQ(add.exitCode, 0);
  const QStringList lines = QString::fromUtf8(add.out).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 20);
  for (const QString& line : lines) {
    EXPECT_TRUE(line.contains(u'+') && !line.contains(u'-')) << line.toStdString();
    EXPECT_LE(line.section(u'=', 1).toInt(), 10);
  }

  const ToolRun split =
      RunTool({"--split", "--range", "5", "--count", "4", "--blank", "whole", "--format", "text"});
  ASSERT_EQ(split.exitCode, 0);
  const QString text = QString::fromUtf8(split.out);
  EXPECT_EQ(text.count(QStringLiteral("(    )\n↙ ↘\n")), 4);
  EXPECT_EQ(text.count(QStringLiteral("\n\n")), 3);
  EXPECT_FALSE(text.contains(u'\r'));
}

TEST(SheetTool, WritesToAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sheet.json"));
  const ToolRun run = RunTool({"--split", "-o", path});
  ASSERT_EQ(run.exitCode, 0);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QJsonObject sheet = QJsonDocument::fromJson(file.readAll()).object();
  EXPECT_EQ(sheet["questions"].toArray().size(), 50);  // the number-split page's defaults
  EXPECT_EQ(sheet["questionsPerColumn"].toInt(), 10);
  EXPECT_TRUE(sheet["questions"].toArray()[0].toObject()["prompt"].toString().contains(
      QStringLiteral("\r\n")));
}

TEST(SheetTool, WritesIntoAPipeWithoutReplacingIt) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
  QProcess reader;
  reader.start(QStringLiteral("cat"), {fifo});
  ASSERT_TRUE(reader.waitForStarted());
  const ToolRun run = RunTool({"--count", "3", "--format", "text", "-o", fifo});
  ASSERT_TRUE(reader.waitForFinished(10000));
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(reader.readAllStandardOutput().count('\n'), 3);
  EXPECT_FALSE(QFileInfo(fifo).isFile());  // still a pipe, not a file put in its place
}

TEST(ParseSheetArguments, AcceptsEqualsFormAndSymbolOperators) {
  const SheetCommand command = ParseSheetArguments(
      {"--ops=÷×", "--min=-5", "--max", "5", "--operands", "2", "--seed=7", "--format=text"});
  ASSERT_TRUE(command.error.isEmpty()) << command.error.toStdString();
  EXPECT_EQ(command.options.arithmetic.operators, "*/");
  EXPECT_EQ(command.options.arithmetic.minValue, -5);
  EXPECT_EQ(command.options.seed, 7u);
  EXPECT_EQ(command.options.format, SheetFormat::Text);
}

}  // namespace
}  // namespace sumwick
