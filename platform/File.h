// The standard library's buffered file, closed when it goes out of scope.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace vnl {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

inline UniqueFile OpenFile(const std::string& path, const char* mode) {
    return UniqueFile(std::fopen(path.c_str(), mode));
}

}  // namespace vnl
