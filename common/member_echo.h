// The "Member Properties" table of the programs whose members show their
// joints, area, length in feet, E, Fy and two radii of gyration: the plane
// frame and both trusses. Each model's sec[i] holds member i's section with
// fields A, E, Fy, rx and ry. A last column, titled modulus_title, shows the
// section modulus modulus(i) where the program has one to show.
#pragma once

#include <string>

#include "echo.h"
#include "model_input.h"
#include "units.h"

namespace qm {

template <class Model, class Modulus = float (*)(int)>
void write_member_properties(HtmlReport& rep, const Model& s, FeetRule rule, const char* modulus_title = nullptr,
                             Modulus modulus = nullptr)
{
    std::string titles = "member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length "
                         "(feet)</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> (in<sup>4</sup>)"
                         "</TD><TD>r<sub>y</sub> (in<sup>4</sup>)";
    if (modulus_title)
        titles.append("</TD><TD>").append(modulus_title);
    open_echo_table(rep, "Member Properties", (titles + "\n").c_str());
    for (int i = 1; i <= s.m; ++i) {
        const auto& c = s.sec[i];
        double length = rule == FeetRule::divide_by_12 ? static_cast<double>(s.L[i] / 12) : feet(s.L[i]);
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], c.A, length, c.E, c.Fy, c.rx, c.ry);
        if (modulus_title)
            rep.printf("</TD><TD>%8.3f", static_cast<double>(modulus(i)));
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

} // namespace qm
