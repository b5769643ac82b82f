#include "cli/manifest.h"

#include "cli/arguments.h"
#include "cli/csv.h"
#include "cli/staged_file.h"
#include "cli/type_choice.h"
#include "conversion/macro_types.h"
#include "files/file_access.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

namespace trellwick::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 10> kColumns = {
    "api", "scm", "name", "type", "other_type", "bitmap", "param1", "param2", "param3", "param4"};
enum Column { kApi, kScm, kName, kType, kOtherType, kBitmap, kParam1 };

// Where the manifest's relative paths start from: its folder, empty for the
// working directory.
fs::path folder_of(const fs::path& file) {
    return file.parent_path();
}

std::string relative_text(const std::string& path, const fs::path& folder) {
    std::error_code error;
    const fs::path relative = fs::proximate(
        path_from_argument(path), folder.empty() ? fs::current_path(error) : folder, error);
    if (error)
        return path;
    const std::u8string text = relative.generic_u8string(); // "/" on every system
    return std::string(text.begin(), text.end());
}

// The row's job: its texts taken as the command line's options would be.
Job row_job(const std::vector<std::string>& fields, const std::string& place,
            const fs::path& folder) {
    const auto field = [&](int column) -> const std::string& {
        return fields[static_cast<std::size_t>(column)];
    };
    const auto path = [&](int column) {
        return folder / path_from_argument(field(column));
    };
    Job job;
    job.api = path(kApi);
    job.scm = field(kScm).empty() ? fs::path(job.api).replace_extension(".scm") : path(kScm);
    job.label = place + " (" + field(kApi) + ")";
    job.make_folders = true; // as the survey mirrored a library's folders
    std::string& problem = job.refusal;
    GivenTexts& texts = job.texts;
    if (field(kApi).empty())
        problem = "the api column is empty";
    else if (field(kScm) == "-")
        problem = "an SCM file of a manifest can't be standard output";
    else if (field(kName).empty() || field(kBitmap).empty())
        problem =
            std::string("the ") + (field(kName).empty() ? "name" : "bitmap") + " column is empty";
    else if (!field(kType).empty() && !field(kOtherType).empty())
        problem = "give the type or the other_type, not both";
    else if (field(kType).empty() && field(kOtherType).empty())
        problem = "the type and other_type columns are both empty";
    if (!problem.empty())
        return job;
    if (!field(kType).empty()) {
        const TypeChoice choice = type_choice(field(kType));
        if (choice.index < 0)
            problem = "the type " + unknown_type(field(kType), choice) +
                      " (a type of your own goes in the other_type column)";
        texts.type_index = choice.index;
    } else {
        texts.type_index = kOtherTypeIndex;
        texts.type_other = encoded("the other_type", field(kOtherType), problem).value_or("");
    }
    texts.name = encoded("the name", field(kName), problem);
    texts.bitmap = encoded("the bitmap", field(kBitmap), problem);
    for (std::size_t i = 0; i < texts.descriptions.size(); ++i) {
        // "-" marks a parameter that the macro didn't use when it was surveyed.
        const std::string& description = field(kParam1 + static_cast<int>(i));
        if (description != "-")
            texts.descriptions[i] =
                encoded("param" + std::to_string(i + 1), description, problem).value_or("");
    }
    return job;
}

} // namespace

std::string write_manifest(const fs::path& file, const std::vector<MacroReport>& reports,
                           const Options& options) {
    const fs::path folder = folder_of(file);
    std::string text = csv_row({kColumns.begin(), kColumns.end()});
    const std::string type =
        options.type
            ? std::string(
                  kMacroTypeCaptions[static_cast<std::size_t>(type_choice(*options.type).index)])
            : "";
    for (const MacroReport& report : reports) {
        std::vector<std::string> row = {relative_text(report.api, folder),
                                        relative_text(report.scm, folder),
                                        report.name,
                                        type,
                                        options.other_type.value_or(""),
                                        report.bitmap};
        for (std::size_t i = 0; i < 4; ++i)
            row.push_back(report.user_parameters[i] ? options.descriptions[i].value_or("") : "-");
        text += csv_row(row);
    }
    StagedFile::Created staged = StagedFile::create(file);
    if (!staged.file)
        return staged.error;
    UniqueFile stream(staged.file->take_stream());
    if (std::fwrite(text.data(), 1, text.size(), stream.get()) != text.size() ||
        std::fclose(stream.release()) != 0)
        return file_error("write", file, errno);
    return staged.file->put_in_place(options.force);
}

ManifestJobs read_manifest(const fs::path& file) {
    ManifestJobs manifest;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {{}, file_error("open", file, errno)};
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    if (in.bad())
        return {{}, file_error("read", file, errno)};
    const CsvTable table = read_csv(text);
    if (!table.error.empty())
        return {{}, path_text(file) + ": " + table.error};
    if (table.rows.empty())
        return {{}, path_text(file) + ": no header row"};

    // The columns by their names in the header row, in any order.
    std::array<std::size_t, kColumns.size()> place{};
    const std::vector<std::string>& header = table.rows.front().fields;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        place[c] = static_cast<std::size_t>(std::find(header.begin(), header.end(), kColumns[c]) -
                                            header.begin());
        if (place[c] == header.size())
            return {{},
                    path_text(file) + ": its header row has no column \"" +
                        std::string(kColumns[c]) + "\""};
    }
    const fs::path folder = folder_of(file);
    const std::string name = path_text(file.filename());
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        std::vector<std::string> fields;
        for (const std::size_t at : place) // a spreadsheet may leave out empty fields at the end
            fields.push_back(at < row.fields.size() ? row.fields[at] : "");
        manifest.jobs.push_back(
            row_job(fields, name + " row " + std::to_string(row.number), folder));
    }
    refuse_clashes(manifest.jobs);
    return manifest;
}

} // namespace trellwick::cli
