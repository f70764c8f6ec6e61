// Where the nine settings live: three keys under HKEY_CURRENT_USER and the
// names of their values. The layout is a storage format that other
// versions of the program read too; it does not change.
#pragma once

namespace vnl::settings {

inline constexpr const char* kExplorerKey = "\\Software\\hkr\\VNL\\Explorer";
inline constexpr const char* kChangerKey = "\\Software\\hkr\\VNL\\Changer";
inline constexpr const char* kEtcKey = "\\Software\\hkr\\VNL\\ETC";

// In kExplorerKey.
inline constexpr const char* kTree = "Tree";  // REG_DWORD, boolean
// In kChangerKey.
inline constexpr const char* kEnabled = "Enabled";  // REG_DWORD, boolean
inline constexpr const char* kPath = "Path";        // REG_SZ, the wallpaper folder
inline constexpr const char* kBattery = "Battery";  // REG_DWORD, boolean
inline constexpr const char* kTime = "Time";        // REG_DWORD, minutes 1..60
inline constexpr const char* kView = "View";        // REG_DWORD, 0 centred, else tiled
inline constexpr const char* kTurn = "Turn";        // REG_DWORD, 0 by name, else random
// In kEtcKey.
inline constexpr const char* kSSBattery = "SSBattery";  // REG_DWORD, boolean
inline constexpr const char* kABChk = "ABChk";          // REG_DWORD, boolean

// One minute of the changer's interval, in timer milliseconds.
inline constexpr unsigned kMinute = 60000;

}  // namespace vnl::settings
