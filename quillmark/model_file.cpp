#include "model_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iterator>

#include <toml++/toml.h>

#include "member_loads.h"
#include "toml_guard.h"

namespace quill {

namespace {

class Reader {
public:
    explicit Reader(const std::string& path) : path_(path) {}
    Model read();

private:
    [[noreturn]] void fail(const toml::source_region& where, const std::string& key, const std::string& what) const
    {
        throw ModelError{path_ + ":" + std::to_string(where.begin.line) + ": " + key + ": " + what};
    }
    [[noreturn]] void fail(const toml::node& n, const std::string& key, const std::string& what) const
    {
        fail(n.source(), key, what);
    }

    const toml::table& table_at(const toml::node& n, const std::string& key) const;
    void only_keys(const toml::table& t, const std::string& path, std::initializer_list<std::string> keys) const;
    void only_keys(const toml::table& t, const std::string& path, const std::vector<std::string>& keys) const;
    double number(const toml::node& n, const std::string& key) const;
    double number_in(const toml::table& t, const std::string& path, const char* key, bool required,
                     double otherwise = 0) const;
    std::string text(const toml::node& n, const std::string& key) const;
    // A table's entries in the order they stand in the file.
    std::vector<std::pair<std::string, const toml::node*>> in_file_order(const toml::table& t) const;

    void folder_name(const toml::node& n, const std::string& key, const std::string& name) const;
    int joint_ref(const toml::node& n, const std::string& key) const;
    int member_ref(const toml::node& n, const std::string& key) const;
    int named(const std::vector<std::string>& names, const toml::node& n, const std::string& key,
              const char* what) const;

    void read_sections(const toml::table& t);
    void read_joints(const toml::table& t);
    void read_members(const toml::table& t);
    void read_supports(const toml::table& t);
    void read_case(LoadCase& c, const toml::table& t, const std::string& path);
    void read_member_load(LoadCase& c, const toml::table& t, const std::string& path);
    void read_combinations(const toml::table& t);

    std::string path_;
    Model s_;
    std::vector<std::string> joint_names_, member_names_, section_names_, case_names_;
};

const toml::table& Reader::table_at(const toml::node& n, const std::string& key) const
{
    const toml::table* t = n.as_table();
    if (!t)
        fail(n, key, "a table is expected");
    return *t;
}

void Reader::only_keys(const toml::table& t, const std::string& path, const std::vector<std::string>& keys) const
{
    for (auto&& [k, v] : t)
        if (std::find(keys.begin(), keys.end(), std::string(k.str())) == keys.end())
            fail(k.source(), path.empty() ? std::string(k.str()) : path + "." + std::string(k.str()),
                 "unknown key");
}

void Reader::only_keys(const toml::table& t, const std::string& path, std::initializer_list<std::string> keys) const
{
    only_keys(t, path, std::vector<std::string>(keys));
}

double Reader::number(const toml::node& n, const std::string& key) const
{
    std::optional<double> v = n.value<double>();
    if (!v || !std::isfinite(*v))
        fail(n, key, "a number is expected");
    // The input files hold single-precision numbers.
    if (std::fabs(*v) > 1e30)
        fail(n, key, "a number of at most 1e30 is expected");
    return *v;
}

double Reader::number_in(const toml::table& t, const std::string& path, const char* key, bool required,
                         double otherwise) const
{
    const toml::node* n = t.get(key);
    if (!n) {
        if (required)
            fail(t, path, std::string("'") + key + "' is missing");
        return otherwise;
    }
    return number(*n, path + "." + key);
}

std::string Reader::text(const toml::node& n, const std::string& key) const
{
    std::optional<std::string> v = n.value<std::string>();
    if (!v)
        fail(n, key, "a string is expected");
    return *v;
}

std::vector<std::pair<std::string, const toml::node*>> Reader::in_file_order(const toml::table& t) const
{
    std::vector<std::pair<std::string, const toml::node*>> out;
    for (auto&& [k, v] : t)
        out.emplace_back(std::string(k.str()), &v);
    std::stable_sort(out.begin(), out.end(), [&](const auto& a, const auto& b) {
        const toml::source_position& p = a.second->source().begin;
        const toml::source_position& q = b.second->source().begin;
        return p.line != q.line ? p.line < q.line : p.column < q.column;
    });
    return out;
}

int Reader::named(const std::vector<std::string>& names, const toml::node& n, const std::string& key,
                  const char* what) const
{
    std::string name;
    if (auto i = n.value_exact<int64_t>())
        name = std::to_string(*i);
    else if (auto str = n.value_exact<std::string>())
        name = *str;
    else
        fail(n, key, std::string("a ") + what + " name or number is expected");
    auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end())
        fail(n, key, std::string("no ") + what + " '" + name + "'");
    return static_cast<int>(it - names.begin()) + 1;
}

// A combination's name is the name of its folder.
void Reader::folder_name(const toml::node& n, const std::string& key, const std::string& name) const
{
    bool safe = !name.empty() && name != "." && name != ".." && std::all_of(name.begin(), name.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '-' || ch == '+' || ch == '.';
    });
    if (!safe)
        fail(n, key, "names a folder: letters, digits and _ - + . only");
}

