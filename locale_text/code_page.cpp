#include "locale_text/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace trellwick {
namespace {

QStringEncoder make_encoder() {
#ifdef Q_OS_WIN
    return QStringEncoder(QStringConverter::System, QStringConverter::Flag::Stateless);
#else
    return QStringEncoder("windows-1252", QStringConverter::Flag::Stateless);
#endif
}

QStringDecoder make_decoder() {
#ifdef Q_OS_WIN
    return QStringDecoder(QStringConverter::System, QStringConverter::Flag::Stateless);
#else
    return QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
#endif
}

} // namespace

std::optional<std::string> to_code_page(const QString& text) {
    QStringEncoder encoder = make_encoder();
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || !encoder.isValid())
        return std::nullopt;
    return bytes.toStdString();
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
