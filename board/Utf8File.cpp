#include "Utf8File.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace {
// The path as the platform names files; false for text that is not UTF-8.
bool NativePath(const char* path, std::filesystem::path& native)
{
    try {
        native = std::filesystem::u8path(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
} // namespace

std::FILE* OpenUtf8File(const char* path, const char* mode)
{
    std::filesystem::path native;
    if (!path || !NativePath(path, native))
        return nullptr;
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(native.c_str(), wideMode.c_str());
#else
    return std::fopen(native.c_str(), mode);
#endif
}

bool RemoveUtf8File(const char* path)
{
    std::filesystem::path native;
    std::error_code ec;
    return path && NativePath(path, native) && std::filesystem::remove(native, ec);
}
