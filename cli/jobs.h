#pragma once

// What a run converts, or surveys: each API macro with the SCM file it goes
// to and the texts it takes, from the command line's files and folders (or
// from the rows of a manifest, manifest.h).

#include "cli/given_texts.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trellwick::cli {

struct Job {
    std::filesystem::path api; // "-": standard input
    std::filesystem::path scm; // "-": standard output
    std::string label;         // how messages name the macro
    GivenTexts texts;
    std::string refusal;       // why it can't be converted at all, found before reading it
    bool make_folders = false; // the SCM file's folder is made as it is written
};

struct Jobs {
    std::vector<Job> jobs;
    bool single = false; // API_FILE SCM_FILE
    std::string error;   // wrong usage: nothing is converted
};

// Whether the file has the extension .api, in any case.
bool is_api_file(const std::filesystem::path& path);

// The files of the command line: API_FILE SCM_FILE, or API files and folders
// (every file with the extension .api in any case, with `recursive` in the
// subfolders too), each SCM file beside its API file or under `output_dir`
// (with the subfolders of a folder given). Several jobs with one SCM file, or
// whose SCM file is another's API file, are refused.
Jobs jobs_from_files(const Options& options, const GivenTexts& texts);

// Refuses the jobs that share an SCM file, or whose SCM file is another one's
// API file.
void refuse_clashes(std::vector<Job>& jobs);

} // namespace trellwick::cli
