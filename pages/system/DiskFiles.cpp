#include "pages/system/DiskFiles.h"

#include "pages/system/core/FileNames.h"
#include "pages/system/core/TemporaryFolderRule.h"
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

// The folders of the system and the user that the temporary-files action must leave alone.
tempfolder::Guarded GuardedFolders()
{
    tempfolder::Guarded guarded;
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
    guarded.programFolder = LongPath(effects::Current().ProgramFolder());
    return guarded;
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

TemporaryFolderCheck CheckTemporaryFolder(const std::wstring& folder)
{
    const DWORD attributes = folder.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return TemporaryFolderCheck::Missing;
    return tempfolder::MayEmpty(LongPath(folder), GuardedFolders()) ? TemporaryFolderCheck::Usable
                                                                    : TemporaryFolderCheck::NotTemporary;
}

} // namespace diskfiles
