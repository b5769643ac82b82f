#pragma once

// Running trellwick-convert in tests: in process through run_command_line, or
// as the built executable in a subprocess with an environment of its own.

#include "cli/command.h"
#include "conversion/text_file.h"
#include "conversion_test_support.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace trellwick::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// In process, with a decimal point.
inline CliRun run_cli(const std::vector<std::string>& arguments,
                      const NumericLocale& locale = {'.', ','}) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = cli::run_command_line(arguments, locale, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The built executable, started in `directory` with `environment` added to
// the test's own (a value of "" removes the variable).
inline QProcess* start_executable(const std::vector<std::string>& arguments,
                                  const std::filesystem::path& directory,
                                  const std::map<QString, QString>& environment = {}) {
    auto* process = new QProcess;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) {
        if (value.isEmpty())
            variables.remove(name);
        else
            variables.insert(name, value);
    }
    process->setProcessEnvironment(variables);
    process->setWorkingDirectory(QString::fromStdString(directory.string()));
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    process->start(QStringLiteral(TRELLWICK_CONVERT_EXECUTABLE), list);
    return process;
}

inline CliRun finish(QProcess* process) {
    CliRun run;
    if (process->waitForFinished(60000) && process->exitStatus() == QProcess::NormalExit)
        run.status = process->exitCode();
    run.out = process->readAllStandardOutput().toStdString();
    run.err = process->readAllStandardError().toStdString();
    delete process;
    return run;
}

inline CliRun run_executable(const std::vector<std::string>& arguments,
                             const std::filesystem::path& directory,
                             const std::map<QString, QString>& environment = {}) {
    return finish(start_executable(arguments, directory, environment));
}

// The names in a directory, sorted.
inline std::set<std::string> names_in(const std::filesystem::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

inline std::string golden_api() {
    return std::string(TRELLWICK_TEST_DATA) + "/worked_example.api";
}
inline std::string golden_scm() {
    return read_file(std::string(TRELLWICK_TEST_DATA) + "/worked_example.scm");
}

// The options that give the golden SCM file for the worked example.
inline std::vector<std::string> golden_options() {
    return {"--type",   "Hangars",    "--name",  "Hangar",
            "--bitmap", "hangar.bmp", "--param", "1=Color1"};
}

inline std::vector<std::string> joined(std::vector<std::string> a,
                                       const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::string text(const std::filesystem::path& path) {
    return display_path(path);
}

} // namespace trellwick::testing
