// In-memory stand-ins for the platform, recording what the logic asks of it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/InstanceLock.h"
#include "platform/Mbcs.h"
#include "platform/Platform.h"

namespace vnl::test {

// One log of calls shared by every fake, for tests of the order of steps.
using CallLog = std::vector<std::string>;

// The calls of the log that start with one of the prefixes, in order.
inline std::vector<std::string> Calls(const CallLog& log, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> out;
    for (const std::string& call : log)
        for (const char* prefix : prefixes)
            if (call.rfind(prefix, 0) == 0) out.push_back(call);
    return out;
}

struct MessageBoxCall {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

class FakeApplication : public IApplication {
public:
    explicit FakeApplication(CallLog& log) : m_log(log) {}
    void Initialize() override { m_log.push_back("app.Initialize"); }
    void SetTitle(const std::string& title) override {
        m_title = title;
        m_log.push_back("app.SetTitle " + title);
    }
    std::string Title() const override { return m_title; }
    WindowHandle Handle() override { return 0x10; }
    void HideWindow() override { m_log.push_back("app.HideWindow"); }
    IconHandle Icon() override { return 0x777; }
    void Run() override {
        m_log.push_back("app.Run");
        if (onRun) onRun();
    }
    void Terminate() override {
        ++terminated;
        m_log.push_back("app.Terminate");
    }
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        boxes.push_back({text, caption, flags});
        m_log.push_back("app.MessageBox " + text);
        return mb::IdOk;
    }
    void ShowException(const std::exception& e) override {
        MessageBox(ExceptionBoxText(e.what()), Title(), mb::IconError);
    }

    std::vector<MessageBoxCall> boxes;
    int terminated = 0;
    std::function<void()> onRun;

private:
    CallLog& m_log;
    std::string m_title = "Vnl";
};

class FakeWindows : public IWindowHost {
public:
    WindowHandle CreateFormWindow(TForm&) override { return m_next++; }
    void DestroyFormWindow(WindowHandle w) override { destroyed.push_back(w); }
    void DefaultWindowProc(WindowHandle, TMessage& m) override {
        defaulted.push_back(m.Msg);
        m.Result = 0;
    }
    std::vector<WindowHandle> destroyed;
    std::vector<std::uint32_t> defaulted;

private:
    WindowHandle m_next = 0x2000;
};

// Keeps a picture of the menu as it was when it popped up.
struct MenuEntry {
    std::string caption;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    std::intptr_t tag = 0;
    std::vector<MenuEntry> children;
};

MenuEntry Snapshot(const TMenuItem& item);

struct PopupCall {
    WindowHandle owner = 0;
    int x = 0;
    int y = 0;
    unsigned flags = 0;
    MenuEntry menu;
};

class FakeMenus : public IMenuHost {
public:
    explicit FakeMenus(CallLog& log) : m_log(log) {}
    void Popup(TPopupMenu& menu, WindowHandle owner, int x, int y, unsigned flags) override {
        popups.push_back({owner, x, y, flags, snapshots ? Snapshot(menu.Items()) : MenuEntry{}});
        m_log.push_back("menu.Popup");
        // What the user chooses while the menu is open.
        if (onPopup) onPopup(menu);
    }
    std::vector<PopupCall> popups;
    std::function<void(TPopupMenu&)> onPopup;
    bool snapshots = true;

private:
    CallLog& m_log;
};

class FakeTimers : public ITimerHost {
public:
    TimerId Start(std::uint32_t intervalMs, std::function<void()> onTick) override {
        const TimerId id = m_next++;
        running[id] = {intervalMs, std::move(onTick)};
        ++starts;
        return id;
    }
    void Stop(TimerId id) override {
        running.erase(id);
        ++stops;
    }
    // The running timer with this interval; nothing when there is none.
    std::optional<TimerId> Find(std::uint32_t intervalMs) const {
        for (const auto& [id, t] : running)
            if (t.interval == intervalMs) return id;
        return std::nullopt;
    }
    void Fire(TimerId id) {
        auto f = running.at(id).tick;
        f();
    }
    struct Running {
        std::uint32_t interval = 0;
        std::function<void()> tick;
    };
    std::map<TimerId, Running> running;
    int starts = 0;
    int stops = 0;

private:
    TimerId m_next = 1;
};

struct SpiCall {
    std::uint32_t action = 0;
    std::uint32_t uiParam = 0;
    std::optional<std::string> pvParam;
    std::uint32_t winIni = 0;
};

struct PostedMessage {
    WindowHandle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

class FakeSystem : public ISystem {
public:
    explicit FakeSystem(CallLog& log) : m_log(log) {}
    void ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) override {
        icons.push_back({message, data});
        m_log.push_back(message == nim::Add ? "icon.Add" : message == nim::Delete ? "icon.Delete" : "icon.Other");
    }
    Point GetCursorPos() override {
        m_log.push_back("GetCursorPos");
        return cursor;
    }
    void SetForegroundWindow(WindowHandle w) override {
        foreground.push_back(w);
        m_log.push_back("SetForegroundWindow");
    }
    void PostMessage(WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) override {
        posted.push_back({w, m, wp, lp});
    }
    std::intptr_t SendMessage(WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) override {
        sent.push_back({w, m, wp, lp});
        return sendResult;
    }
    void SystemParametersInfo(std::uint32_t action, std::uint32_t ui, const char* pv, std::uint32_t winIni) override {
        spi.push_back({action, ui, pv ? std::optional<std::string>(pv) : std::nullopt, winIni});
        m_log.push_back("spi " + std::to_string(action));
    }
    std::uint8_t ACLineStatus() override { return acLineStatus; }
    std::uint32_t TaskbarCreatedMessage() override { return kTaskbarCreated; }

