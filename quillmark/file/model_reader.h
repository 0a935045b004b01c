// What the readers of the model file's tables share: the file's name for
// their messages, the model read so far and the names it has given to
// joints, members, sections and load cases. Every reader converts to kips
// and inches as it reads and throws ModelError ("FILE:LINE: key: what") on
// anything unreadable, unknown or inconsistent.
#pragma once

#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <toml++/toml.h>

#include "file/model.h"

namespace quill {

// The names of a model's joints or members in their order, found by name
// at once however many there are.
class Names {
public:
    void add(const std::string& name) { index_.emplace(name, static_cast<int>(index_.size()) + 1); }
    // 1-based place of the name, 0 when none.
    int find(const std::string& name) const
    {
        auto it = index_.find(name);
        return it == index_.end() ? 0 : it->second;
    }

private:
    std::unordered_map<std::string, int> index_;
};

class ModelReader {
public:
    explicit ModelReader(const std::string& file) : path(file) {}

    [[noreturn]] void fail(const toml::source_region& where, const std::string& key, const std::string& what) const;
    [[noreturn]] void fail(const toml::node& n, const std::string& key, const std::string& what) const
    {
        fail(n.source(), key, what);
    }

    const toml::table& table_at(const toml::node& n, const std::string& key) const;
    void only_keys(const toml::table& t, const std::string& path, std::initializer_list<std::string> keys) const;
    void only_keys(const toml::table& t, const std::string& path, const std::vector<std::string>& keys) const;
    // A finite number within single precision's range.
    double number(const toml::node& n, const std::string& key) const;
    double number_in(const toml::table& t, const std::string& path, const char* key, bool required,
                     double otherwise = 0) const;
    std::string text(const toml::node& n, const std::string& key) const;
    bool truth(const toml::node& n, const std::string& key) const;
    // A table's entries in the order they stand in the file.
    std::vector<std::pair<std::string, const toml::node*>> in_file_order(const toml::table& t) const;

    // A name that becomes a folder: letters, digits and _ - + . only.
    void folder_name(const toml::node& n, const std::string& key, const std::string& name) const;
    // 1-based index of the joint or member a node names (by name or number).
    int joint_ref(const toml::node& n, const std::string& key) const;
    int member_ref(const toml::node& n, const std::string& key) const;
    // 1-based index of the joint a table key names, or 0 when none.
    int joint_named(const std::string& name) const;
    // The same for the key `name` of node n at path, which fails when none.
    int joint_key(const toml::node& n, const std::string& path, const std::string& name) const;
    // Index among the type's joint directions of the one named `dir` (x, y,
    // z, rx, ry, rz as the type has them); fails at n when it has none.
    int direction_key(const toml::node& n, const std::string& path, const std::string& dir) const;

    std::string path;
    Model s;
    Names joint_names, member_names;
    std::vector<std::string> section_names, case_names;

private:
    int named(const Names& names, const toml::node& n, const std::string& key, const char* what) const;
};

// The tables, in the order they are read.
void read_sections(ModelReader& r, const toml::table& t);
void read_joints(ModelReader& r, const toml::table& t);
void read_members(ModelReader& r, const toml::table& t);
void read_supports(ModelReader& r, const toml::table& t);
void read_case(ModelReader& r, LoadCase& c, const toml::table& t, const std::string& path);
void read_combinations(ModelReader& r, const toml::table& t);
// K and unbraced of a section's or member's table, when it has them.
bool read_buckling(ModelReader& r, const toml::table& t, const std::string& path, Buckling& b);
void read_deflection(ModelReader& r, const toml::table& t);
// A member's `releases` and `pinned`; [springs]; a case's `displacements`.
void read_releases(ModelReader& r, const toml::table& mt, const std::string& path, Member& m);
void read_springs(ModelReader& r, const toml::table& t);
void read_displacements(ModelReader& r, LoadCase& c, const toml::table& t, const std::string& path);

} // namespace quill
