#include "keyboard/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace keyboard {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();
constexpr double kTwoToThe63 = 9223372036854775808.0;
constexpr std::int32_t kSmallestInteger = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kLargestInteger = std::numeric_limits<std::int32_t>::max();

// Doubles compare by their bits: that tells -0 from 0 and checks the last bit of a rounding.
std::uint64_t Bits(double number) {
  return std::bit_cast<std::uint64_t>(number);
}

TEST(NumberTextTest, TextToNumberAndTruncateToInteger) {
  const std::string zeros(4980, '0');
  // 2^53 + 1 lies exactly between two doubles; a set digit thousands of places later decides.
  const std::string tie_of_many_digits = "9007199254740993" + zeros + "e-4980";
  const std::string above_tie_far_away = "9007199254740993" + zeros + "1e-4981";
  const std::string long_fraction = "0." + zeros + "1e4981";
  const std::string long_leading_zeros = zeros + "7";
  struct {
    const char *text;
    double number;
    std::int32_t integer;
  } const cases[] = {
      {"2", 2, 2},
      {nullptr, 0, 0},
      {"", 0, 0},
      {"abc", 0, 0},
      {"2.9", 2.9, 2},
      {"-2.9", -2.9, -2},
      {"-1", -1, -1},
      {"-0.5", -0.5, 0},
      {"+2", 2, 2},
      {"\t  3", 3, 3},
      {"3abc", 3, 3},
      {"3 4", 3, 3},
      {"3,5", 3, 3},
      {".9", 0.9, 0},
      {"9.", 9, 9},
      {"1e1", 10, 10},
      {"1E1", 10, 10},
      {"1d1", 10, 10},
      {"1D1", 10, 10},
      {"1e", 1, 1},
      {"1e+", 1, 1},
      {"2e-1", 0.2, 0},
      {"0x10", 0, 0},
      {"\xA3\xB3", 3, 3},                                    // ３
      {"\xA1\xA1\xA3\xB2", 2, 2},                            // ideographic space, ２
      {"\xA3\xB1\xA3\xAE\xA3\xB5\xA3\xE5\xA3\xB1", 15, 15},  // １．５ｅ１
      {"\xA3\xAD\xA3\xB2", -2, -2},                          // －２
      {"2.9999999999999999", 3, 3},
      {"4294967297", 4294967297.0, 1},
      {"2147483648", 2147483648.0, kSmallestInteger},
      {"-2147483649", -2147483649.0, kLargestInteger},
      {"1e19", 1e19, 0},
      {"1e400", kInfinity, 0},
      {"-1e400", -kInfinity, 0},
      // Full-width and single-byte forms mixed.
      {"+\xA3\xB5.\xA3\xB5", 5.5, 5},                         // +５.５
      {"\xA3\xAB.5", 0.5, 0},                                 // ＋.5
      {" \xA1\xA1\xA3\xAD\xA3\xB1.5\xA3\xC5+2", -150, -150},  //  　－１.5Ｅ+2
      {"\xA3\xB4\xA3\xB2\xA3\xA4", 42, 42},                   // ４２￥
      {"\xA3\xA4\xA3\xB5", 0, 0},  // ￥５: the yen sign is a dollar sign
      {"\xA1\xEE\xA3\xB5", 0, 0},  // ☆５: the star is an asterisk
      // A lead byte pairs with whatever byte follows (0x35 is the digit 5), but never with the
      // end of the text.
      {"3\x81", 3, 3},
      {"\x81", 0, 0},
      {"\x81\x35", 0, 0},
      {"3\xA3\x35", 3, 3},
      {"\n\v\f\r 7", 7, 7},
      {"\b7", 0, 0},
      {"-0", -0.0, 0},
      // The longest number-shaped prefix.
      {"1e+5", 1e5, 100000},
      {"1e-", 1, 1},
      {"1E+x", 1, 1},
      {"1e+-5", 1, 1},
      {"1e5e3", 1e5, 100000},
      {"+.5", 0.5, 0},
      {"-.", 0, 0},
      {".", 0, 0},
      {"+", 0, 0},
      {"--1", 0, 0},
      {"1..2", 1, 1},
      {"1.2.3", 1.2, 1},
      {"1.5-3", 1.5, 1},
      // Near the ends of the integer range.
      {"9223372036854775808", kTwoToThe63, 0},
      {"9223372036854774784", kTwoToThe63 - 1024, -1024},
      {"-9223372036854775808", -kTwoToThe63, 0},
      {"4294967296", 4294967296.0, 0},
      // Near the ends of the number range, and rounding ties.
      {"4.9406564584124654e-324", kSmallestSubnormal, 0},
      {"2.4703282292062327e-324", 0, 0},
      {"2.4703282292062328e-324", kSmallestSubnormal, 0},
      {"1.7976931348623157e308", kLargest, 0},
      {"1.7976931348623159e308", kInfinity, 0},
      {"1e-400", 0, 0},
      {"-1e-400", -0.0, 0},
      {"0.1", std::bit_cast<double>(std::uint64_t{0x3FB999999999999A}), 0},
      {"2.2250738585072011e-308", std::bit_cast<double>(std::uint64_t{0x000FFFFFFFFFFFFF}), 0},
      {"2.2250738585072012e-308", std::bit_cast<double>(std::uint64_t{0x0010000000000000}), 0},
      {"9007199254740993", 9007199254740992.0, 0},
      {"9007199254740995", 9007199254740996.0, 4},
      {"9223372036854776833", kTwoToThe63 + 2048, 0},  // one above the tie, in the 64th bit
      {"1e99999999999999999999", kInfinity, 0},
      {"1e-99999999999999999999", 0, 0},
      {"0e99999999999999999999", 0, 0},
      {"-0e99999999999999999999", -0.0, 0},
      {tie_of_many_digits.c_str(), 9007199254740992.0, 0},
      {above_tie_far_away.c_str(), 9007199254740994.0, 2},
      {long_fraction.c_str(), 1, 1},
      {long_leading_zeros.c_str(), 7, 7},
      {"0.000000000000000000000000000001e30", 1, 1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text != nullptr ? std::string(c.text).substr(0, 40) : "(null)");
    const double number = TextToNumber(c.text);
    EXPECT_EQ(Bits(number), Bits(c.number)) << number;
    EXPECT_EQ(TruncateToInteger(number), c.integer);
  }
}

