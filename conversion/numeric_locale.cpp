#include "numeric_locale.h"

#include "files/code_page_text.h"

#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace trellwick {
namespace {

// The locale's decimal and group separators in UTF-8; empty where it has none.
struct Separators {
    std::string decimal;
    std::string group;
};

#ifdef _WIN32

std::string locale_info(LCTYPE type) {
    wchar_t wide[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, wide, 8);
    if (length <= 1)
        return {};
    char utf8[32] = {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, utf8, sizeof utf8, nullptr, nullptr);
    return std::string(utf8, static_cast<std::size_t>(size > 0 ? size : 0));
}

Separators user_separators() {
    return {locale_info(LOCALE_SDECIMAL), locale_info(LOCALE_STHOUSAND)};
}

#else

Separators user_separators() {
    // The environment's locale for numbers, read without changing the
    // program's own (the C locale that everything else relies on).
    const locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return {};
    Separators separators{nl_langinfo_l(RADIXCHAR, locale), nl_langinfo_l(THOUSEP, locale)};
    freelocale(locale);
    return separators;
}

#endif

// The first character of `separator`, when the code page holds it as one byte.
std::optional<char> first_character(const std::string& separator) {
    for (std::size_t length = 1; length <= separator.size() && length <= 4; ++length) {
        if (const auto bytes = utf8_to_code_page(std::string_view(separator).substr(0, length)))
            return bytes->size() == 1 ? std::optional<char>(bytes->front()) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

NumericLocale user_numeric_locale() {
    const Separators separators = user_separators();
    NumericLocale locale;
    locale.decimal = first_character(separators.decimal).value_or('.');
    locale.group = first_character(separators.group).value_or(',');
    if (locale.group == locale.decimal)
        locale.group = locale.decimal == ',' ? '.' : ',';
    return locale;
}

} // namespace trellwick
