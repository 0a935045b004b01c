// The "Member Properties" table of the programs whose members show their
// joints, area, length in feet, E, Fy and two radii of gyration: the plane
// frame and both trusses. Each model's sec[i] holds member i's section with
// fields A, E, Fy, rx and ry. Optional last columns, each shown where its
// title is not null, show extra(i, column): the plane frame's section
// modulus and shear area where some member record gives one.
#pragma once

#include <array>
#include <string>

#include "report/echo.h"
#include "input/model_input.h"
#include "report/units.h"

namespace qm {

using OptionalTitles = std::array<const char*, 2>;

template <class Model, class Extra = float (*)(int, int)>
void write_member_properties(HtmlReport& rep, const Model& s, FeetRule rule, OptionalTitles extra_titles = {},
                             Extra extra = nullptr)
{
    std::string titles = "member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length "
                         "(feet)</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> (in<sup>4</sup>)"
                         "</TD><TD>r<sub>y</sub> (in<sup>4</sup>)";
    for (const char* title : extra_titles)
        if (title)
            titles.append("</TD><TD>").append(title);
    open_echo_table(rep, "Member Properties", (titles + "\n").c_str());
    for (int i = 1; i <= s.m; ++i) {
        const auto& c = s.sec[i];
        double length = rule == FeetRule::divide_by_12 ? static_cast<double>(s.L[i] / 12) : feet(s.L[i]);
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], c.A, length, c.E, c.Fy, c.rx, c.ry);
        for (int column = 0; column < static_cast<int>(extra_titles.size()); ++column)
            if (extra_titles[static_cast<std::size_t>(column)])
                rep.printf("</TD><TD>%8.3f", static_cast<double>(extra(i, column)));
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

} // namespace qm
