#pragma once

// Running trellwick-convert in tests: in process, or as the built executable.

#include "cli/command.h"
#include "file_test_support.h"

#include <QProcess>
#include <iterator>
#include <sstream>

namespace trellwick::testing {

struct CliRun {
    int status = -1;
    std::string out, err;
};

inline CliRun run_cli(const std::vector<std::string>& arguments, const NumericLocale& locale) {
    std::ostringstream out, err;
    const int status = cli::run_command_line(arguments, locale, out, err);
    return {status, out.str(), err.str()};
}

// The built executable in `directory`, with LC_ALL set to `locale`.
inline CliRun run_executable(const std::vector<std::string>& arguments,
                             const std::filesystem::path& directory, const QString& locale) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert("LC_ALL", locale);
    process.setProcessEnvironment(variables);
    process.setWorkingDirectory(QString::fromStdString(directory.string()));
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    process.start(QStringLiteral(TRELLWICK_CONVERT_EXECUTABLE), list);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

} // namespace trellwick::testing
