// The form: a window that hands every message to its Dispatch, with the
// default handling of menu commands, the close request and the end of the
// session.
#pragma once

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Types.h"

namespace vnl {

class TForm;
class TPopupMenu;

class IWindowHost {
public:
    virtual ~IWindowHost() = default;
    // Makes the form's window, hidden; its messages go to form.Dispatch.
    virtual WindowHandle CreateFormWindow(TForm& form) = 0;
    virtual void DestroyFormWindow(WindowHandle window) = 0;
    // The system's default handling; sets m.Result.
    virtual void DefaultWindowProc(WindowHandle window, TMessage& m) = 0;
};

class TForm {
public:
    TForm(IApplication& app, IWindowHost& windows, std::string className, std::string caption);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    const std::string& ClassName() const { return m_className; }
    const std::string& Caption() const { return m_caption; }
    // The window is made at the first use.
    WindowHandle Handle();

    virtual void Dispatch(TMessage& m);

    // The close sequence: FormClose, then for the main form the end of the
    // message loop. A closed form does not close again.
    void Close();
    bool Closed() const { return m_closed; }
    void SetMainForm(bool isMain) { m_isMain = isMain; }

protected:
    // Menu commands, WM_CLOSE and WM_ENDSESSION; the rest to the system.
    void DefaultHandler(TMessage& m);
    virtual void FormClose() {}
    // Menus whose commands come to this form.
    void AddMenu(TPopupMenu& menu) { m_menus.push_back(&menu); }
    IApplication& App() { return m_app; }

private:
    IApplication& m_app;
    IWindowHost& m_windows;
    std::string m_className;
    std::string m_caption;
    WindowHandle m_handle = 0;
    bool m_closed = false;
    bool m_isMain = false;
    std::vector<TPopupMenu*> m_menus;
};

// How a window procedure hands a message to its form: an exception that
// escapes the handler is shown in the exception box and the program goes on.
void DispatchGuarded(TForm& form, TMessage& m, IApplication& app);

// A list box used as an ordered list of strings only.
class TListBox {
public:
    std::vector<std::string> Items;
};

}  // namespace vnl
