#include "locale_text/locale_separators.h"

#include "locale_text/code_page.h"

#include <QLocale>

namespace trellwick {
namespace {

char single_byte(const QString& separator, char fallback) {
    if (separator.isEmpty())
        return fallback;
    const std::optional<std::string> byte = to_code_page(separator.left(1));
    return byte && byte->size() == 1 ? byte->front() : fallback;
}

} // namespace

NumericLocale numeric_locale_of(const QLocale& locale) {
    NumericLocale separators;
    separators.decimal = single_byte(locale.decimalPoint(), '.');
    separators.group = single_byte(locale.groupSeparator(), ',');
    if (separators.group == separators.decimal)
        separators.group = separators.decimal == ',' ? '.' : ',';
    return separators;
}

} // namespace trellwick
