// The model file text of a model, in its own units.
#include <charconv>
#include <cctype>

#include "import/import.h"

namespace quill {

namespace {

std::string num(double v)
{
    if (v == 0)
        return "0";
    char buf[40];
    // A value read from an input file is a float: its own shortest digits
    // read back as the same float.
    float f = static_cast<float>(v);
    auto r = f == v ? std::to_chars(buf, buf + sizeof buf, f) : std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// A key as TOML takes it: bare when it can be.
std::string key(const std::string& s)
{
    bool bare = !s.empty();
    for (char c : s)
        bare = bare && (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-');
    return bare ? s : quoted(s);
}

// A reference to a joint or member: its number when its name is one.
std::string ref(const std::string& name)
{
    bool digits = !name.empty() && name[0] != '0';
    for (char c : name)
        digits = digits && std::isdigit(static_cast<unsigned char>(c));
    return digits ? name : quoted(name);
}

} // namespace

std::string model_file_text(const Model& s)
{
    const TypeTable& t = s.t();
    const Units& u = *s.units;
    std::string out;
    if (!s.title.empty())
        out += "title = " + quoted(s.title) + "\n";
    out += "type = " + quoted(t.name) + "\nunits = " + quoted(u.name) + "\n\n[sections]\n";
    std::vector<Prop> keys(t.record, t.record + t.nprops);
    if (s.type == Type::beam)
        keys.insert(keys.end(), {E, Fy});
    keys.insert(keys.end(), t.moduli, t.moduli + t.nmoduli);
    keys.insert(keys.end(), t.shear_areas, t.shear_areas + t.nshear_areas);
    keys.push_back(unit_weight);
    for (const Section& sec : s.sections) {
        out += key(sec.name) + " = {";
        bool first = true;
        for (Prop p : keys) {
            bool optional = p == unit_weight || p == Sx || p == Sy || p == Sz || p == Awy || p == Awz || p == Aw;
            if (optional && sec.p[p] == 0 && !(s.type == Type::beam && p == Sx))
                continue;
            out += std::string(first ? " " : ", ") + props[p].key + " = " +
                   num(u.from_internal(quantity_of(props[p].measure), sec.p[p]));
            first = false;
        }
        out += " }\n";
    }
    out += "\n[joints]\n";
    for (const Joint& j : s.joints) {
        double c[3] = {j.x, j.y, j.z};
        int n = t.coordinates == 0 ? 1 : t.coordinates;
        out += key(j.name) + " = [";
        for (int k = 0; k < n; ++k)
            out += (k ? ", " : "") + num(u.from_internal(Quantity::length, c[k]));
        out += "]\n";
    }
    out += "\n[members]\n";
    for (const Member& m : s.members)
        out += key(m.name) + " = { joints = [" + ref(s.joints[m.jj - 1].name) + ", " + ref(s.joints[m.jk - 1].name) +
               "], section = " + quoted(s.sections[m.section].name) + (m.dummy ? ", dummy = true" : "") + " }\n";
    if (!s.supports.empty()) {
        out += "\n[supports]\n";
        for (const Support& sp : s.supports) {
            out += key(s.joints[sp.joint - 1].name) + " = [";
            bool first = true;
            for (int k = 0; k < t.d; ++k)
                if (sp.restrained[k]) {
                    out += std::string(first ? "" : ", ") + quoted(t.dof[k]);
                    first = false;
                }
            out += "]\n";
        }
    }
    for (const LoadCase& c : s.cases) {
        out += "\n[cases." + key(c.name) + "]\n";
        if (c.self_weight)
            out += "self_weight = true\n";
        if (!c.joints.empty()) {
            out += "\n[cases." + key(c.name) + ".joints]\n";
            for (const JointLoad& jl : c.joints) {
                out += key(s.joints[jl.joint - 1].name) + " = {";
                bool first = true;
                for (int k = 0; k < t.d; ++k) {
                    if (jl.value[k] == 0)
                        continue;
                    out += std::string(first ? " " : ", ") + (t.rotation[k] ? "m" : "f") +
                           t.dof[k][t.rotation[k] ? 1 : 0] + " = " +
                           num(u.from_internal(t.rotation[k] ? Quantity::moment : Quantity::force, jl.value[k]));
                    first = false;
                }
                out += first ? "}\n" : " }\n";
            }
        }
        for (const MemberLoad& ml : c.members) {
            // Only given fixed-end actions come from an input file.
            if (ml.kind != LoadKind::fixed_end_actions)
                continue;
            out += "\n[[cases." + key(c.name) + ".members]]\nmember = " + ref(s.members[ml.member - 1].name) +
                   "\nfixed_end_actions = [";
            for (int k = 0; k < t.nea; ++k)
                out += (k ? ", " : "") +
                       num(u.from_internal(t.kind[k] == Kind::force ? Quantity::force : Quantity::moment, ml.fea[k]));
            out += "]\n";
        }
    }
    if (!(s.combinations.size() == 1 && s.combinations[0].factors.size() == 1 &&
          s.combinations[0].name == s.cases[s.combinations[0].factors[0].first].name &&
          s.combinations[0].factors[0].second == 1.0)) {
        out += "\n[combinations]\n";
        for (const Combination& co : s.combinations) {
            out += key(co.name) + " = {";
            for (size_t k = 0; k < co.factors.size(); ++k)
                out += std::string(k ? ", " : " ") + key(s.cases[co.factors[k].first].name) + " = " +
                       num(co.factors[k].second);
            out += " }\n";
        }
    }
    return out;
}

} // namespace quill
