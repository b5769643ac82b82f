#include "cli/code_page_text.h"

#include <QLocale>
#include <QString>
#include <QStringEncoder>

namespace trellwick::cli {
namespace {

std::optional<std::string> encode(const QString& text) {
#ifdef Q_OS_WIN
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
#else
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
#endif
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

char separator_byte(const QString& separator, char fallback) {
    if (separator.isEmpty())
        return fallback;
    const auto byte = encode(separator.left(1));
    return byte && byte->size() == 1 ? byte->front() : fallback;
}

} // namespace

std::string_view code_page_name() {
#ifdef _WIN32
    return "the ANSI code page";
#else
    return "Windows-1252";
#endif
}

std::optional<std::string> utf8_to_code_page(std::string_view utf8) {
    return encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::optional<std::string> file_name_in_code_page(const std::filesystem::path& path) {
#ifdef _WIN32
    return encode(QString::fromStdWString(path.filename().native()));
#else
    return utf8_to_code_page(path.filename().native());
#endif
}

NumericLocale system_numeric_locale() {
    const QLocale system = QLocale::system();
    NumericLocale locale{separator_byte(system.decimalPoint(), '.'),
                         separator_byte(system.groupSeparator(), ',')};
    // A group separator that fell back onto the decimal separator (a decimal
    // comma with a narrow no-break space as group) becomes the other of the two.
    if (locale.group == locale.decimal)
        locale.group = locale.decimal == ',' ? '.' : ',';
    return locale;
}

} // namespace trellwick::cli
