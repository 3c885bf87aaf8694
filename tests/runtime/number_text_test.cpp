#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/string.h"

using tazmix::FloatToInt;
using tazmix::String;

TEST(NumberText, IntToTextIsPlainDecimal) {
  EXPECT_EQ(String::FromInt(-7), String("-7"));
  EXPECT_EQ(String::FromInt(0), String("0"));
  EXPECT_EQ(String::FromInt(123), String("123"));
  EXPECT_EQ(String::FromInt(INT32_MIN), String("-2147483648"));
  EXPECT_EQ(String::FromLong(INT64_MIN), String("-9223372036854775808"));
}

TEST(NumberText, TextToIntReadsBlanksSignBinaryAndHex) {
  EXPECT_EQ(String("  -42x").ToInt(), -42);
  EXPECT_EQ(String("$ff").ToInt(), 255);
  EXPECT_EQ(String("$FF").ToInt(), 255);
  EXPECT_EQ(String("%101").ToInt(), 5);
  EXPECT_EQ(String("%102").ToInt(), 2);
  EXPECT_EQ(String("abc").ToInt(), 0);
  EXPECT_EQ(String("").ToInt(), 0);
  EXPECT_EQ(String("   ").ToInt(), 0);
  EXPECT_EQ(String("+17").ToInt(), 17);
  EXPECT_EQ(String("-$10").ToInt(), -16);
  EXPECT_EQ(String("\t\n 8").ToInt(), 8);
  // No overflow check: the value wraps like the machine's arithmetic.
  EXPECT_EQ(String("4294967297").ToInt(), 1);
  EXPECT_EQ(String("-2147483648").ToInt(), INT32_MIN);
  EXPECT_EQ(String("9223372036854775807").ToLong(), INT64_MAX);
}

TEST(NumberText, FloatToIntTruncatesTowardZero) {
  EXPECT_EQ(FloatToInt(2.9), 2);
  EXPECT_EQ(FloatToInt(-2.9), -2);
  EXPECT_EQ(FloatToInt(3.5), 3);
  EXPECT_EQ(FloatToInt(-3.5), -3);
  EXPECT_EQ(FloatToInt(0.5), 0);
  EXPECT_EQ(FloatToInt(-0.5), 0);
  EXPECT_EQ(FloatToInt(2147483647.0), INT32_MAX);
  EXPECT_EQ(FloatToInt(-2147483648.0), INT32_MIN);
  EXPECT_EQ(FloatToInt(3e9), INT32_MIN);
  EXPECT_EQ(FloatToInt(-3e9), INT32_MIN);
  EXPECT_EQ(FloatToInt(std::nan("")), INT32_MIN);
  EXPECT_EQ(FloatToInt(std::numeric_limits<double>::infinity()), INT32_MIN);
}

TEST(NumberText, FloatsFormatWithNineOrSeventeenDigits) {
  EXPECT_EQ(String::FromFloat(1.5f), String("1.50000000"));
  EXPECT_EQ(String::FromFloat(100.0f), String("100.000000"));
  EXPECT_EQ(String::FromFloat(0.1f), String("0.100000001"));
  EXPECT_EQ(String::FromDouble(0.5), String("0.50000000000000000"));
}

TEST(NumberText, TextToFloatStopsAtFirstMisfit) {
  EXPECT_DOUBLE_EQ(String(" 2.5e3xyz").ToDouble(), 2500.0);
  EXPECT_DOUBLE_EQ(String("abc").ToDouble(), 0.0);
  EXPECT_FLOAT_EQ(String("0.1").ToFloat(), 0.1f);
}

TEST(NumberText, TextToFloatReadsOnlyTheDecimalForm) {
  // What the standard conversion would also read as hexadecimal, infinity or
  // NaN gives 0 or stops where the decimal form ends.
  const struct {
    const char* text;
    double value;
  } rows[] = {
      {"0x10", 0.0},     {"-0X1p4", 0.0},   {"nan", 0.0},       {"-nan(1)", 0.0},
      {"inf", 0.0},      {"Infinity", 0.0}, {" +INF", 0.0},     {"12abc", 12.0},
      {"5.", 5.0},       {"-.5e+1x", -5.0}, {"1e+", 1.0},       {"..5", 0.0},
      {"+-1", 0.0},      {"1.5.5", 1.5},    {"\v\f\r 7", 7.0},  {"2e-400", 0.0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(String(row.text).ToDouble(), row.value) << row.text;
    EXPECT_EQ(String(row.text).ToFloat(), static_cast<float>(row.value)) << row.text;
  }
  EXPECT_EQ(String("-1e400").ToDouble(), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(String(std::string(100000, '1') + "e-99990").ToDouble(), 1.1111111111111111e9);
}
