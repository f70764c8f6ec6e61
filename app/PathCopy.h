// The path-copy mode: names given on the command line come back as long
// path names, one per line, on the clipboard.
#pragma once

#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/FileSystem.h"

namespace vnl {

// The name with every existing component spelled as stored; a final
// backslash is kept.
std::string ExpandLongPath(std::string name, IFileSystem& fs);
std::string ExpandLongComponents(std::string name, IFileSystem& fs);

// Every name expanded, joined by CR LF with none after the last.
std::string JoinLongPaths(const std::vector<std::string>& names, IFileSystem& fs);

// Puts the joined names on the clipboard; raises EClipboardError when the
// clipboard cannot be opened.
void RunPathCopy(const std::vector<std::string>& names, IFileSystem& fs, IClipboard& clipboard);

}  // namespace vnl
