#include "cli/code_page_text.h"

#include "locale_text/code_page.h"
#include "locale_text/locale_separators.h"

#include <QLocale>
#include <QString>

namespace trellwick::cli {

std::string_view code_page_name() {
#ifdef _WIN32
    return "the ANSI code page";
#else
    return "Windows-1252";
#endif
}

std::optional<std::string> utf8_to_code_page(std::string_view utf8) {
    // Bytes that are no UTF-8 become U+FFFD, which the code page lacks.
    return to_code_page(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::optional<std::string> file_name_in_code_page(const std::filesystem::path& path) {
    return to_code_page(from_path(path.filename()));
}

NumericLocale system_numeric_locale() {
    return numeric_locale_of(QLocale::system());
}

} // namespace trellwick::cli
