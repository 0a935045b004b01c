// What every analysis program does alike with its files, run on each program
// built in this tree: a missing input leaves no report; a result file that
// cannot be written fails the run instead of passing for success, and leaves
// neither a half-written file nor a temporary behind; an error stop removes
// the results an earlier run left beside the input; a completed run leaves
// its drawing and the label image.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
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
    EXPECT_EQ(r.console, "  trouble opening " + file(".in") + ": No such file or directory\n");
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

// A disk that fills in the middle of each result file in turn, then a rename
// that fails at each in turn, after a complete run: every time the run fails
// naming the file, and no result file stays (neither this run's nor the
// earlier run's) and no temporary.
TEST_P(EveryProgram, EveryFailingWriteOrRenameLeavesNoResult)
{
    write_example();
    run_example();
    const char* const order[] = {".htm", ".csv", ".svg", ".txt"};
    std::vector<std::pair<std::string, std::string>> points; // setting, the file that fails
    std::size_t before = 0;
    for (const char* suffix : order) {
        std::size_t size = dir.read(file(suffix)).size();
        points.push_back({"QM_DISK_BYTES=" + std::to_string(before + size / 2), file(suffix)});
        before += size;
    }
    for (int k = 1; k <= 4; ++k)
        points.push_back({"QM_FAIL_RENAME=" + std::to_string(k), file(order[k - 1])});
    for (const auto& [setting, failing] : points) {
        SCOPED_TRACE(setting);
        qmtest::RunResult r = dir.run(p.path, "",
                                      "export LD_PRELOAD='" FULL_DISK "' " + setting +
                                          " ASAN_OPTIONS=\"$ASAN_OPTIONS:verify_asan_link_order=0\";");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.console, "  trouble writing " + failing + ": No space left on device\n");
        EXPECT_EQ(dir.files(), sorted({"gm 209 label.jpg", file(".in")}));
        run_example();
    }
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

// ---------------------------------------------------------------------------
// The command line.

TEST_P(EveryProgram, HelpSaysWhatItReadsAndWritesAndTouchesNothing)
{
    write_example();
    for (const char* option : {"--help", "-h"}) {
        qmtest::RunResult r = dir.run_with(p.path, {option});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.console.starts_with("Usage: " + std::string(p.name) + " [FOLDER | FOLDER/" + file(".in") +
                                          "]...\n"))
            << r.console;
        for (const char* suffix : {".in", ".htm", ".csv", ".svg", ".txt"})
            EXPECT_NE(r.console.find(file(suffix)), std::string::npos) << suffix;
        EXPECT_NE(r.console.find("\nExit status: 0 "), std::string::npos);
        EXPECT_TRUE(r.console.ends_with("\nManual page: man " + std::string(p.name) + "\n"));
    }
    EXPECT_EQ(dir.files(), sorted({file(".in")}));
}

// The suite's version, and the revision the report's banner shows.
TEST_P(EveryProgram, VersionIsTheSuitesWithTheProgramsRevision)
{
    write_example();
    qmtest::RunResult r = dir.run_with(p.path, {"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.files(), sorted({file(".in")}));
    run_example();
    std::smatch rev;
    std::string htm = dir.read(file(".htm"));
    ASSERT_TRUE(std::regex_search(htm, rev, std::regex("rev (0\\.[0-9][0-9])")));
    EXPECT_EQ(r.console, std::string(p.name) + " (quillmark-frames) " QM_VERSION ", revision " + rev[1].str() + "\n");
}

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every line of text behind "<folder>: " ("<folder>:" when empty).
std::string behind(const std::string& folder, const std::string& text)
{
    std::string out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out += folder + (line.empty() ? ":" : ": ") + line + "\n";
    return out;
}

// All reference cases of the program in one command, largest input first, a
// folder without input among them: each folder's files and console lines
// are its reference's, behind its name, so nothing of one run (the matrix,
// the checks, a stop) reaches the next; the status is the worst, 1.
TEST_P(EveryProgram, SeveralFoldersEachStandOnTheirOwn)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(fs::path(GOLDEN_DIR) / p.name))
        cases.push_back(entry.path());
    auto input_size = [&](const fs::path& c) { return fs::file_size(c / file(".in")); };
    std::sort(cases.begin(), cases.end(), [&](const auto& a, const auto& b) { return input_size(a) > input_size(b); });
    std::vector<std::string> folders;
    std::string console;
    for (const fs::path& c : cases) {
        std::string folder = c.filename().string();
        fs::create_directory(dir.path() + "/" + folder);
        dir.write(folder + "/" + file(".in"), read_file(c / file(".in")));
        folders.push_back(folder);
        console += behind(folder, read_file(c / "console.out"));
        if (folders.size() == 1) {
            fs::create_directory(dir.path() + "/empty");
            folders.push_back("empty");
            console += "empty:   trouble opening " + file(".in") + ": No such file or directory\n";
        }
    }
    qmtest::RunResult r = dir.run_with(p.path, folders);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, console);
    for (const fs::path& c : cases)
        for (const char* suffix : {".htm", ".csv", ".txt"}) {
            std::string name = c.filename().string() + "/" + file(suffix);
            EXPECT_EQ(dir.exists(name), fs::exists(c / file(suffix))) << name;
            if (dir.exists(name)) {
                EXPECT_EQ(qmtest::mask_date(dir.read(name)), read_file(c / file(suffix))) << name;
            }
        }
    EXPECT_FALSE(dir.exists("empty/" + file(".htm")));
}

