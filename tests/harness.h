// Runs a program of the suite in a fresh temporary directory and reads back
// what it wrote, for end-to-end tests.
#pragma once

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
    // commands that bind the program alone (such as "ulimit -f 0;").
    RunResult run(const std::string& program, const std::string& input, const std::string& limits = "") const;
    // Names of the files in the directory, sorted.
    std::vector<std::string> files() const;

private:
    std::string dir_;
};

// Replaces the run date of a report or summary with "<date>".
std::string mask_date(std::string text);

// The lines of a text, each without its line end.
std::string line_of(const std::string& text, const std::string& starting_with);

// Number of times needle occurs in text.
int count_of(const std::string& text, const std::string& needle);

// The value of CSV field `field` (0-based) on line `line` (0-based).
double csv_value(const std::string& csv, int line, int field);

} // namespace qmtest
