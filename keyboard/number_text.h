// Conversions between texts and numbers. A number is a 64-bit IEEE value, an integer a 32-bit
// two's-complement signed integer, a text NUL-terminated GBK bytes.
#pragma once

#include <cstdint>

#include "keyboard/text.h"

namespace keyboard {

// The decimal number at the start of the text (after full-width folding and leading white
// space), correctly rounded; 0 when there is none or the text is null. Never fails.
double TextToNumber(const char *text);

// Cut toward zero; the low 32 bits of the 64-bit two's complement when the magnitude is below
// 2^63, otherwise (infinities and NaN too) 0. Never fails and never traps.
std::int32_t TruncateToInteger(double number);

// A new text owned by the caller: signed decimal with a minus sign for negatives, without
// leading zeros, grouping, plus sign or padding.
Text IntegerToText(std::int32_t integer);

}  // namespace keyboard
