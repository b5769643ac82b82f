#include "locale_text/code_page.h"

#ifdef _WIN32
#include "files/code_page_text.h"
#endif

#include <QStringDecoder>
#include <QStringEncoder>

namespace trellwick {
namespace {

QStringDecoder make_decoder() {
#ifdef Q_OS_WIN
    return QStringDecoder(QStringConverter::System, QStringConverter::Flag::Stateless);
#else
    return QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
#endif
}

} // namespace

std::optional<std::string> to_code_page(const QString& text) {
#ifdef Q_OS_WIN
    // Qt's converter for the ANSI code page writes a look-alike for a
    // character that the code page lacks (an "a" for an a with a macron);
    // the file helpers' conversion refuses it.
    return utf8_to_code_page(text.toStdString());
#else
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || !encoder.isValid())
        return std::nullopt;
    return bytes.toStdString();
#endif
}

QString from_code_page(std::string_view bytes) {
    QStringDecoder decoder = make_decoder();
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::filesystem::path to_path(const QString& text) {
#ifdef Q_OS_WIN
    return std::filesystem::path(text.toStdWString());
#else
    const QByteArray bytes = text.toUtf8();
    return std::filesystem::path(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
#endif
}

QString from_path(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QString::fromStdString(path.native());
#endif
}

} // namespace trellwick
