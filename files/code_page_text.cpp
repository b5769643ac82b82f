#include "files/code_page_text.h"

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

std::filesystem::path path_from_code_page(std::string_view bytes) {
    return std::filesystem::path(wide_from_code_page(bytes));
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

} // namespace

std::string code_page_to_utf8(std::string_view bytes) {
    std::string text;
    for (const char byte : bytes)
        append_utf8(text, code_point(static_cast<unsigned char>(byte)));
    return text;
}

std::filesystem::path path_from_code_page(std::string_view bytes) {
    const std::string text = code_page_to_utf8(bytes);
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

#endif

} // namespace trellwick