int Reader::joint_ref(const toml::node& n, const std::string& key) const
{
    return named(joint_names_, n, key, "joint");
}

int Reader::member_ref(const toml::node& n, const std::string& key) const
{
    return named(member_names_, n, key, "member");
}

void Reader::read_sections(const toml::table& t)
{
    const TypeTable& tt = s_.t();
    std::vector<Prop> required(tt.record, tt.record + tt.nprops);
    if (s_.type == Type::beam) {
        required.push_back(E);
        required.push_back(Fy);
    }
    std::vector<Prop> allowed = required;
    allowed.insert(allowed.end(), tt.moduli, tt.moduli + tt.nmoduli);
    allowed.push_back(unit_weight);
    std::vector<std::string> keys;
    for (Prop p : allowed)
        keys.push_back(props[p].key);
    for (auto& [name, node] : in_file_order(t)) {
        std::string path = "sections." + name;
        const toml::table& st = table_at(*node, path);
        only_keys(st, path, keys);
        Section sec;
        sec.name = name;
        for (Prop p : allowed) {
            bool needed = std::find(required.begin(), required.end(), p) != required.end();
            double v = number_in(st, path, props[p].key, needed);
            if (v < 0)
                fail(*st.get(props[p].key), path + "." + props[p].key, "must not be negative");
            sec.p[p] = s_.units->to_internal(quantity_of(props[p].measure), v);
        }
        if (s_.type == Type::beam && !s_.sections.empty() &&
            (sec.p[E] != s_.sections[0].p[E] || sec.p[Fy] != s_.sections[0].p[Fy]))
            fail(st, path, "a beam has one E and one Fy for all its members");
        s_.sections.push_back(sec);
        section_names_.push_back(name);
    }
}

void Reader::read_joints(const toml::table& t)
{
    int nc = std::max(1, s_.t().coordinates);
    for (auto& [name, node] : in_file_order(t)) {
        std::string path = "joints." + name;
        double c[3] = {0, 0, 0};
        if (const toml::array* a = node->as_array()) {
            if (static_cast<int>(a->size()) != nc)
                fail(*node, path, std::to_string(nc) + (nc == 1 ? " coordinate is" : " coordinates are") + " expected");
            for (int i = 0; i < nc; ++i)
                c[i] = s_.units->to_internal(Quantity::length, number(*a->get(i), path));
        } else if (nc == 1) {
            c[0] = s_.units->to_internal(Quantity::length, number(*node, path));
        } else {
            fail(*node, path, "an array of " + std::to_string(nc) + " coordinates is expected");
        }
        s_.joints.push_back({name, c[0], c[1], c[2]});
        joint_names_.push_back(name);
    }
}

void Reader::read_members(const toml::table& t)
{
    for (auto& [name, node] : in_file_order(t)) {
        std::string path = "members." + name;
        const toml::table& mt = table_at(*node, path);
        only_keys(mt, path, {"joints", "section", "dummy"});
        Member m;
        m.name = name;
        const toml::array* js = mt.get_as<toml::array>("joints");
        if (!js || js->size() != 2)
            fail(js ? static_cast<const toml::node&>(*js) : mt, path + ".joints", "two joints are expected");
        m.jj = joint_ref(*js->get(0), path + ".joints");
        m.jk = joint_ref(*js->get(1), path + ".joints");
        const toml::node* sn = mt.get("section");
        if (!sn)
            fail(mt, path, "'section' is missing");
        std::string sname = text(*sn, path + ".section");
        auto it = std::find(section_names_.begin(), section_names_.end(), sname);
        if (it == section_names_.end())
            fail(*sn, path + ".section", "no section '" + sname + "'");
        m.section = static_cast<int>(it - section_names_.begin());
        if (const toml::node* d = mt.get("dummy")) {
            auto b = d->value_exact<bool>();
            if (!b)
                fail(*d, path + ".dummy", "true or false is expected");
            m.dummy = *b;
        }
        s_.members.push_back(m);
        member_names_.push_back(name);
        if (s_.length(static_cast<int>(s_.members.size())) == 0)
            fail(mt, path, "the member's joints coincide");
        if (s_.type == Type::beam) {
            int i = static_cast<int>(s_.members.size());
            if (m.jj != i || m.jk != i + 1 || s_.joints[m.jk - 1].x <= s_.joints[m.jj - 1].x)
                fail(mt, path, "member " + std::to_string(i) + " of a beam runs from joint " + std::to_string(i) +
                                   " to the next one to its right");
        }
    }
    if (s_.type == Type::beam && s_.members.size() + 1 != s_.joints.size())
        fail(t, "members", "a beam has one member fewer than joints");
}

