#include "pages/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quill {

std::string html_escape(const std::string& in)
{
    std::string out;
    for (char c : in) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string csv_field(const std::string& in)
{
    if (in.find_first_of(",\"\n") == std::string::npos)
        return in;
    std::string out = "\"";
    for (char c : in)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string fmt(const char* format, double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string number(double v)
{
    char buf[32];
    return std::string(buf, append_number(buf, v));
}

char* append_number(char* at, double v)
{
    // As printf's "%.6g", without its cost: to_chars's general form with a
    // precision is printf's.
    return std::to_chars(at, at + 32, v == 0 ? 0.0 : v, std::chars_format::general, 6).ptr;
}

std::string position(const Model& s, int member, double at, bool unit)
{
    double L = s.length(member);
    if (std::fabs(at) <= 1e-9 * L)
        return "start";
    if (std::fabs(at - L) <= 1e-9 * L)
        return "end";
    std::string out = number(s.units->from_internal(Quantity::length, at));
    return unit ? out + " " + s.units->unit(Quantity::length) : out;
}

std::string reaction_title(const Model& s, int k)
{
    const TypeTable& t = s.t();
    bool rotation = t.rotation[k];
    return std::string(rotation ? "M" : "F") + t.dof[k][rotation ? 1 : 0] + " (" +
           s.units->unit(rotation ? Quantity::moment : Quantity::force) + ")";
}

const char* unit_of(const Model& s, Kind k)
{
    return s.units->unit(k == Kind::force ? Quantity::force : Quantity::moment);
}

double in_units(const Model& s, Kind k, double v)
{
    return s.units->from_internal(k == Kind::force ? Quantity::force : Quantity::moment, v);
}

} // namespace quill
