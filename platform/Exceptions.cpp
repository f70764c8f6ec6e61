#include "platform/Exceptions.h"

#include "platform/Mbcs.h"

namespace vnl {

EClipboardError::EClipboardError() : EPlatformError("クリップボードを開くことができません") {}

std::string ExceptionBoxText(const std::string& message) {
    if (message.empty()) return message;
    // The first byte of the last character decides; every lead byte of a
    // double-byte character is above '.'.
    const unsigned char last = static_cast<unsigned char>(message[mbcs::LastCharOffset(message)]);
    return last > static_cast<unsigned char>('.') ? message + "." : message;
}

}  // namespace vnl
