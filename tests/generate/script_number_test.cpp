#include "script_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sumwick {
namespace {

struct NumberCase {
  double value;
  const char* text;
};

class ScriptNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ScriptNumberTest, WritesAsTheScriptLanguage) {
  EXPECT_EQ(FormatScriptNumber(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScriptNumberTest,
    testing::Values(NumberCase{28, "28"}, NumberCase{-5, "-5"}, NumberCase{2.5, "2.5"},
                    NumberCase{10.0 / 3, "3.3333333333333335"},
                    NumberCase{0.1 + 0.2, "0.30000000000000004"}, NumberCase{-0.0, "0"},
                    NumberCase{0, "0"}, NumberCase{1e21, "1e+21"},
                    NumberCase{1e20, "100000000000000000000"},
                    NumberCase{1152921504606846976.0, "1152921504606847000"},
                    NumberCase{123456789.125, "123456789.125"}, NumberCase{0.000001, "0.000001"},
                    NumberCase{1e-7, "1e-7"}, NumberCase{-1.5e-9, "-1.5e-9"},
                    NumberCase{2.5e25, "2.5e+25"},
                    NumberCase{9007199254740991.0, "9007199254740991"},
                    NumberCase{std::numeric_limits<double>::infinity(), "Infinity"},
                    NumberCase{-std::numeric_limits<double>::infinity(), "-Infinity"},
                    NumberCase{std::nan(""), "NaN"},
                    NumberCase{std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
                    NumberCase{5e-324, "5e-324"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace sumwick
