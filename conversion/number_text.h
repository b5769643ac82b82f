#pragma once

// Numbers as the SCM file writes them and as the macro's text holds them.

#include "numeric_locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

// The shortest decimal form with at most seven significant digits, with the
// locale's decimal separator, no digit grouping and no exponent: 20, 12.5,
// 0.3333333, -4, 123456800.
std::string number_text(float value, const NumericLocale& locale);

// A blank, the number text, a blank.
std::string print_form(float value, const NumericLocale& locale);

// A number of the macro: read with "." as the decimal separator first
// (optional sign, digits, fraction, exponent), and only when that fails by the
// locale's rules (its decimal separator, its digit-group separator skipped).
// Nothing when the text is no number or too large for single precision.
std::optional<float> parse_number(std::string_view text, const NumericLocale& locale);

} // namespace trellwick
