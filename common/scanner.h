// Strict reader of the comma-separated records of the input files.
//
// A record format holds "%i" (whole number), "%f" (real), "," (a comma that
// must follow the previous number directly) and "\n" (skip any white space).
// Fields between "[" and "]" are optional trailing numbers: each is read only
// when a comma follows the previous number directly, and a field not given
// reads as 0.
// White space, line ends included, is skipped before every number. Unlike the
// C scan functions, a field that cannot be read is never left at an old
// value: the scan fails and says where and why, and the caller stops the run.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace qm {

struct ScanField {
    char conv;    // 'i' or 'f'
    void* target; // int* or float*
};

class Scanner {
public:
    explicit Scanner(std::FILE* f = nullptr) : f_(f) {}
    void attach(std::FILE* f)
    {
        f_ = f;
        line_ = 1;
    }

    // Reads one record; on failure returns false and describes it in problem().
    bool scan(const char* fmt, const ScanField* fields, int nfields);

    // A place in the input to come back to, for reading records twice; false
    // where the input cannot be read twice.
    struct Mark {
        long offset;
        int line;
    };
    bool mark(Mark& m) const;
    void go_back(const Mark& m);

    int line() const { return line_; }             // line of the last character read
    int failed_line() const { return fail_line_; } // line where the failed field stands
    const std::string& problem() const { return problem_; }

    static constexpr std::size_t max_token = 256; // characters of one number

private:
    int get();
    void unget(int c);
    void skip_space();
    bool read_token(std::string& tok);

    std::FILE* f_;
    int line_ = 1;
    int fail_line_ = 1;
    std::string problem_;
};

// Number of "%i" and "%f" conversions in a record format that a record must
// hold (the optional trailing ones not counted).
int count_fields(const char* fmt);

} // namespace qm
