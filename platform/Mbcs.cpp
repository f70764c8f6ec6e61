#include "platform/Mbcs.h"

#include <vector>

namespace vnl::mbcs {

namespace {

// Length in bytes of the character that starts at offset i.
std::size_t CharLen(const std::string& s, std::size_t i) {
    if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) return 2;
    return 1;
}

char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

template <class F>
std::string MapSingleBytes(const std::string& s, F f) {
    std::string out = s;
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = CharLen(out, i);
        if (n == 1) out[i] = f(out[i]);
        i += n;
    }
    return out;
}

// Splits s into characters; each element is 1 or 2 bytes.
std::vector<std::string> Chars(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharLen(s, i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool SameChar(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    if (a.size() == 1) return ToLowerAscii(a[0]) == ToLowerAscii(b[0]);
    return a == b;
}

}  // namespace

std::size_t LastCharOffset(const std::string& s) {
    std::size_t last = s.size();
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) last = i;
    return last;
}

std::size_t LastBackslashPos(const std::string& s) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharLen(s, i);
        if (n == 1 && s[i] == '\\') pos = i + 1;
        i += n;
    }
    return pos;
}

bool EndsWithBackslash(const std::string& s) {
    return !s.empty() && LastBackslashPos(s) == s.size();
}

std::string CutBytes(const std::string& s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return s;
    std::size_t end = 0;
    while (end < maxBytes) {
        const std::size_t n = CharLen(s, end);
        if (end + n > maxBytes) break;
        end += n;
    }
    return s.substr(0, end);
}

std::string UpperAscii(const std::string& s) { return MapSingleBytes(s, ToUpperAscii); }
std::string LowerAscii(const std::string& s) { return MapSingleBytes(s, ToLowerAscii); }

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

bool MatchesMask(const std::string& name, const std::string& mask) {
    const std::vector<std::string> n = Chars(name);
    const std::vector<std::string> m = Chars(mask);
    std::size_t ni = 0, mi = 0;
    std::size_t starM = std::string::npos, starN = 0;
    while (ni < n.size()) {
        if (mi < m.size() && m[mi] == "*") {
            starM = mi++;
            starN = ni;
        } else if (mi < m.size() && (m[mi] == "?" || SameChar(m[mi], n[ni]))) {
            ++mi;
            ++ni;
        } else if (starM != std::string::npos) {
            mi = starM + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == "*") ++mi;
    return mi == m.size();
}

}  // namespace vnl::mbcs
