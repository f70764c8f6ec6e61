#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "platform/Registry.h"

namespace vnl {
namespace {

class Registry : public ::testing::Test {
protected:
    test::CallLog log;
    test::MemoryRegistry store{log};
};

TEST_F(Registry, OpensFromTheRootAndClosesWhatItOpened) {
    {
        TRegistry reg(store);
        EXPECT_FALSE(reg.OpenKey("\\Software\\x", false)) << "opening does not create";
        EXPECT_TRUE(reg.OpenKey("\\Software\\x", true));
        EXPECT_TRUE(store.HasKey("Software\\x")) << "the leading backslash means the root";
        EXPECT_TRUE(reg.OpenKey("\\Software\\y", true));
        EXPECT_EQ(store.OpenKeys(), 1u) << "opening another key closes the first";
        TRegistry moved(std::move(reg));
        EXPECT_EQ(store.OpenKeys(), 1u);
    }
    EXPECT_EQ(store.OpenKeys(), 0u);
}

TEST_F(Registry, TypedReadsTakeOnlyTheirOwnType) {
    const std::string key = "Software\\x";
    store.SetDword(key, "Five", 5);
    store.SetDword(key, "Minus", 0xFFFFFFFFu);
    store.SetString(key, "Text", "C:\\Walls\\");
    store.SetString(key, "Expand", "%WINDIR%", reg::ExpandSz);
    store.SetRaw(key, "Cut", RegValue{reg::Sz, std::string("ab\0cd", 5)});
    store.SetRaw(key, "Empty", RegValue{reg::Sz, ""});
    store.SetRaw(key, "Bin", RegValue{reg::Binary, DwordBytes(1)});
    store.SetString(key, "DwordAsText", "7");
    store.SetRaw(key, "Short", RegValue{reg::Dword, "\x01"});

    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("\\" + key, false));
    EXPECT_EQ(reg.ReadBool("Five"), true);
    EXPECT_EQ(reg.ReadInteger("Five"), 5);
    EXPECT_EQ(reg.ReadInteger("Minus"), -1);
    EXPECT_EQ(reg.ReadString("Text"), "C:\\Walls\\");
    EXPECT_EQ(reg.ReadString("Expand"), "%WINDIR%") << "used unexpanded";
    EXPECT_EQ(reg.ReadString("Cut"), "ab") << "the text ends at the first NUL";
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_TRUE(reg.ValueExists("Bin"));
    EXPECT_EQ(reg.ReadBool("Bin"), std::nullopt) << "another type counts as absent";
    EXPECT_EQ(reg.ReadInteger("DwordAsText"), std::nullopt);
    EXPECT_EQ(reg.ReadString("Five"), std::nullopt);
    EXPECT_EQ(reg.ReadInteger("Short"), std::nullopt);
    EXPECT_EQ(reg.ReadInteger("Missing"), std::nullopt);
    EXPECT_FALSE(reg.ValueExists("Missing"));
}

TEST_F(Registry, WritesStoreTheFormatAndReportFailure) {
    TRegistry reg(store);
    ASSERT_TRUE(reg.OpenKey("\\Software\\x", true));
    reg.WriteBool("B", true);
    reg.WriteInteger("I", -1);
    reg.WriteString("S", "壁紙");
    EXPECT_EQ(store.Get("Software\\x", "B")->data, std::string("\x01\0\0\0", 4));
    EXPECT_EQ(store.Get("Software\\x", "I")->data, "\xFF\xFF\xFF\xFF");
    const RegValue s = *store.Get("Software\\x", "S");
    EXPECT_EQ(s.type, reg::Sz);
    EXPECT_EQ(s.data, std::string("壁紙") + '\0') << "Shift-JIS text and one NUL";

    store.failingValues.insert("Time");
    try {
        reg.WriteInteger("Time", 1);
        FAIL() << "a failed write must raise";
    } catch (const ERegistryError& e) {
        EXPECT_EQ(std::string(e.what()), "'Time' の設定に失敗しました");
    }
    TRegistry closed(store);
    EXPECT_THROW(closed.WriteBool("B", true), ERegistryError) << "no key open";
    EXPECT_FALSE(closed.ValueExists("B"));
}

}  // namespace
}  // namespace vnl
