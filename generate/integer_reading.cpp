#include "integer_reading.h"

#include <cstdint>
#include <limits>

namespace sumwick {
namespace {

// Full-width forms U+FF01..U+FF5E map onto ASCII 0x21..0x7E; the ideographic space is a space.
char16_t ToHalfWidth(char16_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char16_t>(c - 0xFEE0);
  if (c == 0x3000) return u' ';
  return c;
}

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

}  // namespace

IntegerReading ReadInteger(QStringView text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && IsSpace(ToHalfWidth(text[i].unicode()))) ++i;

  bool negative = false;
  if (i < n) {
    const char16_t sign = ToHalfWidth(text[i].unicode());
    if (sign == u'+' || sign == u'-') {
      negative = sign == u'-';
      ++i;
    }
  }

  IntegerReading reading;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  for (; i < n; ++i) {
    const char16_t c = ToHalfWidth(text[i].unicode());
    if (c < u'0' || c > u'9') break;
    reading.hasDigits = true;
    magnitude = magnitude * 10 + (c - u'0');
    if (magnitude > kLimit) reading.tooLarge = true;
    if (reading.tooLarge) magnitude = kLimit + 1;  // keep the accumulator from overflowing
  }
  if (!negative && magnitude == kLimit) reading.tooLarge = true;
  if (!reading.tooLarge) reading.value = static_cast<int>(negative ? -magnitude : magnitude);
  return reading;
}

}  // namespace sumwick
