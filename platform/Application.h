// The application object: the hidden application window, its title, the
// message loop and the three kinds of message box.
#pragma once

#include <exception>
#include <string>

#include "platform/Types.h"

namespace vnl {

class TForm;

namespace mb {
constexpr unsigned Ok = 0x00;
constexpr unsigned IconError = 0x10;
constexpr unsigned IconExclamation = 0x30;
constexpr int IdOk = 1;
}  // namespace mb

class IApplication {
public:
    virtual ~IApplication() = default;

    // The start-up step before the first form is made.
    virtual void Initialize() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Until a title is set: the program file's name as the default title.
    virtual std::string Title() const = 0;
    virtual WindowHandle Handle() = 0;
    virtual void HideWindow() = 0;
    virtual IconHandle Icon() = 0;

    // Runs the message loop until Terminate.
    virtual void Run() = 0;
    virtual void Terminate() = 0;

    // Modal box owned by the application window.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;

    // The exception box: the message (see ExceptionBoxText), the error
    // icon and the application title.
    virtual void ShowException(const std::exception& e) = 0;
};

// The plain message dialog: the text, one OK button, no icon, the
// application title as caption.
void ShowMessage(IApplication& app, const std::string& text);

// The default title: the program file's name without folder and extension,
// every letter after the first in lower case ("C:\x\VNL.exe" -> "Vnl").
std::string DefaultApplicationTitle(const std::string& moduleFileName);

// What the exception box says about an exception of no known class.
const std::exception& UnknownException();

// Runs f and shows any exception that escapes it in the exception box, so
// that one failing handler never ends the program.
template <class F>
void RunGuarded(IApplication& app, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        app.ShowException(e);
    } catch (...) {
        app.ShowException(UnknownException());
    }
}

}  // namespace vnl
