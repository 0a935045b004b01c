// What the checks take beyond the sections: how a member may buckle (its
// effective length factors and unbraced lengths, in a section or a member),
// and the [deflection] table's serviceability limit.
#include <algorithm>

#include "file/model_reader.h"

namespace quill {

namespace {

// A number for both bending axes, or { y = ..., z = ... }.
// A length in the model's unit, or with `unitless` a pure number.
void read_per_axis(ModelReader& r, const toml::node& n, const std::string& path, bool unitless, double out[2])
{
    auto value = [&](double x) { return unitless ? x : r.s.units->to_internal(Quantity::length, x); };
    if (const toml::table* t = n.as_table()) {
        r.only_keys(*t, path, {"y", "z"});
        if (t->empty())
            r.fail(n, path, "y, z or both are expected");
        for (int a = 0; a < 2; ++a)
            if (const toml::node* v = t->get(a ? "z" : "y")) {
                double x = r.number(*v, path + (a ? ".z" : ".y"));
                if (x <= 0)
                    r.fail(*v, path + (a ? ".z" : ".y"), "must be positive");
                out[a] = value(x);
            }
        return;
    }
    double x = r.number(n, path);
    if (x <= 0)
        r.fail(n, path, "must be positive");
    out[0] = out[1] = value(x);
}

} // namespace

bool read_buckling(ModelReader& r, const toml::table& t, const std::string& path, Buckling& b)
{
    const toml::node* k = t.get("K");
    const toml::node* lu = t.get("unbraced");
    if (!k && !lu)
        return false;
    if (!r.s.t().axial)
        r.fail(k ? *k : *lu, path + (k ? ".K" : ".unbraced"),
               std::string("a ") + r.s.t().name + " has no compression check");
    // An effective length factor has no unit; a length is the model's.
    if (k)
        read_per_axis(r, *k, path + ".K", true, b.K);
    if (lu)
        read_per_axis(r, *lu, path + ".unbraced", false, b.unbraced);
    return true;
}

void read_deflection(ModelReader& r, const toml::table& t)
{
    DeflectionLimit& d = r.s.deflection;
    r.only_keys(t, "deflection", {"limit", "combinations"});
    const toml::node* l = t.get("limit");
    if (!l)
        r.fail(t, "deflection", "'limit' is missing: the span over the largest deflection, such as 360");
    d.limit = r.number(*l, "deflection.limit");
    if (d.limit <= 0)
        r.fail(*l, "deflection.limit", "must be positive: the span over the largest deflection, such as 360");
    if (const toml::node* cn = t.get("combinations")) {
        const toml::array* a = cn->as_array();
        if (!a || a->empty())
            r.fail(*cn, "deflection.combinations", "an array of combination names is expected");
        for (const toml::node& e : *a) {
            std::string name = r.text(e, "deflection.combinations");
            auto it = std::find_if(r.s.combinations.begin(), r.s.combinations.end(),
                                   [&](const Combination& c) { return c.name == name; });
            if (it == r.s.combinations.end())
                r.fail(e, "deflection.combinations", "no combination '" + name + "'");
            d.combinations.push_back(static_cast<int>(it - r.s.combinations.begin()));
        }
    }
}

} // namespace quill
