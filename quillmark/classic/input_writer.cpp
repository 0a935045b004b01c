#include "classic/input_writer.h"

#include <charconv>
#include <cmath>

#include "loads/member_loads.h"

namespace quill {

std::string number_text(double v)
{
    float f = static_cast<float>(v);
    if (f == 0)
        return "0";
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, f);
    return std::string(buf, r.ptr);
}

namespace {

void line(std::string& out, const std::vector<std::string>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += ',';
        out += fields[i];
    }
    out += '\n';
}

bool any(const double* v, int n)
{
    for (int i = 0; i < n; ++i)
        if (static_cast<float>(v[i]) != 0)
            return true;
    return false;
}

} // namespace

std::string input_file(const Model& s, const CombinedLoads& loads)
{
    const TypeTable& t = s.t();
    std::string out;
    int m = static_cast<int>(s.members.size());
    int nj = static_cast<int>(s.joints.size());
    int nr = 0;
    for (const Support& sp : s.supports)
        for (int k = 0; k < t.d; ++k)
            nr += sp.restrained[k];
    int nrj = static_cast<int>(s.supports.size());
    if (s.type == Type::beam) {
        const Section& sec = s.sections[s.members[0].section];
        line(out, {std::to_string(m), std::to_string(nr), std::to_string(nrj),
                   std::to_string(static_cast<long>(std::lround(sec.p[E]))), number_text(sec.p[Fy])});
    } else {
        line(out, {std::to_string(m), std::to_string(nj), std::to_string(nr), std::to_string(nrj)});
        for (const Joint& j : s.joints) {
            std::vector<std::string> c = {number_text(j.x), number_text(j.y), number_text(j.z)};
            c.resize(t.coordinates);
            line(out, c);
        }
    }
    for (int i = 1; i <= m; ++i) {
        const Member& mb = s.members[i - 1];
        const Section& sec = s.sections[mb.section];
        std::vector<std::string> f;
        if (s.type == Type::beam)
            f.push_back(number_text(s.length(i)));
        else
            f = {std::to_string(mb.jj), std::to_string(mb.jk)};
        for (int k = 0; k < t.nprops; ++k)
            f.push_back(number_text(sec.p[t.record[k]]));
        // The shear areas follow the moduli, which stand as 0 where only a
        // shear area is given.
        bool moduli = false, shear_areas = false;
        for (int k = 0; k < t.nmoduli; ++k)
            moduli = moduli || sec.p[t.moduli[k]] != 0;
        for (int k = 0; k < t.nshear_areas; ++k)
            shear_areas = shear_areas || sec.p[t.shear_areas[k]] != 0;
        if (moduli || shear_areas)
            for (int k = 0; k < t.nmoduli; ++k)
                f.push_back(number_text(sec.p[t.moduli[k]]));
        if (shear_areas)
            for (int k = 0; k < t.nshear_areas; ++k)
                f.push_back(number_text(sec.p[t.shear_areas[k]]));
        line(out, f);
    }
    for (const Support& sp : s.supports) {
        out += std::to_string(sp.joint) + '\n';
        std::vector<std::string> f;
        for (int k = 0; k < t.d; ++k)
            f.push_back(sp.restrained[k] ? "1" : "0");
        line(out, f);
    }
    std::string joints, members;
    int nlj = 0, nlm = 0;
    for (int j = 1; j <= nj; ++j)
        if (any(loads.joint[j].data(), t.d)) {
            ++nlj;
            joints += std::to_string(j) + '\n';
            std::vector<std::string> f;
            for (int k = 0; k < t.d; ++k)
                f.push_back(number_text(loads.joint[j][k]));
            line(joints, f);
        }
    for (int i = 1; i <= m; ++i)
        if (any(loads.member[i].data(), t.nea)) {
            ++nlm;
            members += std::to_string(i) + '\n';
            std::vector<std::string> f;
            for (int k = 0; k < t.nea; ++k)
                f.push_back(number_text(loads.member[i][k]));
            line(members, f);
        }
    line(out, {std::to_string(nlj), std::to_string(nlm)});
    out += joints;
    out += members;
    if (t.dummy_list) {
        std::vector<int> dummies;
        for (int i = 1; i <= m; ++i)
            if (s.members[i - 1].dummy)
                dummies.push_back(i);
        out += std::to_string(dummies.size()) + '\n';
        for (int d : dummies)
            out += std::to_string(d) + '\n';
    }
    return out;
}

} // namespace quill
