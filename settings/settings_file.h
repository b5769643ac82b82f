#pragma once

// The three program-wide directories and the settings file that keeps them
// from one run to the next. Values are bytes in the system's 8-bit code page,
// held exactly as typed or chosen.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace trellwick {

inline constexpr std::string_view kSettingsFileName = "quorvel.ini";

// No directory is this long; a longer field means the file isn't a settings
// file, and reading stops there instead of filling memory with it.
inline constexpr std::size_t kMaxSettingsField = 64 * 1024;

struct [[nodiscard]] SaveResult {
    // Empty on success, otherwise for example
    // "Cannot create /x/quorvel.ini: Permission denied" (UTF-8).
    std::string error;
    bool ok() const { return error.empty(); }
};

// progdir + separator + "quorvel.ini", joined as plain text: a directory that
// already ends in a separator gives a doubled one.
std::filesystem::path settings_file_in(std::string_view progdir);

class Settings {
public:
    Settings() = default;
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    const std::string& progdir() const { return progdir_; }
    const std::string& apidir() const { return apidir_; }
    const std::string& scmdir() const { return scmdir_; }

    // Reads three fields from the file, by default "quorvel.ini" in the
    // working directory. Fields are separated by commas or line ends (CR, LF
    // or CR LF); spaces in front of a field are skipped; a field that starts
    // with a double quote runs to the next double quote, and whatever follows
    // that quote up to and including the next comma or line end is skipped.
    // Only when all three fields were read are the values set; otherwise
    // (no file, fewer than three fields, a read error or an overlong field)
    // false, with nothing changed. Text after the third field is never read.
    bool load_settings(const std::filesystem::path& file = kSettingsFileName);

    // Writes the three values, one per CR LF ended line, into
    // settings_file_in(progdir), then sets them. The file is written under a
    // temporary name beside it and renamed over it, so a failed save leaves
    // any earlier settings file whole; on failure nothing changes.
    SaveResult save_settings(std::string progdir, std::string apidir, std::string scmdir);

private:
    std::string progdir_;
    std::string apidir_;
    std::string scmdir_;
};

} // namespace trellwick
