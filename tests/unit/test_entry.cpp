#include <gtest/gtest.h>

#include <algorithm>

#include "app/Entry.h"
#include "platform/CommandLine.h"
#include "fakes/Fakes.h"

namespace vnl {
namespace {

class Entry : public ::testing::Test {
protected:
    bool Logged(const std::string& call) const {
        return std::find(p.log.begin(), p.log.end(), call) != p.log.end();
    }
    std::vector<std::string> Only(std::initializer_list<const char*> prefixes) const {
        return test::Calls(p.log, prefixes);
    }
    test::FakePlatform p;
    test::FakeInstanceLock lock{p.log};
};

TEST_F(Entry, ArgumentsRunThePathCopyModeWithoutTheLock) {
    p.files.AddPath("C:", {"Windows"});
    EXPECT_EQ(VanteloMain({"c:\\windows", "c:\\nope"}, p.platform, lock), 0);
    ASSERT_EQ(p.clipboard.writes.size(), 1u);
    EXPECT_EQ(p.clipboard.writes[0], "C:\\Windows\r\nc:\\nope");
    EXPECT_TRUE(Only({"lock.", "app.", "icon."}).empty()) << "no mutex, no title, no loop, no icon";
}

TEST_F(Entry, PathCopyOnABusyClipboardShowsOneBoxWithTheDefaultTitle) {
    p.clipboard.busy = true;
    EXPECT_EQ(VanteloMain({"c:\\x"}, p.platform, lock), 0);
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "クリップボードを開くことができません.");
    EXPECT_EQ(p.app.boxes[0].caption, "Vnl");
    EXPECT_EQ(p.app.boxes[0].flags, mb::IconError);
}

TEST_F(Entry, ResidentStartInOrder) {
    std::vector<std::string> atRun;
    p.app.onRun = [&] { atRun = p.log; };
    EXPECT_EQ(VanteloMain({}, p.platform, lock), 0);
    const std::vector<std::string> expected = {
        "lock.Exists hkrVanteloPlus", "lock.Create hkrVanteloPlus", "app.Initialize",
        "app.SetTitle Vantelo Plus",  "app.HideWindow",             "app.Run",
        "lock.Release"};
    EXPECT_EQ(Only({"lock.", "app."}), expected);
    EXPECT_NE(std::find(atRun.begin(), atRun.end(), "icon.Add"), atRun.end()) << "the form exists when the loop runs";
}

TEST_F(Entry, ASecondInstanceEndsAtOnce) {
    for (bool raceLost : {false, true}) {
        test::FakePlatform q;
        test::FakeInstanceLock second(q.log);
        second.exists = !raceLost;
        second.createResult = IInstanceLock::CreateResult::AlreadyExists;
        EXPECT_EQ(VanteloMain({}, q.platform, second), 0);
        for (const std::string& call : q.log) {
            EXPECT_EQ(call.rfind("app.", 0), std::string::npos) << call;
            EXPECT_NE(call, "icon.Add");
            EXPECT_NE(call, "lock.Release");
        }
    }
}

TEST_F(Entry, AnExceptionEscapingTheLoopIsShownAndTheMutexReleased) {
    p.app.onRun = [] { throw EPlatformError("boom"); };
    EXPECT_EQ(VanteloMain({}, p.platform, lock), 0);
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "boom.");
    EXPECT_EQ(p.app.boxes[0].caption, "Vantelo Plus");
    EXPECT_TRUE(Logged("lock.Release"));
}

TEST_F(Entry, AFailedMutexIsNotReleased) {
    lock.createResult = IInstanceLock::CreateResult::Failed;
    EXPECT_EQ(VanteloMain({}, p.platform, lock), 0);
    EXPECT_TRUE(Logged("app.Run")) << "the program runs on without the mutex";
    EXPECT_FALSE(Logged("lock.Release"));
}

}  // namespace
}  // namespace vnl

namespace vnl {
namespace {

TEST(CommandLine, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(ParseCommandLine("VNL.exe"), std::vector<std::string>{"VNL.exe"});
    EXPECT_EQ(ParseCommandLine("\"C:\\Program Files\\VNL.exe\"  a\tb "),
              (std::vector<std::string>{"C:\\Program Files\\VNL.exe", "a", "b"}));
    EXPECT_EQ(ParseCommandLine("x C:\\\"My Documents\"\\表.txt"),
              (std::vector<std::string>{"x", "C:\\My Documents\\表.txt"}));
    EXPECT_TRUE(ParseCommandLine("   ").empty());
}

}  // namespace
}  // namespace vnl
