#pragma once
// Where the test DLLs record the calls of their exports, and how the tests
// find and read them.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace registration_record {

inline constexpr wchar_t Key[] = L"Software\\Brevantor Tests\\Registration";

// The folder of the test DLLs beside the test program, with a trailing backslash.
inline std::wstring DllFolder()
{
    wchar_t path[MAX_PATH];
    const std::wstring program(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return program.substr(0, program.rfind(L'\\')) + L"\\test-dlls\\";
}

inline std::optional<std::vector<BYTE>> Recorded(const wchar_t* name)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Key, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(1024, 0);
    DWORD size = static_cast<DWORD>(data.size() - sizeof(wchar_t));
    const LONG status = ::RegQueryValueExW(key, name, nullptr, nullptr, data.data(), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

// The last call: "<dll file name> register" or "... unregister"; "" when none ran.
inline std::wstring Call()
{
    const auto data = Recorded(L"Call");
    return data ? reinterpret_cast<const wchar_t*>(data->data()) : L"";
}

// The full path of the DLL that made the last call; "" when none ran.
inline std::wstring Path()
{
    const auto data = Recorded(L"Path");
    return data ? reinterpret_cast<const wchar_t*>(data->data()) : L"";
}

// The thread the last call ran on.
inline DWORD Thread()
{
    const auto data = Recorded(L"Thread");
    return data ? *reinterpret_cast<const DWORD*>(data->data()) : 0;
}

} // namespace registration_record
