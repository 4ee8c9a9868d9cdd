// sumwick-sheet --format pdf: runs the tool and reads the PDF back with pdftotext.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "sheet_options.h"
#include "sheet_tool_runner.h"

namespace sumwick {
namespace {

// A fixed date and time zone, so that the header is known.
ToolRun RunTool(const QStringList& arguments) {
  QProcessEnvironment env;
  env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1573308309"));  // 2019-11-09
  env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
  return sumwick::RunTool(arguments, env);
}

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), path, QStringLiteral("-")});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

QSet<QString> Tokens(const QString& text) {
  const QStringList list =
      text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  return QSet<QString>(list.begin(), list.end());
}

QSet<QString> NumberTokens(const QSet<QString>& tokens) {
  QSet<QString> numbers;
  static const QRegularExpression number(QStringLiteral("^\\d+$"));
  for (const QString& t : tokens)
    if (number.match(t).hasMatch()) numbers.insert(t);
  return numbers;
}

QSet<QString> Serials(int n) {
  QSet<QString> s;
  for (int i = 1; i <= n; ++i) s.insert(QString::number(i));
  return s;
}

QJsonArray Questions(const QStringList& arguments) {
  const ToolRun run = RunTool(arguments + QStringList{"--format", "json"});
  return QJsonDocument::fromJson(run.out).object()["questions"].toArray();
}

const QStringList kSheet{"--count", "20", "--per-column", "10", "--seed", "42"};

TEST(SheetPdf, DotPdfFileNameChoosesPdfWithTheSameQuestionsAsJson) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  const ToolRun run = RunTool(kSheet + QStringList{"-o", path});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");

  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral("题目数：20"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("日期：2019/11/9"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("14:05:09"))) << text.toStdString();
  const QSet<QString> tokens = Tokens(text);
  for (const QJsonValue& q : Questions(kSheet)) {
    EXPECT_TRUE(tokens.contains(q["prompt"].toString())) << q["prompt"].toString().toStdString();
    EXPECT_TRUE(tokens.contains(q["answer"].toString())) << q["answer"].toString().toStdString();
  }
  EXPECT_TRUE(NumberTokens(tokens).contains(Serials(20)));
}

TEST(SheetPdf, HiddenAnswersAndSerialsLeaveOnlyThePrompts) {
  QTemporaryDir dir;
  const QString answersHidden = dir.filePath(QStringLiteral("a.out"));
  ASSERT_EQ(RunTool(kSheet + QStringList{"--format", "pdf", "--hide-answers", "-o", answersHidden})
                .exitCode,
            0);
  // Without answers the only bare numbers are the serial numbers.
  EXPECT_EQ(NumberTokens(Tokens(PdfText(answersHidden))), Serials(20));

  const QString bothHidden = dir.filePath(QStringLiteral("b.pdf"));
  ASSERT_EQ(
      RunTool(kSheet + QStringList{"--hide-answers", "--hide-serials", "--portrait", "--bold",
                                   "--font-size", "14", "--row-height", "40", "--align", "left",
                                   "--hide-grid", "--margins", "30,40,30,40", "-o", bothHidden})
          .exitCode,
      0);
  const QSet<QString> tokens = Tokens(PdfText(bothHidden));
  EXPECT_TRUE(NumberTokens(tokens).isEmpty());
  for (const QJsonValue& q : Questions(kSheet))
    EXPECT_TRUE(tokens.contains(q["prompt"].toString()));
}

TEST(SheetPdf, NumberSplitWorksheetShowsArrowsAndBlanksWithoutAnswers) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("split.pdf"));
  const ToolRun run =
      RunTool({"--split", "--count", "12", "--per-column", "6", "--seed", "3", "-o", path});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains(QStringLiteral("题目数：12")));
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("↙\\s*↘"))), 12) << text.toStdString();
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("\\(\\s*\\)"))), 12);
  EXPECT_TRUE(NumberTokens(Tokens(text)).contains(Serials(12)));
}

