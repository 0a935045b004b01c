// Hostile input files made by mutating the shipped examples: whatever the
// bytes, a program either completes or stops with status 1 and a message,
// never crashes, never reads or writes outside its tables (the sanitizer
// build runs these too) and never leaves a CSV or summary after a stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "harness.h"

namespace {

// One random edit: a byte replaced by one of the characters that matter to
// the reader, a byte deleted, a line duplicated, or the file cut short.
std::string mutate(std::string text, std::mt19937& rng)
{
    static const std::string alphabet = "0123456789,-.\n e+xn";
    std::uniform_int_distribution<size_t> pos(0, text.size() - 1);
    switch (rng() % 5) {
    case 0: text[pos(rng)] = alphabet[rng() % alphabet.size()]; break;
    case 1: text.erase(pos(rng), 1); break;
    case 2: text.insert(pos(rng), std::to_string(rng() % 100000)); break;
    case 3: {
        size_t p = pos(rng);
        size_t start = text.rfind('\n', p);
        start = start == std::string::npos ? 0 : start + 1;
        size_t end = text.find('\n', p);
        end = end == std::string::npos ? text.size() : end + 1;
        text.insert(start, text.substr(start, end - start));
        break;
    }
    default: text.resize(pos(rng)); break;
    }
    return text;
}

class Mutation : public ::testing::TestWithParam<qmtest::ProgramUnderTest> {};

TEST_P(Mutation, EveryMutantCompletesOrStopsCleanly)
{
    const qmtest::ProgramUnderTest& p = GetParam();
    std::string original = qmtest::example_input(p.stem);
    ASSERT_FALSE(original.empty());
    std::mt19937 rng(20261207);
    const std::string in = std::string(p.stem) + ".in";
    int stopped = 0;
    for (int trial = 0; trial < 300; ++trial) {
        std::string text = original;
        for (int edits = 1 + static_cast<int>(rng() % 3); edits > 0 && !text.empty(); --edits)
            text = mutate(text, rng);
        qmtest::ProgramDir dir;
        dir.write(in, text);
        qmtest::RunResult r = dir.run(p.path);
        SCOPED_TRACE("input:\n" + text);
        ASSERT_TRUE(r.status == 0 || r.status == 1 || r.status == 2) << r.status << "\n" << r.errors;
        ASSERT_EQ(r.errors, "");
        bool outputs = dir.exists(std::string(p.stem) + ".csv") && dir.exists(std::string(p.stem) + ".txt");
        if (r.status != 1) {
            // A completed run may say first that it refined the single-precision solution.
            std::string done = "successfully completed\n";
            std::string refined = r.console.substr(0, r.console.size() - std::min(r.console.size(), done.size()));
            EXPECT_TRUE(r.console.ends_with(done)) << r.console;
            EXPECT_TRUE(refined.empty() || refined.find("the single-precision solution") != std::string::npos)
                << r.console;
            EXPECT_TRUE(outputs);
        } else {
            EXPECT_FALSE(r.console.empty());
            EXPECT_FALSE(dir.exists(std::string(p.stem) + ".csv"));
            ++stopped;
        }
    }
    EXPECT_GT(stopped, 0);
}

// Inputs the fuzzers found troublesome once, kept in fuzz/corpus/<program>/:
// each must now complete (status 0, or 2 with a failing member) or stop with
// status 1, cleanly.
TEST_P(Mutation, FuzzFindingsCompleteOrStopCleanly)
{
    const qmtest::ProgramUnderTest& p = GetParam();
    std::filesystem::path corpus = std::filesystem::path(FUZZ_CORPUS_DIR) / p.name;
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "no findings kept for " << p.name;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        qmtest::ProgramDir dir;
        dir.write(std::string(p.stem) + ".in", text);
        qmtest::RunResult r = dir.run(p.path);
        EXPECT_TRUE(r.status == 0 || r.status == 1 || r.status == 2) << r.status;
        EXPECT_EQ(r.errors, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, Mutation, ::testing::ValuesIn(qmtest::analysis_programs()),
                         [](const ::testing::TestParamInfo<qmtest::ProgramUnderTest>& p) {
                             return std::string(p.param.name);
                         });

} // namespace
