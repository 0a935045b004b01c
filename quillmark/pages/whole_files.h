// A set of result files written whole or not at all: each under a temporary
// name, every one renamed only when all are complete.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace quill {

// False, with the reason in `error`, when a file cannot be written; then
// none of them takes its name (one renamed before a later rename failed is
// removed).
bool write_whole_files(const std::vector<std::pair<std::filesystem::path, std::string>>& files, std::string& error);

} // namespace quill