    static constexpr std::uint32_t kTaskbarCreated = 0xC0DE;
    struct IconCall {
        std::uint32_t message;
        NotifyIconData data;
    };
    std::vector<IconCall> icons;
    Point cursor{640, 700};
    std::vector<WindowHandle> foreground;
    std::vector<PostedMessage> posted;
    std::vector<PostedMessage> sent;
    std::intptr_t sendResult = 0;
    std::vector<SpiCall> spi;
    std::uint8_t acLineStatus = 1;

private:
    CallLog& m_log;
};

class FakeClipboard : public IClipboard {
public:
    explicit FakeClipboard(CallLog& log) : m_log(log) {}
    WindowHandle SetViewer(WindowHandle self) override {
        viewer = self;
        m_log.push_back("clipboard.SetViewer");
        return previousViewer;
    }
    void ChangeChain(WindowHandle self, WindowHandle next) override {
        m_log.push_back("clipboard.ChangeChain");
        chainChanges.push_back({self, next});
        viewer = 0;
    }
    bool HasText() override { return text.has_value(); }
    std::string ReadText() override {
        if (busy) throw EClipboardError();
        return text.value_or("");
    }
    void WriteText(const std::string& t) override {
        if (busy) throw EClipboardError();
        text = t;
        writes.push_back(t);
        // Windows tells the viewer of the change while the write is made.
        if (onChange) onChange();
    }

    std::optional<std::string> text;
    bool busy = false;
    WindowHandle previousViewer = 0;
    WindowHandle viewer = 0;
    std::vector<std::pair<WindowHandle, WindowHandle>> chainChanges;
    std::vector<std::string> writes;
    std::function<void()> onChange;

private:
    CallLog& m_log;
};

// Keys by path without regard to case, values by name likewise.
class MemoryRegistry : public IRegistryStore {
public:
    explicit MemoryRegistry(CallLog& log) : m_log(log) {}
    bool CreateKey(RootKey, const std::string& path, KeyHandle& key) override {
        m_log.push_back("reg.Create " + path);
        if (failing.count(Norm(path))) return false;
        keys[Norm(path)];
        return Open(path, key);
    }
    bool OpenKey(RootKey, const std::string& path, KeyHandle& key) override {
        m_log.push_back("reg.Open " + path);
        if (failing.count(Norm(path)) || !keys.count(Norm(path))) return false;
        return Open(path, key);
    }
    bool QueryValue(KeyHandle key, const std::string& name, RegValue* value) override {
        auto& values = keys.at(m_open.at(key));
        auto it = values.find(Norm(name));
        if (it == values.end()) return false;
        if (value) *value = it->second;
        return true;
    }
    bool SetValue(KeyHandle key, const std::string& name, const RegValue& value) override {
        if (failingValues.count(name)) return false;
        keys.at(m_open.at(key))[Norm(name)] = value;
        return true;
    }
    void CloseKey(KeyHandle key) override { m_open.erase(key); }

