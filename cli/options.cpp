#include "cli/options.h"

#include "cli/type_choice.h"
#include "trellwick_version.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace trellwick::cli {
namespace {

constexpr std::string_view kDescription =
    "Converts API macros into SCM macros for ASD version 2, as the Trellwick\n"
    "window does for the same inputs.";

// The GNU form: the program, its package and version, then the copyright
// and the licence.
std::string version_text() {
    return std::string(kProgramName) + " (Trellwick) " + kVersion + "\n" + kCopyright + "\n" +
           kLicence + "\n" + kFreeSoftware;
}

// The captions in lines of at most 78 columns.
std::string wrapped_captions() {
    std::string text = "Type captions (any case):";
    std::size_t line_start = 0;
    const std::string captions = caption_list();
    for (std::size_t at = 0; at < captions.size();) {
        const std::size_t end = std::min(captions.find(", ", at), captions.size());
        const std::string word = captions.substr(at, end - at + (end < captions.size() ? 1 : 0));
        if (text.size() - line_start + 1 + word.size() > 78) {
            text += "\n ";
            line_start = text.size() - 1;
        }
        text += " " + word;
        at = end + 2;
    }
    return text;
}

std::string footer() {
    return wrapped_captions() + R"(

Without --output-dir, each SCM file goes beside its API file. "-" as the SCM
file writes it to standard output; "-" as the API file reads standard input
(give --name and --bitmap).

A library, step by step:
  trellwick-convert --survey -r --output-dir out macros
      lists what each macro uses and would get, writing nothing;
  trellwick-convert --survey -r --output-dir out --write-manifest m.csv macros
      also writes m.csv, a row per macro, to complete in a spreadsheet;
  trellwick-convert --manifest m.csv
      converts every row with its own name, type, bitmap and descriptions.

Numbers follow the user's locale. Texts are written in the 8-bit code page
(Windows-1252; on Windows the ANSI code page).

Exit status: 0 when every macro was (or would be) converted, 1 when one was not,
2 for wrong usage.)";
}

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

// What the options together must satisfy.
std::string check(const Options& options) {
    for (const auto& [flag, value] : {std::pair{"--type", &options.type},
                                      {"--other-type", &options.other_type},
                                      {"--name", &options.name},
                                      {"--bitmap", &options.bitmap},
                                      {"--output-dir", &options.output_dir},
                                      {"--manifest", &options.manifest},
                                      {"--write-manifest", &options.write_manifest}}) {
        if (*value && (*value)->empty())
            return std::string(flag) + " must not be empty";
        if (*value && **value == "-" &&
            std::string_view(flag).find("manifest") != std::string_view::npos)
            return std::string(flag) + " needs a file name; \"-\" is none";
    }
    if (options.type && options.other_type)
        return "give --type or --other-type, not both";
    if (options.type)
        if (const TypeChoice choice = type_choice(*options.type); choice.index < 0)
            return "--type " + unknown_type(*options.type, choice) +
                   " (a type of your own goes with --other-type)";
    if ((options.json || options.write_manifest) && !options.survey)
        return std::string(options.json ? "--json" : "--write-manifest") + " goes with --survey";
    if (options.manifest) {
        if (!options.files.empty())
            return "--manifest names the files itself; give no API file beside it";
        if (options.type || options.other_type || options.name || options.bitmap ||
            options.output_dir || options.write_manifest)
            return "--manifest gives each macro its own texts and SCM file; give no --type, "
                   "--other-type, --name, --bitmap, --output-dir or --write-manifest beside it";
        for (const auto& description : options.descriptions)
            if (description)
                return "--manifest gives each macro its own descriptions; give no --param beside "
                       "it";
        return {};
    }
    if (options.files.empty())
        return "no API file given";
    if (!options.type && !options.other_type && !options.survey)
        return "--type (or --other-type) is required";
    if (options.output_dir && *options.output_dir == "-")
        return "--output-dir needs a folder; \"-\" is none";
    return {};
}

