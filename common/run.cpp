#include "run.h"

#include <cstdlib>

namespace qm {

AnalysisRun::AnalysisRun(const ProgramIdentity& id, bool footer_on_error) : id_(id), footer_on_error_(footer_on_error)
{
}

// A file that cannot be opened is a failure: it ends the run with status 1.
void AnalysisRun::trouble_opening(const char* path)
{
    std::printf("  trouble opening %s\n", path);
    std::exit(1);
}

void AnalysisRun::start()
{
    std::snprintf(input_path_, sizeof input_path_, "%s.in", id_.type_name);
    input_ = std::fopen(input_path_, "r");
    if (!input_)
        trouble_opening(input_path_);
    scanner_.attach(input_);
    std::snprintf(path_, sizeof path_, "%s.htm", id_.type_name);
    if (!report.open(path_))
        trouble_opening(path_);
    report.write_header(1, id_);
}

void AnalysisRun::close_input()
{
    if (input_)
        std::fclose(input_);
    input_ = nullptr;
}

std::FILE* AnalysisRun::open_output(const char* suffix)
{
    std::snprintf(path_, sizeof path_, "%s%s", id_.type_name, suffix);
    std::FILE* f = std::fopen(path_, "w");
    if (!f)
        trouble_opening(path_);
    return f;
}

void AnalysisRun::reopen_report(const char* suffix)
{
    report.close();
    std::snprintf(path_, sizeof path_, "%s%s", id_.type_name, suffix);
    if (!report.open(path_))
        trouble_opening(path_);
}

std::string AnalysisRun::where(const char* label, int index, int line) const
{
    char text[160];
    if (index > 0)
        std::snprintf(text, sizeof text, "%s:%d: %s %d", input_path_, line, label, index);
    else
        std::snprintf(text, sizeof text, "%s:%d: %s", input_path_, line, label);
    return text;
}

void AnalysisRun::read_record(const char* label, int index, const char* fmt, const ScanField* fields, int n)
{
    if (scanner_.scan(fmt, fields, n)) {
        record_line_ = scanner_.failed_line();
        return;
    }
    char expected[64];
    if (n == 1)
        std::snprintf(expected, sizeof expected, "expected a number");
    else
        std::snprintf(expected, sizeof expected, "expected %d comma-separated numbers", n);
    std::string message = where(label, index, scanner_.failed_line());
    message.append(": ").append(expected).append(", ").append(scanner_.problem());
    stop_with(message);
}

void AnalysisRun::check_range(const char* label, int index, const char* what, int value, int lo, int hi)
{
    if (value < lo || value > hi) {
        char text[160];
        std::snprintf(text, sizeof text, "%s %d is outside %d..%d", what, value, lo, hi);
        fail(label, index, text);
    }
}

void AnalysisRun::fail(const char* label, int index, const std::string& what)
{
    std::string message = where(label, index, record_line_);
    message.append(": ").append(what);
    stop_with(message);
}

void AnalysisRun::stop_with(const std::string& message)
{
    std::printf("%s\n", message.c_str());
    report.printf("\nERROR\t%s\n", message.c_str());
    stop();
}

void AnalysisRun::stop()
{
    if (footer_on_error_)
        report.write_footer();
    report.close();
    close_input();
    std::exit(1);
}

} // namespace qm
