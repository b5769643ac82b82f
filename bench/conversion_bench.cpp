// The whole conversion of one generated API macro, as trellwick-convert runs
// it: the macro read twice, renamed as it is read, the SCM file written beside
// its destination and put in place. Reports bytes of API macro per second.

#include "cli/convert_file.h"
#include "file_test_support.h"
#include "macro_generator.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>
#include <string>

namespace trellwick::bench {
namespace {

cli::ConversionSettings settings() {
    cli::ConversionSettings settings;
    settings.texts.type_index = 8; // "Hangars"
    settings.texts.name = "Hangar";
    settings.texts.bitmap = "hangar.bmp";
    settings.texts.descriptions = {"Colour", "Brightness", "Roof", "Door"};
    settings.force = true;
    settings.locale = {'.', ','};
    return settings;
}

void WholeConversion(benchmark::State& state) {
    testing::ScratchDir scratch;
    MacroShape shape;
    shape.bytes = static_cast<std::size_t>(state.range(0)) << 20U;
    shape.user_scale = state.range(1) != 0;
    const cli::FileJob job{scratch.path() / "macro.api", scratch.path() / "macro.scm"};
    if (!write_macro(job.api, shape)) {
        state.SkipWithError("cannot write the generated macro");
        return;
    }
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(job.api));
    const cli::ConversionSettings conversion = settings();
    std::ostringstream messages;
    cli::Diagnostics diagnostics(messages);
    for (auto _ : state) {
        if (!cli::convert_file(job, conversion, diagnostics)) {
            state.SkipWithError(messages.str().c_str());
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * size);
}

// Megabytes of API macro; 1 with "%4" in the code (no reference point pass).
BENCHMARK(WholeConversion)
    ->ArgNames({"MB", "user_scale"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({100, 0})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace trellwick::bench

BENCHMARK_MAIN();