// Under the usual umask 022 every result file can be read by a colleague or
// a web server (0644), not left with its temporary's private mode.
TEST_P(EveryProgram, ResultFilesAreReadableByAll)
{
    write_example();
    int status = dir.run(p.path, "", "umask 022;").status;
    ASSERT_TRUE(status == 0 || status == 2) << "status " << status;
    for (const char* suffix : {".htm", ".csv", ".svg", ".txt"})
        EXPECT_EQ(std::filesystem::status(dir.path() + "/" + file(suffix)).permissions(), std::filesystem::perms(0644))
            << file(suffix);
}

INSTANTIATE_TEST_SUITE_P(Files, EveryProgram, ::testing::ValuesIn(qmtest::analysis_programs()),
                         [](const ::testing::TestParamInfo<ProgramUnderTest>& p) { return std::string(p.param.name); });

} // namespace

namespace {

// One program stands for all in what the command line does alike.
class CommandLine : public ::testing::Test {
protected:
    qmtest::ProgramDir dir;
    void write_model(const std::string& folder) const
    {
        std::filesystem::create_directory(dir.path() + "/" + folder);
        dir.write(folder + "/spacefr.in", qmtest::example_input("spacefr"));
    }
    std::vector<std::string> results(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path() + "/" + folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

const std::vector<std::string> complete = {"gm 209 label.jpg", "spacefr.csv", "spacefr.htm",
                                           "spacefr.in",       "spacefr.svg", "spacefr.txt"};

TEST_F(CommandLine, FolderIsAnalysedAsIfStartedThere)
{
    write_model("model");
    qmtest::RunResult r = dir.run_with(FRAME3D, {"model"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.console, "successfully completed\n");
    EXPECT_EQ(results("model"), complete);
    EXPECT_EQ(dir.files(), std::vector<std::string>{"model"});
}

TEST_F(CommandLine, PathToTheInputFileNamesItsFolder)
{
    write_model("model");
    qmtest::RunResult r = dir.run_with(FRAME3D, {"model/spacefr.in"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.console, "successfully completed\n");
    EXPECT_EQ(results("model"), complete);
    EXPECT_EQ(dir.files(), std::vector<std::string>{"model"});
}

// Refused even after a folder: nothing runs until every argument is judged.
TEST_F(CommandLine, UnknownOptionIsRefusedTouchingNothing)
{
    write_model("model");
    qmtest::RunResult r = dir.run_with(FRAME3D, {"model", "--frobnicate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "");
    EXPECT_TRUE(r.errors.starts_with("frame3d: unknown option --frobnicate\nUsage: frame3d ")) << r.errors;
    EXPECT_EQ(results("model"), std::vector<std::string>{"spacefr.in"});
}

// A folder where the input belongs is refused as one rather than read as an
// empty file.
TEST_F(CommandLine, InputThatIsAFolderIsRefusedAsOne)
{
    std::filesystem::create_directory(dir.path() + "/spacefr.in");
    qmtest::RunResult r = dir.run(FRAME3D);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "  trouble opening spacefr.in: Is a directory\n");
    EXPECT_EQ(dir.files(), std::vector<std::string>{"spacefr.in"});
}

TEST_F(CommandLine, TroubleOpeningSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    write_model("model");
    std::filesystem::permissions(dir.path() + "/model", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    qmtest::RunResult r = dir.run_with(FRAME3D, {"model"});
    std::filesystem::permissions(dir.path() + "/model", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "  trouble opening spacefr.htm: Permission denied\n");
    EXPECT_EQ(results("model"), std::vector<std::string>{"spacefr.in"});
}

} // namespace
