#include "file/model_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace quill {

void ModelReader::fail(const toml::source_region& where, const std::string& key, const std::string& what) const
{
    throw ModelError{path + ":" + std::to_string(where.begin.line) + ": " + key + ": " + what};
}

const toml::table& ModelReader::table_at(const toml::node& n, const std::string& key) const
{
    const toml::table* t = n.as_table();
    if (!t)
        fail(n, key, "a table is expected");
    return *t;
}

void ModelReader::only_keys(const toml::table& t, const std::string& at, const std::vector<std::string>& keys) const
{
    for (auto&& [k, v] : t)
        if (std::find(keys.begin(), keys.end(), std::string(k.str())) == keys.end())
            fail(k.source(), at.empty() ? std::string(k.str()) : at + "." + std::string(k.str()), "unknown key");
}

void ModelReader::only_keys(const toml::table& t, const std::string& at, std::initializer_list<std::string> keys) const
{
    only_keys(t, at, std::vector<std::string>(keys));
}

double ModelReader::number(const toml::node& n, const std::string& key) const
{
    std::optional<double> v = n.value<double>();
    if (!v || !std::isfinite(*v))
        fail(n, key, "a number is expected");
    // The input files hold single-precision numbers.
    if (std::fabs(*v) > 1e30)
        fail(n, key, "a number of at most 1e30 is expected");
    return *v;
}

double ModelReader::number_in(const toml::table& t, const std::string& at, const char* key, bool required,
                              double otherwise) const
{
    const toml::node* n = t.get(key);
    if (!n) {
        if (required)
            fail(t, at, std::string("'") + key + "' is missing");
        return otherwise;
    }
    return number(*n, at + "." + key);
}

std::string ModelReader::text(const toml::node& n, const std::string& key) const
{
    std::optional<std::string> v = n.value<std::string>();
    if (!v)
        fail(n, key, "a string is expected");
    return *v;
}

bool ModelReader::truth(const toml::node& n, const std::string& key) const
{
    auto b = n.value_exact<bool>();
    if (!b)
        fail(n, key, "true or false is expected");
    return *b;
}

std::vector<std::pair<std::string, const toml::node*>> ModelReader::in_file_order(const toml::table& t) const
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

int ModelReader::named(const Names& names, const toml::node& n, const std::string& key, const char* what) const
{
    std::string name;
    if (auto i = n.value_exact<int64_t>())
        name = std::to_string(*i);
    else if (auto str = n.value_exact<std::string>())
        name = *str;
    else
        fail(n, key, std::string("a ") + what + " name or number is expected");
    int i = names.find(name);
    if (i == 0)
        fail(n, key, std::string("no ") + what + " '" + name + "'");
    return i;
}

void ModelReader::folder_name(const toml::node& n, const std::string& key, const std::string& name) const
{
    bool safe = !name.empty() && name != "." && name != ".." && std::all_of(name.begin(), name.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '-' || ch == '+' || ch == '.';
    });
    if (!safe)
        fail(n, key, "names a folder: letters, digits and _ - + . only");
}

int ModelReader::joint_ref(const toml::node& n, const std::string& key) const
{
    return named(joint_names, n, key, "joint");
}

int ModelReader::member_ref(const toml::node& n, const std::string& key) const
{
    return named(member_names, n, key, "member");
}

int ModelReader::joint_named(const std::string& name) const
{
    return joint_names.find(name);
}

int ModelReader::joint_key(const toml::node& n, const std::string& at, const std::string& name) const
{
    int j = joint_named(name);
    if (j == 0)
        fail(n, at, "no joint '" + name + "'");
    return j;
}

int ModelReader::direction_key(const toml::node& n, const std::string& at, const std::string& dir) const
{
    const TypeTable& t = s.t();
    for (int k = 0; k < t.d; ++k)
        if (dir == t.dof[k])
            return k;
    fail(n, at, std::string("a ") + t.name + " has no direction '" + dir + "'");
}

} // namespace quill
