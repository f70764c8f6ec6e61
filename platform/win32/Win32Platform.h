// The platform's services on Win32. Only this folder and the program entry
// see <windows.h>.
#pragma once

#include "platform/win32/Win32Api.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/win32/Handles.h"

namespace vnl::win32 {

class Application : public IApplication {
public:
    explicit Application(HINSTANCE instance);
    void Initialize() override;
    void SetTitle(const std::string& title) override;
    std::string Title() const override { return m_title; }
    WindowHandle Handle() override;
    void HideWindow() override;
    IconHandle Icon() override;
    void Run() override;
    void Terminate() override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void ShowException(const std::exception& e) override;

    HINSTANCE Instance() const { return m_instance; }

private:
    HINSTANCE m_instance;
    std::string m_title;
    UniqueWindow m_window;
    UniqueIcon m_icon;
};

class WindowHost : public IWindowHost {
public:
    explicit WindowHost(Application& app) : m_app(app) {}
    WindowHandle CreateFormWindow(TForm& form) override;
    void DestroyFormWindow(WindowHandle window) override;
    void DefaultWindowProc(WindowHandle window, TMessage& m) override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    struct Binding {
        TForm* form;
        IApplication* app;
    };
    Application& m_app;
    std::map<HWND, std::unique_ptr<Binding>> m_bindings;
};

class MenuHost : public IMenuHost {
public:
    void Popup(TPopupMenu& menu, WindowHandle owner, int x, int y, unsigned flags) override;
};

class TimerHost : public ITimerHost {
public:
    explicit TimerHost(Application& app) : m_app(app) {}
    TimerId Start(std::uint32_t intervalMs, std::function<void()> onTick) override;
    void Stop(TimerId id) override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND Window();
    Application& m_app;
    UniqueWindow m_window;
    std::map<TimerId, std::function<void()>> m_timers;
    TimerId m_next = 1;
};

class System : public ISystem {
public:
    void ShellNotifyIcon(std::uint32_t message, const NotifyIconData& data) override;
    Point GetCursorPos() override;
    void SetForegroundWindow(WindowHandle window) override;
    void PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    std::intptr_t SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    void SystemParametersInfo(std::uint32_t action, std::uint32_t uiParam, const char* pvParam,
                              std::uint32_t winIni) override;
    std::uint8_t ACLineStatus() override;
    std::uint32_t TaskbarCreatedMessage() override;

private:
    UINT m_taskbarCreated = 0;
};

class Clipboard : public IClipboard {
public:
    explicit Clipboard(Application& app) : m_app(app) {}
    WindowHandle SetViewer(WindowHandle self) override;
    void ChangeChain(WindowHandle self, WindowHandle next) override;
    bool HasText() override;
    std::string ReadText() override;
    void WriteText(const std::string& text) override;

private:
    Application& m_app;
};

class RegistryStore : public IRegistryStore {
public:
    bool CreateKey(RootKey root, const std::string& path, KeyHandle& key) override;
    bool OpenKey(RootKey root, const std::string& path, KeyHandle& key) override;
    bool QueryValue(KeyHandle key, const std::string& name, RegValue* value) override;
    bool SetValue(KeyHandle key, const std::string& name, const RegValue& value) override;
    void CloseKey(KeyHandle key) override;
};

class FileSystem : public IFileSystem {
public:
    std::string CurrentDirectory() override;
    std::optional<std::string> ResolveFolder(const std::string& text) override;
    std::vector<DirEntry> ListFolder(const std::string& folder) override;
    int CompareNames(const std::string& a, const std::string& b) override;
    std::optional<std::string> FindEntry(const std::string& path) override;
    std::string ProgramFolder() override;
};

class InstanceLock : public IInstanceLock {
public:
    bool Exists(const std::string& name) override;
    CreateResult Create(const std::string& name) override;
    void Release() override;

private:
    UniqueHandle m_mutex;
};

// Every service, made once for the life of the process.
class Win32Platform {
public:
    explicit Win32Platform(HINSTANCE instance)
        : app(instance), windows(app), timers(app), clipboard(app),
          platform{app, windows, menus, timers, system, clipboard, registry, files} {}

    Application app;
    WindowHost windows;
    MenuHost menus;
    TimerHost timers;
    System system;
    Clipboard clipboard;
    RegistryStore registry;
    FileSystem files;
    InstanceLock lock;
    Platform platform;
};

}  // namespace vnl::win32
