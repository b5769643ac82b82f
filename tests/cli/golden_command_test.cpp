// The golden SCM files, written byte for byte by trellwick-convert as by the
// window's three steps.

#include "cli_test_support.h"
#include "golden_sets.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

TEST(CommandLine, WritesTheGoldenFilesByteForByte) {
    testing::ScratchDir dir;
    for (const testing::GoldenSet& set : testing::kGoldenSets) {
        SCOPED_TRACE(set.api);
        const std::string api = std::string(TRELLWICK_TEST_DATA "/") + set.api;
        const std::string scm = path_text(dir / "out.scm");
        std::filesystem::remove(scm);
        std::vector<std::string> arguments = {set.type == 16 ? "--other-type" : "--type",
                                              set.type_text,
                                              "--name",
                                              set.name,
                                              "--bitmap",
                                              set.bitmap};
        for (std::size_t i = 0; i < 4; ++i)
            if (*set.descriptions[i] != '\0')
                arguments.insert(arguments.end(),
                                 {"--param", std::to_string(i + 1) + "=" + set.descriptions[i]});
        arguments.insert(arguments.end(), {api, scm});
        const testing::CliRun run = testing::run_cli(arguments, testing::locale_of(set));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err.find("warning: the size of the object can't be measured"),
                  set.fallback ? api.size() + 21 : std::string::npos);
        EXPECT_EQ(testing::read_file(scm),
                  testing::read_file(api.substr(0, api.size() - 3) + "scm"));
    }
}

} // namespace
} // namespace trellwick
