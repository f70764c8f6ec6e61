#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Mbcs.h"

namespace vnl {
namespace {

// "表" is 95 5C: its second byte is a backslash.
const std::string kHyo = "表";

TEST(Mbcs, TheCompilerWritesShiftJis) {
    EXPECT_EQ(kHyo, "\x95\x5C");
    EXPECT_EQ(std::string("ﾏｲ"), "\xCF\xB2");
}

TEST(Mbcs, LastBackslashSkipsSecondBytes) {
    struct Case {
        std::string s;
        std::size_t pos;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"C:\\", 3},
        {"C:\\a\\b", 5},
        {"C:\\" + kHyo, 3},
        {"C:\\" + kHyo + "\\x", 6},
        {kHyo + kHyo, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(mbcs::LastBackslashPos(c.s), c.pos) << c.s;
}

TEST(Mbcs, EndsWithBackslashOnlyForARealOne) {
    EXPECT_TRUE(mbcs::EndsWithBackslash("C:\\"));
    EXPECT_TRUE(mbcs::EndsWithBackslash("C:\\" + kHyo + "\\"));
    EXPECT_FALSE(mbcs::EndsWithBackslash("C:\\" + kHyo));
    EXPECT_FALSE(mbcs::EndsWithBackslash(""));
}

TEST(Mbcs, CutBytesNeverSplitsACharacter) {
    EXPECT_EQ(mbcs::CutBytes("abcdef", 4), "abcd");
    EXPECT_EQ(mbcs::CutBytes("ab", 4), "ab");
    // "a" + three double-byte characters: a cut at 4 would leave a lead byte.
    const std::string s = "a" + kHyo + kHyo + kHyo;
    EXPECT_EQ(mbcs::CutBytes(s, 4), "a" + kHyo);
    EXPECT_EQ(mbcs::CutBytes(s, 5), "a" + kHyo + kHyo);
    // A lone lead byte at the very end stays a byte of its own.
    EXPECT_EQ(mbcs::CutBytes("ab\x95", 3), "ab\x95");
}

TEST(Mbcs, CaseChangesLeaveDoubleByteCharactersAlone) {
    // "ア" in Shift-JIS is 83 41: its second byte is an 'A'.
    const std::string a = "ア";
    ASSERT_EQ(a, "\x83\x41");
    EXPECT_EQ(mbcs::LowerAscii("AbC" + a), "abc" + a);
    EXPECT_EQ(mbcs::UpperAscii("c:" + a), "C:" + a);
    EXPECT_FALSE(mbcs::EqualsNoCase("\x83\x41", "\x83\x61"));
    EXPECT_TRUE(mbcs::EqualsNoCase("C:\\Walls", "c:\\WALLS"));
}

TEST(Mbcs, MaskMatching) {
    struct Case {
        const char* name;
        const char* mask;
        bool match;
    } cases[] = {
        {"a.bmp", "*.BMP", true},   {"A.BMP", "*.BMP", true},  {"x.Bmp", "*.BMP", true},
        {"a.bmpx", "*.BMP", false}, {"abmp", "*.BMP", false},  {".bmp", "*.BMP", true},
        {"a.b.bmp", "*.BMP", true}, {"ab", "a?", true},        {"a", "a?", false},
        {"表.bmp", "?.bmp", true},  {"表.bmp", "??.bmp", false},
    };
    for (const Case& c : cases) EXPECT_EQ(mbcs::MatchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
}

TEST(ExceptionBox, PeriodAddedAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ExceptionBoxText("クリップボードを開くことができません"), "クリップボードを開くことができません.");
    EXPECT_EQ(ExceptionBoxText("Failed"), "Failed.");
    EXPECT_EQ(ExceptionBoxText("Done."), "Done.");
    EXPECT_EQ(ExceptionBoxText("Why!"), "Why!");
    EXPECT_EQ(ExceptionBoxText(""), "");
}

TEST(DefaultTitle, FileNameWithoutExtensionInTitleCase) {
    EXPECT_EQ(DefaultApplicationTitle("C:\\Program Files\\VNL.exe"), "Vnl");
    EXPECT_EQ(DefaultApplicationTitle("VNL.EXE"), "Vnl");
    EXPECT_EQ(DefaultApplicationTitle("C:\\" + kHyo + "\\ABC"), "Abc");
}

}  // namespace
}  // namespace vnl
