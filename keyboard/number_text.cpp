// The conversions avoid the C library's number parser: it follows the user's locale, and the
// standard library's locale-free one would outweigh the whole program. Decimal texts are
// instead read exactly into a small fixed-size big integer and rounded by hand.
#include "keyboard/number_text.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace keyboard {
namespace {

// ---------------------------------------------------------------------------------------------
// Reading the text as folded GBK characters.

// What a two-byte character outside the folding table reads as: a byte that no number uses.
constexpr unsigned char kUnfoldedCharacter = 0x80;

unsigned char FoldTwoByteCharacter(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    if (trail == 0xA1) return ' ';
    if (trail == 0xAB) return '~';
    if (trail == 0xEE || trail == 0xEF) return '*';
  }
  // Full-width forms: their trail byte is the single-byte form with the top bit set.
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail & 0x7F;
  return kUnfoldedCharacter;
}

// Walks a text one folded character at a time, in place. The terminating NUL reads as 0 and is
// never passed, since no reader of a number steps over a 0.
class FoldedReader {
 public:
  explicit FoldedReader(const char *text) : next_(reinterpret_cast<const unsigned char *>(text)) {}

  unsigned char Peek() const {
    if (next_[0] < 0x80) return next_[0];
    // A lead byte that ends the text has no trail byte; it stands alone and is no number.
    if (next_[1] == 0) return kUnfoldedCharacter;
    return FoldTwoByteCharacter(next_[0], next_[1]);
  }

  void Advance() { next_ += next_[0] >= 0x80 && next_[1] != 0 ? 2 : 1; }

 private:
  const unsigned char *next_;
};

bool IsWhiteSpace(unsigned char c) {
  return c == ' ' || (c >= 0x09 && c <= 0x0D);
}
bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

// ---------------------------------------------------------------------------------------------
// Exact arithmetic on non-negative integers of a few thousand bits.

// 800 significant digits decide the rounding of every decimal number: a midpoint between two
// doubles has at most 767. One more digit stands for all the digits cut off after them.
constexpr std::int64_t kMostKeptDigits = 800;

// With 10^(m-1) <= x < 10^m, every x with m above 309 exceeds the largest double by more than
// half a unit; every x with m below -323 is under half the smallest subnormal (2.47e-324).
constexpr std::int64_t kLargestMagnitude = 309;
constexpr std::int64_t kSmallestMagnitude = -323;

// The largest integer in use is a numerator of 10^n shifted left by 63 bits, where n is at
// most the kept digits, plus one, minus the smallest magnitude; 10^n has below 3.33n bits.
constexpr int kLimbBits = 32;
constexpr int kLimbCount = 128;
static_assert(std::int64_t{kLimbCount} * kLimbBits >=
              (kMostKeptDigits + 1 - kSmallestMagnitude) * 333 / 100 + 1 + 63 + kLimbBits);

constexpr std::uint32_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                          100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::int64_t kLargestPowerInLimb = 9;

// Little-endian 32-bit limbs without leading zero limbs, so that 0 has none.
class BigInteger {
 public:
  explicit BigInteger(std::uint32_t value) : limbs_{value}, size_(value != 0 ? 1 : 0) {}

  bool IsZero() const { return size_ == 0; }

  std::int64_t BitLength() const {
    return size_ == 0 ? 0 : std::int64_t{size_ - 1} * kLimbBits + std::bit_width(limbs_[size_ - 1]);
  }

