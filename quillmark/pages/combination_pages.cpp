#include "pages/combination_pages.h"

#include "pages/combination_report.h"
#include "pages/combination_svg.h"
#include "pages/text.h"
#include "pages/whole_files.h"

namespace quill {

std::string forces_csv(const Model& s, const std::vector<SpanActions>& along)
{
    const TypeTable& t = s.t();
    const Units& u = *s.units;
    // The actions and deflections the type has, in the order of the columns.
    struct Column {
        const char* name;
        Quantity q;
        Piecewise SpanActions::*f;
    };
    bool space = s.type == Type::space_frame;
    bool plane_y = t.bending && s.type != Type::grid, plane_z = space || s.type == Type::grid;
    std::vector<Column> columns;
    auto column = [&](bool has, const char* name, Quantity q, Piecewise SpanActions::*f) {
        if (has)
            columns.push_back({name, q, f});
    };
    column(t.axial, "N", Quantity::force, &SpanActions::N);
    column(plane_y, "Vy", Quantity::force, &SpanActions::Vy);
    column(plane_z, "Vz", Quantity::force, &SpanActions::Vz);
    column(t.torsion, "T", Quantity::moment, &SpanActions::T);
    column(plane_z, "My", Quantity::moment, &SpanActions::My);
    column(plane_y, "Mz", Quantity::moment, &SpanActions::Mz);
    column(plane_y, "v", Quantity::displacement, &SpanActions::v);
    column(plane_z, "w", Quantity::displacement, &SpanActions::w);

    std::string out = "member,at (" + std::string(u.unit(Quantity::length)) + ")";
    for (const Column& c : columns)
        out += std::string(",") + c.name + " (" + u.unit(c.q) + ")";
    out += "\n";
    // Some hundred thousand rows in a large model: each number written
    // straight into the text.
    double ul = u.to_internal(Quantity::length, 1);
    std::vector<double> per(columns.size());
    for (size_t k = 0; k < columns.size(); ++k)
        per[k] = u.to_internal(columns[k].q, 1);
    char row[512];
    for (size_t i = 1; i < along.size(); ++i) {
        const SpanActions& a = along[i];
        std::string name = csv_field(s.members[i - 1].name);
        for (double x : stations(a, 20)) {
            char* p = row;
            auto put = [&](double v) {
                *p++ = ',';
                p = append_number(p, v);
            };
            put(x / ul);
            for (size_t k = 0; k < columns.size(); ++k)
                put((a.*columns[k].f).at(x) / per[k]);
            *p++ = '\n';
            out += name;
            out.append(row, p);
        }
    }
    return out;
}

std::string with_units_note(const std::string& htm, const Model& s, const std::string& combination)
{
    size_t body = htm.find("<BODY");
    size_t end = body == std::string::npos ? std::string::npos : htm.find('>', body);
    if (end == std::string::npos)
        return htm;
    std::string note = "\n<P><B>" + std::string(s.t().program) +
                       " reports in its own units (kips, ksi, inches, inch-kips; coordinates in feet), by joint and "
                       "member number, with its checks at the member ends. Combination " +
                       html_escape(combination) + " in the model's units (" + s.units->name +
                       ") and names, checked along every member: <A HREF=\"report.htm\">report.htm</A>.</B></P>\n";
    return htm.substr(0, end + 1) + note + htm.substr(end + 1);
}

bool write_combination_pages(const Model& s, int c, const CombinationOutcome& o, const std::vector<SpanActions>& along,
                             const std::filesystem::path& dir, std::string& error)
{
    return write_whole_files({{dir / "report.htm", report_htm(s, c, o)},
                              {dir / "forces.svg", forces_svg(s, c, o, along)},
                              {dir / "forces.csv", forces_csv(s, along)}},
                             error);
}

} // namespace quill
