// How members are connected and joints supported beyond rigid joints and
// rigid supports: a member's end releases (`releases`, `pinned`), spring
// supports ([springs]) and the displacements a load case prescribes at
// restrained joint directions (`displacements`).
#include <algorithm>
#include <utility>

#include "file/model_reader.h"

namespace quill {

namespace {

// The releasable end actions, by their key, at their place among a member's
// twelve (start; the end's are 6 further on).
struct Release {
    const char* key;
    int local;
};
constexpr Release releases[] = {{"fx", 0}, {"mx", 3}, {"my", 4}, {"mz", 5}};

// Whether the type has end action `local` (start or end) at all.
bool has_action(const TypeTable& t, int local)
{
    return std::find(t.local, t.local + t.nea, local) != t.local + t.nea;
}

} // namespace

void read_releases(ModelReader& r, const toml::table& mt, const std::string& path, Member& m)
{
    const TypeTable& t = r.s.t();
    const toml::node* rel = mt.get("releases");
    const toml::node* pin = mt.get("pinned");
    if (!rel && !pin)
        return;
    if (!t.bending)
        r.fail(rel ? *rel : *pin, path + (rel ? ".releases" : ".pinned"),
               std::string("a ") + t.name + "'s members are pinned at both ends already");
    if (rel) {
        const toml::table& rt = r.table_at(*rel, path + ".releases");
        r.only_keys(rt, path + ".releases", {"start", "end"});
        for (int end = 0; end < 2; ++end) {
            const char* which = end ? "end" : "start";
            const toml::node* n = rt.get(which);
            if (!n)
                continue;
            std::string at = path + ".releases." + which;
            const toml::array* a = n->as_array();
            if (!a)
                r.fail(*n, at, "a list of end actions is expected, such as [\"mz\"]");
            for (const toml::node& e : *a) {
                std::string key = r.text(e, at);
                const Release* f = std::find_if(std::begin(releases), std::end(releases),
                                                [&](const Release& x) { return key == x.key; });
                if (f == std::end(releases))
                    r.fail(e, at, "one of fx, mx, my, mz is expected");
                if (!has_action(t, f->local))
                    r.fail(e, at, std::string("a ") + t.name + " has no end action " + key);
                m.released[static_cast<size_t>(f->local + 6 * end)] = true;
            }
        }
        // Released at both ends, the member itself would slide along its
        // length or spin about it, whatever holds its joints.
        for (auto [local, what] : {std::pair{0, "slide along its length"}, std::pair{3, "spin about its axis"}})
            if (m.released[static_cast<size_t>(local)] && m.released[static_cast<size_t>(local + 6)])
                r.fail(*rel, path + ".releases",
                       std::string(local ? "mx" : "fx") + " released at both ends leaves the member free to " + what);
    }
    if (pin) {
        const toml::array* a = pin->as_array();
        if (!a)
            r.fail(*pin, path + ".pinned", "a list of ends is expected: [\"start\"], [\"end\"] or both");
        for (const toml::node& e : *a) {
            std::string which = r.text(e, path + ".pinned");
            if (which != "start" && which != "end")
                r.fail(e, path + ".pinned", "\"start\" or \"end\" is expected");
            int end = which == "end" ? 6 : 0;
            // Both bending moments the type has.
            for (int local : {4, 5})
                if (has_action(t, local))
                    m.released[static_cast<size_t>(local + end)] = true;
        }
    }
}

void read_springs(ModelReader& r, const toml::table& t)
{
    Model& s = r.s;
    const TypeTable& tt = s.t();
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string path = "springs." + name;
        Spring sp;
        sp.joint = r.joint_key(*node, path, name);
        const toml::table& st = r.table_at(*node, path);
        if (st.empty())
            r.fail(*node, path, "a direction with its stiffness is expected, such as { y = 22.5 }");
        for (auto& [dir, v] : r.in_file_order(st)) {
            std::string at = path + "." + dir;
            int k = r.direction_key(*v, at, dir);
            double x = r.number(*v, at);
            if (!(x > 0))
                r.fail(*v, at, "a spring's stiffness must be positive");
            for (const Support& sup : s.supports)
                if (sup.joint == sp.joint && sup.restrained[k])
                    r.fail(*v, at, "joint " + name + " is restrained in " + dir + ": a spring there would carry nothing");
            sp.k[k] = s.units->to_internal(tt.rotation[k] ? Quantity::rotational_spring : Quantity::spring, x);
        }
        s.springs.push_back(sp);
    }
}

void read_displacements(ModelReader& r, LoadCase& c, const toml::table& t, const std::string& path)
{
    Model& s = r.s;
    const TypeTable& tt = s.t();
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string jp = path + "." + name;
        Settlement d;
        d.joint = r.joint_key(*node, jp, name);
        const toml::table& dt = r.table_at(*node, jp);
        for (auto& [dir, v] : r.in_file_order(dt)) {
            std::string at = jp + "." + dir;
            int k = r.direction_key(*v, at, dir);
            bool restrained = std::any_of(s.supports.begin(), s.supports.end(), [&](const Support& sup) {
                return sup.joint == d.joint && sup.restrained[k];
            });
            if (!restrained)
                r.fail(*v, at, "joint " + name + " is not restrained in " + dir +
                                   ": a displacement is prescribed only where a support holds the joint");
            // Translations in the model's displacement unit, rotations in radians.
            double x = r.number(*v, at);
            d.value[k] = tt.rotation[k] ? x : s.units->to_internal(Quantity::displacement, x);
            d.given[k] = true;
        }
        c.displacements.push_back(d);
    }
}

} // namespace quill