  // *this = *this * factor + addend, with a factor of at least 1.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
      carry += std::uint64_t{limbs_[i]} * factor;
      limbs_[i] = static_cast<std::uint32_t>(carry);
      carry >>= kLimbBits;
    }
    if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }

  void MultiplyByPowerOfTen(std::int64_t exponent) {
    for (; exponent > kLargestPowerInLimb; exponent -= kLargestPowerInLimb) {
      MultiplyAdd(kPowersOfTen[kLargestPowerInLimb], 0);
    }
    MultiplyAdd(kPowersOfTen[exponent], 0);
  }

  void ShiftLeft(std::int64_t bits) {
    if (size_ == 0) return;
    const int limb_shift = static_cast<int>(bits / kLimbBits);
    const int bit_shift = static_cast<int>(bits % kLimbBits);
    // Each limb takes its high bits from the limb below; working downward reads every limb
    // before it is overwritten.
    limbs_[size_ + limb_shift] =
        static_cast<std::uint32_t>((std::uint64_t{limbs_[size_ - 1]} << bit_shift) >> kLimbBits);
    for (int i = size_ - 1; i > 0; --i) {
      const std::uint64_t pair = std::uint64_t{limbs_[i]} << kLimbBits | limbs_[i - 1];
      limbs_[i + limb_shift] = static_cast<std::uint32_t>(pair >> (kLimbBits - bit_shift));
    }
    limbs_[limb_shift] = limbs_[0] << bit_shift;
    for (int i = 0; i < limb_shift; ++i) limbs_[i] = 0;
    size_ += limb_shift + 1;
    Trim();
  }

  void ShiftRightByOne() {
    for (int i = 0; i < size_; ++i) {
      const std::uint32_t from_above = i + 1 < size_ ? limbs_[i + 1] << (kLimbBits - 1) : 0;
      limbs_[i] = limbs_[i] >> 1 | from_above;
    }
    Trim();
  }

  bool IsLessThan(const BigInteger &other) const {
    if (size_ != other.size_) return size_ < other.size_;
    for (int i = size_ - 1; i >= 0; --i) {
      if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i];
    }
    return false;
  }

  // *this -= other, with other not greater than *this.
  void Subtract(const BigInteger &other) {
    std::uint32_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t taken = std::uint64_t{i < other.size_ ? other.limbs_[i] : 0} + borrow;
      borrow = limbs_[i] < taken ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - taken);
    }
    Trim();
  }

 private:
  void Trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  std::uint32_t limbs_[kLimbCount];
  int size_;
};

// Long division, one quotient bit at a time; the quotient must fit in 64 bits. Leaves the
// remainder in `numerator`.
std::uint64_t DivideInPlace(BigInteger &numerator, BigInteger divisor) {
  std::int64_t shift = numerator.BitLength() - divisor.BitLength();
  if (shift > 0) divisor.ShiftLeft(shift);
  std::uint64_t quotient = 0;
  for (; shift >= 0; --shift) {
    quotient <<= 1;
    if (!numerator.IsLessThan(divisor)) {
      numerator.Subtract(divisor);
      quotient |= 1;
    }
    divisor.ShiftRightByOne();
  }
  return quotient;
}

// ---------------------------------------------------------------------------------------------
// Rounding to a double.

// numerator / denominator (both non-zero) to the nearest double, ties to even.
double RoundQuotient(BigInteger numerator, BigInteger denominator) {
  // Scale by 2^-exponent so that the quotient lands in [2^62, 2^64): more than enough bits for a
  // 53-bit significand and the bit below it, with the remainder telling whether more follows.
  std::int64_t exponent = numerator.BitLength() - denominator.BitLength() - 63;
  if (exponent < 0) numerator.ShiftLeft(-exponent);
  if (exponent > 0) denominator.ShiftLeft(exponent);
  std::uint64_t quotient = DivideInPlace(numerator, denominator);
  bool inexact = !numerator.IsZero();
  // A leading bit at 62 keeps every shift below under 64.
  if (quotient >> 63 != 0) {
    inexact = inexact || (quotient & 1) != 0;
    quotient >>= 1;
    ++exponent;
  }
  const std::int64_t leading = exponent + 62;  // 2^leading <= value < 2^(leading + 1)
  if (leading > 1023) return std::numeric_limits<double>::infinity();
  // Below 2^-1022 the significand loses one bit per binary order of magnitude.
  const std::int64_t dropped = 10 + (leading < -1022 ? -1022 - leading : 0);
  if (dropped > 63) return 0.0;  // under half the smallest subnormal
  std::uint64_t significand = quotient >> dropped;
  const std::uint64_t rest = quotient & ((std::uint64_t{1} << dropped) - 1);
  const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
  if (rest > half || (rest == half && (inexact || (significand & 1) != 0))) ++significand;
  // The significand's bit 52 adds one to the biased exponent, so a carry out of rounding moves
  // to the next binade, up to infinity, and a subnormal rounded up becomes the smallest normal.
  const std::uint64_t biased = leading < -1022 ? 0 : static_cast<std::uint64_t>(leading + 1022);
  return std::bit_cast<double>((biased << 52) + significand);
}

// ---------------------------------------------------------------------------------------------
// The decimal number.

