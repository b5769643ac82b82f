#include "number_text.h"

#include "digit.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace trellwick {
namespace {

// For a number text beyond the range of float: whether it is too small for
// it rather than too large, that is, whether its first significant digit
// stands after the units once the exponent has moved the point.
bool too_small(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
    // Where the first significant digit stands from the point, give or take
    // one: a text beyond float's range lies far from 1 either way.
    const long long order = point - first;
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        const bool negative = digits.starts_with('-');
        if (negative || digits.starts_with('+'))
            digits.remove_prefix(1);
        // Beyond a billion the exponent alone decides.
        for (const char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        exponent = negative ? -exponent : exponent;
    }
    return order + exponent < 0;
}

// Sign, digits with an optional "." fraction, optional exponent; nothing else.
// The value is the float nearest to the text; one too small for float is 0.
std::optional<float> parse_plain(std::string_view text) {
    const std::string_view unsigned_text =
        text.starts_with('+') || text.starts_with('-') ? text.substr(1) : text;
    // from_chars would also take "inf", "nan" and hexadecimal forms; a macro's
    // number starts with a digit or with the point of its fraction.
    if (unsigned_text.empty() || !(is_digit(unsigned_text.front()) || unsigned_text.front() == '.'))
        return std::nullopt;
    float value = 0;
    const auto [end, error] =
        std::from_chars(unsigned_text.data(), unsigned_text.data() + unsigned_text.size(), value,
                        std::chars_format::general);
    if (end != unsigned_text.data() + unsigned_text.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range && too_small(unsigned_text))
        value = 0;
    else if (error != std::errc())
        return std::nullopt;
    return text.starts_with('-') ? -value : value;
}

// The locale's rules: its decimal separator marks the fraction, its
// digit-group separator is skipped. A second decimal separator makes a second
// point, which the plain reading refuses.
std::optional<float> parse_localized(std::string_view text, const NumericLocale& locale) {
    std::string plain;
    bool in_exponent = false;
    for (const char c : text) {
        if (!in_exponent && c == locale.decimal) {
            plain.push_back('.');
        } else if (!in_exponent && c == locale.group) {
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
    while (!digits.empty() && digits.back() == '0')
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