// glibc's strtod rounds correctly, which makes it a trustworthy oracle here.
TEST(NumberTextTest, TextToNumberMatchesCorrectlyRoundedLibraryParser) {
  std::mt19937 random(20240611);
  const auto between = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int round = 0; round < 4000; ++round) {
    std::string text = between(0, 2) == 0 ? "-" : "";
    const int digit_count = between(1, 40);
    const int point = between(-1, digit_count);  // -1: no point
    for (int i = 0; i < digit_count; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + between(0, 9));
    }
    if (point == digit_count) text += '.';
    if (between(0, 1) == 0) {
      text += between(0, 1) == 0 ? 'e' : 'E';
      text += std::to_string(between(-350, 350));
    }
    SCOPED_TRACE(text);
    EXPECT_EQ(Bits(TextToNumber(text.c_str())), Bits(std::strtod(text.c_str(), nullptr)));
  }
}

TEST(NumberTextTest, TruncateToIntegerNeitherFailsNorRaisesInvalid) {
  struct {
    double number;
    std::int32_t integer;
  } const cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {-0.5, 0},
      {-0.0, 0},
      {kNaN, 0},
      {kInfinity, 0},
      {-kInfinity, 0},
      {kTwoToThe63, 0},
      {-kTwoToThe63, 0},
      {kTwoToThe63 - 1024, -1024},
      {-(kTwoToThe63 - 1024), 1024},
      {1e18, -1486618624},  // 0x0DE0B6B3'A7640000
      {4294967297.0, 1},
      {2147483648.0, kSmallestInteger},
      {-2147483649.0, kLargestInteger},
      {kLargest, 0},
      {kSmallestSubnormal, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.number);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(TruncateToInteger(c.number), c.integer);
    EXPECT_FALSE(std::fetestexcept(FE_INVALID));
  }
}

TEST(NumberTextTest, IntegerToTextWritesPlainDecimal) {
  struct {
    std::int32_t integer;
    const char *text;
  } const cases[] = {
      {0, "0"},
      {7, "7"},
      {-1, "-1"},
      {10, "10"},
      {-10, "-10"},
      {kLargestInteger, "2147483647"},
      {kSmallestInteger, "-2147483648"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.integer);
    const Text text = IntegerToText(c.integer);
    EXPECT_STREQ(text.get(), c.text);
    EXPECT_EQ(TruncateToInteger(TextToNumber(text.get())), c.integer);
  }
}

TEST(NumberTextTest, IntegerToTextMakesANewTextEachCall) {
  const Text first = IntegerToText(5);
  const Text second = IntegerToText(5);
  EXPECT_NE(first.get(), second.get());
  first[0] = '6';
  EXPECT_STREQ(second.get(), "5");
}

}  // namespace
}  // namespace keyboard
