#include "fakes/TrayFixture.h"

namespace vnl {
namespace {

class ClipboardHistory : public test::TrayTest {
protected:
    void SetUp() override {
        p.clipboard.previousViewer = kNextViewer;
        Start();
        // Windows tells the viewer of a change while the write is made.
        p.clipboard.onChange = [this] { Send(msg::DrawClipboard); };
    }
    // Another program puts text on the clipboard.
    void Copy(const std::string& text) {
        p.clipboard.text = text;
        Send(msg::DrawClipboard);
    }
    const std::vector<std::string>& History() const { return form->ClipData.Items; }
    std::vector<std::string> Captions() {
        OpenMenu();
        std::vector<std::string> captions;
        for (int i = 0; i < form->R1->Count(); ++i) {
            EXPECT_EQ(form->R1->Items(i).Tag(), i);
            captions.push_back(form->R1->Items(i).Caption());
        }
        return captions;
    }
    static constexpr WindowHandle kNextViewer = 0x5000;
};

TEST_F(ClipboardHistory, DistinctTextsNewestFirst) {
    EXPECT_EQ(form->R1->Count(), 1) << "only the placeholder before the first popup";
    EXPECT_TRUE(Captions().empty());
    Copy("one");
    Copy("two");
    Copy("two");
    EXPECT_EQ(History(), (std::vector<std::string>{"two", "one"})) << "a repeat is one entry";
    Copy("three");
    Copy("one");
    EXPECT_EQ(History(), (std::vector<std::string>{"one", "three", "two"})) << "the oldest moves to the top";
    EXPECT_EQ(Captions(), History());
}

TEST_F(ClipboardHistory, FifteenAtMost) {
    for (int i = 1; i <= 16; ++i) Copy("text " + std::to_string(i));
    ASSERT_EQ(History().size(), 15u);
    EXPECT_EQ(History().front(), "text 16");
    EXPECT_EQ(History().back(), "text 2");
    EXPECT_EQ(Captions().size(), 15u);
}

TEST_F(ClipboardHistory, ChangesWithoutTextArePassedOnAndIgnored) {
    Copy("kept");
    p.clipboard.text.reset();
    p.system.sendResult = 42;
    const TMessage m = Send(msg::DrawClipboard, 7, 9);
    EXPECT_EQ(History(), std::vector<std::string>{"kept"});
    ASSERT_FALSE(p.system.sent.empty());
    const test::PostedMessage& s = p.system.sent.back();
    EXPECT_EQ(s.window, kNextViewer);
    EXPECT_EQ(s.message, msg::DrawClipboard);
    EXPECT_EQ(s.wParam, 7u);
    EXPECT_EQ(s.lParam, 9);
    EXPECT_EQ(m.Result, 42);
}

TEST_F(ClipboardHistory, CaptionsAreCutAt30BytesButEntriesComeBackWhole) {
    const std::string hundred(100, 'x');
    Copy(hundred);
    Copy("");
    // 29 single bytes and then a double-byte character: the caption stops
    // before its lead byte rather than show half a character.
    const std::string dbcs = std::string(29, 'a') + "表示";
    Copy(dbcs);
    EXPECT_EQ(Captions(), (std::vector<std::string>{std::string(29, 'a'), "", std::string(30, 'x')}));

    Choose(form->R1->Items(2));
    EXPECT_EQ(p.clipboard.writes.back(), hundred);
    EXPECT_EQ(History().front(), hundred);
    EXPECT_EQ(History().size(), 3u);
}

TEST_F(ClipboardHistory, PickingAnEntryMovesItToTheTop) {
    for (const char* t : {"e", "d", "c", "b", "a"}) Copy(t);
    Captions();
    Choose(form->R1->Items(3));
    EXPECT_EQ(p.clipboard.writes, std::vector<std::string>{"d"});
    EXPECT_EQ(History(), (std::vector<std::string>{"d", "a", "b", "c", "e"}));
    Captions();
    Choose(form->R1->Items(0));
    EXPECT_EQ(History(), (std::vector<std::string>{"d", "a", "b", "c", "e"})) << "the top entry stays";
}

TEST_F(ClipboardHistory, TheChainIsJoinedAtStartAndLeftAtClose) {
    EXPECT_EQ(p.clipboard.viewer, form->Handle());
    EXPECT_EQ(form->NextViewer(), kNextViewer);
    form->Close();
    ASSERT_EQ(p.clipboard.chainChanges.size(), 1u);
    EXPECT_EQ(p.clipboard.chainChanges[0], std::make_pair(form->Handle(), kNextViewer));
}

TEST_F(ClipboardHistory, ChainChangeNotices) {
    // Another window leaves: the notice only goes on.
    Send(msg::ChangeCBChain, 0x6000, 0x7000);
    EXPECT_EQ(form->NextViewer(), kNextViewer);
    EXPECT_EQ(p.system.sent.back().window, kNextViewer);
    // The next window leaves: its successor takes its place and hears of it.
    p.system.sendResult = 3;
    const TMessage m = Send(msg::ChangeCBChain, kNextViewer, 0x7000);
    EXPECT_EQ(form->NextViewer(), 0x7000u);
    EXPECT_EQ(p.system.sent.back().window, 0x7000u);
    EXPECT_EQ(p.system.sent.back().wParam, kNextViewer);
    EXPECT_EQ(m.Result, 3);
    // The last one leaves: nothing left to tell.
    const auto sent = p.system.sent.size();
    const TMessage last = Send(msg::ChangeCBChain, 0x7000, 0);
    EXPECT_EQ(form->NextViewer(), 0u);
    EXPECT_EQ(p.system.sent.size(), sent);
    EXPECT_EQ(last.Result, 0);
    Copy("alone");
    EXPECT_EQ(p.system.sent.size(), sent) << "no next viewer, nothing is sent";
}

TEST_F(ClipboardHistory, ABusyClipboardIsReportedAndChangesNothing) {
    Copy("first");
    Copy("second");
    p.clipboard.text = "third";
    p.clipboard.busy = true;
    const auto sent = p.system.sent.size();
    Send(msg::DrawClipboard);
    EXPECT_EQ(p.system.sent.size(), sent + 1) << "the notice was passed on first";
    ASSERT_EQ(p.app.boxes.size(), 1u);
    EXPECT_EQ(p.app.boxes[0].text, "クリップボードを開くことができません.");
    EXPECT_EQ(p.app.boxes[0].caption, "Vantelo Plus");
    EXPECT_EQ(History(), (std::vector<std::string>{"second", "first"}));

    Captions();
    Choose(form->R1->Items(1));
    EXPECT_EQ(p.app.boxes.size(), 2u);
    EXPECT_EQ(History(), (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(p.clipboard.text, "third") << "the clipboard keeps what it had";
    EXPECT_TRUE(p.clipboard.writes.empty());
}

}  // namespace
}  // namespace vnl
