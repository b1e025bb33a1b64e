#pragma once
// Settings and tweaks live in the registry; every access goes through here so
// that no key stays open and a failing call simply leaves the default in place.
#include <cstdint>
#include <string>

// The predefined keys by their 32-bit handle values.
enum class RegRoot : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

struct HKEY__; // the STRICT handle type, so that this header needs no <windows.h>

namespace Registry {

// The predefined HKEY: the 32-bit value sign-extended to pointer width.
HKEY__* RootKey(RegRoot root);

void DeleteKey(RegRoot root, const std::wstring& keyPath);
void DeleteValue(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName);
std::wstring GetString(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& defaultValue);
void SaveString(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& data);
std::int32_t GetDword(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, std::int32_t defaultValue);
void SaveDword(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, std::int32_t data);

} // namespace Registry

// The program's own settings key, directly below HKEY_CURRENT_USER.
inline constexpr wchar_t SettingsKey[] = L"Qor-Software\\Brevantor";

// Yes/no flags are stored as these strings and compared case-sensitively.
inline constexpr wchar_t FlagYes[] = L"yes";
inline constexpr wchar_t FlagNo[] = L"no";