void Reader::read_supports(const toml::table& t)
{
    const TypeTable& tt = s_.t();
    for (auto& [name, node] : in_file_order(t)) {
        std::string path = "supports." + name;
        Support sp;
        // The key is the joint's name (or number).
        auto it = std::find(joint_names_.begin(), joint_names_.end(), name);
        if (it == joint_names_.end())
            fail(*node, path, "no joint '" + name + "'");
        sp.joint = static_cast<int>(it - joint_names_.begin()) + 1;
        std::vector<std::pair<std::string, const toml::node*>> dirs;
        if (auto word = node->value_exact<std::string>()) {
            if (*word != "fixed" && *word != "pinned")
                fail(*node, path, "\"fixed\", \"pinned\" or a list of directions is expected");
            for (int k = 0; k < tt.d; ++k)
                sp.restrained[k] = *word == "fixed" || !tt.rotation[k];
        } else if (const toml::array* a = node->as_array()) {
            for (const toml::node& e : *a) {
                std::string dir = text(e, path);
                int k = 0;
                while (k < tt.d && dir != tt.dof[k])
                    ++k;
                if (k == tt.d)
                    fail(e, path, "a " + std::string(tt.name) + " has no direction '" + dir + "'");
                sp.restrained[k] = true;
            }
        } else {
            fail(*node, path, "\"fixed\", \"pinned\" or a list of directions is expected");
        }
        s_.supports.push_back(sp);
    }
}

