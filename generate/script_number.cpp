#include "script_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace sumwick {
namespace {

int WriteUnsigned(std::uint64_t value, char* out) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (int i = 0; i < n; ++i) out[i] = digits[n - 1 - i];
  return n;
}

int WriteExponent(int exponent, char* out) {
  int n = 0;
  out[n++] = 'e';
  out[n++] = exponent < 0 ? '-' : '+';
  return n + WriteUnsigned(static_cast<std::uint64_t>(std::abs(exponent)), out + n);
}

// The texts of the whole numbers 0 to 1023, which most answers are, as constant data: a QString
// made from them shares the characters without allocating or counting references.
constexpr int kSmallWholeNumbers = 1024;
struct SmallWholeNumberTexts {
  QChar characters[kSmallWholeNumbers][4];
  int lengths[kSmallWholeNumbers];
};

constexpr SmallWholeNumberTexts MakeSmallWholeNumberTexts() {
  SmallWholeNumberTexts texts{};
  for (int n = 0; n < kSmallWholeNumbers; ++n) {
    char digits[4] = {};
    int length = 0;
    for (int rest = n; length == 0 || rest != 0; rest /= 10)
      digits[length++] = static_cast<char>('0' + rest % 10);
    for (int i = 0; i < length; ++i) texts.characters[n][i] = QChar(digits[length - 1 - i]);
    texts.lengths[n] = length;
  }
  return texts;
}

constexpr SmallWholeNumberTexts kSmallWholeNumberTexts = MakeSmallWholeNumberTexts();

}  // namespace

int FormatScriptNumber(double value, char* out) {
  if (std::isnan(value)) {
    std::memcpy(out, "NaN", 3);
    return 3;
  }
  int length = 0;
  if (std::signbit(value) && value != 0) {
    out[length++] = '-';
    value = -value;
  }
  if (std::isinf(value)) {
    std::memcpy(out + length, "Infinity", 8);
    return length + 8;
  }
  // Whole numbers below 2^53 are their own shortest form.
  if (value < 9007199254740992.0 && value == std::floor(value)) {
    return length + WriteUnsigned(static_cast<std::uint64_t>(value), out + length);
  }

  // Shortest round-trip digits d1 d2 ... dk and the decimal exponent n, value = 0.d1...dk × 10^n.
  char scientific[40];
  const auto result = std::to_chars(scientific, scientific + sizeof scientific, value,
                                    std::chars_format::scientific);
  char digits[24];
  int k = 0;
  const char* p = scientific;
  for (; p < result.ptr && *p != 'e'; ++p) {
    if (*p != '.') digits[k++] = *p;
  }
  // p points at the 'e'; to_chars writes no terminator, so read the exponent up to its end.
  const char* exponentText = p + 1;
  if (exponentText < result.ptr && *exponentText == '+') ++exponentText;
  int exponent = 0;
  std::from_chars(exponentText, result.ptr, exponent);
  const int n = exponent + 1;

  char* o = out + length;
  int w = 0;
  if (k <= n && n <= 21) {
    std::memcpy(o, digits, static_cast<size_t>(k));
    w = k;
    for (int i = k; i < n; ++i) o[w++] = '0';
  } else if (0 < n && n <= 21) {
    std::memcpy(o, digits, static_cast<size_t>(n));
    w = n;
    o[w++] = '.';
    std::memcpy(o + w, digits + n, static_cast<size_t>(k - n));
    w += k - n;
  } else if (-6 < n && n <= 0) {
    o[w++] = '0';
    o[w++] = '.';
    for (int i = 0; i < -n; ++i) o[w++] = '0';
    std::memcpy(o + w, digits, static_cast<size_t>(k));
    w += k;
  } else {
    o[w++] = digits[0];
    if (k > 1) {
      o[w++] = '.';
      std::memcpy(o + w, digits + 1, static_cast<size_t>(k - 1));
      w += k - 1;
    }
    w += WriteExponent(n - 1, o + w);
  }
  return length + w;
}

QString FormatScriptNumber(double value) {
  if (value >= 0 && value < kSmallWholeNumbers) {
    const int n = static_cast<int>(value);
    if (n == value) {
      return QString::fromRawData(kSmallWholeNumberTexts.characters[n],
                                  kSmallWholeNumberTexts.lengths[n]);
    }
  }
  char text[40];
  const int length = FormatScriptNumber(value, text);
  return QString::fromLatin1(text, length);
}

}  // namespace sumwick
