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
    std::string f = u.unit(Quantity::force), m = u.unit(Quantity::moment), d = u.unit(Quantity::displacement);
    std::string out = "member,at (" + std::string(u.unit(Quantity::length)) + ")";
    // The actions the type has.
    bool space = s.type == Type::space_frame;
    bool axial = t.axial, plane_y = t.bending && s.type != Type::grid, plane_z = space || s.type == Type::grid;
    if (axial)
        out += ",N (" + f + ")";
    if (plane_y)
        out += ",Vy (" + f + ")";
    if (plane_z)
        out += ",Vz (" + f + ")";
    if (t.torsion)
        out += ",T (" + m + ")";
    if (plane_z)
        out += ",My (" + m + ")";
    if (plane_y)
        out += ",Mz (" + m + ")";
    if (plane_y)
        out += ",v (" + d + ")";
    if (plane_z)
        out += ",w (" + d + ")";
    out += "\n";
    // Some hundred thousand rows in a large model: each number written
    // straight into the text.
    double uf = u.to_internal(Quantity::force, 1), um = u.to_internal(Quantity::moment, 1),
           ud = u.to_internal(Quantity::displacement, 1), ul = u.to_internal(Quantity::length, 1);
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
            if (axial)
                put(a.N.at(x) / uf);
            if (plane_y)
                put(a.Vy.at(x) / uf);
            if (plane_z)
                put(a.Vz.at(x) / uf);
            if (t.torsion)
                put(a.T.at(x) / um);
            if (plane_z)
                put(a.My.at(x) / um);
            if (plane_y)
                put(a.Mz.at(x) / um);
            if (plane_y)
                put(a.v.at(x) / ud);
            if (plane_z)
                put(a.w.at(x) / ud);
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
