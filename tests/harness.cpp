#include "harness.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace qmtest {

ProgramDir::ProgramDir()
{
    std::string templ = (std::filesystem::temp_directory_path() / "qmtest-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        throw std::runtime_error("cannot make a temporary directory");
    dir_ = templ;
}

ProgramDir::~ProgramDir()
{
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void ProgramDir::write(const std::string& name, const std::string& text) const
{
    std::ofstream out(dir_ + "/" + name, std::ios::binary);
    out << text;
}

std::string ProgramDir::read(const std::string& name) const
{
    std::ifstream in(dir_ + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool ProgramDir::exists(const std::string& name) const
{
    return std::filesystem::exists(dir_ + "/" + name);
}

RunResult ProgramDir::run(const std::string& program) const
{
    return run_with(program, {});
}

RunResult ProgramDir::run_with(const std::string& program, const std::vector<std::string>& args) const
{
    std::string cmd = "cd '" + dir_ + "' && '" + program + "'";
    for (const std::string& a : args)
        cmd += " '" + a + "'";
    cmd += " > console.out 2> console.err < /dev/null";
    int raw = std::system(cmd.c_str());
    RunResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    r.console = read("console.out");
    r.errors = read("console.err");
    std::filesystem::remove(dir_ + "/console.out");
    std::filesystem::remove(dir_ + "/console.err");
    return r;
}

const std::vector<ProgramUnderTest>& analysis_programs()
{
    static const std::vector<ProgramUnderTest> programs = {
#ifdef FRAME3D
        {"frame3d", FRAME3D, "spacefr"},
#endif
#ifdef FRAME2D
        {"frame2d", FRAME2D, "planefr"},
#endif
#ifdef TRUSS3D
        {"truss3d", TRUSS3D, "spacetr"},
#endif
#ifdef TRUSS2D
        {"truss2d", TRUSS2D, "planetr"},
#endif
#ifdef GRILLAGE
        {"grillage", GRILLAGE, "grid"},
#endif
#ifdef GIRDER
        {"girder", GIRDER, "beam"},
#endif
    };
    return programs;
}

void PrintTo(const ProgramUnderTest& p, std::ostream* os)
{
    *os << p.name;
}

Analysis analyse(const char* program, const std::string& stem, const std::string& input)
{
    ProgramDir dir;
    dir.write(stem + ".in", input);
    Analysis a;
    a.result = dir.run(program);
    a.htm_written = dir.exists(stem + ".htm");
    a.csv_written = dir.exists(stem + ".csv");
    a.txt_written = dir.exists(stem + ".txt");
    a.htm = mask_date(dir.read(stem + ".htm"));
    a.csv = dir.read(stem + ".csv");
    a.txt = mask_date(dir.read(stem + ".txt"));
    return a;
}

void expect_success(const Analysis& a)
{
    ASSERT_EQ(a.result.status, 0) << a.result.console;
    EXPECT_EQ(a.result.console, "successfully completed\n");
    EXPECT_EQ(a.result.errors, "");
}

void expect_failing_member(const Analysis& a)
{
    ASSERT_EQ(a.result.status, 2) << a.result.console;
    EXPECT_EQ(a.result.console, "successfully completed\n");
    EXPECT_EQ(a.result.errors, "");
}

void expect_error_stop(const Analysis& a)
{
    EXPECT_EQ(a.result.status, 1);
    EXPECT_EQ(a.result.errors, "");
    EXPECT_FALSE(a.csv_written);
    EXPECT_FALSE(a.txt_written);
    EXPECT_TRUE(a.htm.ends_with(footer)) << a.htm.substr(a.htm.size() - std::min<size_t>(a.htm.size(), 300));
}

void expect_stop_on(const Analysis& a, const std::string& line)
{
    expect_error_stop(a);
    EXPECT_EQ(a.result.console, line + "\n");
    EXPECT_TRUE(a.htm.ends_with("\nERROR\t" + line + "\n" + footer));
}

std::string example_text(const std::string& path)
{
    std::ifstream in(std::string(EXAMPLES_DIR) + "/" + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string example_input(const std::string& stem)
{
    return example_text(stem + "/" + stem + ".in");
}

const std::string pass_mark = "<B><FONT COLOR=\"green\" FACE=\"Times New Roman\"> pass";
const std::string fail_mark = "<B><FONT COLOR=\"red\" FACE=\"Times New Roman\"> fail";
const std::string footer = "            </FONT>        </TD>\n</TR></TABLE>\n</BODY></HTML>\n";
const std::string table_open = "<TABLE ALIGN=\"CENTER\" BORDER=\"2\" CELLPADDING=\"2\" BGCOLOR=\"#FFFFCC\" "
                               "STYLE=\"border : none ; margin : 7.2pt 3pt 7.2pt 7.2pt\">\n";

std::string heading(const std::string& title)
{
    return "<BR><BR><B><FONT SIZE=\"6\" COLOR=\"#660099\" FACE=\"Times New Roman\">" + title +
           "</FONT></B><FONT SIZE=\"5\" COLOR=\"navy\" FACE=\"Times New Roman\"><BR>\n\n";
}

RunResult ProgramDir::run(const std::string& program, const std::string& input, const std::string& limits,
                          const std::string& arguments) const
{
    write("console.in", input);
    // The status is saved outside the limits, and the console reaches its
    // file through a pipe, which no file-size limit touches.
    std::string cmd = "cd '" + dir_ + "' && { ( " + limits + " exec '" + program + "' " +
                      arguments + " < console.in 2> console.err ); echo $? > console.status; } | cat > console.out";
    std::system(cmd.c_str());
    RunResult r;
    std::string status = read("console.status");
    r.status = status.empty() ? -1 : std::stoi(status);
    r.console = read("console.out");
    r.errors = read("console.err");
    for (const char* name : {"console.in", "console.out", "console.err", "console.status"})
        std::filesystem::remove(dir_ + "/" + name);
    return r;
}

std::vector<std::string> ProgramDir::files() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string xml_problem(const std::string& text)
{
    std::vector<std::string> open;
    size_t p = 0;
    while ((p = text.find_first_of("<&", p)) != std::string::npos) {
        if (text[p] == '&') {
            size_t end = text.find(';', p);
            if (end == std::string::npos || end - p > 10)
                return "stray & at " + std::to_string(p);
            p = end;
            continue;
        }
        size_t end = text.find('>', p);
        if (end == std::string::npos)
            return "unclosed tag at " + std::to_string(p);
        std::string tag = text.substr(p + 1, end - p - 1);
        if (tag.find('<') != std::string::npos)
            return "stray < at " + std::to_string(p);
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1))
                return "mismatched </" + tag.substr(1) + ">";
            open.pop_back();
        } else if (tag[0] != '?' && tag[0] != '!' && tag.back() != '/') {
            open.push_back(tag.substr(0, tag.find_first_of(" \n")));
        }
        p = end;
    }
    return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

std::string mask_date(std::string text)
{
    static const std::regex html_date("Run date [ 0-9]{2}-[ 0-9]{2}-[0-9]{4}");
    static const std::regex text_date("Run date - [0-9]{1,2}-[0-9]{1,2}-[0-9]{4}");
    text = std::regex_replace(text, html_date, "Run date <date>");
    return std::regex_replace(text, text_date, "Run date - <date>");
}

std::string line_of(const std::string& text, const std::string& starting_with)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(starting_with, 0) == 0)
            return line;
    return "";
}

std::string tail_from(const std::string& text, const std::string& marker)
{
    size_t at = text.find(marker);
    return at == std::string::npos ? "<marker missing>" : text.substr(at);
}

int count_of(const std::string& text, const std::string& needle)
{
    int n = 0;
    for (size_t p = text.find(needle); p != std::string::npos; p = text.find(needle, p + needle.size()))
        ++n;
    return n;
}

std::vector<double> combined_values(const std::string& htm)
{
    std::vector<double> values;
    const std::string row = "<TD>\ncombined</TD>\n";
    for (size_t at = htm.find(row); at != std::string::npos; at = htm.find(row, at + 1)) {
        size_t end = htm.find("</TR>", at);
        std::istringstream cells(htm.substr(at + row.size(), end - at - row.size()));
        std::string line;
        while (std::getline(cells, line))
            if (line.find_first_of("0123456789") != std::string::npos)
                values.push_back(std::stod(line));
    }
    return values;
}

double hand_euler_stress(double s, double E)
{
    const double pi = 3.14159;
    return 12 * pi * pi * E / (23 * s * s);
}

double hand_column_stress(double s, double E, double Fy)
{
    const double pi = 3.14159;
    double Cc = std::sqrt(2 * pi * pi * E / Fy);
    if (s > Cc)
        return hand_euler_stress(s, E);
    double FS = 5.0 / 3 + 3 * s / (8 * Cc) - s * s * s / (8 * Cc * Cc * Cc);
    return (1 - s * s / (2 * Cc * Cc)) * Fy / FS;
}

double csv_value(const std::string& csv, int line, int field)
{
    std::istringstream in(csv);
    std::string row;
    for (int i = 0; i <= line; ++i)
        if (!std::getline(in, row))
            throw std::runtime_error("no such CSV line");
    std::istringstream cells(row);
    std::string cell;
    for (int i = 0; i <= field; ++i)
        if (!std::getline(cells, cell, ','))
            throw std::runtime_error("no such CSV field");
    return std::stod(cell);
}

std::vector<std::string> csv_row(const std::string& csv, const std::string& prefix)
{
    std::istringstream in(csv);
    std::string row;
    while (std::getline(in, row))
        if (row.rfind(prefix, 0) == 0) {
            std::vector<std::string> out(1);
            bool quoted = false;
            for (size_t k = 0; k < row.size(); ++k) {
                char c = row[k];
                if (c == '"' && quoted && k + 1 < row.size() && row[k + 1] == '"')
                    out.back() += row[++k];
                else if (c == '"')
                    quoted = !quoted;
                else if (c == ',' && !quoted)
                    out.emplace_back();
                else
                    out.back() += c;
            }
            return out;
        }
    return {};
}

std::string simple_span_structure(const std::string& moduli)
{
    return R"(type = "plane_frame"
units = "US"
[sections]
W16x31 = { A = 9.13, Iz = 375, )" +
           moduli + R"(, E = 29000, Fy = 36, rx = 6.49, ry = 1.17 }
[joints]
A = [0, 0]
B = [20, 0]
[members]
AB = { joints = ["A", "B"], section = "W16x31" }
[supports]
A = "pinned"
B = ["y"]
)";
}

#ifdef QUILLMARK
RunResult run_model(const ProgramDir& dir, const std::string& model)
{
    dir.write("m.toml", model);
    return dir.run_with(QUILLMARK, {"run", "m.toml"});
}
#endif

} // namespace qmtest
