// The registry: a store of keys and typed values behind TRegistry, the
// accessor the settings and the wallpaper changer use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vnl {

enum class RootKey : std::uint32_t { CurrentUser = 0x80000001u };

namespace reg {
constexpr std::uint32_t Sz = 1;        // REG_SZ
constexpr std::uint32_t ExpandSz = 2;  // REG_EXPAND_SZ
constexpr std::uint32_t Binary = 3;    // REG_BINARY
constexpr std::uint32_t Dword = 4;     // REG_DWORD
}  // namespace reg

struct RegValue {
    std::uint32_t type = 0;
    std::string data;  // the raw bytes as stored
};

// The raw calls: open or create a key, query and set a value, close.
class IRegistryStore {
public:
    using KeyHandle = std::uintptr_t;
    virtual ~IRegistryStore() = default;
    // path: from the root, without a leading backslash.
    virtual bool CreateKey(RootKey root, const std::string& path, KeyHandle& key) = 0;
    virtual bool OpenKey(RootKey root, const std::string& path, KeyHandle& key) = 0;
    // value may be null when only the existence is asked.
    virtual bool QueryValue(KeyHandle key, const std::string& name, RegValue* value) = 0;
    virtual bool SetValue(KeyHandle key, const std::string& name, const RegValue& value) = 0;
    virtual void CloseKey(KeyHandle key) = 0;
};

// One open key at a time, closed when another is opened, by CloseKey and at
// the end of the accessor's life. Move-only.
class TRegistry {
public:
    explicit TRegistry(IRegistryStore& store, RootKey root = RootKey::CurrentUser);
    ~TRegistry();
    TRegistry(TRegistry&& other) noexcept;
    TRegistry& operator=(TRegistry&&) = delete;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // path as the program writes it, with a leading "\" for "from the root".
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();
    bool HasKey() const { return m_key != 0; }

    bool ValueExists(const std::string& name);
    // Typed reads: nothing when the value is absent or stored with another
    // type than the read expects.
    std::optional<bool> ReadBool(const std::string& name);
    std::optional<std::int32_t> ReadInteger(const std::string& name);
    std::optional<std::string> ReadString(const std::string& name);

    // Writes raise ERegistryError ("'name' の設定に失敗しました") on failure.
    void WriteBool(const std::string& name, bool value);
    void WriteInteger(const std::string& name, std::int32_t value);
    void WriteString(const std::string& name, const std::string& value);

private:
    void Write(const std::string& name, const RegValue& value);

    IRegistryStore& m_store;
    RootKey m_root;
    IRegistryStore::KeyHandle m_key = 0;
};

// REG_DWORD data for a 32-bit integer, little-endian.
std::string DwordBytes(std::uint32_t value);

}  // namespace vnl
