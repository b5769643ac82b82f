// The manifest: CSV as spreadsheets write it, written by a survey, completed,
// and converted row by row, a bad row failing alone.

#include "cli/csv.h"
#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

// The rows read, each as "NUMBER:field|field", joined by blanks, or the error.
std::string rows_of(std::string_view text) {
    const cli::CsvTable table = cli::read_csv(text);
    if (!table.error.empty())
        return table.error;
    std::string shown;
    for (const cli::CsvRow& row : table.rows) {
        shown += (shown.empty() ? "" : " ") + std::to_string(row.number) + ":";
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            shown += (i == 0 ? "" : "|") + row.fields[i];
    }
    return shown;
}

TEST(Csv, FieldsAsSpreadsheetsQuoteThem) {
    const std::pair<std::string, std::string> rows[] = {
        {"a,b\r\nc,d\r\n", "1:a|b 2:c|d"},
        {"a,b\nc,d", "1:a|b 2:c|d"},
        {"\xEF\xBB\xBF"
         "a,,\r\n\r\n,x\r\n",
         "1:a|| 3:|x"},
        {"\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nz", "1:a,b|say \"hi\"|two\r\nlines 2:z"},
        {"\"\"\r\n", "1:"},
        {"a,\"b\"c\r\n", "row 1 holds text after a closing quote"},
        {"a\r\n\"b,c\r\n", "the quote that opens a field of row 2 is never closed"},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(rows_of(text), expected);
    }
    EXPECT_EQ(cli::csv_row({"plain", "a,b", "say \"hi\"", "", "x\ny"}),
              "plain,\"a,b\",\"say \"\"hi\"\"\",,\"x\ny\"\r\n");
    EXPECT_EQ(cli::csv_row({""}), "\"\"\r\n");
    EXPECT_EQ(cli::csv_row({"\xEF\xBB\xBF"
                            "a",
                            "b"}),
              "\"\xEF\xBB\xBF"
              "a\",b\r\n");
}

TEST(Manifest, SurveyWritesItAndEachRowConvertsWithItsOwnTexts) {
    testing::ScratchDir dir;
    testing::change_files(dir.path(), "lib/|lib/sub/|out/|work/|lib/a.api=x %4 %6 \r\n|"
                                      "lib/sub/B.API=x %4 %8 \r\n|lib/c.api=x %4 \r\n");
    const testing::CliRun survey = testing::run_cli(testing::arguments(
        "--survey -r --type trees --output-dir DIR/out --write-manifest DIR/work/m.csv DIR/lib",
        dir.path()));
    EXPECT_EQ(survey.status, 1); // %6 and %8 have no descriptions yet
    EXPECT_EQ(testing::read_file(dir / "work/m.csv"),
              "api,scm,name,type,other_type,bitmap,param1,param2,param3,param4\r\n"
              "../lib/a.api,../out/a.scm,a,Trees,,a.bmp,,-,-,-\r\n"
              "../lib/c.api,../out/c.scm,c,Trees,,c.bmp,-,-,-,-\r\n"
              "../lib/sub/B.API,../out/sub/B.scm,B,Trees,,B.bmp,-,-,,-\r\n");
    EXPECT_EQ(testing::listing(dir / "out"), "");

    // Completed as a spreadsheet saves it: columns in another order, quoted
    // texts, LF rows, trailing empty fields left out; one row with a typo and
    // one without its description.
    testing::write_file(dir / "work/m.csv",
                        "name,api,scm,type,other_type,bitmap,param1,param2,param3,param4\n"
                        "\"Hall, \"\"big\"\"\",../lib/a.api,../out/a.scm,,Halls,a.bmp,Color1\n"
                        "c,../lib/c.api,../out/c.scm,Tres,,c.bmp,-,-,-,-\n"
                        "B,../lib/sub/B.API,../out/sub/B.scm,trees,,B.bmp,-,-,,-\n");
    const testing::CliRun run =
        testing::run_cli(testing::arguments("--manifest DIR/work/m.csv", dir.path()));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "trellwick-convert: 1 of 3 files converted, 2 failed\n"
                       "trellwick-convert: m.csv row 3 (../lib/c.api): the type \"Tres\" is no "
                       "type caption; did you mean \"Trees\"? (a type of your own goes in the "
                       "other_type column)\n"
                       "trellwick-convert: m.csv row 4 (../lib/sub/B.API): user parameter 3 (%8) "
                       "is used but has an empty description\n");
    EXPECT_EQ(testing::listing(dir / "out"), "a.scm");
    EXPECT_TRUE(testing::read_file(dir / "out/a.scm")
                    .starts_with(";ASDesign Compatible Macro\r\n;Name=Hall, \"big\", "
                                 "Type=Halls, Bitmap=a.bmp, \\\r\n"));

    // A manifest is kept unless --force is given.
    const testing::CliRun again = testing::run_cli(testing::arguments(
        "--survey --type Trees --write-manifest DIR/work/m.csv DIR/lib/c.api", dir.path()));
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.ends_with("m.csv already exists; give --force to overwrite it\n"));
}

} // namespace
} // namespace trellwick
