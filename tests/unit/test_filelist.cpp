#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "platform/FileList.h"

namespace vnl {
namespace {

class FileList : public ::testing::Test {
protected:
    void SetUp() override {
        fs.currentDirectory = "C:\\Program Files\\Vantelo";
        fs.folders["C:\\Program Files\\Vantelo"] = {{"VNL.exe", fa::Archive}, {"start.bmp", fa::Archive}};
        fs.folders["C:\\Walls"] = {
            {"c.bmp", fa::Archive},
            {"A.BMP", fa::ReadOnly},
            {"b.bmp", 0},
            {"notes.txt", fa::Archive},
            {"hidden.bmp", fa::Hidden},
            {"system.bmp", fa::System},
            {"folder.bmp", fa::Directory},
            {"x.bmpx", fa::Archive},
        };
        fs.folders["C:\\"] = {{"root.bmp", fa::Archive}};
        fs.folders["C:\\Other"] = {{"z.bmp", 0}};
    }
    std::vector<std::string> Names(TFileListBox& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i) names.push_back(list.Items(i));
        return names;
    }
    test::FakeFileSystem fs;
};

TEST_F(FileList, ListsMatchingOrdinaryFilesSortedWithoutRegardToCase) {
    TFileListBox list(fs, "*.BMP");
    list.SetDirectory("C:\\Walls\\");
    EXPECT_EQ(list.Directory(), "C:\\Walls");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A.BMP", "b.bmp", "c.bmp"}));
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(FileList, StartsOnTheCurrentFolderAndReadsAtFirstUse) {
    TFileListBox list(fs, "*.BMP");
    EXPECT_EQ(list.Directory(), "C:\\Program Files\\Vantelo");
    EXPECT_EQ(fs.listings, 0);
    EXPECT_EQ(Names(list), std::vector<std::string>{"start.bmp"});
    EXPECT_EQ(fs.listings, 1);
    list.Count();
    EXPECT_EQ(fs.listings, 1) << "the folder is not read again without a change";
}

TEST_F(FileList, PointingAtAFolder) {
    TFileListBox list(fs, "*.BMP");
    list.SetDirectory("C:\\Walls");
    list.SetItemIndex(1);
    const auto generation = list.Generation();

    // Empty text and the same folder in another spelling change nothing.
    for (const char* same : {"", "c:\\walls", "C:\\WALLS\\"}) {
        list.SetDirectory(same);
        EXPECT_EQ(list.ItemIndex(), 1) << same;
        EXPECT_EQ(list.Generation(), generation) << same;
    }

    list.SetDirectory("C:\\Other");
    EXPECT_EQ(list.ItemIndex(), -1) << "another folder drops the selection";
    EXPECT_EQ(Names(list), std::vector<std::string>{"z.bmp"});
    EXPECT_NE(list.Generation(), generation);

    // A drive root keeps its backslash.
    list.SetDirectory("c:\\");
    EXPECT_EQ(list.Directory(), "C:\\");
    EXPECT_EQ(Names(list), std::vector<std::string>{"root.bmp"});

    // A folder that does not exist leaves the list empty, with no selection.
    list.SetItemIndex(0);
    list.SetDirectory("X:\\Gone\\");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Directory(), "X:\\Gone");
}

TEST_F(FileList, SelectionStaysInsideTheList) {
    TFileListBox list(fs, "*.BMP");
    list.SetDirectory("C:\\Walls");
    list.SetItemIndex(2);
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetItemIndex(3);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(JoinPath, OneBackslashBetweenFolderAndName) {
    EXPECT_EQ(JoinPath("C:\\", "a.bmp"), "C:\\a.bmp");
    EXPECT_EQ(JoinPath("C:\\Walls", "a.bmp"), "C:\\Walls\\a.bmp");
    // A folder ending in "表" (95 5C) does not end in a backslash.
    EXPECT_EQ(JoinPath("C:\\表", "a.bmp"), "C:\\表\\a.bmp");
}

}  // namespace
}  // namespace vnl
