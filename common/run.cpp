#include "run.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

AnalysisRun::AnalysisRun(const ProgramIdentity& id, bool footer_on_error) : id_(id), footer_on_error_(footer_on_error)
{
}

// A file that cannot be opened is a failure: it ends the run with status 1.
void AnalysisRun::trouble_opening(const char* path, const std::string& reason)
{
    say("  trouble opening %s: %s\n", path, reason.c_str());
    discard_all();
    close_input();
    throw RunStop{1};
}

// A result file that cannot be written in full fails the run, and no result
// file stays: neither what this run began nor what an earlier run left.
void AnalysisRun::trouble_writing(const OutputFile& f)
{
    say("  trouble writing %s: %s\n", f.path().c_str(), f.reason().c_str());
    discard_all();
    static const char* const all[] = {".htm", ".csv", ".svg", ".txt", nullptr};
    remove_results(all);
    close_input();
    throw RunStop{1};
}

void AnalysisRun::discard_all()
{
    for (OutputFile* f : {&htm_, &csv_, &svg_, &txt_})
        f->discard();
}

void AnalysisRun::remove_results(const char* const suffixes[])
{
    for (int k = 0; suffixes[k]; ++k)
        ::unlink((std::string(id_.type_name) + suffixes[k]).c_str());
}

void AnalysisRun::open_or_stop(OutputFile& f, const char* suffix)
{
    std::string path = std::string(id_.type_name) + suffix;
    if (!f.open(path))
        trouble_opening(path.c_str(), f.reason());
}

void AnalysisRun::close_or_stop(OutputFile& f)
{
    if (!f.close())
        trouble_writing(f);
}

// Only a regular file is read: a directory would open and read as an empty
// file, and a pipe or a device might never end.
void AnalysisRun::open_input()
{
    std::snprintf(input_path_, sizeof input_path_, "%s.in", id_.type_name);
    struct stat st;
    if (::stat(input_path_, &st) != 0)
        trouble_opening(input_path_, std::strerror(errno));
    if (S_ISDIR(st.st_mode))
        trouble_opening(input_path_, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode))
        trouble_opening(input_path_, "not a regular file");
    input_ = std::fopen(input_path_, "r");
    if (!input_)
        trouble_opening(input_path_, std::strerror(errno));
}

void AnalysisRun::start()
{
    open_input();
    scanner_.attach(input_);
    open_or_stop(htm_, ".htm");
    report.attach(htm_.file());
    report.write_header(1, id_);
}

void AnalysisRun::close_input()
{
    if (input_)
        std::fclose(input_);
    input_ = nullptr;
}

std::FILE* AnalysisRun::open_csv()
{
    report.attach(nullptr);
    close_or_stop(htm_);
    open_or_stop(csv_, ".csv");
    return csv_.file();
}

std::FILE* AnalysisRun::open_drawing()
{
    close_or_stop(csv_);
    open_or_stop(svg_, ".svg");
    return svg_.file();
}

void AnalysisRun::open_summary()
{
    close_or_stop(svg_);
    open_or_stop(txt_, ".txt");
    report.attach(txt_.file());
}

void AnalysisRun::finish()
{
    report.attach(nullptr);
    close_or_stop(txt_);
    for (OutputFile* f : {&htm_, &csv_, &svg_, &txt_})
        if (!f->commit())
            trouble_writing(*f);
    write_label_image();
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
    n = count_fields(fmt);
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
    say("%s\n", message.c_str());
    report.printf("\nERROR\t%s\n", message.c_str());
    stop();
}

void AnalysisRun::stop()
{
    if (footer_on_error_)
        report.write_footer();
    report.attach(nullptr);
    csv_.discard();
    svg_.discard();
    txt_.discard();
    if (htm_.is_open() && !(htm_.close() && htm_.commit()))
        trouble_writing(htm_);
    write_label_image();
    static const char* const stale[] = {".csv", ".svg", ".txt", nullptr};
    remove_results(stale);
    close_input();
    throw RunStop{1};
}

} // namespace qm
