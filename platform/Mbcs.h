// Byte-level helpers for 8-bit Shift-JIS (code page 932) strings.
//
// A double-byte character starts with a lead byte (0x81-0x9F, 0xE0-0xFC);
// its second byte may be 0x5C, the same value as '\'. Every scan for a
// backslash and every length cut goes through here so that the second byte
// of a character is never mistaken for a separator or cut off alone.
#pragma once

#include <cstddef>
#include <string>

namespace vnl::mbcs {

constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte offset of the last character of s (s.size() when s is empty).
std::size_t LastCharOffset(const std::string& s);

// 1-based position of the last backslash that is a character of its own,
// 0 when there is none.
std::size_t LastBackslashPos(const std::string& s);

// True when the last character of s is a single-byte backslash.
bool EndsWithBackslash(const std::string& s);

// At most maxBytes bytes from the front of s, never ending in a lead byte
// whose second byte would be cut away.
std::string CutBytes(const std::string& s, std::size_t maxBytes);

// ASCII letters changed in case; bytes of double-byte characters untouched.
std::string UpperAscii(const std::string& s);
std::string LowerAscii(const std::string& s);

// Case-insensitive (ASCII) equality, double-byte characters compared as is.
bool EqualsNoCase(const std::string& a, const std::string& b);

// Wildcard match of a file name against a mask with '*' and '?', without
// regard to ASCII case; '?' stands for one character of either width.
bool MatchesMask(const std::string& name, const std::string& mask);

}  // namespace vnl::mbcs
