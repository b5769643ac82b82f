#include "cli/options.h"

#include "conversion/macro_types.h"

#include <algorithm>

namespace trellwick::cli {
namespace {

struct ValueOption {
    std::string_view flag;
    std::optional<std::string> Options::*member;
};

constexpr std::array<ValueOption, 4> kValueOptions{{
    {"--type", &Options::type},
    {"--name", &Options::name},
    {"--bitmap", &Options::bitmap},
    {"--output-dir", &Options::output_dir},
}};

// "N=TEXT" with N from 1 to 4; TEXT may hold "=" itself.
std::string add_description(std::string_view value, Options& options) {
    const auto equals = value.find('=');
    const std::string_view number = value.substr(0, equals);
    if (equals == std::string_view::npos || number.size() != 1 || number[0] < '1' ||
        number[0] > '4')
        return "--param takes N=TEXT with N from 1 to 4, not \"" + std::string(value) + "\"";
    auto& description = options.descriptions[static_cast<std::size_t>(number[0] - '1')];
    if (description)
        return "--param " + std::string(number) + " is given twice";
    description = std::string(value.substr(equals + 1));
    return {};
}

bool takes_value(std::string_view flag) {
    return flag == "--param" ||
           std::any_of(kValueOptions.begin(), kValueOptions.end(),
                       [&](const ValueOption& option) { return option.flag == flag; });
}

// Keeps the value of an option that takes one; an error text, or empty.
std::string set_value(const std::string& flag, const std::string& value, Options& options) {
    if (flag == "--param")
        return add_description(value, options);
    for (const ValueOption& option : kValueOptions) {
        if (option.flag != flag)
            continue;
        if (options.*option.member)
            return flag + " is given twice";
        options.*option.member = value;
    }
    return {};
}

// What the options together must satisfy.
std::string check(const Options& options) {
    if (!options.type)
        return "--type is required";
    for (const ValueOption& option : kValueOptions) {
        const auto& value = options.*option.member;
        if (value && value->empty())
            return std::string(option.flag) + " must not be empty";
    }
    if (options.output_dir) {
        if (options.files.empty())
            return "no API file given";
    } else if (options.files.size() < 2) {
        return "give an API file and an SCM file";
    } else if (options.files.size() > 2) {
        return "give one API file and one SCM file, or use --output-dir DIR for several API files";
    }
    return {};
}

} // namespace

ParsedOptions parse_options(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    bool only_files = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (only_files || argument == "-" || !argument.starts_with("-")) {
            options.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            only_files = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return parsed;
        }
        if (argument == "--version" || argument == "-V") {
            options.version = true;
            return parsed;
        }
        if (argument == "--force" || argument == "--quiet") {
            (argument == "--force" ? options.force : options.quiet) = true;
            continue;
        }

        // An option with a value: "--name TEXT" or "--name=TEXT".
        const auto equals = argument.find('=');
        const std::string flag = argument.substr(0, equals);
        if (!takes_value(flag)) {
            parsed.error = "unknown option " + flag;
            return parsed;
        }
        if (equals == std::string::npos && i + 1 == arguments.size()) {
            parsed.error = flag + " needs a value";
            return parsed;
        }
        parsed.error = set_value(
            flag, equals != std::string::npos ? argument.substr(equals + 1) : arguments[++i],
            options);
        if (!parsed.error.empty())
            return parsed;
    }
    parsed.error = check(options);
    return parsed;
}

std::string usage_text() {
    std::string captions;
    for (int i = 0; i < kOtherTypeIndex; ++i)
        captions.append(i == 0 ? "" : ", ").append(kMacroTypeCaptions[static_cast<std::size_t>(i)]);

    return R"(Usage: trellwick-convert [options] API_FILE SCM_FILE
       trellwick-convert [options] --output-dir DIR API_FILE...
Converts API macros into SCM macros for ASD version 2, as the Trellwick window
does for the same inputs.

  --type TEXT       macro type: one of the sixteen type captions below, or any
                    other text (as with "Other, please specify:"); required
  --name TEXT       macro name (default: the API file's name up to its first ".")
  --bitmap TEXT     bitmap file name (default: the API file's name with ".api"
                    replaced by ".bmp"; needed when the name holds no ".api")
  --param N=TEXT    description of user parameter N, 1 to 4 (for %6 to %9);
                    needed for every user parameter the macro uses; repeatable
  --force           overwrite an existing SCM file (otherwise it is left alone)
  --output-dir DIR  several API files: each SCM file is DIR/<API file name with
                    its extension replaced by .scm>
  --quiet           no progress lines
  -V, --version     print the version and exit
  -h, --help        print this help and exit

Type captions: )" +
           captions + R"(

Numbers follow the locale of LC_ALL, LC_NUMERIC or LANG. Texts are written in
the 8-bit code page Windows-1252 (on Windows the ANSI code page).

Exit status: 0 when every file was converted, 1 when a file failed, 2 for
wrong usage.
)";
}

std::filesystem::path path_from_argument(const std::string& argument) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
#else
    return std::filesystem::path(argument);
#endif
}

} // namespace trellwick::cli
