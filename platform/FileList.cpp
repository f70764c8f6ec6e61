#include "platform/FileList.h"

#include <algorithm>

#include "platform/Mbcs.h"

namespace vnl {

namespace {

bool IsDriveRoot(const std::string& s) { return s.size() == 3 && s[1] == ':' && s[2] == '\\'; }

std::string WithoutFinalBackslash(std::string s) {
    if (mbcs::EndsWithBackslash(s) && !IsDriveRoot(s) && s.size() > 1) s.pop_back();
    return s;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    return mbcs::EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

TFileListBox::TFileListBox(IFileSystem& fs, std::string mask)
    : m_fs(fs), m_mask(std::move(mask)), m_directory(WithoutFinalBackslash(fs.CurrentDirectory())) {}

void TFileListBox::SetDirectory(const std::string& text) {
    if (text.empty()) return;
    const std::optional<std::string> full = m_fs.ResolveFolder(text);
    const std::string folder = WithoutFinalBackslash(full ? *full : text);
    if (mbcs::EqualsNoCase(folder, m_directory)) return;
    m_directory = folder;
    m_exists = full.has_value();
    m_read = false;
    m_items.clear();
    m_itemIndex = -1;
}

void TFileListBox::EnsureRead() {
    if (m_read) return;
    m_read = true;
    ++m_generation;
    m_items.clear();
    m_itemIndex = -1;
    if (!m_exists) return;
    const std::uint32_t skipped = fa::Directory | fa::Hidden | fa::System | fa::VolumeId;
    for (DirEntry& e : m_fs.ListFolder(m_directory))
        if ((e.attributes & skipped) == 0 && mbcs::MatchesMask(e.name, m_mask)) m_items.push_back(std::move(e.name));
    std::stable_sort(m_items.begin(), m_items.end(),
                     [this](const std::string& a, const std::string& b) { return m_fs.CompareNames(a, b) < 0; });
}

int TFileListBox::Count() {
    EnsureRead();
    return static_cast<int>(m_items.size());
}

const std::string& TFileListBox::Items(int index) {
    EnsureRead();
    return m_items.at(static_cast<std::size_t>(index));
}

void TFileListBox::SetItemIndex(int index) {
    EnsureRead();
    m_itemIndex = (index >= 0 && index < static_cast<int>(m_items.size())) ? index : -1;
}

std::uint64_t TFileListBox::Generation() {
    EnsureRead();
    return m_generation;
}

}  // namespace vnl
