// One run of an analysis program: its files, the reading of input records,
// and the error stops.
//
// Every record is read through scan(), which either fills all its fields or
// stops the run with a line naming the file, the line, the record and what
// was expected; range checks stop the same way. Nothing half-written or
// stale is left to look like a result: the report, the CSV file and the
// summary take their names only when all three are complete; an error stop
// puts the report with its error line in place and removes the CSV and
// summary files an earlier run left; a file that cannot be written stops the
// run and leaves no result file at all. Every stop ends the run with RunStop,
// which run_program turns into the exit status.
#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

#include "console.h"
#include "html_report.h"
#include "output_file.h"
#include "scanner.h"

namespace qm {

// Thrown by every stop of a run; status is the exit status.
struct RunStop {
    int status;
};

class AnalysisRun {
public:
    // footer_on_error: whether an error stop closes the report with the footer.
    AnalysisRun(const ProgramIdentity& id, bool footer_on_error);

    const ProgramIdentity& id() const { return id_; }
    HtmlReport report;

    // Opens the input file and the report (input first, so a missing input
    // leaves no report behind) and writes the HTML header.
    void start();
    void close_input();
    // Ends the report and opens the CSV file on its own handle.
    std::FILE* open_csv();
    // Ends the CSV file and opens the drawing on its own handle.
    std::FILE* open_drawing();
    // Ends the drawing and turns the report's handle to the summary file.
    void open_summary();
    // Ends the summary file and gives the three files their names.
    void finish();

    // Reads one record. A record is named by a label and, where it has one,
    // its number (index 0: none), for example ("member", 3).
    template <class... T> void scan(const char* label, int index, const char* fmt, T*... out)
    {
        static_assert(((std::is_same_v<T, int> || std::is_same_v<T, float>)&&...));
        ScanField fields[] = {ScanField{std::is_same_v<T, int> ? 'i' : 'f', out}...};
        read_record(label, index, fmt, fields, static_cast<int>(sizeof...(T)));
    }

    // Reads ahead and comes back: look(run) may read records with try_scan,
    // and the scans that follow read them again. Returns false, having read
    // nothing, where the input cannot be read twice.
    template <class Look> bool look_ahead(Look look)
    {
        Scanner::Mark m;
        if (!input_ || !scanner_.mark(m))
            return false;
        look(*this);
        scanner_.go_back(m);
        return true;
    }
    // Reads one record as scan() does, but only says whether it could.
    template <class... T> bool try_scan(const char* fmt, T*... out)
    {
        ScanField fields[] = {ScanField{std::is_same_v<T, int> ? 'i' : 'f', out}...};
        return scanner_.scan(fmt, fields, static_cast<int>(sizeof...(T)));
    }

    // Stops when value lies outside lo..hi, naming the record just read.
    void check_range(const char* label, int index, const char* what, int value, int lo, int hi);
    // Stops with a message about the record just read.
    [[noreturn]] void fail(const char* label, int index, const std::string& what);

    // The error stop: footer (if this program writes one), the report put in
    // place, the CSV and summary files of an earlier run removed, exit
    // status 1.
    [[noreturn]] void stop();
    // Console line and report line of an error, then stop().
    [[noreturn]] void stop_with(const std::string& message);

private:
    void read_record(const char* label, int index, const char* fmt, const ScanField* fields, int n);
    std::string where(const char* label, int index, int line) const;
    [[noreturn]] void trouble_opening(const char* path, const std::string& reason);
    void open_input();
    void open_or_stop(OutputFile& f, const char* suffix);
    void close_or_stop(OutputFile& f);
    [[noreturn]] void trouble_writing(const OutputFile& f);
    void remove_results(const char* const suffixes[]);
    void discard_all();
    void write_label_image();

    const ProgramIdentity& id_;
    bool footer_on_error_;
    std::FILE* input_ = nullptr;
    Scanner scanner_;
    int record_line_ = 1;
    char input_path_[64] = {};
    OutputFile htm_, csv_, svg_, txt_;
};

} // namespace qm
