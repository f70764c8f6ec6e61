#include "platform/win32/Win32Platform.h"

namespace vnl::win32 {

namespace {

HKEY RootOf(RootKey root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<std::uint32_t>(root))); }
HKEY ToKey(IRegistryStore::KeyHandle k) { return reinterpret_cast<HKEY>(k); }

}  // namespace

bool RegistryStore::CreateKey(RootKey root, const std::string& path, KeyHandle& key) {
    HKEY h = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(RootOf(root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, &disposition) !=
        ERROR_SUCCESS)
        return false;
    key = reinterpret_cast<KeyHandle>(h);
    return true;
}

bool RegistryStore::OpenKey(RootKey root, const std::string& path, KeyHandle& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(RootOf(root), path.c_str(), 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return false;
    key = reinterpret_cast<KeyHandle>(h);
    return true;
}

bool RegistryStore::QueryValue(KeyHandle key, const std::string& name, RegValue* value) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(ToKey(key), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (!value) return true;
    std::string data(size, '\0');
    if (size > 0 && RegQueryValueExA(ToKey(key), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                                     &size) != ERROR_SUCCESS)
        return false;
    data.resize(size);
    value->type = type;
    value->data = std::move(data);
    return true;
}

bool RegistryStore::SetValue(KeyHandle key, const std::string& name, const RegValue& value) {
    return RegSetValueExA(ToKey(key), name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

void RegistryStore::CloseKey(KeyHandle key) { RegCloseKey(ToKey(key)); }

}  // namespace vnl::win32
