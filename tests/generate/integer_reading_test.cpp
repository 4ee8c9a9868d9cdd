#include "integer_reading.h"

#include <gtest/gtest.h>

#include <QString>

namespace sumwick {
namespace {

struct ReadingCase {
  const char16_t* text;
  int value;
  bool tooLarge;
};

class IntegerReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(IntegerReadingTest, ReadsLeadingNumber) {
  const ReadingCase& c = GetParam();
  const IntegerReading reading = ReadInteger(QString::fromUtf16(c.text));
  EXPECT_EQ(reading.value, c.value);
  EXPECT_EQ(reading.tooLarge, c.tooLarge);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerReadingTest,
    testing::Values(ReadingCase{u"20", 20, false}, ReadingCase{u"  -15", -15, false},
                    ReadingCase{u"+7", 7, false}, ReadingCase{u"12abc", 12, false},
                    ReadingCase{u"3.9", 3, false},
                    // full-width digits, sign and ideographic space read as their ASCII forms
                    ReadingCase{u"\uFF11\uFF10\uFF10", 100, false},
                    ReadingCase{u"\u3000\uFF0D\uFF15", -5, false}, ReadingCase{u"", 0, false},
                    ReadingCase{u"abc", 0, false}, ReadingCase{u"-", 0, false},
                    ReadingCase{u"- 5", 0, false}, ReadingCase{u"2147483647", 2147483647, false},
                    ReadingCase{u"-2147483648", -2147483647 - 1, false},
                    // never wraps into another number
                    ReadingCase{u"2147483648", 0, true}, ReadingCase{u"4294967301", 0, true},
                    ReadingCase{u"-2147483649", 0, true},
                    ReadingCase{u"99999999999999999999999999", 0, true},
                    ReadingCase{u"0000000000000000000042", 42, false}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace sumwick
