#include "platform/Mbcs.h"
#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

std::string FileSystem::CurrentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    return n < sizeof buffer ? std::string(buffer, n) : std::string();
}

std::optional<std::string> FileSystem::ResolveFolder(const std::string& text) {
    char buffer[MAX_PATH + 1] = {};
    char* part = nullptr;
    const DWORD n = GetFullPathNameA(text.c_str(), sizeof buffer, buffer, &part);
    if (n == 0 || n >= sizeof buffer) return std::nullopt;
    const DWORD attributes = GetFileAttributesA(buffer);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    return std::string(buffer, n);
}

std::vector<DirEntry> FileSystem::ListFolder(const std::string& folder) {
    std::vector<DirEntry> entries;
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA(JoinPath(folder, "*").c_str(), &data));
    if (!find) return entries;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") entries.push_back({name, data.dwFileAttributes});
    } while (FindNextFileA(find.get(), &data));
    return entries;
}

int FileSystem::CompareNames(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

std::optional<std::string> FileSystem::FindEntry(const std::string& path) {
    if (path.empty()) return std::nullopt;
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA(path.c_str(), &data));
    if (!find) return std::nullopt;
    return std::string(data.cFileName);
}

std::string FileSystem::ProgramFolder() {
    char buffer[MAX_PATH + 1] = {};
    const std::string path(buffer, GetModuleFileNameA(nullptr, buffer, sizeof buffer));
    return path.substr(0, mbcs::LastBackslashPos(path));
}

}  // namespace vnl::win32
