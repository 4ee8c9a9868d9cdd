#include "pattern_matcher.h"

#include <gtest/gtest.h>

namespace sumwick {
namespace {

TEST(PatternMatcher, FindsSubtractedNumbersAndRemovesThem) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Execute(QStringLiteral("\\-\\d+"), QStringLiteral("5-8+7-2")));
  ASSERT_EQ(matcher.Count(), 2);
  EXPECT_EQ(matcher.MatchText(1), "-8");
  EXPECT_EQ(matcher.MatchText(2), "-2");
  EXPECT_EQ(matcher.MatchText(3), "");
  EXPECT_EQ(matcher.Replace({}), "5+7");
}

TEST(PatternMatcher, NoMatchStillSucceeds) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.Execute(QStringLiteral("\\-\\d+"), QStringLiteral("5+7")));
  EXPECT_EQ(matcher.Count(), 0);
  EXPECT_EQ(matcher.Replace({}), "5+7");
}

TEST(PatternMatcher, SecondExecuteForgetsTheFirst) {
  PatternMatcher matcher;
  matcher.Execute(QStringLiteral("\\d"), QStringLiteral("1a2b3"));
  matcher.Execute(QStringLiteral("b"), QStringLiteral("abc"));
  EXPECT_EQ(matcher.Count(), 1);
  EXPECT_EQ(matcher.Replace(QStringLiteral("-")), "a-c");
}

TEST(PatternMatcher, Options) {
  PatternMatcher matcher;
  matcher.Execute(QStringLiteral("a"), QStringLiteral("AaA"));
  EXPECT_EQ(matcher.Count(), 3);  // case-insensitive and global by default
  matcher.Execute(QStringLiteral("a"), QStringLiteral("AaA"), {.caseSensitive = true});
  EXPECT_EQ(matcher.Count(), 1);
  matcher.Execute(QStringLiteral("a"), QStringLiteral("aaa"), {.global = false});
  EXPECT_EQ(matcher.Count(), 1);
  EXPECT_EQ(matcher.Replace(QStringLiteral("b")), "baa");
  matcher.Execute(QStringLiteral("^x"), QStringLiteral("x\nx"));
  EXPECT_EQ(matcher.Count(), 2);  // multiline
  matcher.Execute(QStringLiteral("#引号\\w+#引号"), QStringLiteral("say \"hi\""),
                  {.quoteEscape = true});
  EXPECT_EQ(matcher.MatchText(1), "\"hi\"");
}

TEST(PatternMatcher, InvalidPatternFails) {
  PatternMatcher matcher;
  EXPECT_FALSE(matcher.Execute(QStringLiteral("("), QStringLiteral("abc")));
  EXPECT_EQ(matcher.Count(), 0);
  EXPECT_EQ(matcher.Replace({}), "");
}

}  // namespace
}  // namespace sumwick