// The digits of a number as digits * 10^scale, gathered one digit at a time.
class DecimalMantissa {
 public:
  void AddDigit(unsigned char digit, bool after_point) {
    if (count_ == 0 && digit == 0) {  // a leading zero only places the point
      if (after_point) --scale_;
      return;
    }
    if (count_ < kMostKeptDigits) {
      digits_.MultiplyAdd(10, digit);
      ++count_;
      if (after_point) --scale_;
      return;
    }
    if (!after_point) ++scale_;
    any_cut_digit_set_ = any_cut_digit_set_ || digit != 0;
  }

  // The magnitude of digits * 10^(scale + exponent) as a double; any exponent is safe.
  double ToDouble(std::int64_t exponent) {
    if (count_ == 0) return 0.0;
    if (any_cut_digit_set_) {  // lies strictly between the same two neighbours as the full text
      digits_.MultiplyAdd(10, 1);
      ++count_;
      --scale_;
    }
    const std::int64_t scale = scale_ + exponent;
    const std::int64_t magnitude = count_ + scale;
    if (magnitude > kLargestMagnitude) return std::numeric_limits<double>::infinity();
    if (magnitude < kSmallestMagnitude) return 0.0;
    BigInteger denominator(1);
    if (scale >= 0) {
      digits_.MultiplyByPowerOfTen(scale);
    } else {
      denominator.MultiplyByPowerOfTen(-scale);
    }
    return RoundQuotient(digits_, denominator);
  }

 private:
  BigInteger digits_{0};
  std::int64_t count_ = 0;  // significant digits in `digits_`
  // Moves by at most one per byte of text, so it cannot overflow.
  std::int64_t scale_ = 0;
  bool any_cut_digit_set_ = false;
};

// Reads a run of digits; true when there was at least one.
bool ReadDigits(FoldedReader &reader, DecimalMantissa &mantissa, bool after_point) {
  bool any = false;
  for (; IsDigit(reader.Peek()); reader.Advance()) {
    mantissa.AddDigit(static_cast<unsigned char>(reader.Peek() - '0'), after_point);
    any = true;
  }
  return any;
}

// Far beyond any exponent that could still give a finite non-zero number, given that a text's
// digits shift it by at most the text's length; small enough to add to that without overflow.
constexpr std::int64_t kExponentCap = 100'000'000'000'000'000;

// The exponent that follows the digits; 0 when there is none. An exponent letter without digits
// is not part of the number, and since the number ends there, its value is 0 as well.
std::int64_t ReadExponent(FoldedReader &reader) {
  const unsigned char letter = reader.Peek();
  if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return 0;
  reader.Advance();
  const unsigned char sign = reader.Peek();
  if (sign == '+' || sign == '-') reader.Advance();
  std::int64_t exponent = 0;
  for (; IsDigit(reader.Peek()); reader.Advance()) {
    exponent = exponent * 10 + (reader.Peek() - '0');
    if (exponent > kExponentCap) exponent = kExponentCap;
  }
  return sign == '-' ? -exponent : exponent;
}

}  // namespace

double TextToNumber(const char *text) {
  FoldedReader reader(text != nullptr ? text : "");
  while (IsWhiteSpace(reader.Peek())) reader.Advance();
  const unsigned char sign = reader.Peek();
  if (sign == '+' || sign == '-') reader.Advance();
  DecimalMantissa mantissa;
  bool any_digit = ReadDigits(reader, mantissa, false);
  if (reader.Peek() == '.') {
    reader.Advance();
    if (ReadDigits(reader, mantissa, true)) any_digit = true;
  }
  if (!any_digit) return 0.0;
  const double magnitude = mantissa.ToDouble(ReadExponent(reader));
  return sign == '-' ? -magnitude : magnitude;
}

std::int32_t TruncateToInteger(double number) {
  constexpr double kTwoToThe63 = 9223372036854775808.0;
  const double whole = std::trunc(number);
  // A quiet comparison: NaN fails it without raising anything, like the infinities.
  if (!std::isless(std::fabs(whole), kTwoToThe63)) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(whole)));
}

Text IntegerToText(std::int32_t integer) {
  char digits[11];  // "-2147483648" is the longest
  char *const end = digits + sizeof digits;
  char *first = end;
  // Unsigned, because the magnitude of the smallest integer has no signed 32-bit form.
  std::uint32_t magnitude = static_cast<std::uint32_t>(integer);
  if (integer < 0) magnitude = 0u - magnitude;
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (integer < 0) *--first = '-';
  return CopyText(first, static_cast<std::size_t>(end - first));
}

}  // namespace keyboard
