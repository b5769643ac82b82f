#include "settings/settings_file.h"

#include "files/code_page_text.h"
#include "files/file_access.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>
#include <utility>

namespace trellwick {
namespace {

// Splits a file into fields, one byte at a time, keeping at most one field in
// memory.
class FieldReader {
public:
    explicit FieldReader(std::FILE* file) : file_(file) {}

    // The next field into `value`, which comes empty. False when nothing is
    // left, on a read error or on an overlong field.
    bool next(std::string& value) {
        if (skip_after_quote_)
            skip_to_field_end();
        int c = get();
        if (c == EOF)
            return false;
        while (c == ' ')
            c = get();
        if (c == '"') {
            while ((c = get()) != EOF && c != '"') {
                if (!append(value, c))
                    return false;
            }
            // Whatever stands between the closing quote and the next comma or
            // line end belongs to no field; it is skipped only when another
            // field is asked for, so nothing after the last field is read.
            skip_after_quote_ = c == '"';
        } else {
            while (c != EOF && c != ',' && c != '\r' && c != '\n') {
                if (!append(value, c))
                    return false;
                c = get();
            }
            if (c == '\r')
                skip_linefeed();
        }
        return !std::ferror(file_);
    }

private:
    int get() { return std::getc(file_); }

    static bool append(std::string& value, int c) {
        if (value.size() >= kMaxSettingsField)
            return false;
        value += static_cast<char>(c);
        return true;
    }

    void skip_linefeed() {
        const int c = get();
        if (c != '\n' && c != EOF)
            std::ungetc(c, file_);
    }

    void skip_to_field_end() {
        skip_after_quote_ = false;
        int c = get();
        while (c != EOF && c != ',' && c != '\r' && c != '\n')
            c = get();
        if (c == '\r')
            skip_linefeed();
    }

    std::FILE* file_;
    bool skip_after_quote_ = false;
};

bool write_line(std::FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
           std::fwrite("\r\n", 1, 2, file) == 2;
}

} // namespace

std::filesystem::path settings_file_in(std::string_view progdir) {
    std::string joined(progdir);
    joined += kDirectorySeparator;
    joined += kSettingsFileName;
    return path_from_code_page(joined);
}

bool Settings::load_settings(const std::filesystem::path& file) {
    const UniqueFile in = open_file(file, false);
    if (!in)
        return false;
    FieldReader reader(in.get());
    std::array<std::string, 3> values;
    for (std::string& value : values) {
        if (!reader.next(value))
            return false;
    }
    progdir_ = std::move(values[0]);
    apidir_ = std::move(values[1]);
    scmdir_ = std::move(values[2]);
    return true;
}

SaveResult Settings::save_settings(std::string progdir, std::string apidir, std::string scmdir) {
    const std::filesystem::path target = settings_file_in(progdir);
    // The C library would cut the name at a NUL and write somewhere else.
    if (progdir.find('\0') != std::string::npos)
        return {file_error("create", target, errno_text(EINVAL))};

    std::filesystem::path temporary = target;
    temporary += ".new";
    errno = 0;
    UniqueFile out = open_file(temporary, true);
    if (!out)
        return {file_error("create", target, errno_text(errno))};

    // A failed write shows at the latest when the file is closed; errno then
    // holds the first failure's cause.
    errno = 0;
    bool written = write_line(out.get(), progdir) && write_line(out.get(), apidir) &&
                   write_line(out.get(), scmdir);
    written = std::fclose(out.release()) == 0 && written;
    const int error_number = errno;
    std::error_code ignored;
    if (!written) {
        std::filesystem::remove(temporary, ignored);
        return {file_error("write", target, errno_text(error_number))};
    }

    std::error_code renamed;
    std::filesystem::rename(temporary, target, renamed);
    if (renamed) {
        std::filesystem::remove(temporary, ignored);
        return {file_error("replace", target, renamed.message())};
    }

    progdir_ = std::move(progdir);
    apidir_ = std::move(apidir);
    scmdir_ = std::move(scmdir);
    return {};
}

} // namespace trellwick
