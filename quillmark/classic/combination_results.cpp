#include "classic/combination_results.h"

#include <cstdlib>
#include <fstream>

namespace quill {

namespace {

std::vector<double> fields(const std::string& line)
{
    std::vector<double> out;
    size_t p = 0;
    while (p <= line.size()) {
        size_t q = line.find(',', p);
        if (q == std::string::npos)
            q = line.size();
        out.push_back(std::strtod(line.substr(p, q - p).c_str(), nullptr));
        p = q + 1;
    }
    return out;
}

} // namespace

bool read_results(const Model& s, const std::string& path, Results& r)
{
    const TypeTable& t = s.t();
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    size_t nj = s.joints.size(), m = s.members.size();
    size_t need = 1 + (t.reactions_apart ? 2 * nj : nj) + 2 * m;
    if (lines.size() < need)
        return false;
    r.D.assign(nj + 1, {});
    r.AR.assign(nj + 1, {});
    r.ea.assign(m + 1, {});
    r.limit.assign(m + 1, {});
    // The programs turn radians into degrees with 3.14159 for pi.
    const double to_radians = 1.0 / (360 * 0.15915507752443828);
    size_t at = 1;
    for (size_t j = 1; j <= nj; ++j) {
        std::vector<double> f = fields(lines[at++]);
        if (f.size() < static_cast<size_t>(1 + (t.reactions_apart ? t.d : 2 * t.d)))
            return false;
        for (int k = 0; k < t.d; ++k) {
            r.D[j][k] = f[1 + k] * (t.degrees && t.rotation[k] ? to_radians : 1.0);
            if (!t.reactions_apart)
                r.AR[j][k] = f[1 + t.d + k];
        }
    }
    if (t.reactions_apart)
        for (size_t j = 1; j <= nj; ++j) {
            std::vector<double> f = fields(lines[at++]);
            if (f.size() < static_cast<size_t>(1 + t.d))
                return false;
            for (int k = 0; k < t.d; ++k)
                r.AR[j][k] = f[1 + k];
        }
    for (size_t i = 1; i <= m; ++i) {
        std::vector<double> a = fields(lines[at++]);
        std::vector<double> l = fields(lines[at++]);
        if (a.size() < static_cast<size_t>(1 + t.nea) || l.size() < static_cast<size_t>(1 + t.nea))
            return false;
        for (int k = 0; k < t.nea; ++k) {
            r.ea[i][k] = a[1 + k];
            r.limit[i][k] = l[1 + k];
        }
    }
    return true;
}

} // namespace quill
