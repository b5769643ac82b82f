// The settings file's field reader over any bytes. A file that loads and is
// saved again loads back the same three values, unless a value holds a comma,
// a quote or a line end, which the plain writer can't keep apart.

#include "file_test_support.h"
#include "settings/settings_file.h"

#include <cstdint>

using namespace trellwick;

namespace {

bool plain(const std::string& value) {
    return value.find_first_of(",\"\r\n") == std::string::npos && !value.starts_with(' ') &&
           value.find('\0') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const testing::ScratchDir scratch;
    const auto file = scratch / "quorvel.ini";
    testing::write_file(file, std::string(reinterpret_cast<const char*>(data), size));
    Settings settings;
    if (!settings.load_settings(file)) {
        if (!settings.progdir().empty() || !settings.apidir().empty() || !settings.scmdir().empty())
            std::abort();
        return 0;
    }
    if (settings.progdir().size() + settings.apidir().size() + settings.scmdir().size() > size)
        std::abort();
    const std::string api = settings.apidir(), scm = settings.scmdir();
    if (!plain(api) || !plain(scm))
        return 0;
    Settings saved;
    const std::string dir = scratch.path().string();
    if (!saved.save_settings(dir, api, scm).ok())
        std::abort();
    Settings reloaded;
    if (!reloaded.load_settings(settings_file_in(dir)) || reloaded.apidir() != api ||
        reloaded.scmdir() != scm || reloaded.progdir() != dir)
        std::abort();
    return 0;
}
