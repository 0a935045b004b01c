#include "input_file.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <filesystem>

#include "stop.h"

namespace modelprep {

namespace {

// Opens a new file beside `name` under a name no other file has ("wx" never
// opens an existing file), so that nothing else is ever overwritten.
std::FILE* open_temporary(const std::string& name, std::string& temporary)
{
    for (int k = 1; k <= 100; ++k) {
        temporary = name + ".tmp" + std::to_string(k);
        if (std::FILE* f = std::fopen(temporary.c_str(), "wx"))
            return f;
        if (errno != EEXIST)
            break;
    }
    return nullptr;
}

} // namespace

InputFile::InputFile(const std::string& folder, const char* word)
{
    name_ = std::string(word) + ".in";
    if (!folder.empty())
        name_ = (std::filesystem::path(folder) / name_).string();
    // An existing file must be writable where it stands ("r+" neither makes
    // nor truncates it), and the directory must take the temporary file.
    std::error_code ec;
    bool usable = true;
    if (std::filesystem::exists(name_, ec)) {
        replaces_ = true;
        std::FILE* existing = std::fopen(name_.c_str(), "r+");
        usable = existing != nullptr;
        if (existing)
            std::fclose(existing);
    }
    std::string temporary;
    std::FILE* probe = usable ? open_temporary(name_, temporary) : nullptr;
    if (!probe) {
        std::printf("  trouble opening %s\n", name_.c_str());
        throw Stop{1};
    }
    std::fclose(probe);
    std::remove(temporary.c_str());
}

void InputFile::print(const char* format, ...)
{
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n > 0) {
        std::size_t at = text_.size();
        text_.resize(at + static_cast<std::size_t>(n) + 1);
        std::vsnprintf(text_.data() + at, static_cast<std::size_t>(n) + 1, format, again);
        text_.resize(at + static_cast<std::size_t>(n));
    }
    va_end(again);
}

void InputFile::commit() const
{
    std::string temporary;
    std::FILE* f = open_temporary(name_, temporary);
    bool written = f && std::fwrite(text_.data(), 1, text_.size(), f) == text_.size();
    if (f)
        written = std::fclose(f) == 0 && written;
    // The new file keeps the permissions of the one it replaces.
    std::error_code ec;
    auto existing = std::filesystem::status(name_, ec);
    if (written && !ec && std::filesystem::exists(existing))
        std::filesystem::permissions(temporary, existing.permissions(), ec);
    if (written && std::rename(temporary.c_str(), name_.c_str()) == 0)
        return;
    if (f)
        std::remove(temporary.c_str());
    std::printf("  trouble writing %s\n", name_.c_str());
    throw Stop{1};
}

} // namespace modelprep
