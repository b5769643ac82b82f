#include "cli/command.h"

#include "cli/arguments.h"
#include "cli/convert_file.h"
#include "cli/manifest.h"
#include "cli/options.h"
#include "cli/progress.h"
#include "cli/survey_output.h"
#include "files/file_access.h"

#include <algorithm>
#include <system_error>

namespace trellwick::cli {
namespace {

int usage_error(std::ostream& err, std::string_view problem) {
    err << kProgramName << ": " << problem << "\nTry '" << kProgramName
        << " --help' for more information.\n";
    return kExitUsage;
}

int failure(std::ostream& err, std::string_view problem) {
    err << kProgramName << ": " << problem << '\n';
    return kExitFailed;
}

} // namespace

int run_command_line(const std::vector<std::string>& arguments, const NumericLocale& locale,
                     std::ostream& out, std::ostream& err, bool terminal) {
    const ParsedOptions parsed = parse_options(arguments);
    if (!parsed.error.empty())
        return usage_error(err, parsed.error);
    if (!parsed.output.empty()) {
        out << parsed.output;
        return kExitConverted;
    }
    const Options& options = parsed.options;
    const EncodedTexts encoded_texts = encode_given_texts(options);
    if (!encoded_texts.error.empty())
        return usage_error(err, encoded_texts.error);

    Jobs jobs;
    if (options.manifest) {
        ManifestJobs manifest = read_manifest(path_from_argument(*options.manifest));
        if (!manifest.error.empty())
            return failure(err, manifest.error);
        jobs.jobs = std::move(manifest.jobs);
    } else {
        jobs = jobs_from_files(options, encoded_texts.texts);
        if (!jobs.error.empty())
            return usage_error(err, jobs.error);
    }
    if (options.output_dir) {
        std::error_code error;
        if (!std::filesystem::is_directory(path_from_argument(*options.output_dir), error))
            return failure(err, *options.output_dir + ": no such folder");
    }

    const ConversionSettings settings{options.force, options.survey, locale};
    const Telling telling{terminal, options.quiet, options.verbose && !options.survey};
    Progress progress(err, jobs.jobs.size(), telling);
    std::vector<MacroReport> reports;
    for (std::size_t i = 0; i < jobs.jobs.size(); ++i) {
        progress.next(i, jobs.jobs[i]);
        reports.push_back(convert_file(jobs.jobs[i], settings));
    }
    progress.clear();

    if (options.survey) {
        if (options.json)
            print_survey_json(reports, out);
        else
            print_survey_table(reports, out);
        if (options.write_manifest)
            if (const std::string error =
                    write_manifest(path_from_argument(*options.write_manifest), reports, options);
                !error.empty())
                return failure(err, error);
    } else {
        tell_outcome(reports, !jobs.single, telling, err);
    }
    const bool all = std::all_of(reports.begin(), reports.end(),
                                 [](const MacroReport& report) { return report.errors.empty(); });
    return all ? kExitConverted : kExitFailed;
}

} // namespace trellwick::cli
