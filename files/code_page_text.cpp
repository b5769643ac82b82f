#include "files/code_page_text.h"

#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <array>
#endif

namespace trellwick {

#ifdef _WIN32

namespace {

// Through the ANSI code page explicitly: a narrow path would be converted by
// the C library's locale, which takes "\x80" for U+0080 instead of the euro.
std::wstring wide_from_code_page(std::string_view bytes) {
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length));
    return wide;
}

} // namespace

std::string_view code_page_name() {
    return "the ANSI code page";
}

std::filesystem::path path_from_code_page(std::string_view bytes) {
    return std::filesystem::path(wide_from_code_page(bytes));
}

std::optional<std::string> utf8_to_code_page(std::string_view utf8) {
    const int utf8_size = static_cast<int>(utf8.size());
    const int wide_size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8_size, nullptr, 0);
    if (wide_size == 0 && !utf8.empty())
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wide_size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8_size, wide.data(),
                        wide_size);
    // No best fit: a character the code page lacks is an error, not its look-alike.
    BOOL lacking = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_size,
                                         nullptr, 0, nullptr, &lacking);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_size, bytes.data(), size,
                        nullptr, &lacking);
    if (lacking)
        return std::nullopt;
    return bytes;
}

std::string code_page_to_utf8(std::string_view bytes) {
    const std::wstring wide = wide_from_code_page(bytes);
    const int wide_size = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, text.data(), size, nullptr, nullptr);
    return text;
}

#else

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves
// undefined keep the control character of the same number, as Latin-1 does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t code_point(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point that starts `utf8` at `at`, and `at` moved past it; nothing
// for bytes that are no UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> next_code_point(std::string_view utf8, std::size_t& at) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(utf8[i]);
    };
    const unsigned char first = byte(at);
    std::size_t length = 0; // 0x80 to 0xC1 and 0xF5 on start no character
    if (first < 0x80)
        length = 1;
    else if (first >= 0xC2 && first < 0xE0)
        length = 2;
    else if (first >= 0xE0 && first < 0xF0)
        length = 3;
    else if (first >= 0xF0 && first < 0xF5)
        length = 4;
    if (length == 0 || at + length > utf8.size())
        return std::nullopt;
    char32_t c = length == 1 ? first : first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    at += length;
    return c;
}

} // namespace

std::string_view code_page_name() {
    return "Windows-1252";
}

std::string code_page_to_utf8(std::string_view bytes) {
    std::string text;
    for (const char byte : bytes)
        append_utf8(text, code_point(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<std::string> utf8_to_code_page(std::string_view utf8) {
    std::string bytes;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<char32_t> c = next_code_point(utf8, at);
        if (!c)
            return std::nullopt;
        int byte = 0; // the byte whose character it is, if any
        while (byte < 256 && code_point(static_cast<unsigned char>(byte)) != *c)
            ++byte;
        if (byte == 256)
            return std::nullopt;
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

std::filesystem::path path_from_code_page(std::string_view bytes) {
    const std::string text = code_page_to_utf8(bytes);
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

#endif

} // namespace trellwick
