// The exception classes the platform layer raises. Every one carries the
// text the user is shown, already in Shift-JIS.
#pragma once

#include <stdexcept>
#include <string>

namespace vnl {

class EPlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EClipboardError : public EPlatformError {
public:
    EClipboardError();
};

class ERegistryError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// Text for the application's exception box: the message, with "." added
// when its last character sorts after ".".
std::string ExceptionBoxText(const std::string& message);

}  // namespace vnl
