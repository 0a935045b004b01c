// What every analysis program does alike with its files, run on each program
// built in this tree: a missing input leaves no report; a result file that
// cannot be written fails the run instead of passing for success, and leaves
// neither a half-written file nor a temporary behind; an error stop removes
// the results an earlier run left beside the input; a completed run leaves
// its drawing and the label image.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using qmtest::ProgramUnderTest;

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh directory for the program; its files are named by their suffix.
class EveryProgram : public ::testing::TestWithParam<ProgramUnderTest> {
protected:
    const ProgramUnderTest& p = GetParam();
    qmtest::ProgramDir dir;
    std::string file(const char* suffix) const { return p.stem + std::string(suffix); }
    void write_example() const { dir.write(file(".in"), qmtest::example_input(p.stem)); }
    // A run of the example completes: status 0, or 2 where one of its
    // members fails a check.
    void run_example() const
    {
        int status = dir.run(p.path).status;
        ASSERT_TRUE(status == 0 || status == 2) << "status " << status;
    }
};

TEST_P(EveryProgram, MissingInputFileFailsWithoutAReport)
{
    qmtest::RunResult r = dir.run(p.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "  trouble opening " + file(".in") + "\n");
    EXPECT_FALSE(dir.exists(file(".htm")));
}

// A directory where the CSV file belongs: the CSV cannot take its name.
TEST_P(EveryProgram, UnwritableCsvFileFails)
{
    write_example();
    std::filesystem::create_directory(dir.path() + "/" + file(".csv"));
    qmtest::RunResult r = dir.run(p.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "  trouble writing " + file(".csv") + ": Is a directory\n");
    EXPECT_EQ(dir.files(), sorted({file(".csv"), file(".in")}));
}

// A full disk, as a file-size limit of 2 KiB: the report is cut short, so the
// run fails, and the results of an earlier run go too.
TEST_P(EveryProgram, FileSizeLimitFailsTheRunAndLeavesNoResult)
{
    write_example();
    run_example();
    qmtest::RunResult r = dir.run(p.path, "", "trap '' XFSZ; ulimit -f 4;");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "  trouble writing " + file(".htm") + ": File too large\n");
    EXPECT_EQ(dir.files(), sorted({"gm 209 label.jpg", file(".in")}));
}

// A broken first record after a good run: the new report says why, and the
// CSV and summary of the earlier run no longer stand beside the input.
TEST_P(EveryProgram, ErrorStopRemovesEarlierResults)
{
    write_example();
    run_example();
    dir.write(file(".in"), "1x,2,6,1\n");
    qmtest::RunResult r = dir.run(p.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(dir.files(), sorted({"gm 209 label.jpg", file(".htm"), file(".in")}));
    EXPECT_NE(dir.read(file(".htm")).find("\nERROR\t" + r.console), std::string::npos);
}

// A run leaves its drawing and, where none is, the label image the report
// shows; an image already there stays as it is.
TEST_P(EveryProgram, CompletedRunLeavesItsDrawingAndTheLabelImage)
{
    write_example();
    run_example();
    std::string svg = dir.read(file(".svg"));
    EXPECT_EQ(qmtest::xml_problem(svg), "");
    EXPECT_NE(svg.find(std::string(p.name) + " &#8212; " + file(".in")), std::string::npos);
    std::string jpeg = dir.read("gm 209 label.jpg");
    ASSERT_GT(jpeg.size(), 1000u);
    EXPECT_EQ(jpeg.substr(0, 3), "\xff\xd8\xff");
    EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xff\xd9");
    dir.write("gm 209 label.jpg", "the user's own");
    run_example();
    EXPECT_EQ(dir.read("gm 209 label.jpg"), "the user's own");
}

INSTANTIATE_TEST_SUITE_P(Files, EveryProgram, ::testing::ValuesIn(qmtest::analysis_programs()),
                         [](const ::testing::TestParamInfo<ProgramUnderTest>& p) { return std::string(p.param.name); });

} // namespace
