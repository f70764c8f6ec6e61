#include <gtest/gtest.h>

#include <algorithm>

#include "app/PathCopy.h"
#include "fakes/Fakes.h"

namespace vnl {
namespace {

using test::FakeFileSystem;

class PathCopy : public ::testing::Test {
protected:
    void SetUp() override {
        fs.AddPath("C:", {"Long Folder Name|LONG~ZAT", "Sub Dir|SUB_~HWM", "My Document.txt|MY_D~45I.TXT"});
        fs.AddPath("C:", {"Windows", "Notepad.exe"});
        fs.AddPath("C:", {"Program Files|PROGRA~1", "Vantelo", "VNL.exe"});
        // A folder named with a character whose second byte is a backslash.
        fs.AddPath("D:", {"データ表|DATA~1", "表"});
    }
    std::string Expand(const std::string& name) { return ExpandLongPath(name, fs); }
    FakeFileSystem fs;
};

TEST_F(PathCopy, ExpandsEveryComponentToItsStoredName) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"C:\\LONG~ZAT\\SUB_~HWM\\MY_D~45I.TXT", "C:\\Long Folder Name\\Sub Dir\\My Document.txt"},
        {"c:\\long folder name\\sub dir\\my document.txt", "C:\\Long Folder Name\\Sub Dir\\My Document.txt"},
        {"c:\\LONG~ZAT\\sub dir", "C:\\Long Folder Name\\Sub Dir"},
        // A trailing backslash survives.
        {"c:\\long~zat\\sub_~hwm\\", "C:\\Long Folder Name\\Sub Dir\\"},
        // Drive and drive root.
        {"c:", "C:"},
        {"c:\\", "C:\\"},
        // Wildcards take the first entry that matches.
        {"C:\\WINDOWS\\*.exe", "C:\\Windows\\Notepad.exe"},
    };
    for (const Case& c : cases) EXPECT_EQ(Expand(c.in), c.out) << c.in;
}

TEST_F(PathCopy, NamesThatDoNotExistComeBackUnchanged) {
    // The whole name, short aliases of existing folders included.
    EXPECT_EQ(Expand("C:\\LONG~ZAT\\missing.txt"), "C:\\LONG~ZAT\\missing.txt");
    EXPECT_EQ(Expand("q:\\nothing\\here\\"), "q:\\nothing\\here\\");
    EXPECT_EQ(Expand(""), "");
}

TEST_F(PathCopy, UncServerAndShareStayAsWritten) {
    fs.AddPath("\\\\SERVER\\SHARE", {"Reports|REPORT~1", "Year End.xls|YEAREN~1.XLS"});
    EXPECT_EQ(Expand("\\\\server\\share\\REPORT~1\\yearen~1.xls"), "\\\\server\\share\\Reports\\Year End.xls");
}

TEST_F(PathCopy, DoubleByteNamesEndingIn5CAreNotCutOrExtended) {
    // "表" ends in the byte 0x5C; it is a character, not a separator.
    EXPECT_EQ(Expand("d:\\DATA~1\\表"), "D:\\データ表\\表");
    EXPECT_EQ(Expand("d:\\DATA~1"), "D:\\データ表");
    EXPECT_EQ(Expand("d:\\データ表\\"), "D:\\データ表\\");
    EXPECT_EQ(Expand("d:\\DATA~1\\無い表"), "d:\\DATA~1\\無い表");
}

TEST_F(PathCopy, RelativeNamesKeepTheirRelativeForm) {
    fs.currentDirectory = "C:\\Program Files\\Vantelo";
    EXPECT_EQ(Expand("vnl.EXE"), "VNL.exe");
    EXPECT_EQ(Expand("c:vnl.exe"), "C:VNL.exe");
    EXPECT_EQ(Expand("\\PROGRA~1"), "\\Program Files");
}

TEST_F(PathCopy, NamesAreJoinedByCrLfWithNoneAfterTheLast) {
    EXPECT_EQ(JoinLongPaths({"c:\\windows", "c:\\nope", "C:\\PROGRA~1\\"}, fs),
              "C:\\Windows\r\nc:\\nope\r\nC:\\Program Files\\");
    EXPECT_EQ(JoinLongPaths({"c:\\windows"}, fs), "C:\\Windows");
}

TEST_F(PathCopy, WritesTheTextAndRaisesWhenTheClipboardIsBusy) {
    test::CallLog log;
    test::FakeClipboard clipboard(log);
    RunPathCopy({"c:\\windows\\notepad.exe", "c:\\windows"}, fs, clipboard);
    ASSERT_EQ(clipboard.writes.size(), 1u);
    EXPECT_EQ(clipboard.writes[0], "C:\\Windows\\Notepad.exe\r\nC:\\Windows");

    clipboard.busy = true;
    EXPECT_THROW(RunPathCopy({"c:\\windows"}, fs, clipboard), EClipboardError);
    EXPECT_EQ(clipboard.writes.size(), 1u);
}

}  // namespace
}  // namespace vnl
