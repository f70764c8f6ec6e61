#include "platform/Registry.h"

#include "platform/Exceptions.h"

namespace vnl {

std::string DwordBytes(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

TRegistry::TRegistry(IRegistryStore& store, RootKey root) : m_store(store), m_root(root) {}

TRegistry::~TRegistry() { CloseKey(); }

TRegistry::TRegistry(TRegistry&& other) noexcept : m_store(other.m_store), m_root(other.m_root), m_key(other.m_key) {
    other.m_key = 0;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    const std::string relative = (!path.empty() && path[0] == '\\') ? path.substr(1) : path;
    IRegistryStore::KeyHandle key = 0;
    const bool ok = canCreate ? m_store.CreateKey(m_root, relative, key) : m_store.OpenKey(m_root, relative, key);
    if (ok) m_key = key;
    return ok;
}

void TRegistry::CloseKey() {
    if (m_key != 0) m_store.CloseKey(m_key);
    m_key = 0;
}

bool TRegistry::ValueExists(const std::string& name) { return m_key != 0 && m_store.QueryValue(m_key, name, nullptr); }

std::optional<std::int32_t> TRegistry::ReadInteger(const std::string& name) {
    RegValue v;
    if (m_key == 0 || !m_store.QueryValue(m_key, name, &v)) return std::nullopt;
    if (v.type != reg::Dword || v.data.size() < 4) return std::nullopt;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(v.data[static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(u);
}

std::optional<bool> TRegistry::ReadBool(const std::string& name) {
    const auto v = ReadInteger(name);
    if (!v) return std::nullopt;
    return *v != 0;
}

std::optional<std::string> TRegistry::ReadString(const std::string& name) {
    RegValue v;
    if (m_key == 0 || !m_store.QueryValue(m_key, name, &v)) return std::nullopt;
    if (v.type != reg::Sz && v.type != reg::ExpandSz) return std::nullopt;
    const std::size_t nul = v.data.find('\0');
    return nul == std::string::npos ? v.data : v.data.substr(0, nul);
}

void TRegistry::Write(const std::string& name, const RegValue& value) {
    if (m_key == 0 || !m_store.SetValue(m_key, name, value))
        throw ERegistryError("'" + name + "' の設定に失敗しました");
}

void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
    Write(name, RegValue{reg::Dword, DwordBytes(static_cast<std::uint32_t>(value))});
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    Write(name, RegValue{reg::Sz, value + std::string(1, '\0')});
}

}  // namespace vnl