TEST(SheetPdf, ScaleTurnsTheFitSearchOff) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("big.pdf"));
  // 100 questions at 100 % do not fit one landscape page: more than one page prints.
  ASSERT_EQ(
      RunTool({"--count", "100", "--per-column", "10", "--seed", "5", "--scale", "100", "-o", path})
          .exitCode,
      0);
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {path});
  info.waitForFinished(30000);
  const QString out = QString::fromUtf8(info.readAllStandardOutput());
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out);
  ASSERT_TRUE(pages.hasMatch()) << out.toStdString();
  EXPECT_GT(pages.captured(1).toInt(), 1);

  const QString fitted = dir.filePath(QStringLiteral("fitted.pdf"));
  ASSERT_EQ(RunTool({"--count", "100", "--per-column", "10", "--seed", "5", "-o", fitted}).exitCode,
            0);
  info.start(QStringLiteral("pdfinfo"), {fitted});
  info.waitForFinished(30000);
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
}

struct BadCase {
  const char* name;
  QStringList arguments;
  friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }
};

class SheetPdfBadValues : public ::testing::TestWithParam<BadCase> {};

TEST_P(SheetPdfBadValues, ExitTwoWithOneLine) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("x.pdf"));
  const ToolRun run = RunTool(GetParam().arguments + QStringList{"-o", path});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Flags, SheetPdfBadValues,
                         ::testing::Values(BadCase{"MarginsThree", {"--margins", "1,2,3"}},
                                           BadCase{"MarginsNegative", {"--margins", "1,2,-3,4"}},
                                           BadCase{"MarginsWord", {"--margins", "a,b,c,d"}},
                                           BadCase{"MarginsHuge", {"--margins", "50,50,50,5000"}},
                                           BadCase{"FontSizeZero", {"--font-size", "0"}},
                                           BadCase{"FontSizeWord", {"--font-size", "big"}},
                                           BadCase{"RowHeightZero", {"--row-height", "0"}},
                                           BadCase{"AlignRight", {"--align", "right"}},
                                           BadCase{"ScaleZero", {"--scale", "0"}},
                                           BadCase{"ScaleHuge", {"--scale", "5000"}},
                                           BadCase{"ScalePercentSign", {"--scale", "50%"}},
                                           BadCase{"FormatPdfPerColumnZero",
                                                   {"--format", "pdf", "--per-column", "0"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseSheetArguments, PdfFlagsFillTheStyle) {
  const SheetCommand command =
      ParseSheetArguments({"--portrait", "--margins", "10,20,30,40", "--bold", "--font-size=16",
                           "--row-height", "30", "--align", "center", "--hide-answers",
                           "--hide-serials", "--hide-grid", "--scale", "80", "-o", "x.PDF"});
  ASSERT_TRUE(command.error.isEmpty()) << command.error.toStdString();
  const SheetOptions& o = command.options;
  EXPECT_EQ(o.format, SheetFormat::Pdf);
  EXPECT_FALSE(o.style.landscape);
  EXPECT_EQ(o.style.marginTop, 10);
  EXPECT_EQ(o.style.marginLeft, 20);
  EXPECT_EQ(o.style.marginBottom, 30);
  EXPECT_EQ(o.style.marginRight, 40);
  EXPECT_TRUE(o.style.bold);
  EXPECT_EQ(o.style.fontSize, 16);
  EXPECT_EQ(o.style.rowHeight, 30);
  EXPECT_TRUE(o.style.alignCenter);
  EXPECT_FALSE(o.style.alignLeft);
  EXPECT_TRUE(o.style.hideAnswers && o.style.hideSerials && o.style.hideGrid);
  EXPECT_FALSE(o.style.fitToOnePage);
  EXPECT_EQ(o.style.scalePercent, 80);
}

TEST(ParseSheetArguments, PdfDefaultsAreThePrintSetupWindowsInitialValues) {
  const SheetCommand command = ParseSheetArguments({"-o", "sheet.pdf"});
  ASSERT_TRUE(command.error.isEmpty());
  EXPECT_EQ(command.options.format, SheetFormat::Pdf);
  EXPECT_EQ(command.options.style, WorksheetStyle{});
  EXPECT_TRUE(command.options.style.landscape);
  EXPECT_TRUE(command.options.style.fitToOnePage);
  EXPECT_EQ(command.options.style.fontSize, 10);
  EXPECT_EQ(command.options.style.marginTop, 50);
  // An explicit format wins over the file name.
  EXPECT_EQ(ParseSheetArguments({"--format", "text", "-o", "sheet.pdf"}).options.format,
            SheetFormat::Text);
  EXPECT_EQ(ParseSheetArguments({"-o", "sheet.json"}).options.format, SheetFormat::Json);
}

}  // namespace
}  // namespace sumwick