// The problems with long options that CLI11 would name in its own terms: an
// option it doesn't know, a value given to a flag ("--force=yes", which it
// would read as true), an option that takes one value given twice.
std::string long_option_problem(const CLI::App& app, const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        if (argument == "--")
            break;
        else if (argument == "-h" || argument == "--help" || argument == "-V" ||
                 argument == "--version")
            return {}; // they are answered whatever else is given
    std::vector<std::string> seen;
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        if (!argument.starts_with("--"))
            continue;
        const std::string name = argument.substr(2, argument.find('=') - 2);
        const CLI::Option* option = app.get_option_no_throw("--" + name);
        if (!option)
            return "unknown option --" + name;
        const bool flag = option->get_expected_max() == 0;
        if (flag && argument.find('=') != std::string::npos)
            return "--" + name + " takes no value; give it alone, not " + argument;
        if (argument.ends_with('=') && argument.find('=') == argument.size() - 1)
            return "--" + name + " must not be empty";
        if (!flag && name != "param" && std::find(seen.begin(), seen.end(), name) != seen.end())
            return "--" + name + " is given twice";
        seen.push_back(name);
    }
    return {};
}

} // namespace

ParsedOptions parse_options(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    std::vector<std::string> params;

    CLI::App app{std::string(kDescription), std::string(kProgramName)};
    app.allow_windows_style_options(false); // "/work/x.api" is a file on every system
    app.set_help_flag("-h,--help", "print this help and exit");
    app.set_version_flag("-V,--version", version_text(), "print the version and exit");
    app.footer(footer());
    app.get_formatter()->column_width(24);
    app.add_option("--type", options.type, "the macro type, one of the captions below")
        ->type_name("TEXT");
    app.add_option("--other-type", options.other_type,
                   "a type of your own (\"Other\" in the window)")
        ->type_name("TEXT");
    app.add_option("--name", options.name, "macro name (default: the file's name to its \".\")")
        ->type_name("TEXT");
    app.add_option("--bitmap", options.bitmap,
                   "bitmap file (default: the file's name, .bmp for .api)")
        ->type_name("TEXT");
    app.add_option("--param", params, "describes user parameter N, 1 to 4 (%6 to %9), if used")
        ->type_name("N=TEXT")
        ->allow_extra_args(false);
    app.add_option("--output-dir", options.output_dir,
                   "the folder for the SCM files (default: beside)")
        ->type_name("DIR");
    app.add_flag("-r,--recursive", options.recursive, "folders' subfolders too, mirrored in DIR");
    app.add_flag("--force", options.force, "overwrite existing SCM files");
    app.add_flag("--survey", options.survey, "report what each macro needs; write no SCM file");
    app.add_flag("--json", options.json, "with --survey: the report as JSON");
    app.add_option("--write-manifest", options.write_manifest, "with --survey: a CSV row per macro")
        ->type_name("FILE");
    app.add_option("--manifest", options.manifest, "convert each row of a completed manifest")
        ->type_name("FILE");
    app.add_flag("-q,--quiet", options.quiet, "no progress, no summary of a good run");
    app.add_flag("-v,--verbose", options.verbose, "a line for each file");
    app.add_option("files", options.files, "API_FILE SCM_FILE, or API files and folders")
        ->type_name("FILE");
    if (parsed.error = long_option_problem(app, arguments); !parsed.error.empty())
        return parsed;
    try {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        parsed.output = app.help();
        return parsed;
    } catch (const CLI::CallForVersion& version) {
        parsed.output = std::string(version.what()) + "\n";
        return parsed;
    } catch (const CLI::ParseError& error) {
        parsed.error = error.what();
        return parsed;
    }
    for (const std::string& param : params)
        if (parsed.error.empty())
            parsed.error = add_description(param, options);
    if (parsed.error.empty())
        parsed.error = check(options);
    return parsed;
}

} // namespace trellwick::cli
