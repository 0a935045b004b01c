#include "pages/whole_files.h"

#include <cstdio>
#include <memory>

#include "run/output_file.h"

namespace quill {

bool write_whole_files(const std::vector<std::pair<std::filesystem::path, std::string>>& files, std::string& error)
{
    std::vector<std::unique_ptr<qm::OutputFile>> out;
    for (const auto& [p, text] : files) {
        out.push_back(std::make_unique<qm::OutputFile>());
        qm::OutputFile& f = *out.back();
        if (!f.open(p.string()) || std::fwrite(text.data(), 1, text.size(), f.file()) != text.size() || !f.close()) {
            error = "cannot write " + p.string() + ": " + f.reason();
            return false;
        }
    }
    for (size_t k = 0; k < out.size(); ++k)
        if (!out[k]->commit()) {
            error = "cannot write " + files[k].first.string() + ": " + out[k]->reason();
            for (size_t j = 0; j < k; ++j) {
                std::error_code ec;
                std::filesystem::remove(files[j].first, ec);
            }
            return false;
        }
    return true;
}

} // namespace quill
