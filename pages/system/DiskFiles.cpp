#include "pages/system/DiskFiles.h"

#include "pages/system/core/FileNames.h"
#include "pages/system/core/FolderToEmptyRule.h"
#include "ui/Effects.h"
#include "ui/win/Handles.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <functional>

namespace diskfiles {

namespace {

using Entry = WIN32_FIND_DATAW;

// Calls `visit` for each entry of the folder that the search pattern finds, "." and ".." left out.
// False when the search failed; a folder with no such entry is no failure.
bool ForEachEntry(const std::wstring& folder, std::wstring_view pattern, const std::function<void(const Entry&)>& visit)
{
    Entry entry{};
    const std::wstring search = folder + std::wstring(pattern);
    win::unique_hfind find(::FindFirstFileW(search.c_str(), &entry));
    if (!find) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    }
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..")
            visit(entry);
    } while (::FindNextFileW(find.get(), &entry));
    return ::GetLastError() == ERROR_NO_MORE_FILES;
}

bool IsFolder(const Entry& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsPlainFileMatching(const Entry& entry, std::wstring_view pattern)
{
    constexpr DWORD NotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    // The system's search also matches the short 8.3 name: "*.tmp" finds
    // "a.tmpl" through "A~1.TMP". Only the long name counts.
    return (entry.dwFileAttributes & NotPlain) == 0 && filenames::MatchesPattern(entry.cFileName, pattern);
}

// The path with its long names ("C:\PROGRA~1" is "C:\Program Files"); as it is when it cannot be resolved.
std::wstring LongPath(const std::wstring& path)
{
    const DWORD size = ::GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return path;
    std::wstring longPath(size, L'\0');
    const DWORD length = ::GetLongPathNameW(path.c_str(), longPath.data(), size);
    if (length == 0 || length >= size)
        return path;
    longPath.resize(length);
    return longPath;
}

// The folders of the system and the user that the quick clean-up must leave alone.
foldertoempty::Guarded GuardedFolders()
{
    foldertoempty::Guarded guarded;
    wchar_t path[MAX_PATH] = L"";
    const auto add = [&guarded, &path](UINT length) {
        if (length > 0 && length < MAX_PATH)
            guarded.withAncestors.push_back(LongPath(path));
    };
    add(::GetWindowsDirectoryW(path, MAX_PATH));
    add(::GetSystemDirectoryW(path, MAX_PATH));
    add(::GetSystemWow64DirectoryW(path, MAX_PATH));
    for (const int folder : {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86, CSIDL_PROFILE}) {
        if (SUCCEEDED(::SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)))
            add(static_cast<UINT>(::lstrlenW(path)));
    }
    // The roots of the fixed drives: that of a subst drive is a folder with a
    // path of its own. Not those of removable, optical or network drives:
    // opening one may wait for a disk or for the network.
    const DWORD drives = ::GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        if ((drives & (1u << (letter - L'A'))) && ::GetDriveTypeW(root) == DRIVE_FIXED)
            guarded.withAncestors.push_back(root);
    }
    guarded.programFolder = LongPath(effects::Current().ProgramFolder());
    return guarded;
}

// What a folder is, whichever name leads to it: a link, another drive letter,
// a short name or the "\\.\" form leads to the same volume and file index.
struct Identity {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
    bool operator==(const Identity&) const = default;
};

// The folder that a path leads to, links followed.
win::unique_hfile OpenFolder(const std::wstring& path)
{
    // No access asked for: attributes and identity can be read all the same.
    return win::unique_hfile(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<Identity> IdentityOf(const win::unique_hfile& folder)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!folder || !::GetFileInformationByHandle(folder.get(), &info))
        return std::nullopt;
    return Identity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// The path the folder's handle leads to with every link resolved, as
// "\\?\C:\..."; "" before Windows Vista, which brought the function.
std::wstring FinalPath(const win::unique_hfile& folder)
{
    using GetFinalPath = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    static const auto getFinalPath = reinterpret_cast<GetFinalPath>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = getFinalPath ? getFinalPath(folder.get(), path, MAX_PATH, 0) : 0;
    return length > 0 && length < MAX_PATH ? path : L"";
}

// Whether the folder is a guarded folder or a root, compared by what it is: a
// link, another drive letter or a short name passes the names' rule. Also when
// it cannot be opened, for then what it is stays unknown.
bool LeadsToGuardedFolder(const std::wstring& folder, foldertoempty::Guarded guarded)
{
    const win::unique_hfile opened = OpenFolder(folder);
    const std::optional<Identity> identity = IdentityOf(opened);
    if (!identity)
        return true;
    // The real path catches a link to a root that is not opened below, such as a removable drive's.
    const std::wstring finalPath = FinalPath(opened);
    if (!finalPath.empty() && !foldertoempty::MayEmpty(finalPath, guarded))
        return true;
    // The root of the folder's own volume or share.
    wchar_t root[MAX_PATH] = L"";
    if (::GetVolumePathNameW(folder.c_str(), root, MAX_PATH))
        guarded.withAncestors.push_back(root);
    for (const std::wstring& path : foldertoempty::FoldersNotToEmpty(guarded))
        if (IdentityOf(OpenFolder(path)) == identity)
            return true;
    return false;
}

} // namespace

std::optional<std::vector<std::wstring>> FileNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    const bool listed = ForEachEntry(folder, L"*", [&names](const Entry& entry) {
        if (!IsFolder(entry))
            names.emplace_back(entry.cFileName);
    });
    if (!listed)
        return std::nullopt;
    return names;
}

Search FindPlainFile(const std::wstring& folder, std::wstring_view pattern)
{
    bool found = false;
    const bool searched = ForEachEntry(folder, pattern, [&](const Entry& entry) {
        found = found || IsPlainFileMatching(entry, pattern);
    });
    if (!searched)
        return Search::Failed;
    return found ? Search::Found : Search::NoneFound;
}

bool DeletePlainFiles(const std::wstring& folder, std::wstring_view pattern)
{
    // Listed first: deleting while the search runs may make it skip entries.
    std::vector<std::wstring> names;
    const bool searched = ForEachEntry(folder, pattern, [&](const Entry& entry) {
        if (IsPlainFileMatching(entry, pattern))
            names.emplace_back(entry.cFileName);
    });
    bool allDeleted = searched;
    for (const std::wstring& name : names)
        allDeleted = ::DeleteFileW((folder + name).c_str()) && allDeleted;
    return allDeleted;
}

std::optional<std::vector<std::wstring>> SubfolderNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    const bool listed = ForEachEntry(folder, L"*", [&names](const Entry& entry) {
        if (IsFolder(entry) && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            names.emplace_back(entry.cFileName);
    });
    if (!listed)
        return std::nullopt;
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    return names;
}

std::wstring TemporaryFolder()
{
    wchar_t path[MAX_PATH + 1] = L"";
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, path);
    return length > 0 && length <= MAX_PATH ? path : L"";
}

FolderToEmptyCheck CheckFolderToEmpty(const std::wstring& folder)
{
    const DWORD attributes = folder.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FolderToEmptyCheck::Missing;
    const foldertoempty::Guarded guarded = GuardedFolders();
    if (!foldertoempty::MayEmpty(LongPath(folder), guarded) || LeadsToGuardedFolder(folder, guarded))
        return FolderToEmptyCheck::Guarded;
    return FolderToEmptyCheck::Usable;
}

} // namespace diskfiles