void Reader::read_member_load(LoadCase& c, const toml::table& t, const std::string& path)
{
    const TypeTable& tt = s_.t();
    only_keys(t, path, {"member", "kind", "direction", "axes", "w", "from", "to", "P", "M", "at", "fixed_end_actions"});
    MemberLoad l;
    l.line = static_cast<int>(t.source().begin.line);
    const toml::node* mn = t.get("member");
    if (!mn)
        fail(t, path, "'member' is missing");
    l.member = member_ref(*mn, path + ".member");
    double L = s_.length(l.member);
    const Units& u = *s_.units;
    if (const toml::node* f = t.get("fixed_end_actions")) {
        const toml::array* a = f->as_array();
        if (!a || static_cast<int>(a->size()) != tt.nea)
            fail(*f, path + ".fixed_end_actions", std::to_string(tt.nea) + " numbers are expected");
        l.kind = LoadKind::fixed_end_actions;
        for (int k = 0; k < tt.nea; ++k)
            l.fea.push_back(u.to_internal(tt.kind[k] == Kind::force ? Quantity::force : Quantity::moment,
                                          number(*a->get(k), path + ".fixed_end_actions")));
        if (t.size() != 2)
            fail(t, path, "fixed_end_actions stand alone with their member");
        c.members.push_back(l);
        return;
    }
    const toml::node* kn = t.get("kind");
    if (!kn)
        fail(t, path, "'kind' is missing");
    std::string kind = text(*kn, path + ".kind");
    static const std::pair<const char*, LoadKind> kinds[] = {{"uniform", LoadKind::uniform},
                                                             {"linear", LoadKind::linear},
                                                             {"point", LoadKind::point},
                                                             {"moment", LoadKind::moment}};
    auto k = std::find_if(std::begin(kinds), std::end(kinds), [&](auto& e) { return kind == e.first; });
    if (k == std::end(kinds))
        fail(*kn, path + ".kind", "one of uniform, linear, point, moment is expected");
    l.kind = k->second;
    bool point = l.kind == LoadKind::point || l.kind == LoadKind::moment;
    std::vector<std::string> wanted = {"member", "kind", "direction", "axes"};
    if (point)
        wanted.insert(wanted.end(), {l.kind == LoadKind::point ? "P" : "M", "at"});
    else
        wanted.insert(wanted.end(), {"w", "from", "to"});
    only_keys(t, path, wanted);

    if (const toml::node* an = t.get("axes")) {
        std::string axes = text(*an, path + ".axes");
        if (axes != "member" && axes != "global")
            fail(*an, path + ".axes", "\"member\" or \"global\" is expected");
        l.global = axes == "global";
    } else if (s_.type != Type::beam) {
        // A member's own directions turn with it (a member listed from right
        // to left has y downwards): the file says which it means. A beam's
        // members all run along +x, their axes the global ones.
        fail(t, path, "'axes' is missing: \"member\" or \"global\" is expected");
    }
    const toml::node* dn = t.get("direction");
    if (!dn)
        fail(t, path, "'direction' is missing");
    std::string dir = text(*dn, path + ".direction");
    if (dir != "x" && dir != "y" && dir != "z")
        fail(*dn, path + ".direction", "x, y or z is expected");
    l.direction = dir[0] - 'x';
    const bool* allowed = l.kind == LoadKind::moment ? tt.moment_dir : tt.force_dir;
    bool ok = allowed[l.direction];
    if (l.global && s_.type == Type::space_truss && l.kind == LoadKind::moment)
        ok = false; // a global moment would twist the bar
    if (!ok)
        fail(*dn, path + ".direction",
             std::string("a ") + tt.name + " takes no " + (l.kind == LoadKind::moment ? "moment about " : "force along ") +
                 (l.global ? "global " : "member ") + dir);

    if (point) {
        const char* key = l.kind == LoadKind::point ? "P" : "M";
        double v = number_in(t, path, key, true);
        l.w1 = u.to_internal(l.kind == LoadKind::point ? Quantity::force : Quantity::moment, v);
        l.a = u.to_internal(Quantity::length, number_in(t, path, "at", true));
        if (l.a < 0 || l.a > L * (1 + 1e-12))
            fail(*t.get("at"), path + ".at", "lies beyond the member");
        l.a = std::min(l.a, L);
    } else {
        const toml::node* wn = t.get("w");
        if (!wn)
            fail(t, path, "'w' is missing");
        if (l.kind == LoadKind::linear) {
            const toml::array* a = wn->as_array();
            if (!a || a->size() != 2)
                fail(*wn, path + ".w", "two numbers are expected, at the start and at the end of the load");
            l.w1 = u.to_internal(Quantity::distributed, number(*a->get(0), path + ".w"));
            l.w2 = u.to_internal(Quantity::distributed, number(*a->get(1), path + ".w"));
        } else {
            l.w1 = l.w2 = u.to_internal(Quantity::distributed, number(*wn, path + ".w"));
        }
        l.a = u.to_internal(Quantity::length, number_in(t, path, "from", false, 0));
        l.b = t.get("to") ? u.to_internal(Quantity::length, number_in(t, path, "to", false)) : L;
        if (l.a < 0)
            fail(*t.get("from"), path + ".from", "lies beyond the member");
        if (l.b > L * (1 + 1e-12))
            fail(*t.get("to"), path + ".to", "lies beyond the member");
        if (l.a >= L) {
            char length[64];
            std::snprintf(length, sizeof length, "%g %s", u.from_internal(Quantity::length, L),
                          u.unit(Quantity::length));
            fail(*t.get("from"), path + ".from", std::string("lies at or beyond the member's length of ") + length);
        }
        if (l.b <= l.a)
            fail(t, path, "'to' must lie beyond 'from'");
        l.b = std::min(l.b, L);
    }
    c.members.push_back(l);
}

void Reader::read_case(LoadCase& c, const toml::table& t, const std::string& path)
{
    const TypeTable& tt = s_.t();
    only_keys(t, path, {"self_weight", "joints", "members"});
    if (const toml::node* sw = t.get("self_weight")) {
        auto b = sw->value_exact<bool>();
        if (!b)
            fail(*sw, path + ".self_weight", "true or false is expected");
        c.self_weight = *b;
        if (c.self_weight)
            for (const Member& m : s_.members)
                if (s_.sections[m.section].p[unit_weight] == 0)
                    fail(*sw, path + ".self_weight", "section '" + s_.sections[m.section].name + "' has no unit_weight");
    }
    if (const toml::node* jn = t.get("joints")) {
        std::vector<std::string> keys;
        for (int k = 0; k < tt.d; ++k)
            keys.push_back(std::string(tt.rotation[k] ? "m" : "f") + tt.dof[k][tt.rotation[k] ? 1 : 0]);
        for (auto& [name, node] : in_file_order(table_at(*jn, path + ".joints"))) {
            std::string jp = path + ".joints." + name;
            auto it = std::find(joint_names_.begin(), joint_names_.end(), name);
            if (it == joint_names_.end())
                fail(*node, jp, "no joint '" + name + "'");
            const toml::table& lt = table_at(*node, jp);
            only_keys(lt, jp, keys);
            JointLoad jl;
            jl.joint = static_cast<int>(it - joint_names_.begin()) + 1;
            for (int k = 0; k < tt.d; ++k)
                jl.value[k] = s_.units->to_internal(tt.rotation[k] ? Quantity::moment : Quantity::force,
                                                    number_in(lt, jp, keys[k].c_str(), false));
            c.joints.push_back(jl);
        }
    }
    if (const toml::node* mn = t.get("members")) {
        const toml::array* a = mn->as_array();
        if (!a)
            fail(*mn, path + ".members", "an array of member loads is expected");
        for (size_t i = 0; i < a->size(); ++i)
            read_member_load(c, table_at(*a->get(i), path + ".members"), path + ".members[" + std::to_string(i + 1) + "]");
    }
}

