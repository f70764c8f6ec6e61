// The clipboard history: the tray window is a clipboard viewer and keeps the
// last fifteen distinct texts, newest first.
#include "platform/Mbcs.h"
#include "tray/Ftool.h"

namespace vnl {

namespace {

constexpr std::size_t kHistorySize = 15;
constexpr std::size_t kCaptionBytes = 30;

}  // namespace

void TFVNL::JoinClipboardChain() { FNextViewer = m_platform.clipboard.SetViewer(Handle()); }

void TFVNL::LeaveClipboardChain() { m_platform.clipboard.ChangeChain(Handle(), FNextViewer); }

void TFVNL::WMChangeCBChain(TMessage& m) {
    if (FNextViewer == m.WParam) FNextViewer = static_cast<WindowHandle>(m.LParam);
    m.Result = FNextViewer != 0 ? m_platform.system.SendMessage(FNextViewer, msg::ChangeCBChain, m.WParam, m.LParam) : 0;
}

void TFVNL::WMDrawClipboard(TMessage& m) {
    // The rest of the chain hears of the change whatever happens here.
    m.Result = FNextViewer != 0 ? m_platform.system.SendMessage(FNextViewer, msg::DrawClipboard, m.WParam, m.LParam) : 0;
    if (!m_platform.clipboard.HasText()) return;
    std::string text = m_platform.clipboard.ReadText();
    std::vector<std::string>& items = ClipData.Items;
    items.insert(items.begin(), std::move(text));
    for (std::size_t i = items.size() - 1; i >= 1; --i)
        if (items[i] == items[0]) items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
    if (items.size() > kHistorySize) items.erase(items.begin() + kHistorySize);
}

void TFVNL::BuildClipboardMenu() {
    R1->Clear();
    Record = nullptr;
    const std::vector<std::string>& items = ClipData.Items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        // Cut by bytes, but never between the two bytes of a character.
        auto item = std::make_unique<TMenuItem>(std::string(), mbcs::CutBytes(items[i], kCaptionBytes));
        item->SetTag(static_cast<std::intptr_t>(i));
        item->SetOnClick([this](TMenuItem& sender) { RecordClick(sender); });
        R1->Add(std::move(item));
    }
}

void TFVNL::RecordClick(TMenuItem& sender) {
    const std::intptr_t i = sender.Tag();
    if (i < 0 || static_cast<std::size_t>(i) >= ClipData.Items.size()) return;
    // A copy: the write's own change notice reorders the history.
    const std::string text = ClipData.Items[static_cast<std::size_t>(i)];
    m_platform.clipboard.WriteText(text);
}

}  // namespace vnl
