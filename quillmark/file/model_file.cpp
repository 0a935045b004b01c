#include "file/model_file.h"

#include <fstream>
#include <iterator>

#include "file/model_reader.h"
#include "file/toml_guard.h"

namespace quill {

Model read_model_file(const std::string& path)
{
    ModelReader r(path);
    toml::table root;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ModelError{path + ": cannot be read"};
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (int line = stray_non_ascii_line(content))
        throw ModelError{path + ":" + std::to_string(line) +
                         ": file: a character beyond ASCII outside a string or a comment"};
    try {
        // First the file with every byte beyond ASCII standing in as '!',
        // which is valid only inside strings and comments: the reader meets
        // no such character where its fault lies, and a file it reads so
        // holds them only where they are safe.
        std::string stand_in = ascii_stand_in(content);
        if (stand_in != content)
            (void)toml::parse(stand_in, path);
        root = toml::parse(content, path);
    } catch (const toml::parse_error& e) {
        r.fail(e.source(), "file", std::string(e.description()));
    }
    r.only_keys(root, "", {"title", "type", "units", "sections", "joints", "members", "supports", "cases", "combinations", "deflection", "springs"});
    Model& s = r.s;
    const toml::node* tn = root.get("type");
    if (!tn)
        r.fail(root, "type", "missing");
    if (!type_named(r.text(*tn, "type"), s.type))
        r.fail(*tn, "type", "one of space_frame, plane_frame, space_truss, plane_truss, grid, beam is expected");
    const toml::node* un = root.get("units");
    if (!un)
        r.fail(root, "units", "missing");
    s.units = units_named(r.text(*un, "units"));
    if (!s.units)
        r.fail(*un, "units", "\"US\" or \"SI\" is expected");
    if (const toml::node* ti = root.get("title"))
        s.title = r.text(*ti, "title");
    for (const char* key : {"sections", "joints", "members"})
        if (!root.get(key))
            r.fail(root, key, "missing");
    read_sections(r, r.table_at(*root.get("sections"), "sections"));
    read_joints(r, r.table_at(*root.get("joints"), "joints"));
    read_members(r, r.table_at(*root.get("members"), "members"));
    if (const toml::node* sp = root.get("supports"))
        read_supports(r, r.table_at(*sp, "supports"));
    if (const toml::node* sp = root.get("springs"))
        read_springs(r, r.table_at(*sp, "springs"));
    if (const toml::node* cs = root.get("cases"))
        for (auto& [name, node] : r.in_file_order(r.table_at(*cs, "cases"))) {
            s.cases.push_back({});
            s.cases.back().name = name;
            r.case_names.push_back(name);
            read_case(r, s.cases.back(), r.table_at(*node, "cases." + name), "cases." + name);
        }
    if (s.cases.empty())
        r.fail(root, "cases", "no load case");
    if (const toml::node* co = root.get("combinations"))
        read_combinations(r, r.table_at(*co, "combinations"));
    else
        for (size_t i = 0; i < s.cases.size(); ++i) {
            r.folder_name(*root.get("cases")->as_table()->get(s.cases[i].name), "cases." + s.cases[i].name,
                          s.cases[i].name);
            Combination c;
            c.name = s.cases[i].name;
            c.factors.emplace_back(static_cast<int>(i), 1.0);
            s.combinations.push_back(c);
        }
    if (const toml::node* d = root.get("deflection"))
        read_deflection(r, r.table_at(*d, "deflection"));
    return s;
}

} // namespace quill
