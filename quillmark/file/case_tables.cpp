// The load cases: [cases.NAME] with self-weight, joint loads and member
// loads, each member load given as a load (uniform, linear, point force,
// point moment) or as the fixed-end actions of the input file.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "file/model_reader.h"

namespace quill {

namespace {

void read_member_load(ModelReader& r, LoadCase& c, const toml::table& t, const std::string& path)
{
    const Model& s = r.s;
    const TypeTable& tt = s.t();
    r.only_keys(t, path, {"member", "kind", "direction", "axes", "w", "from", "to", "P", "M", "at", "fixed_end_actions"});
    MemberLoad l;
    l.line = static_cast<int>(t.source().begin.line);
    const toml::node* mn = t.get("member");
    if (!mn)
        r.fail(t, path, "'member' is missing");
    l.member = r.member_ref(*mn, path + ".member");
    double L = s.length(l.member);
    const Units& u = *s.units;
    if (const toml::node* f = t.get("fixed_end_actions")) {
        const toml::array* a = f->as_array();
        if (!a || static_cast<int>(a->size()) != tt.nea)
            r.fail(*f, path + ".fixed_end_actions", std::to_string(tt.nea) + " numbers are expected");
        l.kind = LoadKind::fixed_end_actions;
        for (int k = 0; k < tt.nea; ++k)
            l.fea.push_back(u.to_internal(tt.kind[k] == Kind::force ? Quantity::force : Quantity::moment,
                                          r.number(*a->get(k), path + ".fixed_end_actions")));
        if (t.size() != 2)
            r.fail(t, path, "fixed_end_actions stand alone with their member");
        c.members.push_back(l);
        return;
    }
    const toml::node* kn = t.get("kind");
    if (!kn)
        r.fail(t, path, "'kind' is missing");
    std::string kind = r.text(*kn, path + ".kind");
    static const std::pair<const char*, LoadKind> kinds[] = {{"uniform", LoadKind::uniform},
                                                             {"linear", LoadKind::linear},
                                                             {"point", LoadKind::point},
                                                             {"moment", LoadKind::moment}};
    auto k = std::find_if(std::begin(kinds), std::end(kinds), [&](auto& e) { return kind == e.first; });
    if (k == std::end(kinds))
        r.fail(*kn, path + ".kind", "one of uniform, linear, point, moment is expected");
    l.kind = k->second;
    bool point = l.kind == LoadKind::point || l.kind == LoadKind::moment;
    std::vector<std::string> wanted = {"member", "kind", "direction", "axes"};
    if (point)
        wanted.insert(wanted.end(), {l.kind == LoadKind::point ? "P" : "M", "at"});
    else
        wanted.insert(wanted.end(), {"w", "from", "to"});
    r.only_keys(t, path, wanted);

    if (const toml::node* an = t.get("axes")) {
        std::string axes = r.text(*an, path + ".axes");
        if (axes != "member" && axes != "global")
            r.fail(*an, path + ".axes", "\"member\" or \"global\" is expected");
        l.global = axes == "global";
    } else if (s.type != Type::beam) {
        // A member's own directions turn with it (a member listed from right
        // to left has y downwards): the file says which it means. A beam's
        // members all run along +x, their axes the global ones.
        r.fail(t, path, "'axes' is missing: \"member\" or \"global\" is expected");
    }
    const toml::node* dn = t.get("direction");
    if (!dn)
        r.fail(t, path, "'direction' is missing");
    std::string dir = r.text(*dn, path + ".direction");
    if (dir != "x" && dir != "y" && dir != "z")
        r.fail(*dn, path + ".direction", "x, y or z is expected");
    l.direction = dir[0] - 'x';
    const bool* allowed = l.kind == LoadKind::moment ? tt.moment_dir : tt.force_dir;
    bool ok = allowed[l.direction];
    if (l.global && s.type == Type::space_truss && l.kind == LoadKind::moment)
        ok = false; // a global moment would twist the bar
    if (!ok)
        r.fail(*dn, path + ".direction",
               std::string("a ") + tt.name + " takes no " + (l.kind == LoadKind::moment ? "moment about " : "force along ") +
                   (l.global ? "global " : "member ") + dir);

    if (point) {
        const char* key = l.kind == LoadKind::point ? "P" : "M";
        double v = r.number_in(t, path, key, true);
        l.w1 = u.to_internal(l.kind == LoadKind::point ? Quantity::force : Quantity::moment, v);
        l.a = u.to_internal(Quantity::length, r.number_in(t, path, "at", true));
        if (l.a < 0 || l.a > L * (1 + 1e-12))
            r.fail(*t.get("at"), path + ".at", "lies beyond the member");
        l.a = std::min(l.a, L);
    } else {
        const toml::node* wn = t.get("w");
        if (!wn)
            r.fail(t, path, "'w' is missing");
        if (l.kind == LoadKind::linear) {
            const toml::array* a = wn->as_array();
            if (!a || a->size() != 2)
                r.fail(*wn, path + ".w", "two numbers are expected, at the start and at the end of the load");
            l.w1 = u.to_internal(Quantity::distributed, r.number(*a->get(0), path + ".w"));
            l.w2 = u.to_internal(Quantity::distributed, r.number(*a->get(1), path + ".w"));
        } else {
            l.w1 = l.w2 = u.to_internal(Quantity::distributed, r.number(*wn, path + ".w"));
        }
        l.a = u.to_internal(Quantity::length, r.number_in(t, path, "from", false, 0));
        l.b = t.get("to") ? u.to_internal(Quantity::length, r.number_in(t, path, "to", false)) : L;
        if (l.a < 0)
            r.fail(*t.get("from"), path + ".from", "lies beyond the member");
        if (l.b > L * (1 + 1e-12))
            r.fail(*t.get("to"), path + ".to", "lies beyond the member");
        if (l.a >= L) {
            char length[64];
            std::snprintf(length, sizeof length, "%g %s", u.from_internal(Quantity::length, L),
                          u.unit(Quantity::length));
            r.fail(*t.get("from"), path + ".from", std::string("lies at or beyond the member's length of ") + length);
        }
        if (l.b <= l.a)
            r.fail(t, path, "'to' must lie beyond 'from'");
        l.b = std::min(l.b, L);
    }
    c.members.push_back(l);
}

} // namespace

void read_case(ModelReader& r, LoadCase& c, const toml::table& t, const std::string& path)
{
    const Model& s = r.s;
    const TypeTable& tt = s.t();
    r.only_keys(t, path, {"self_weight", "joints", "members", "displacements"});
    if (const toml::node* sw = t.get("self_weight")) {
        c.self_weight = r.truth(*sw, path + ".self_weight");
        if (c.self_weight)
            for (const Member& m : s.members)
                if (s.sections[m.section].p[unit_weight] == 0)
                    r.fail(*sw, path + ".self_weight",
                           "section '" + s.sections[m.section].name + "' has no unit_weight");
    }
    if (const toml::node* jn = t.get("joints")) {
        std::vector<std::string> keys;
        for (int k = 0; k < tt.d; ++k)
            keys.push_back(std::string(tt.rotation[k] ? "m" : "f") + tt.dof[k][tt.rotation[k] ? 1 : 0]);
        for (auto& [name, node] : r.in_file_order(r.table_at(*jn, path + ".joints"))) {
            std::string jp = path + ".joints." + name;
            JointLoad jl;
            jl.joint = r.joint_key(*node, jp, name);
            const toml::table& lt = r.table_at(*node, jp);
            r.only_keys(lt, jp, keys);
            for (int k = 0; k < tt.d; ++k)
                jl.value[k] = s.units->to_internal(tt.rotation[k] ? Quantity::moment : Quantity::force,
                                                   r.number_in(lt, jp, keys[k].c_str(), false));
            c.joints.push_back(jl);
        }
    }
    if (const toml::node* dn = t.get("displacements"))
        read_displacements(r, c, r.table_at(*dn, path + ".displacements"), path + ".displacements");
    if (const toml::node* mn = t.get("members")) {
        const toml::array* a = mn->as_array();
        if (!a)
            r.fail(*mn, path + ".members", "an array of member loads is expected");
        for (size_t i = 0; i < a->size(); ++i)
            read_member_load(r, c, r.table_at(*a->get(i), path + ".members"),
                             path + ".members[" + std::to_string(i + 1) + "]");
    }
}

} // namespace quill
