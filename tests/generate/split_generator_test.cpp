#include "split_generator.h"

#include <gtest/gtest.h>

#include <set>

#include "arithmetic_settings.h"

namespace sumwick {
namespace {

struct Block {
  QString whole, left, right;
};

Block Parse(const QString& block) {
  const QStringList lines = block.split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.size(), 3);
  if (lines.size() != 3) return {};
  EXPECT_EQ(lines[1], kSplitArrows);
  // The blank holds spaces itself, so cut after the left part rather than at every gap.
  const QString& bottom = lines[2];
  const qsizetype leftLength =
      bottom.startsWith(kSplitBlank) ? kSplitBlank.size() : bottom.indexOf(u' ');
  EXPECT_EQ(bottom.mid(leftLength, 3), QStringLiteral("   ")) << bottom.toStdString();
  return {lines[0], bottom.left(leftLength), bottom.mid(leftLength + 3)};
}

TEST(MakeSplitBlock, HasTheExactTextFormat) {
  EXPECT_EQ(MakeSplitBlock(8, 3, 5, SplitPosition::Left),
            QString::fromUtf16(u"8\r\n\u2199 \u2198\r\n(    )   5"));
  EXPECT_EQ(MakeSplitBlock(8, 3, 5, SplitPosition::Whole),
            QString::fromUtf16(u"(    )\r\n\u2199 \u2198\r\n3   5"));
  EXPECT_EQ(MakeSplitBlock(10, 4, 6, SplitPosition::Right),
            QString::fromUtf16(u"10\r\n\u2199 \u2198\r\n4   (    )"));
}

struct ModeCase {
  SplitBlankMode mode;
  std::set<SplitPosition> blanks;
};

class SplitModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(SplitModeTest, BlocksAreSoundAndBlankWhereTheModeSays) {
  RandomSource random(17);
  const int range = 10;
  const QStringList blocks = GenerateSplitQuestions(range, 300, GetParam().mode, random);
  ASSERT_EQ(blocks.size(), 300);
  std::set<SplitPosition> blanks;
  for (const QString& text : blocks) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(text.count(kSplitBlank), 1);
    const Block b = Parse(text);
    const bool wholeBlank = b.whole == kSplitBlank, leftBlank = b.left == kSplitBlank,
               rightBlank = b.right == kSplitBlank;
    if (wholeBlank) blanks.insert(SplitPosition::Whole);
    if (leftBlank) blanks.insert(SplitPosition::Left);
    if (rightBlank) blanks.insert(SplitPosition::Right);
    if (!wholeBlank && !leftBlank && !rightBlank) ADD_FAILURE() << "no blank";
    // The two numbers shown must leave a part of at least 1 and a whole from 2 to the range.
    const int whole = b.whole.toInt(), left = b.left.toInt(), right = b.right.toInt();
    if (wholeBlank) {
      EXPECT_TRUE(left >= 1 && right >= 1 && left + right <= range);
    } else if (leftBlank) {
      EXPECT_TRUE(right >= 1 && whole > right && whole <= range);
    } else if (rightBlank) {
      EXPECT_TRUE(left >= 1 && whole > left && whole <= range);
    }
  }
  EXPECT_EQ(blanks, GetParam().blanks);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SplitModeTest,
    testing::Values(ModeCase{SplitBlankMode::Left, {SplitPosition::Left}},
                    ModeCase{SplitBlankMode::Right, {SplitPosition::Right}},
                    ModeCase{SplitBlankMode::Whole, {SplitPosition::Whole}},
                    ModeCase{SplitBlankMode::LeftOrRight,
                             {SplitPosition::Left, SplitPosition::Right}},
                    ModeCase{SplitBlankMode::Any,
                             {SplitPosition::Left, SplitPosition::Right, SplitPosition::Whole}}),
    [](const auto& info) { return "Mode" + std::to_string(static_cast<int>(info.param.mode)); });

TEST(GenerateSplitQuestions, RangeOfTwoHasOneQuestion) {
  RandomSource random(1);
  for (const QString& block : GenerateSplitQuestions(2, 20, SplitBlankMode::Left, random)) {
    EXPECT_EQ(block, QString::fromUtf16(u"2\r\n\u2199 \u2198\r\n(    )   1"));
  }
}

TEST(GenerateSplitQuestions, EveryPairOfARangeOccurs) {
  RandomSource random(4);
  std::set<QString> seen;
  for (const QString& block : GenerateSplitQuestions(5, 2000, SplitBlankMode::Whole, random)) {
    seen.insert(block);
  }
  EXPECT_EQ(seen.size(), 10u);  // 1 <= left < whole <= 5: 1+2+3+4 pairs
}

TEST(GenerateSplitQuestions, RecordsHoldOnlyThePrompt) {
  RandomSource random(2);
  QuestionList list;
  AppendSplitQuestions(GenerateSplitQuestions(10, 10, SplitBlankMode::Any, random), list);
  ASSERT_EQ(list.Size(), 10);
  for (const QuestionRecord& q : list) {
    EXPECT_FALSE(q.prompt.isEmpty());
    EXPECT_TRUE(q.expression.isEmpty() && q.answer.isEmpty() && q.fullText.isEmpty());
  }
}

TEST(CheckSplitSettings, RefusesRangesBelowTwoAndNoQuestions) {
  EXPECT_FALSE(CheckSplitSettings(1, 10).isEmpty());
  EXPECT_FALSE(CheckSplitSettings(0, 10).isEmpty());
  EXPECT_FALSE(CheckSplitSettings(-5, 10).isEmpty());
  EXPECT_FALSE(CheckSplitSettings(10, 0).isEmpty());
  EXPECT_TRUE(CheckSplitSettings(2, 10).isEmpty());
  EXPECT_FALSE(CheckQuestionsPerColumn(0).isEmpty());
  EXPECT_TRUE(CheckQuestionsPerColumn(1).isEmpty());
}

TEST(ReadArithmeticSettings, ReportsNumbersTooLargeInsteadOfWrapping) {
  ArithmeticSettingsTexts texts{QStringLiteral("4"),
                                true,
                                true,
                                false,
                                false,
                                QStringLiteral("5"),
                                QStringLiteral("4294967316"),
                                QStringLiteral("1000"),
                                QStringLiteral("100")};
  const ArithmeticSettingsReading reading = ReadArithmeticSettings(texts);
  EXPECT_TRUE(reading.error.contains(QStringLiteral("最大值")));
  texts.maxValue = QStringLiteral("２０");
  const ArithmeticSettingsReading fine = ReadArithmeticSettings(texts);
  EXPECT_TRUE(fine.error.isEmpty());
  EXPECT_EQ(fine.settings.maxValue, 20);
  EXPECT_EQ(fine.settings.operators, "+-");
}

}  // namespace
}  // namespace sumwick
