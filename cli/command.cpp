#include "cli/command.h"

#include "cli/batch.h"
#include "cli/convert_file.h"
#include "cli/diagnostics.h"
#include "cli/given_texts.h"
#include "cli/options.h"
#include "files/file_access.h"

namespace trellwick::cli {
namespace {

int usage_error(Diagnostics& diagnostics, std::string_view problem) {
    diagnostics.note(problem);
    diagnostics.line("Try '" + std::string(kProgramName) + " --help' for more information.");
    return kExitUsage;
}

} // namespace

int run_command_line(const std::vector<std::string>& arguments, const NumericLocale& locale,
                     std::ostream& out, std::ostream& err) {
    Diagnostics diagnostics(err);
    const ParsedOptions parsed = parse_options(arguments);
    if (!parsed.error.empty())
        return usage_error(diagnostics, parsed.error);
    const Options& options = parsed.options;
    if (options.help) {
        out << usage_text();
        return kExitConverted;
    }
    if (options.version) {
        out << kProgramName << ' ' << TRELLWICK_VERSION << '\n';
        return kExitConverted;
    }
    const EncodedTexts encoded = encode_given_texts(options);
    if (!encoded.error.empty())
        return usage_error(diagnostics, encoded.error);
    const ConversionSettings settings{encoded.texts, options.force, locale};

    if (!options.output_dir) {
        const FileJob job{path_from_argument(options.files[0]),
                          path_from_argument(options.files[1])};
        return convert_file(job, settings, diagnostics) ? kExitConverted : kExitFailed;
    }
    const std::filesystem::path output_dir = path_from_argument(*options.output_dir);
    std::error_code error;
    if (!std::filesystem::is_directory(output_dir, error)) {
        diagnostics.error(path_text(output_dir), "no such directory");
        return kExitFailed;
    }
    std::vector<std::filesystem::path> api_files;
    for (const std::string& file : options.files)
        api_files.push_back(path_from_argument(file));
    return run_batch(batch_jobs(output_dir, api_files), settings, options.quiet, diagnostics)
               ? kExitConverted
               : kExitFailed;
}

} // namespace trellwick::cli
