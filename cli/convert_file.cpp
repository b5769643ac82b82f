#include "cli/convert_file.h"

#include "cli/code_page_text.h"
#include "cli/command_line_host.h"
#include "cli/destination.h"
#include "cli/private_directory.h"
#include "conversion/steps.h"
#include "conversion/text_file.h"

#include <system_error>

namespace trellwick::cli {
namespace {

constexpr std::string_view kWorkFileName = "the converted macro";

// One run of the steps for one API file, reporting under that file's name.
class FileConversion {
public:
    FileConversion(const FileJob& job, const ConversionSettings& settings, Diagnostics& diagnostics)
        : job_(job), settings_(settings), diagnostics_(diagnostics), label_(display_path(job.api)),
          host_(settings.force) {}

    // Runs the three steps with the SCM file going to `scm`; true when it is
    // complete and closed.
    bool run(const std::filesystem::path& scm, const std::filesystem::path& work_file);

    bool fail(std::string_view problem) {
        diagnostics_.error(label_, problem);
        return false;
    }

private:
    bool went_on(StepOutcome outcome);
    bool take_proposals(const std::optional<std::string>& title);
    bool descriptions_given();

    const FileJob& job_;
    const ConversionSettings& settings_;
    Diagnostics& diagnostics_;
    std::string label_;
    std::string work_file_;
    CommandLineHost host_;
    ConversionForm form_;
};

// What the window would have shown during a step: warnings when the step went
// on, and when it stopped, its last message is the reason. The private work
// file means nothing to the user and is gone when the message is read, so it
// is named by what it holds.
bool FileConversion::went_on(StepOutcome outcome) {
    std::vector<std::string> messages = host_.take_messages();
    if (outcome == StepOutcome::Stopped && messages.empty())
        messages.push_back("the conversion stopped");
    for (std::string& message : messages) {
        for (auto at = message.find(work_file_); at != std::string::npos;
             at = message.find(work_file_, at))
            message.replace(at, work_file_.size(), kWorkFileName);
    }
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (outcome == StepOutcome::Stopped && i + 1 == messages.size())
            diagnostics_.error(label_, messages[i]);
        else
            diagnostics_.warning(label_, messages[i]);
    }
    return outcome != StepOutcome::Stopped;
}

// The name and bitmap: given on the command line, or the window's proposals
// from the API file's name.
bool FileConversion::take_proposals(const std::optional<std::string>& title) {
    const std::string file_name = display_path(job_.api.filename());
    const std::string code_page(code_page_name());
    if (settings_.texts.name) {
        form_.txt_name = *settings_.texts.name;
    } else if (!title) {
        return fail("no macro name can be proposed: " + code_page + " can't hold the name \"" +
                    file_name + "\"; give --name");
    } else if (form_.txt_name.empty()) {
        return fail("no macro name can be proposed from \"" + file_name + "\"; give --name");
    }
    if (settings_.texts.bitmap) {
        form_.txt_bmp = *settings_.texts.bitmap;
    } else if (!title) {
        return fail("no bitmap name can be proposed: " + code_page + " can't hold the name \"" +
                    file_name + "\"; give --bitmap");
    } else if (form_.txt_bmp.empty()) {
        return fail("no bitmap name can be proposed from \"" + file_name +
                    "\" (it holds neither \".api\" nor \".scm\"); give --bitmap");
    }
    return true;
}

// The window's "Please make sure you have filled in all fields" for the
// descriptions of the user parameters that the macro uses.
bool FileConversion::descriptions_given() {
    bool given = true;
    for (int i = 0; i < 4; ++i) {
        if (!form_.usage.user_parameter(i))
            continue;
        const auto& description = settings_.texts.descriptions[static_cast<std::size_t>(i)];
        if (description && !description->empty())
            continue;
        const std::string number = std::to_string(i + 1);
        fail("user parameter " + number + " (%" + std::to_string(i + 6) + ") is used but has " +
             (description ? "an empty" : "no") + " --param description");
        given = false;
    }
    return given;
}

bool FileConversion::run(const std::filesystem::path& scm, const std::filesystem::path& work_file) {
    const StepEnvironment environment{work_file, settings_.locale};
    work_file_ = display_path(work_file);
    const std::optional<std::string> title = file_name_in_code_page(job_.api);
    form_.txt_api = job_.api;
    form_.txt_scm = scm;
    form_.filetitle = title.value_or("");
    if (!went_on(convert_step(form_, host_, environment)) || !take_proposals(title))
        return false;

    form_.opt_asd2t = settings_.texts.type_index;
    form_.txt_typeother = settings_.texts.type_other;
    for (std::size_t i = 0; i < form_.txt_up.size(); ++i)
        form_.txt_up[i].text = settings_.texts.descriptions[i].value_or("");
    const StepOutcome information = macro_information_step(form_, host_, environment);
    if (!went_on(information))
        return false;
    if (information == StepOutcome::Finished)
        return true;
    if (!descriptions_given())
        return false;
    return went_on(cmd_up_Click(form_, host_));
}

} // namespace

bool convert_file(const FileJob& job, const ConversionSettings& settings,
                  Diagnostics& diagnostics) {
    const std::string label = display_path(job.api);
    const auto fail = [&](std::string_view problem) {
        diagnostics.error(label, problem);
        return false;
    };
    const std::filesystem::path target = write_target(job.scm);
    if (const std::string refusal = destination_refusal(job.api, job.scm, settings.force);
        !refusal.empty())
        return fail(refusal);

    const auto work = PrivateDirectory::create_temporary("trellwick-convert-");
    if (!work.directory)
        return fail(work.error);
    const auto staging = PrivateDirectory::create(target.parent_path(), ".trellwick-convert-");
    if (!staging.directory)
        return fail(staging.error);

    // The conversion's files are closed before the directories that hold them go.
    const std::filesystem::path staged = staging.directory->path() / target.filename();
    if (!FileConversion(job, settings, diagnostics)
             .run(staged, work.directory->path() / "macro.temp"))
        return false;

    // The destination may have appeared while the file was converted.
    if (const std::string refusal = destination_refusal(job.api, job.scm, settings.force);
        !refusal.empty())
        return fail(refusal);
    std::error_code error;
    // An overwritten file keeps its permissions, as when the window writes it
    // in place.
    const auto existing = std::filesystem::status(target, error);
    if (!error && std::filesystem::is_regular_file(existing))
        std::filesystem::permissions(staged, existing.permissions(), error);
    std::filesystem::rename(staged, target, error);
    if (error)
        return fail("Cannot write " + display_path(target) + ": " + error.message());
    return true;
}

} // namespace trellwick::cli
