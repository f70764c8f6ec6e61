#include "platform/Application.h"

#include "platform/Mbcs.h"

#include <stdexcept>

namespace vnl {

const std::exception& UnknownException() {
    static const std::runtime_error unknown("予期しない例外が発生しました");
    return unknown;
}

void ShowMessage(IApplication& app, const std::string& text) { app.MessageBox(text, app.Title(), mb::Ok); }

std::string DefaultApplicationTitle(const std::string& moduleFileName) {
    std::string name = moduleFileName.substr(mbcs::LastBackslashPos(moduleFileName));
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    if (name.empty()) return name;
    const std::size_t first = mbcs::IsLeadByte(static_cast<unsigned char>(name[0])) && name.size() > 1 ? 2 : 1;
    return name.substr(0, first) + mbcs::LowerAscii(name.substr(first));
}

}  // namespace vnl
