#include "shell/Registry.h"

#include "ui/win/Handles.h"
#include "ui/win/Text.h"

#include <windows.h>

#include <cstring>

namespace Registry {

HKEY RootKey(RegRoot root)
{
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(value)));
}

namespace {

// Never creates the key; an empty handle means the key is not there.
win::unique_hkey OpenKey(RegRoot root, const std::string& keyPath)
{
    win::unique_hkey key;
    if (::RegOpenKeyA(RootKey(root), keyPath.c_str(), key.put()) != ERROR_SUCCESS)
        key.release(); // whatever a failed call left there is no key to close
    return key;
}

win::unique_hkey CreateKey(RegRoot root, const std::string& keyPath)
{
    win::unique_hkey key;
    if (::RegCreateKeyA(RootKey(root), keyPath.c_str(), key.put()) != ERROR_SUCCESS)
        key.release();
    return key;
}

} // namespace

void DeleteKey(RegRoot root, const std::wstring& keyPath)
{
    // A key that still has subkeys stays on NT; callers live with that.
    ::RegDeleteKeyA(RootKey(root), win::ToAnsi(keyPath).c_str());
}

void DeleteValue(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName)
{
    const win::unique_hkey key = OpenKey(root, win::ToAnsi(keyPath));
    if (key)
        ::RegDeleteValueA(key.get(), win::ToAnsi(valueName).c_str());
}

std::wstring GetString(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& defaultValue)
{
    std::wstring result = defaultValue;
    const win::unique_hkey key = OpenKey(root, win::ToAnsi(keyPath));
    if (!key)
        return result;

    const std::string name = win::ToAnsi(valueName);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return result;

    std::string buffer(size, ' ');
    if (size > 0) {
        DWORD bufferSize = size;
        ::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bufferSize);
    }
    // The stored data need not end in a NUL, and may hold one earlier.
    const std::size_t end = buffer.find('\0');
    if (end != std::string::npos)
        buffer.resize(end);
    return win::FromAnsi(buffer);
}

void SaveString(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& data)
{
    const win::unique_hkey key = CreateKey(root, win::ToAnsi(keyPath));
    if (!key)
        return;
    const std::string text = win::ToAnsi(data);
    // c_str() carries the terminating NUL, which is stored with the text.
    ::RegSetValueExA(key.get(), win::ToAnsi(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
}

std::int32_t GetDword(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, std::int32_t defaultValue)
{
    const win::unique_hkey key = OpenKey(root, win::ToAnsi(keyPath));
    if (!key)
        return defaultValue;

    BYTE buffer[4] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    if (::RegQueryValueExA(key.get(), win::ToAnsi(valueName).c_str(), nullptr, &type, buffer, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return defaultValue;

    std::int32_t value = 0;
    std::memcpy(&value, buffer, sizeof value);
    return value;
}

void SaveDword(RegRoot root, const std::wstring& keyPath, const std::wstring& valueName, std::int32_t data)
{
    const win::unique_hkey key = CreateKey(root, win::ToAnsi(keyPath));
    if (!key)
        return;
    // Little-endian bytes, whatever the host; -1 is stored as FF FF FF FF.
    const auto bits = static_cast<std::uint32_t>(data);
    const BYTE bytes[4] = {static_cast<BYTE>(bits), static_cast<BYTE>(bits >> 8), static_cast<BYTE>(bits >> 16),
                           static_cast<BYTE>(bits >> 24)};
    ::RegSetValueExA(key.get(), win::ToAnsi(valueName).c_str(), 0, REG_DWORD, bytes, sizeof bytes);
}

} // namespace Registry
