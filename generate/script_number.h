#pragma once

#include <QString>

namespace sumwick {

// Writes a number as the script language (ECMAScript's Number::toString) does: the shortest
// decimal that reads back to the same double. 28, -5, 2.5, 3.3333333333333335, 1e+21, 1e-7,
// "Infinity", "-Infinity", "NaN"; negative zero is "0".
QString FormatScriptNumber(double value);

// The same into `out` (at least 32 characters); returns the number of characters written.
int FormatScriptNumber(double value, char* out);

}  // namespace sumwick
