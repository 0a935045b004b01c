#include "import/import.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "input/scanner.h"

namespace quill {

namespace {

class Records {
public:
    Records(const std::string& path, std::FILE* f) : path_(path), scanner_(f) {}

    // One record of `ints` whole numbers and then `reals` numbers, all
    // separated by commas, the last `optional` of them optional (0 when not
    // given).
    std::vector<double> read(const char* what, int ints, int reals, int optional = 0)
    {
        std::string fmt;
        std::vector<int> iv(static_cast<size_t>(ints));
        std::vector<float> fv(static_cast<size_t>(reals));
        std::vector<qm::ScanField> fields;
        for (int k = 0; k < ints + reals; ++k) {
            if (k == ints + reals - optional)
                fmt += '[';
            fmt += k ? ",%" : "%";
            fmt += k < ints ? 'i' : 'f';
            fields.push_back(k < ints ? qm::ScanField{'i', &iv[static_cast<size_t>(k)]}
                                      : qm::ScanField{'f', &fv[static_cast<size_t>(k - ints)]});
        }
        if (optional)
            fmt += ']';
        if (!scanner_.scan(fmt.c_str(), fields.data(), ints + reals))
            throw ModelError{path_ + ":" + std::to_string(scanner_.failed_line()) + ": " + what + ": " +
                             scanner_.problem()};
        std::vector<double> out(iv.begin(), iv.end());
        out.insert(out.end(), fv.begin(), fv.end());
        return out;
    }
    int count(const char* what, int lo, int hi)
    {
        int v = static_cast<int>(read(what, 1, 0)[0]);
        check(what, v, lo, hi);
        return v;
    }
    void check(const char* what, int v, int lo, int hi) const
    {
        if (v < lo || v > hi)
            throw ModelError{path_ + ":" + std::to_string(scanner_.line()) + ": " + what + ": " + std::to_string(v) +
                             " lies outside " + std::to_string(lo) + ".." + std::to_string(hi)};
    }

private:
    std::string path_;
    qm::Scanner scanner_;
};

// A later record for the same joint or member replaces the earlier one, as
// the analysis programs read them.
template <class Record, class Key>
void keep_last(std::vector<Record>& records, const Record& r, Key key)
{
    for (Record& old : records)
        if (old.*key == r.*key) {
            old = r;
            return;
        }
    records.push_back(r);
}

// Sections are shared by the members whose records carry the same values.
int section_of(Model& s, const std::array<double, prop_count>& p)
{
    for (size_t k = 0; k < s.sections.size(); ++k)
        if (s.sections[k].p == p)
            return static_cast<int>(k);
    s.sections.push_back({"S" + std::to_string(s.sections.size() + 1), p, {}});
    return static_cast<int>(s.sections.size()) - 1;
}

} // namespace

Model read_input_file(const std::string& path)
{
    Model s;
    std::string stem = std::filesystem::path(path).stem().string();
    if (!type_of_stem(stem, s.type))
        throw ModelError{path + ": not an input file of the suite (spacefr.in, planefr.in, spacetr.in, planetr.in, "
                                "grid.in or beam.in)"};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "r"), std::fclose);
    if (!f)
        throw ModelError{path + ": cannot be read"};
    const TypeTable& t = s.t();
    Records r(path, f.get());
    s.units = &us_units;
    s.title = "imported from " + std::filesystem::path(path).filename().string();
    int m, nj, nrj;
    double beam_E = 0, beam_Fy = 0;
    if (s.type == Type::beam) {
        std::vector<double> h = r.read("structure", 4, 1);
        m = static_cast<int>(h[0]);
        nrj = static_cast<int>(h[2]);
        beam_E = h[3];
        beam_Fy = static_cast<float>(h[4]);
        r.check("structure", m, 1, 1000);
        nj = m + 1;
    } else {
        std::vector<double> h = r.read("structure", 4, 0);
        m = static_cast<int>(h[0]);
        nj = static_cast<int>(h[1]);
        nrj = static_cast<int>(h[3]);
        r.check("structure", m, 1, 1000);
        r.check("structure", nj, 2, 1000);
        for (int j = 1; j <= nj; ++j) {
            std::vector<double> c = r.read("joint", 0, t.coordinates);
            c.resize(3);
            s.joints.push_back({std::to_string(j), c[0], c[1], c[2]});
        }
    }
    r.check("structure", nrj, 0, nj);
    double x = 0;
    if (s.type == Type::beam)
        s.joints.push_back({"1", 0, 0, 0});
    for (int i = 1; i <= m; ++i) {
        Member mb;
        mb.name = std::to_string(i);
        std::array<double, prop_count> p{};
        if (s.type == Type::beam) {
            std::vector<double> v = r.read("member", 0, 4 + t.nshear_areas, t.nshear_areas);
            x += v[0];
            s.joints.push_back({std::to_string(i + 1), x, 0, 0});
            mb.jj = i;
            mb.jk = i + 1;
            p[Ix] = v[1];
            p[A] = v[2];
            p[Sx] = v[3];
            for (int k = 0; k < t.nshear_areas; ++k)
                p[t.shear_areas[k]] = v[4 + static_cast<size_t>(k)];
            p[E] = beam_E;
            p[Fy] = beam_Fy;
        } else {
            int trailing = t.nmoduli + t.nshear_areas;
            std::vector<double> v = r.read("member", 2, t.nprops + trailing, trailing);
            mb.jj = static_cast<int>(v[0]);
            mb.jk = static_cast<int>(v[1]);
            r.check("member", mb.jj, 1, nj);
            r.check("member", mb.jk, 1, nj);
            for (int k = 0; k < t.nprops; ++k)
                p[t.record[k]] = v[2 + static_cast<size_t>(k)];
            for (int k = 0; k < t.nmoduli; ++k)
                p[t.moduli[k]] = v[2 + static_cast<size_t>(t.nprops + k)];
            for (int k = 0; k < t.nshear_areas; ++k)
                p[t.shear_areas[k]] = v[2 + static_cast<size_t>(t.nprops + t.nmoduli + k)];
        }
        mb.section = section_of(s, p);
        s.members.push_back(mb);
    }
    for (int k = 0; k < nrj; ++k) {
        Support sp;
        sp.joint = r.count("restrained joint", 1, nj);
        std::vector<double> fl = r.read("restraint flags", t.d, 0);
        for (int d = 0; d < t.d; ++d)
            sp.restrained[d] = fl[static_cast<size_t>(d)] != 0;
        keep_last(s.supports, sp, &Support::joint);
    }
    std::vector<double> counts = r.read("load counts", 2, 0);
    LoadCase c;
    c.name = "imported";
    for (int k = 0; k < static_cast<int>(counts[0]); ++k) {
        JointLoad jl;
        jl.joint = r.count("loaded joint", 1, nj);
        std::vector<double> v = r.read("joint load", 0, t.d);
        for (int d = 0; d < t.d; ++d)
            jl.value[d] = v[static_cast<size_t>(d)];
        keep_last(c.joints, jl, &JointLoad::joint);
    }
    for (int k = 0; k < static_cast<int>(counts[1]); ++k) {
        MemberLoad ml;
        ml.kind = LoadKind::fixed_end_actions;
        ml.member = r.count("loaded member", 1, m);
        ml.fea = r.read("member load", 0, t.nea);
        keep_last(c.members, ml, &MemberLoad::member);
    }
    if (t.dummy_list) {
        int nd = r.count("dummy members", -1000000, 1000);
        for (int k = 0; k < nd; ++k)
            s.members[static_cast<size_t>(r.count("dummy member", 1, m)) - 1].dummy = true;
    }
    s.cases.push_back(c);
    s.combinations.push_back({"imported", {{0, 1.0}}});
    return s;
}

int import_input_file(const std::string& path)
{
    Model s;
    try {
        s = read_input_file(path);
    } catch (const ModelError& e) {
        std::printf("%s\n", e.message.c_str());
        return 1;
    }
    std::filesystem::path out = std::filesystem::path(path).replace_extension(".toml");
    // A model file of the same name may hold work of its own.
    if (std::filesystem::exists(out)) {
        std::printf("%s exists: not overwritten\n", out.string().c_str());
        return 1;
    }
    std::ofstream f(out, std::ios::binary);
    f << model_file_text(s);
    f.close();
    if (f.fail()) {
        std::printf("cannot write %s\n", out.string().c_str());
        return 1;
    }
    std::printf("wrote %s\n", out.string().c_str());
    return 0;
}

} // namespace quill
