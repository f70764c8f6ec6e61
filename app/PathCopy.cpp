#include "app/PathCopy.h"

#include "platform/Mbcs.h"

namespace vnl {

namespace {

bool IsDriveSpec(const std::string& s) {
    return s.size() >= 2 && s[1] == ':' && !mbcs::IsLeadByte(static_cast<unsigned char>(s[0]));
}

}  // namespace

std::string ExpandLongPath(std::string name, IFileSystem& fs) {
    if (name.empty()) return {};
    if (mbcs::EndsWithBackslash(name)) {
        name.pop_back();
        return ExpandLongComponents(std::move(name), fs) + "\\";
    }
    return ExpandLongComponents(std::move(name), fs);
}

std::string ExpandLongComponents(std::string name, IFileSystem& fs) {
    // A bare drive is never looked up.
    if (name.size() == 2 && name[1] == ':') return mbcs::UpperAscii(name);
    const std::optional<std::string> stored = fs.FindEntry(name);
    // What cannot be found comes back as written, and so does everything in
    // front of it.
    if (!stored) return name;
    const std::size_t pos = mbcs::LastBackslashPos(name);
    if (pos == 0) {
        // A relative name keeps its relative form: nothing is invented in
        // front of the stored name, a drive letter stays in front of it.
        return IsDriveSpec(name) ? mbcs::UpperAscii(name.substr(0, 2)) + *stored : *stored;
    }
    return ExpandLongComponents(name.substr(0, pos - 1), fs) + "\\" + *stored;
}

std::string JoinLongPaths(const std::vector<std::string>& names, IFileSystem& fs) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += ExpandLongPath(names[i], fs);
    }
    return text;
}

void RunPathCopy(const std::vector<std::string>& names, IFileSystem& fs, IClipboard& clipboard) {
    clipboard.WriteText(JoinLongPaths(names, fs));
}

}  // namespace vnl
