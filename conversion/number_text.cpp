#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace trellwick {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Sign, digits with an optional "." fraction, optional exponent; nothing else.
std::optional<float> parse_plain(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf", "nan" and hexadecimal forms; a macro's
    // number starts with a digit or with the point of its fraction.
    if (text.empty() || !(is_digit(text.front()) || text.front() == '.'))
        return std::nullopt;
    // Read in double precision, so that a value too small for single
    // precision becomes its nearest float (or 0) instead of a failure.
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (end != text.data() + text.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        const auto exponent = text.find_first_of("eE");
        const bool too_small =
            exponent != std::string_view::npos && text.substr(exponent + 1).starts_with('-');
        if (!too_small)
            return std::nullopt;
        value = 0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    const auto single = static_cast<float>(value);
    return negative ? -single : single;
}

// The locale's rules: its decimal separator marks the fraction, its
// digit-group separator is skipped.
std::optional<float> parse_localized(std::string_view text, const NumericLocale& locale) {
    std::string plain;
    plain.reserve(text.size());
    bool seen_decimal = false;
    bool in_exponent = false;
    for (const char c : text) {
        if (!in_exponent && c == locale.decimal && !seen_decimal) {
            plain.push_back('.');
            seen_decimal = true;
        } else if (!in_exponent && c == locale.group && c != locale.decimal) {
            continue;
        } else if (c == '.') {
            return std::nullopt; // a point that is neither separator of the locale
        } else {
            in_exponent = in_exponent || c == 'e' || c == 'E';
            plain.push_back(c);
        }
    }
    return parse_plain(plain);
}

} // namespace

std::string number_text(float value, const NumericLocale& locale) {
    if (value == 0)
        return "0";
    // Seven significant digits in scientific form, then written out in full.
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, 6);
    if (error != std::errc())
        return "0";
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (is_digit(c))
            digits.push_back(c);
    int exponent = 0;
    const std::string_view exponent_text = scientific.substr(e + 1);
    std::from_chars(exponent_text.data() + (exponent_text.front() == '+' ? 1 : 0),
                    exponent_text.data() + exponent_text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    // digits d1 d2 ... with the decimal point after d1, moved by the exponent.
    std::string text = negative ? "-" : "";
    const int whole_digits = exponent + 1;
    if (whole_digits <= 0) {
        text += '0';
        text += locale.decimal;
        text.append(static_cast<std::size_t>(-whole_digits), '0');
        text += digits;
    } else if (static_cast<std::size_t>(whole_digits) >= digits.size()) {
        text += digits;
        text.append(static_cast<std::size_t>(whole_digits) - digits.size(), '0');
    } else {
        text.append(digits, 0, static_cast<std::size_t>(whole_digits));
        text += locale.decimal;
        text.append(digits, static_cast<std::size_t>(whole_digits));
    }
    return text;
}

std::string print_form(float value, const NumericLocale& locale) {
    return " " + number_text(value, locale) + " ";
}

std::optional<float> parse_number(std::string_view text, const NumericLocale& locale) {
    if (auto value = parse_plain(text))
        return value;
    return parse_localized(text, locale);
}

} // namespace trellwick
