#include "pages/system/DiskFiles.h"

#include "pages/system/core/FileNames.h"
#include "pages/system/core/FolderToEmptyRule.h"
#include "ui/Effects.h"
#include "ui/win/Handles.h"

#include <windows.h>

#include <shlobj.h>
#include <winternl.h>

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

// A path that a registry value of the 64-bit view names; "" when there is none.
std::wstring RegistryPath(const wchar_t* keyName, const wchar_t* valueName)
{
    win::unique_hkey key;
    const LONG opened = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyName, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.put());
    if (opened != ERROR_SUCCESS) {
        key.release();
        return L"";
    }
    wchar_t path[MAX_PATH + 1] = L"";
    DWORD size = MAX_PATH * sizeof(wchar_t);
    DWORD type = 0;
    const LONG read = ::RegQueryValueExW(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    return read == ERROR_SUCCESS && type == REG_SZ ? path : L"";
}

// A known folder's path, flags as SHGetKnownFolderPath takes them; "" before
// Windows Vista, which brought known folders.
std::wstring KnownFolderPath(const GUID& folder, DWORD flags)
{
    using GetKnownFolderPath = HRESULT(WINAPI*)(const GUID&, DWORD, HANDLE, PWSTR*);
    static const auto getKnownFolderPath = reinterpret_cast<GetKnownFolderPath>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"shell32.dll"), "SHGetKnownFolderPath")));
    PWSTR path = nullptr;
    if (!getKnownFolderPath || FAILED(getKnownFolderPath(folder, flags, nullptr, &path)))
        return L"";
    std::wstring result = path;
    ::CoTaskMemFree(path);
    return result;
}

// The folders of the system and the user that the quick clean-up must leave alone.
foldertoempty::Guarded GuardedFolders()
{
    foldertoempty::Guarded guarded;
    std::vector<std::wstring>& above = guarded.withFoldersAbove;
    wchar_t path[MAX_PATH] = L"";
    const auto take = [&path](UINT length) { return length > 0 && length < MAX_PATH ? std::wstring(path) : L""; };
    guarded.windows = take(::GetWindowsDirectoryW(path, MAX_PATH));
    above.push_back(take(::GetSystemDirectoryW(path, MAX_PATH)));
    above.push_back(take(::GetSystemWow64DirectoryW(path, MAX_PATH)));
    const auto shellFolder = [&path](int folder, DWORD type) {
        return SUCCEEDED(::SHGetFolderPathW(nullptr, folder, nullptr, type, path)) ? std::wstring(path) : L"";
    };
    // A 32-bit program sees the x86 folders under both numbers; the 64-bit ones
    // it finds in the registry's 64-bit view.
    std::vector<std::wstring> programFiles;
    for (const int folder :
         {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROGRAM_FILES_COMMONX86})
        programFiles.push_back(shellFolder(folder, SHGFP_TYPE_CURRENT));
    for (const wchar_t* value : {L"ProgramFilesDir", L"CommonFilesDir"})
        programFiles.push_back(RegistryPath(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", value));
    guarded.withFoldersInside = programFiles;
    above.insert(above.end(), programFiles.begin(), programFiles.end());
    above.push_back(shellFolder(CSIDL_PROFILE, SHGFP_TYPE_CURRENT));
    // Where the user's folders are and where the system keeps them by default:
    // a Desktop pointed elsewhere leaves the old one a Desktop all the same.
    for (const int folder :
         {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_MYPICTURES, CSIDL_MYMUSIC, CSIDL_MYVIDEO, CSIDL_FAVORITES,
          CSIDL_STARTMENU, CSIDL_PROGRAMS, CSIDL_STARTUP, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA,
          CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_DOCUMENTS, CSIDL_COMMON_STARTMENU, CSIDL_COMMON_PROGRAMS,
          CSIDL_COMMON_STARTUP, CSIDL_COMMON_APPDATA}) {
        above.push_back(shellFolder(folder, SHGFP_TYPE_CURRENT));
        above.push_back(shellFolder(folder, SHGFP_TYPE_DEFAULT));
    }
    constexpr GUID Downloads{0x374de290, 0x123f, 0x4565, {0x91, 0x64, 0x39, 0xc4, 0x92, 0x5e, 0x46, 0x7b}};
    constexpr DWORD DefaultPath = 0x400;  // KF_FLAG_DEFAULT_PATH
    above.push_back(KnownFolderPath(Downloads, 0));
    above.push_back(KnownFolderPath(Downloads, DefaultPath));
    // The roots of the fixed drives: that of a subst drive is a folder with a
    // path of its own. Not those of removable, optical or network drives:
    // opening one may wait for a disk or for the network.
    const DWORD drives = ::GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        if ((drives & (1u << (letter - L'A'))) && ::GetDriveTypeW(root) == DRIVE_FIXED)
            above.push_back(root);
    }
    guarded.programFolder = effects::Current().ProgramFolder();
    return guarded;
}

// A folder opened to learn what it is, whichever name leads to it: a link,
// another drive letter, a short name or the "\\.\" form leads to the same
// volume and file index. The index is read at once; the volume, which takes
// far longer (Wine asks a service for it), only once two indices match.
class OpenedFolder {
public:
    explicit OpenedFolder(const std::wstring& path)
        // No access asked for: attributes and identity can be read all the same.
        : handle_(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr))
    {
        using QueryInformationFile = LONG(WINAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, FILE_INFORMATION_CLASS);
        static const auto query = reinterpret_cast<QueryInformationFile>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
        IO_STATUS_BLOCK status{};
        FILE_INTERNAL_INFORMATION internal{};
        if (handle_ && query &&
            query(handle_.get(), &status, &internal, sizeof internal, FileInternalInformation) == 0)
            index_ = internal.IndexNumber.QuadPart;
    }

    // False also when the folder cannot be opened: then what it is stays unknown.
    bool IsOpen() const { return index_.has_value(); }

    bool IsSameAs(OpenedFolder& other)
    {
        return index_ && index_ == other.index_ && Volume() && Volume() == other.Volume();
    }

    // The path the folder's handle leads to with every link resolved, as
    // "\\?\C:\..."; "" before Windows Vista, which brought the function.
    std::wstring RealPath() const
    {
        using GetFinalPath = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
        static const auto getFinalPath = reinterpret_cast<GetFinalPath>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
        wchar_t path[MAX_PATH] = L"";
        const DWORD length = getFinalPath && handle_ ? getFinalPath(handle_.get(), path, MAX_PATH, 0) : 0;
        return length > 0 && length < MAX_PATH ? path : L"";
    }

private:
    std::optional<DWORD> Volume()
    {
        BY_HANDLE_FILE_INFORMATION info{};
        if (!volume_ && ::GetFileInformationByHandle(handle_.get(), &info))
            volume_ = info.dwVolumeSerialNumber;
        return volume_;
    }

    win::unique_hfile handle_;
    std::optional<ULONGLONG> index_;
    std::optional<DWORD> volume_;
};

