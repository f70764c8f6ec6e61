#include "platform/Form.h"

#include "platform/Menu.h"

namespace vnl {

TForm::TForm(IApplication& app, IWindowHost& windows, std::string className, std::string caption)
    : m_app(app), m_windows(windows), m_className(std::move(className)), m_caption(std::move(caption)) {}

TForm::~TForm() {
    if (m_handle != 0) m_windows.DestroyFormWindow(m_handle);
}

WindowHandle TForm::Handle() {
    if (m_handle == 0) m_handle = m_windows.CreateFormWindow(*this);
    return m_handle;
}

void TForm::Dispatch(TMessage& m) { DefaultHandler(m); }

void TForm::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case msg::Command:
        // A menu choice: high word 0 and no control window.
        if ((m.WParam >> 16) == 0 && m.LParam == 0) {
            const auto command = static_cast<std::uint16_t>(m.WParam & 0xFFFF);
            for (TPopupMenu* menu : m_menus)
                if (menu->DispatchCommand(command)) return;
        }
        break;
    case msg::Close:
        Close();
        return;
    case msg::EndSession:
        // Windows may end the process as soon as this returns, before a
        // close request that is still queued would be taken.
        if (m.WParam != 0 && m_isMain) Close();
        return;
    default:
        break;
    }
    m_windows.DefaultWindowProc(Handle(), m);
}

void TForm::Close() {
    if (m_closed) return;
    m_closed = true;
    FormClose();
    if (m_isMain) m_app.Terminate();
}

void DispatchGuarded(TForm& form, TMessage& m, IApplication& app) {
    RunGuarded(app, [&] { form.Dispatch(m); });
}

}  // namespace vnl
