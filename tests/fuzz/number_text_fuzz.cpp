// Any byte string through the text conversions, as a pasted text would go: read as a number,
// cut to an integer, written back as a text. Nothing may crash, hang or trip a sanitizer, and
// every result must agree with an independent reading wherever one exists.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "keyboard/number_text.h"

namespace {

[[noreturn]] void Fail(const char *what, const std::string &text) {
  std::fprintf(stderr, "%s\ntext (%zu bytes): %.200s\n", what, text.size(), text.c_str());
  std::abort();
}

std::uint64_t Bits(double number) {
  return std::bit_cast<std::uint64_t>(number);
}

// Texts made only of these read the same with the C library's strtod, which in the "C" locale
// rounds correctly: both stop at the same place, as neither reads more of such a text than a
// decimal number with an exponent.
bool OnlyPlainNumberCharacters(const std::string &text) {
  return text.find_first_not_of("0123456789+-.eE \t\n\v\f\r") == std::string::npos;
}

// The same text with each printable character in its full-width GBK form, and each space as the
// ideographic space; a full-width number reads as its plain form.
std::string FullWidth(const std::string &text) {
  std::string wide;
  for (const char c : text) {
    if (c == ' ') {
      wide += "\xA1\xA1";
    } else if (c > ' ' && c < 0x7F) {
      wide += '\xA3';
      wide += static_cast<char>(c | 0x80);
    } else {
      wide += c;
    }
  }
  return wide;
}

void CheckReading(const std::string &text, double number) {
  if (std::isnan(number)) Fail("a text read as NaN", text);
  if (!OnlyPlainNumberCharacters(text)) return;
  if (Bits(number) != Bits(std::strtod(text.c_str(), nullptr))) {
    Fail("TextToNumber differs from strtod", text);
  }
  if (Bits(keyboard::TextToNumber(FullWidth(text).c_str())) != Bits(number)) {
    Fail("the full-width form reads differently", text);
  }
}

// Cutting toward zero and keeping the low 32 bits, computed with exact floating-point steps
// instead of integer conversions.
std::int32_t ExpectedInteger(double number) {
  constexpr double kTwoToThe32 = 4294967296.0;
  const double whole = std::trunc(number);
  if (!(std::fabs(whole) < 9223372036854775808.0)) return 0;  // also NaN
  double low = std::fmod(whole, kTwoToThe32);
  if (low < 0) low += kTwoToThe32;
  if (low >= kTwoToThe32 / 2) low -= kTwoToThe32;
  return static_cast<std::int32_t>(low);
}

void CheckInteger(const std::string &text, double number, std::int32_t integer) {
  if (integer != ExpectedInteger(number)) Fail("TruncateToInteger differs", text);
}

void CheckWritten(const std::string &text, std::int32_t integer, const char *written) {
  char expected[16];
  std::snprintf(expected, sizeof expected, "%d", static_cast<int>(integer));
  if (std::strcmp(written, expected) != 0) Fail("IntegerToText differs from printf", text);
  if (keyboard::TruncateToInteger(keyboard::TextToNumber(written)) != integer) {
    Fail("the written integer does not read back", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  // A text ends at its first NUL, as it does in a window.
  const auto *const bytes = reinterpret_cast<const char *>(data);
  const std::string text(bytes, std::find(bytes, bytes + size, '\0'));
  const double number = keyboard::TextToNumber(text.c_str());
  const std::int32_t integer = keyboard::TruncateToInteger(number);
  const keyboard::Text written = keyboard::IntegerToText(integer);
  CheckReading(text, number);
  CheckInteger(text, number, integer);
  CheckWritten(text, integer, written.get());
  return 0;
}
