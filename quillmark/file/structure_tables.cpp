// The structure's tables: [sections], [joints], [members] and [supports].
#include <algorithm>

#include "file/model_reader.h"

namespace quill {

void read_sections(ModelReader& r, const toml::table& t)
{
    Model& s = r.s;
    const TypeTable& tt = s.t();
    std::vector<Prop> required(tt.record, tt.record + tt.nprops);
    if (s.type == Type::beam) {
        required.push_back(E);
        required.push_back(Fy);
    }
    std::vector<Prop> allowed = required;
    allowed.insert(allowed.end(), tt.moduli, tt.moduli + tt.nmoduli);
    allowed.insert(allowed.end(), tt.shear_areas, tt.shear_areas + tt.nshear_areas);
    allowed.push_back(unit_weight);
    std::vector<std::string> keys;
    for (Prop p : allowed)
        keys.push_back(props[p].key);
    keys.insert(keys.end(), {"K", "unbraced"});
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string path = "sections." + name;
        const toml::table& st = r.table_at(*node, path);
        r.only_keys(st, path, keys);
        Section sec;
        sec.name = name;
        for (Prop p : allowed) {
            bool needed = std::find(required.begin(), required.end(), p) != required.end();
            double v = r.number_in(st, path, props[p].key, needed);
            if (v < 0)
                r.fail(*st.get(props[p].key), path + "." + props[p].key, "must not be negative");
            sec.p[p] = s.units->to_internal(quantity_of(props[p].measure), v);
        }
        read_buckling(r, st, path, sec.buckling);
        if (s.type == Type::beam && !s.sections.empty() &&
            (sec.p[E] != s.sections[0].p[E] || sec.p[Fy] != s.sections[0].p[Fy]))
            r.fail(st, path, "a beam has one E and one Fy for all its members");
        s.sections.push_back(sec);
        r.section_names.push_back(name);
    }
}

void read_joints(ModelReader& r, const toml::table& t)
{
    Model& s = r.s;
    int nc = std::max(1, s.t().coordinates);
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string path = "joints." + name;
        double c[3] = {0, 0, 0};
        if (const toml::array* a = node->as_array()) {
            if (static_cast<int>(a->size()) != nc)
                r.fail(*node, path,
                       std::to_string(nc) + (nc == 1 ? " coordinate is" : " coordinates are") + " expected");
            for (int i = 0; i < nc; ++i)
                c[i] = s.units->to_internal(Quantity::length, r.number(*a->get(i), path));
        } else if (nc == 1) {
            c[0] = s.units->to_internal(Quantity::length, r.number(*node, path));
        } else {
            r.fail(*node, path, "an array of " + std::to_string(nc) + " coordinates is expected");
        }
        s.joints.push_back({name, c[0], c[1], c[2]});
        r.joint_names.add(name);
    }
}

void read_members(ModelReader& r, const toml::table& t)
{
    Model& s = r.s;
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string path = "members." + name;
        const toml::table& mt = r.table_at(*node, path);
        r.only_keys(mt, path, {"joints", "section", "dummy", "K", "unbraced", "releases", "pinned"});
        Member m;
        m.name = name;
        const toml::array* js = mt.get_as<toml::array>("joints");
        if (!js || js->size() != 2)
            r.fail(js ? static_cast<const toml::node&>(*js) : mt, path + ".joints", "two joints are expected");
        m.jj = r.joint_ref(*js->get(0), path + ".joints");
        m.jk = r.joint_ref(*js->get(1), path + ".joints");
        const toml::node* sn = mt.get("section");
        if (!sn)
            r.fail(mt, path, "'section' is missing");
        std::string sname = r.text(*sn, path + ".section");
        auto it = std::find(r.section_names.begin(), r.section_names.end(), sname);
        if (it == r.section_names.end())
            r.fail(*sn, path + ".section", "no section '" + sname + "'");
        m.section = static_cast<int>(it - r.section_names.begin());
        if (const toml::node* d = mt.get("dummy"))
            m.dummy = r.truth(*d, path + ".dummy");
        read_buckling(r, mt, path, m.buckling);
        read_releases(r, mt, path, m);
        s.members.push_back(m);
        r.member_names.add(name);
        int i = static_cast<int>(s.members.size());
        if (s.length(i) == 0)
            r.fail(mt, path, "the member's joints coincide");
        if (s.type == Type::beam &&
            (m.jj != i || m.jk != i + 1 || s.joints[m.jk - 1].x <= s.joints[m.jj - 1].x))
            r.fail(mt, path,
                   "member " + std::to_string(i) + " of a beam runs from joint " + std::to_string(i) +
                       " to the next one to its right");
    }
    if (s.type == Type::beam && s.members.size() + 1 != s.joints.size())
        r.fail(t, "members", "a beam has one member fewer than joints");
}

void read_supports(ModelReader& r, const toml::table& t)
{
    Model& s = r.s;
    const TypeTable& tt = s.t();
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string path = "supports." + name;
        Support sp;
        // The key is the joint's name (or number).
        sp.joint = r.joint_key(*node, path, name);
        if (auto word = node->value_exact<std::string>()) {
            if (*word != "fixed" && *word != "pinned")
                r.fail(*node, path, "\"fixed\", \"pinned\" or a list of directions is expected");
            for (int k = 0; k < tt.d; ++k)
                sp.restrained[k] = *word == "fixed" || !tt.rotation[k];
        } else if (const toml::array* a = node->as_array()) {
            for (const toml::node& e : *a) {
                sp.restrained[r.direction_key(e, path, r.text(e, path))] = true;
            }
        } else {
            r.fail(*node, path, "\"fixed\", \"pinned\" or a list of directions is expected");
        }
        s.supports.push_back(sp);
    }
}

} // namespace quill