// A guarded folder, or one above such, by its name and what it is.
struct RecognisedFolder {
    std::wstring name;
    OpenedFolder folder;
};

// Whether a junction or symbolic link lies on the path's way up, the folder itself included.
bool PassesLink(const std::wstring& path)
{
    const std::vector<std::wstring> steps = foldertoempty::FoldersOnTheWayUp(path);
    return std::any_of(steps.begin(), steps.end(), [](const std::wstring& step) {
        const DWORD attributes = ::GetFileAttributesW(step.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    });
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
    // An empty path would make "\" the folder: the root of the current drive.
    const DWORD attributes = folder.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FolderToEmptyCheck::Missing;
    const OpenedFolder opened(folder);
    if (!opened.IsOpen())
        return FolderToEmptyCheck::Guarded;
    foldertoempty::Guarded guarded = GuardedFolders();
    // The root of the folder's own volume or share, which the fixed drives' leave out.
    wchar_t root[MAX_PATH] = L"";
    if (::GetVolumePathNameW(folder.c_str(), root, MAX_PATH))
        guarded.withFoldersAbove.push_back(root);

    foldertoempty::FolderNames names;
    names.given = LongPath(folder);
    names.real = opened.RealPath();
    names.givenPassesLink = names.real.empty() && PassesLink(names.given);
    std::vector<RecognisedFolder> recognised;
    for (const std::wstring& name : foldertoempty::FoldersToRecognise(guarded))
        recognised.push_back({name, OpenedFolder(name)});
    // Each folder on the way up from either name that is a recognised folder
    // under another name (a link, another drive letter) names the path anew.
    std::vector<std::wstring> spellings{names.given};
    if (!names.real.empty() && foldertoempty::Normalised(names.real) != foldertoempty::Normalised(names.given))
        spellings.push_back(names.real);
    for (const std::wstring& spelling : spellings) {
        for (const std::wstring& step : foldertoempty::FoldersOnTheWayUp(spelling)) {
            OpenedFolder stepFolder(step);
            // Under its own name a recognised folder tells nothing new, and its volume takes long to read.
            for (RecognisedFolder& known : recognised)
                if (known.name != step && stepFolder.IsSameAs(known.folder))
                    names.others.push_back(foldertoempty::Renamed(spelling, step, known.name));
        }
    }
    return foldertoempty::MayEmpty(names, guarded) ? FolderToEmptyCheck::Usable : FolderToEmptyCheck::Guarded;
}

} // namespace diskfiles
