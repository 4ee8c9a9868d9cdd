#pragma once

#include <QStringView>

namespace sumwick {

struct IntegerReading {
  int value = 0;           // 0 when the text has no leading number
  bool hasDigits = false;  // the text starts (after white space and sign) with a digit
  bool tooLarge = false;   // the number does not fit in 32 bits; `value` is then 0
};

// Reads a number the way every setting is read: full-width characters count as their ASCII
// forms, leading white space is skipped, then an optional sign and the leading run of decimal
// digits; anything after that ends the number. A number outside the 32-bit range is reported as
// too large instead of wrapping into another number.
IntegerReading ReadInteger(QStringView text);

// ReadInteger's value, for texts known to hold small numbers (combo box items and the like).
inline int ReadIntegerValue(QStringView text) { return ReadInteger(text).value; }

}  // namespace sumwick
