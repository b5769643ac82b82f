#pragma once

// The user's decimal and digit-group separators for the conversion steps.

#include "conversion/numeric_locale.h"

class QLocale;

namespace trellwick {

// The first character of the locale's decimal point and group separator, when
// the code page holds it as one byte; otherwise '.' and ','. A group separator
// that would fall back onto the decimal separator becomes the other of the two.
NumericLocale numeric_locale_of(const QLocale& locale);

} // namespace trellwick
