// [combinations]: each a name (its folder's) and the factors of its load
// cases. Without the table every case is a combination of its own.
#include <algorithm>

#include "file/model_reader.h"

namespace quill {

void read_combinations(ModelReader& r, const toml::table& t)
{
    // An empty table or combination would run nothing and look like a pass.
    if (t.empty())
        r.fail(t, "combinations", "no combination");
    for (auto& [name, node] : r.in_file_order(t)) {
        std::string path = "combinations." + name;
        r.folder_name(*node, path, name);
        Combination co;
        co.name = name;
        const toml::table& ct = r.table_at(*node, path);
        if (ct.empty())
            r.fail(*node, path, "no load case with its factor");
        for (auto& [cname, f] : r.in_file_order(ct)) {
            auto it = std::find(r.case_names.begin(), r.case_names.end(), cname);
            if (it == r.case_names.end())
                r.fail(*f, path + "." + cname, "no load case '" + cname + "'");
            co.factors.emplace_back(static_cast<int>(it - r.case_names.begin()), r.number(*f, path + "." + cname));
        }
        r.s.combinations.push_back(co);
    }
}

} // namespace quill