void Reader::read_combinations(const toml::table& t)
{
    // An empty table or combination would run nothing and look like a pass.
    if (t.empty())
        fail(t, "combinations", "no combination");
    for (auto& [name, node] : in_file_order(t)) {
        std::string path = "combinations." + name;
        folder_name(*node, path, name);
        Combination co;
        co.name = name;
        const toml::table& ct = table_at(*node, path);
        if (ct.empty())
            fail(*node, path, "no load case with its factor");
        for (auto& [cname, f] : in_file_order(ct)) {
            auto it = std::find(case_names_.begin(), case_names_.end(), cname);
            if (it == case_names_.end())
                fail(*f, path + "." + cname, "no load case '" + cname + "'");
            co.factors.emplace_back(static_cast<int>(it - case_names_.begin()), number(*f, path + "." + cname));
        }
        s_.combinations.push_back(co);
    }
}

Model Reader::read()
{
    toml::table root;
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        throw ModelError{path_ + ": cannot be read"};
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (int line = stray_non_ascii_line(content))
        throw ModelError{path_ + ":" + std::to_string(line) +
                         ": file: a character beyond ASCII outside a string or a comment"};
    try {
        // First the file with every byte beyond ASCII standing in as '!',
        // which is valid only inside strings and comments: the reader meets
        // no such character where its fault lies, and a file it reads so
        // holds them only where they are safe.
        std::string stand_in = ascii_stand_in(content);
        if (stand_in != content)
            (void)toml::parse(stand_in, path_);
        root = toml::parse(content, path_);
    } catch (const toml::parse_error& e) {
        fail(e.source(), "file", std::string(e.description()));
    }
    only_keys(root, "", {"title", "type", "units", "sections", "joints", "members", "supports", "cases", "combinations"});
    const toml::node* tn = root.get("type");
    if (!tn)
        fail(root, "type", "missing");
    std::string type = text(*tn, "type");
    if (!type_named(type, s_.type))
        fail(*tn, "type", "one of space_frame, plane_frame, space_truss, plane_truss, grid, beam is expected");
    const toml::node* un = root.get("units");
    if (!un)
        fail(root, "units", "missing");
    s_.units = units_named(text(*un, "units"));
    if (!s_.units)
        fail(*un, "units", "\"US\" or \"SI\" is expected");
    if (const toml::node* ti = root.get("title"))
        s_.title = text(*ti, "title");
    for (const char* key : {"sections", "joints", "members"})
        if (!root.get(key))
            fail(root, key, "missing");
    read_sections(table_at(*root.get("sections"), "sections"));
    read_joints(table_at(*root.get("joints"), "joints"));
    read_members(table_at(*root.get("members"), "members"));
    if (const toml::node* sp = root.get("supports"))
        read_supports(table_at(*sp, "supports"));
    if (const toml::node* cs = root.get("cases"))
        for (auto& [name, node] : in_file_order(table_at(*cs, "cases"))) {
            s_.cases.push_back({});
            s_.cases.back().name = name;
            case_names_.push_back(name);
            read_case(s_.cases.back(), table_at(*node, "cases." + name), "cases." + name);
        }
    if (s_.cases.empty())
        fail(root, "cases", "no load case");
    if (const toml::node* co = root.get("combinations"))
        read_combinations(table_at(*co, "combinations"));
    else
        for (size_t i = 0; i < s_.cases.size(); ++i) {
            folder_name(*root.get("cases")->as_table()->get(s_.cases[i].name), "cases." + s_.cases[i].name,
                        s_.cases[i].name);
            Combination c;
            c.name = s_.cases[i].name;
            c.factors.emplace_back(static_cast<int>(i), 1.0);
            s_.combinations.push_back(c);
        }
    return s_;
}

} // namespace

Model read_model_file(const std::string& path)
{
    return Reader(path).read();
}

} // namespace quill
