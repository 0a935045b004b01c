// What every analysis program does alike with its files, run on each program
// built in this tree: a missing input leaves no report, and a result file
// that cannot be written fails the run instead of passing for success.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "harness.h"

namespace {

using qmtest::ProgramUnderTest;

std::string example_input(const ProgramUnderTest& p)
{
    std::ifstream in(std::string(EXAMPLES_DIR) + "/" + p.stem + "/" + p.stem + ".in");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class EveryProgram : public ::testing::TestWithParam<ProgramUnderTest> {};

TEST_P(EveryProgram, MissingInputFileFailsWithoutAReport)
{
    const ProgramUnderTest& p = GetParam();
    qmtest::ProgramDir dir;
    qmtest::RunResult r = dir.run(p.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, std::string("  trouble opening ") + p.stem + ".in\n");
    EXPECT_FALSE(dir.exists(std::string(p.stem) + ".htm"));
}

TEST_P(EveryProgram, UnwritableCsvFileFails)
{
    const ProgramUnderTest& p = GetParam();
    qmtest::ProgramDir dir;
    dir.write(std::string(p.stem) + ".in", example_input(p));
    std::filesystem::create_directory(dir.path() + "/" + p.stem + ".csv");
    qmtest::RunResult r = dir.run(p.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, std::string("  trouble opening ") + p.stem + ".csv\n");
    EXPECT_FALSE(dir.exists(std::string(p.stem) + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(Files, EveryProgram, ::testing::ValuesIn(qmtest::analysis_programs()),
                         [](const ::testing::TestParamInfo<ProgramUnderTest>& p) { return std::string(p.param.name); });

} // namespace
