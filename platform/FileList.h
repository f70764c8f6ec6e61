// A sorted list of the files of one folder that match a mask, with one
// selected entry: the file list box of a form, used as data only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace vnl {

class TFileListBox {
public:
    // The list starts on the process's current folder.
    TFileListBox(IFileSystem& fs, std::string mask);

    // The folder without a final backslash, except for a drive root.
    const std::string& Directory() const { return m_directory; }

    // Points the list at the folder text names. Empty text, or the folder
    // the list shows already (without regard to case or a final backslash),
    // change nothing. Another folder is read anew with nothing selected; a
    // folder that does not exist leaves the list empty.
    void SetDirectory(const std::string& text);

    // The names are read at the first use after the folder was set.
    int Count();
    const std::string& Items(int index);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);

    // Moves each time the names are read, so that a copy of them can tell it
    // is still current.
    std::uint64_t Generation();

private:
    void EnsureRead();

    IFileSystem& m_fs;
    std::string m_mask;
    std::string m_directory;
    bool m_exists = true;
    bool m_read = false;
    std::vector<std::string> m_items;
    int m_itemIndex = -1;
    std::uint64_t m_generation = 0;
};

}  // namespace vnl
