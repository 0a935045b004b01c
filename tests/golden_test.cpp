// Reference runs: every program on its shipped example and on one input for
// each of its error stops, compared byte for byte (run date masked) with the
// files kept under tests/golden/<program>/<case>/. A change that moves one
// printed digit, one tag or one line of any report, CSV or summary shows here.
//
// After a deliberate change of output, QM_UPDATE_GOLDEN=1 rewrites the
// references from the current programs; review the diff before committing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "harness.h"

namespace fs = std::filesystem;

namespace {

struct GoldenCase {
    std::string program; // directory name and program name
    std::string path;    // the program binary
    fs::path dir;        // tests/golden/<program>/<case>
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.program << "/" << c.dir.filename().string(); }

std::vector<GoldenCase> golden_cases()
{
    std::vector<GoldenCase> cases;
    for (const auto& [name, path, stem] : qmtest::analysis_programs()) {
        fs::path root = fs::path(GOLDEN_DIR) / name;
        if (!fs::is_directory(root))
            continue;
        std::vector<fs::path> dirs;
        for (const auto& entry : fs::directory_iterator(root))
            if (entry.is_directory())
                dirs.push_back(entry.path());
        std::sort(dirs.begin(), dirs.end());
        for (const auto& d : dirs)
            cases.push_back({name, path, d});
    }
    return cases;
}

std::string read_file(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_file(const fs::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputMatchesTheReference)
{
    const GoldenCase& c = GetParam();
    std::string input_name;
    for (const auto& entry : fs::directory_iterator(c.dir))
        if (entry.path().extension() == ".in")
            input_name = entry.path().filename().string();
    ASSERT_FALSE(input_name.empty()) << "no input file in " << c.dir;
    std::string stem = input_name.substr(0, input_name.size() - 3);

    qmtest::ProgramDir run_dir;
    run_dir.write(input_name, read_file(c.dir / input_name));
    qmtest::RunResult r = run_dir.run(c.path);
    EXPECT_EQ(r.errors, "");

    std::vector<std::pair<std::string, std::string>> produced = {
        {"console.out", r.console},
        {"status", std::to_string(r.status) + "\n"},
    };
    for (const char* suffix : {".htm", ".csv", ".txt"}) {
        std::string name = stem + suffix;
        if (run_dir.exists(name))
            produced.push_back({name, qmtest::mask_date(run_dir.read(name))});
    }

    if (std::getenv("QM_UPDATE_GOLDEN")) {
        for (const char* suffix : {".htm", ".csv", ".txt"})
            fs::remove(c.dir / (stem + suffix));
        for (const auto& [name, text] : produced)
            write_file(c.dir / name, text);
        return;
    }

    for (const auto& [name, text] : produced) {
        ASSERT_TRUE(fs::exists(c.dir / name)) << name << " was written but has no reference";
        EXPECT_EQ(text, read_file(c.dir / name)) << name;
    }
    for (const char* suffix : {".htm", ".csv", ".txt"}) {
        std::string name = stem + suffix;
        EXPECT_EQ(run_dir.exists(name), fs::exists(c.dir / name)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, Golden, ::testing::ValuesIn(golden_cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& p) {
                             return p.param.program + "_" + p.param.dir.filename().string();
                         });

} // namespace
