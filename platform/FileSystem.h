// Folders and directory entries, as the wallpaper list and the path-copy
// mode need them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vnl {

namespace fa {
constexpr std::uint32_t ReadOnly = 0x01;
constexpr std::uint32_t Hidden = 0x02;
constexpr std::uint32_t System = 0x04;
constexpr std::uint32_t VolumeId = 0x08;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
}  // namespace fa

struct DirEntry {
    std::string name;
    std::uint32_t attributes = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual std::string CurrentDirectory() = 0;
    // The full path of the existing folder that text names; nothing when no
    // folder of that name exists.
    virtual std::optional<std::string> ResolveFolder(const std::string& text) = 0;
    // Every entry of the folder but "." and "..".
    virtual std::vector<DirEntry> ListFolder(const std::string& folder) = 0;
    // The order of the system's sorted list control: without regard to
    // case, in the user's locale. <0, 0 or >0.
    virtual int CompareNames(const std::string& a, const std::string& b) = 0;
    // Looks up one path (every kind of entry matches, wildcards too) and
    // gives the stored name of the entry that matched, never a short alias.
    virtual std::optional<std::string> FindEntry(const std::string& path) = 0;
    // The folder of the running program file, ending in "\".
    virtual std::string ProgramFolder() = 0;
};

// folder + name, with one backslash between them; a folder that already ends
// in a backslash character (a drive root) gets none.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vnl
