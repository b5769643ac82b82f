// Any bytes as a manifest. The CSV reader either names its problem or gives
// rows that, written back with csv_row and read again, are the same rows; and
// reading the bytes as a manifest file never fails in any other way.

#include "cli/csv.h"
#include "cli/manifest.h"
#include "file_test_support.h"

#include <cstdint>

using namespace trellwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const testing::ScratchDir scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const cli::CsvTable table = cli::read_csv(bytes);
    if (table.error.empty()) {
        std::string written;
        for (const cli::CsvRow& row : table.rows)
            written += cli::csv_row(row.fields);
        const cli::CsvTable again = cli::read_csv(written);
        if (!again.error.empty() || again.rows.size() != table.rows.size())
            std::abort();
        for (std::size_t i = 0; i < table.rows.size(); ++i)
            if (again.rows[i].fields != table.rows[i].fields)
                std::abort();
    }
    testing::write_file(scratch / "m.csv", bytes);
    const cli::ManifestJobs jobs = cli::read_manifest(scratch / "m.csv");
    if (!jobs.error.empty() && !jobs.jobs.empty())
        std::abort();
    return 0;
}
