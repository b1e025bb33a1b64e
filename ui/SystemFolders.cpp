#include "ui/SystemFolders.h"

#include "ui/core/CommandLine.h"
#include "ui/win/Handles.h"

#include <shlobj.h>

namespace systemfolders {

namespace {

// Windows 7 with KB2533623 and later; the headers of an XP build lack them.
constexpr DWORD SearchDllLoadDir = 0x00000100;  // LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR
constexpr DWORD SearchSystem32 = 0x00000800;    // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

SetDefaultDllDirectoriesFunction SetDefaultDllDirectories()
{
    // Present exactly where LoadLibraryEx takes the search flags above.
    static const auto function = reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    return function;
}

std::wstring FromBuffer(const wchar_t* buffer, UINT length)
{
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

std::wstring ShellFolder(int folder)
{
    wchar_t path[MAX_PATH] = L"";
    return SUCCEEDED(::SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

// The default value of an App Paths key, as written.
std::wstring AppPathsEntry(std::wstring_view fileName)
{
    const std::wstring key =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + std::wstring(fileName);
    win::unique_hkey opened;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, opened.put()) != ERROR_SUCCESS)
        return {};
    wchar_t value[MAX_PATH + 2] = L"";
    DWORD type = 0;
    DWORD size = sizeof value - sizeof(wchar_t);
    if (::RegQueryValueExW(opened.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return value;
}

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The path registered for a program; "" when there is none, or it uses a
// variable other than the system's own folders, or names no file.
std::wstring RegisteredProgram(std::wstring_view fileName)
{
    std::wstring entry = AppPathsEntry(fileName);
    if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"')
        entry = entry.substr(1, entry.size() - 2);
    const commandline::Variables systemFolders = {
        {L"SystemRoot", Windows()},
        {L"windir", Windows()},
        {L"ProgramFiles", ShellFolder(CSIDL_PROGRAM_FILES)},
        {L"CommonProgramFiles", ShellFolder(CSIDL_PROGRAM_FILES_COMMON)},
        {L"ProgramFiles(x86)", ShellFolder(CSIDL_PROGRAM_FILESX86)},
        {L"CommonProgramFiles(x86)", ShellFolder(CSIDL_PROGRAM_FILES_COMMONX86)},
    };
    const auto path = commandline::ExpandKnown(entry, systemFolders);
    return path && commandline::IsFullPath(*path) && IsFile(*path) ? *path : L"";
}

} // namespace

std::wstring System()
{
    wchar_t path[MAX_PATH] = L"";
    return FromBuffer(path, ::GetSystemDirectoryW(path, MAX_PATH));
}

std::wstring Windows()
{
    wchar_t path[MAX_PATH] = L"";
    return FromBuffer(path, ::GetSystemWindowsDirectoryW(path, MAX_PATH));
}

std::wstring InSystem(std::wstring_view fileName)
{
    return System() + L'\\' + std::wstring(fileName);
}

std::wstring Tool(std::wstring_view fileName)
{
    const std::wstring inSystem = InSystem(fileName);
    if (IsFile(inSystem))
        return inSystem;
    const std::wstring registered = RegisteredProgram(fileName);
    return registered.empty() ? inSystem : registered;
}

void NarrowDllSearch()
{
    ::SetDllDirectoryW(L"");
    if (const auto setDefault = SetDefaultDllDirectories())
        setDefault(SearchSystem32);
}

HMODULE LoadDll(const std::wstring& path)
{
    // Without the search flags the older search, less the current folder.
    const DWORD flags = SetDefaultDllDirectories() ? SearchDllLoadDir | SearchSystem32 : LOAD_WITH_ALTERED_SEARCH_PATH;
    return ::LoadLibraryExW(path.c_str(), nullptr, flags);
}

} // namespace systemfolders
