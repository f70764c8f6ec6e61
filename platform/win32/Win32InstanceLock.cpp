#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

bool InstanceLock::Exists(const std::string& name) {
    // SYNCHRONIZE is granted to every user on every system of the NT family
    // and ignored by Windows 95 and 98, so an existing object is found.
    UniqueHandle existing(OpenMutexA(SYNCHRONIZE, FALSE, name.c_str()));
    return static_cast<bool>(existing);
}

IInstanceLock::CreateResult InstanceLock::Create(const std::string& name) {
    UniqueHandle mutex(CreateMutexA(nullptr, TRUE, name.c_str()));
    if (!mutex) return CreateResult::Failed;
    if (GetLastError() == ERROR_ALREADY_EXISTS) return CreateResult::AlreadyExists;
    m_mutex = std::move(mutex);
    return CreateResult::Owned;
}

void InstanceLock::Release() {
    if (m_mutex) ReleaseMutex(m_mutex.get());
}

}  // namespace vnl::win32