    void SetDword(const std::string& path, const std::string& name, std::uint32_t v) {
        keys[Norm(path)][Norm(name)] = RegValue{reg::Dword, DwordBytes(v)};
    }
    void SetString(const std::string& path, const std::string& name, const std::string& v, std::uint32_t type = reg::Sz) {
        keys[Norm(path)][Norm(name)] = RegValue{type, v + std::string(1, '\0')};
    }
    void SetRaw(const std::string& path, const std::string& name, RegValue v) { keys[Norm(path)][Norm(name)] = v; }
    std::optional<RegValue> Get(const std::string& path, const std::string& name) const {
        auto k = keys.find(Norm(path));
        if (k == keys.end()) return std::nullopt;
        auto v = k->second.find(Norm(name));
        if (v == k->second.end()) return std::nullopt;
        return v->second;
    }
    bool HasKey(const std::string& path) const { return keys.count(Norm(path)) != 0; }
    std::size_t OpenKeys() const { return m_open.size(); }

    static std::string Norm(const std::string& s) { return mbcs::LowerAscii(s); }

    std::map<std::string, std::map<std::string, RegValue>> keys;
    std::set<std::string> failing;        // key paths that cannot be opened
    std::set<std::string> failingValues;  // value names whose write fails

private:
    bool Open(const std::string& path, KeyHandle& key) {
        key = m_next++;
        m_open[key] = Norm(path);
        return true;
    }
    CallLog& m_log;
    std::map<KeyHandle, std::string> m_open;
    KeyHandle m_next = 1;
};

// A tree of entries by drive, each with its stored name and an optional
// short alias, as the path-copy mode looks them up; and folders with their
// listings, as the wallpaper list reads them. Names are compared without
// regard to ASCII case.
class FakeFileSystem : public IFileSystem {
public:
    struct Node {
        std::string name;
        std::string alias;
        std::vector<Node> children;
    };

    std::string CurrentDirectory() override { return currentDirectory; }
    std::optional<std::string> ResolveFolder(const std::string& text) override {
        std::string t = text;
        if (t.size() > 3 && mbcs::EndsWithBackslash(t)) t.pop_back();
        for (const auto& [folder, entries] : folders)
            if (mbcs::EqualsNoCase(folder, t)) return folder;
        return std::nullopt;
    }
    std::vector<DirEntry> ListFolder(const std::string& folder) override {
        ++listings;
        for (const auto& [f, entries] : folders)
            if (mbcs::EqualsNoCase(f, folder)) return entries;
        return {};
    }
    int CompareNames(const std::string& a, const std::string& b) override {
        return mbcs::LowerAscii(a).compare(mbcs::LowerAscii(b));
    }
    std::optional<std::string> FindEntry(const std::string& path) override;
    std::string ProgramFolder() override {
        if (log) log->push_back("files.ProgramFolder");
        return programFolder;
    }

    // Adds a path of "name|alias" components under a drive ("C:").
    void AddPath(const std::string& drive, const std::vector<std::string>& components);

    std::string currentDirectory = "C:\\Program Files\\Vantelo";
    std::map<std::string, std::vector<DirEntry>> folders;
    std::map<std::string, Node> drives;  // "C:" -> its root
    std::vector<std::string> lookups;
    std::string programFolder;
    int listings = 0;
    CallLog* log = nullptr;
};

class FakeInstanceLock : public IInstanceLock {
public:
    explicit FakeInstanceLock(CallLog& log) : m_log(log) {}
    bool Exists(const std::string& name) override {
        m_log.push_back("lock.Exists " + name);
        return exists;
    }
    CreateResult Create(const std::string& name) override {
        m_log.push_back("lock.Create " + name);
        return createResult;
    }
    void Release() override { m_log.push_back("lock.Release"); }
    bool exists = false;
    CreateResult createResult = CreateResult::Owned;

private:
    CallLog& m_log;
};

// Every fake, wired into one Platform.
struct FakePlatform {
    CallLog log;
    FakeApplication app{log};
    FakeWindows windows;
    FakeMenus menus{log};
    FakeTimers timers;
    FakeSystem system{log};
    FakeClipboard clipboard{log};
    MemoryRegistry registry{log};
    FakeFileSystem files;
    Platform platform{app, windows, menus, timers, system, clipboard, registry, files};
    FakePlatform() { files.log = &log; }
};

}  // namespace vnl::test
