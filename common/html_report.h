// The report document: HTML header, section headings, tables, the footer of
// an error stop, and the plain-text header of the summary file.
//
// Every "%c" of a report literal receives the double-quote character, so the
// literals below can be held byte for byte against the report they produce.
#pragma once

#include <cstdio>

namespace qm {

// What one analysis program of the suite calls itself.
struct ProgramIdentity {
    const char* program;    // "frame3d"
    const char* structure;  // what it analyses, for its help: "space frame"
    const char* type_name;  // file stem: "spacefr" gives spacefr.in, .htm, .csv, .txt
    const char* html_title; // formatted with the revision
    const char* text_title; // formatted with the revision
    double revision;
};

class HtmlReport {
public:
    static constexpr char quote = 34;

    // Writes go to f (the report, later the summary file); null: nowhere.
    void attach(std::FILE* f) { f_ = f; }
    std::FILE* file() { return f_; }

    // Plain formatted write.
    void printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // Formatted write of a literal whose every "%c" is the quote character;
    // the other conversions take the arguments in order.
    void qprintf(const char* fmt, ...);

    // mode 1: HTML document head; any other mode: the plain-text banner.
    void write_header(int mode, const ProgramIdentity& id);
    void write_section_heading(const char* title);
    // The heading form without the two leading line breaks.
    void write_subheading(const char* title);
    void open_table();
    void close_table();
    void write_footer();

private:
    std::FILE* f_ = nullptr;
};

} // namespace qm
