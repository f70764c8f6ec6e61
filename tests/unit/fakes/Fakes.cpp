#include "fakes/Fakes.h"

namespace vnl::test {

MenuEntry Snapshot(const TMenuItem& item) {
    MenuEntry e;
    e.caption = item.Caption();
    e.enabled = item.Enabled();
    e.checked = item.Checked();
    e.visible = item.Visible();
    e.tag = item.Tag();
    for (int i = 0; i < item.Count(); ++i) e.children.push_back(Snapshot(item.Items(i)));
    return e;
}

namespace {

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string rest = path;
    for (;;) {
        const std::size_t pos = mbcs::LastBackslashPos(rest);
        if (pos == 0) {
            parts.insert(parts.begin(), rest);
            return parts;
        }
        parts.insert(parts.begin(), rest.substr(pos));
        rest.erase(pos - 1);
    }
}

}  // namespace

void FakeFileSystem::AddPath(const std::string& drive, const std::vector<std::string>& components) {
    Node* node = &drives[mbcs::UpperAscii(drive)];
    for (const std::string& c : components) {
        const std::size_t bar = c.find('|');
        const std::string name = c.substr(0, bar);
        const std::string alias = bar == std::string::npos ? "" : c.substr(bar + 1);
        Node* next = nullptr;
        for (Node& child : node->children)
            if (child.name == name) next = &child;
        if (!next) {
            node->children.push_back({name, alias, {}});
            next = &node->children.back();
        }
        node = next;
    }
}

std::optional<std::string> FakeFileSystem::FindEntry(const std::string& path) {
    lookups.push_back(path);
    std::vector<std::string> parts = SplitPath(path);
    std::string root;
    std::size_t first = 1;
    if (parts.size() >= 4 && parts[0].empty() && parts[1].empty()) {
        // \\server\share: the share itself is never an entry.
        root = "\\\\" + parts[2] + "\\" + parts[3];
        first = 4;
    } else if (parts.size() >= 2 && parts[0].size() == 2 && parts[0][1] == ':') {
        root = parts[0];
    } else if (parts.size() >= 2 && parts[0].empty()) {
        // "\\name": from the root of the current drive.
        if (parts[1].empty()) return std::nullopt;
        root = currentDirectory.substr(0, 2);
    } else {
        // A name without a folder is taken from the current folder.
        std::vector<std::string> base = SplitPath(currentDirectory);
        if (parts.size() == 1 && parts[0].size() >= 2 && parts[0][1] == ':') parts[0] = parts[0].substr(2);
        base.insert(base.end(), parts.begin(), parts.end());
        parts = base;
        root = parts[0];
    }
    auto drive = drives.find(mbcs::UpperAscii(root));
    if (drive == drives.end() || parts.size() <= first) return std::nullopt;
    const Node* node = &drive->second;
    for (std::size_t i = first; i < parts.size(); ++i) {
        const std::string& want = parts[i];
        const Node* found = nullptr;
        for (const Node& child : node->children) {
            const bool wild = want.find_first_of("*?") != std::string::npos;
            if (wild ? mbcs::MatchesMask(child.name, want)
                     : mbcs::EqualsNoCase(child.name, want) || (!child.alias.empty() && mbcs::EqualsNoCase(child.alias, want))) {
                found = &child;
                break;
            }
        }
        if (!found) return std::nullopt;
        node = found;
    }
    return node->name;
}

}  // namespace vnl::test
