// Runs a program of the suite in a fresh temporary directory and reads back
// what it wrote, for end-to-end tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qmtest {

struct RunResult {
    int status = -1;     // exit status of the program
    std::string console; // what it printed on standard output
    std::string errors;  // standard error (sanitizer reports end up here)
};

class ProgramDir {
public:
    ProgramDir();
    ~ProgramDir();
    ProgramDir(const ProgramDir&) = delete;
    ProgramDir& operator=(const ProgramDir&) = delete;

    const std::string& path() const { return dir_; }
    void write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    RunResult run(const std::string& program) const;
    // Runs a program with `input` as its standard input; `limits` are shell
    // commands that bind the program alone (such as "ulimit -f 0;"),
    // `arguments` its command line, as the shell reads it.
    RunResult run(const std::string& program, const std::string& input, const std::string& limits = "",
                  const std::string& arguments = "") const;
    // Runs a program with arguments (none holding a quote) in the directory.
    RunResult run_with(const std::string& program, const std::vector<std::string>& args) const;
    // Names of the files in the directory, sorted.
    std::vector<std::string> files() const;

private:
    std::string dir_;
};

// The analysis programs built in this tree, with the stem of their files.
struct ProgramUnderTest {
    const char* name; // "frame3d"
    const char* path; // the binary
    const char* stem; // "spacefr": spacefr.in, .htm, .csv, .txt
};
const std::vector<ProgramUnderTest>& analysis_programs();
void PrintTo(const ProgramUnderTest& p, std::ostream* os);

// One run of a program on an input text in a fresh directory, with what it
// wrote (report and summary with the run date masked; empty when absent).
struct Analysis {
    RunResult result;
    std::string htm, csv, txt;
    bool htm_written = false, csv_written = false, txt_written = false;
    bool has(const std::string& text) const { return htm.find(text) != std::string::npos; }
};
Analysis analyse(const char* program, const std::string& stem, const std::string& input);

// A completed run: status 0, "successfully completed" alone on the console.
void expect_success(const Analysis& a);
// A completed run in which a member that is not a dummy member fails a
// check: status 2, "successfully completed" alone on the console.
void expect_failing_member(const Analysis& a);
// An error stop: status 1, nothing on standard error, the report closed by
// the footer, no CSV and no summary.
void expect_error_stop(const Analysis& a);
// An error stop on an input record: `line` alone on the console and last in
// the report before the footer.
void expect_stop_on(const Analysis& a, const std::string& line);

// The input of a shipped example, examples/<stem>/<stem>.in.
std::string example_input(const std::string& stem);
// A shipped file, by its path under examples/.
std::string example_text(const std::string& path);

// Report markup that tests hold whole lines against.
extern const std::string pass_mark; // "<B><FONT COLOR=..green..> pass"
extern const std::string fail_mark;
extern const std::string footer;     // the closing lines of an error stop
extern const std::string table_open; // the table opener
std::string heading(const std::string& title);

// What makes text not well-formed XML (an unclosed or mismatched element, a
// stray "<" or "&"); empty when it is well-formed.
std::string xml_problem(const std::string& text);

// Replaces the run date of a report or summary with "<date>".
std::string mask_date(std::string text);

// The first line of a text that starts with `starting_with`, without its
// line end; empty when no line does.
std::string line_of(const std::string& text, const std::string& starting_with);

// Number of times needle occurs in text.
int count_of(const std::string& text, const std::string& needle);

// The text from the first occurrence of marker on ("<marker missing>" when
// it does not occur).
std::string tail_from(const std::string& text, const std::string& marker);

// The value of CSV field `field` (0-based) on line `line` (0-based).
double csv_value(const std::string& csv, int line, int field);

// The fields of the first line of a CSV text that starts with `prefix`
// (empty when none does); quoted fields unquoted.
std::vector<std::string> csv_row(const std::string& csv, const std::string& prefix);

// A W16x31 (A = 9.13 in^2, Iz = 375 in^4, and `moduli`) spanning 20 ft
// from a pin at joint A to a roller at B, as member AB of a plane frame in
// US units: a model file up to its load cases.
std::string simple_span_structure(const std::string& moduli = "Sz = 47.2");

// quillmark run on a model text written as m.toml in the directory.
RunResult run_model(const ProgramDir& dir, const std::string& model);
// The interaction values of the "combined" rows of a frame's member table,
// in report order: each member's start value, then its end value.
std::vector<double> combined_values(const std::string& htm);

// The allowable-stress column formula and Euler stress (ksi) worked in
// double precision from their closed forms, pi = 3.14159, for slenderness
// s, as a hand check does.
double hand_column_stress(double s, double E, double Fy);
double hand_euler_stress(double s, double E);

} // namespace qmtest
