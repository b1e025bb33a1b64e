#include "pages/system/core/FolderToEmptyRule.h"

#include <algorithm>

namespace foldertoempty {

namespace {

constexpr std::wstring_view Device = L"\\\\?\\";
constexpr std::wstring_view Win32Device = L"\\\\.\\";

wchar_t Upper(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool IsLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The names of a path's steps, with "." and ".." resolved and the trailing dots and blanks dropped.
std::vector<std::wstring> Names(std::wstring_view steps)
{
    std::vector<std::wstring> names;
    while (!steps.empty()) {
        const std::size_t end = steps.find(L'\\');
        std::wstring name(steps.substr(0, end));
        steps = end == std::wstring_view::npos ? std::wstring_view() : steps.substr(end + 1);
        if (name == L"..") {
            if (!names.empty())
                names.pop_back();
            continue;
        }
        while (!name.empty() && (name.back() == L'.' || name.back() == L' '))
            name.pop_back();
        if (!name.empty())
            names.push_back(std::move(name));
    }
    return names;
}

// Splits off the root ("C:\" or "\\SERVER\SHARE\"); false when the path has none.
bool SplitRoot(std::wstring_view path, std::wstring& root, std::wstring_view& rest)
{
    constexpr std::wstring_view DeviceUnc = L"\\\\?\\UNC\\";
    bool share = false;
    if (path.substr(0, DeviceUnc.size()) == DeviceUnc) {
        path.remove_prefix(DeviceUnc.size());
        share = true;
    } else if (path.substr(0, Device.size()) == Device) {
        path.remove_prefix(Device.size());
    } else if (path.substr(0, 2) == L"\\\\") {
        path.remove_prefix(2);
        share = true;
    }
    if (!share) {
        if (path.size() < 2 || !IsLetter(path[0]) || path[1] != L':' || (path.size() > 2 && path[2] != L'\\'))
            return false;
        root = {Upper(path[0]), L':', L'\\'};
        rest = path.substr(2);
        return true;
    }
    // Server and share name make the root of a network path.
    const std::size_t serverEnd = path.find(L'\\');
    if (serverEnd == 0 || serverEnd == std::wstring_view::npos || serverEnd + 1 >= path.size())
        return false;
    const std::size_t shareEnd = path.find(L'\\', serverEnd + 1);
    const std::wstring_view name = path.substr(0, shareEnd);
    if (name.back() == L'\\')
        return false;
    root = L"\\\\" + std::wstring(name) + L"\\";
    rest = shareEnd == std::wstring_view::npos ? std::wstring_view() : path.substr(shareEnd);
    return true;
}

// Whether `inner` lies below `outer`; both normalised, so that a root alone ends in a backslash.
bool IsInside(std::wstring_view inner, std::wstring_view outer)
{
    if (outer.empty() || inner.size() <= outer.size() || inner.substr(0, outer.size()) != outer)
        return false;
    return outer.back() == L'\\' || inner[outer.size()] == L'\\';
}

// The folder guarded with everything inside it for the program: the install
// root, or the program folder alone where the install root is a drive or
// share root, whose other folders are the user's own.
std::wstring InstalledFolder(const Guarded& guarded)
{
    if (guarded.programFolder.empty())
        return L"";
    const std::wstring root = Normalised(guarded.programFolder + L"\\..");
    return root.empty() || root.back() != L'\\' ? root : Normalised(guarded.programFolder);
}

// The Windows folder is guarded both ways, but for its Temp folder (see MayEmpty).
std::vector<std::wstring> WithFoldersAbove(const Guarded& guarded)
{
    std::vector<std::wstring> folders = guarded.withFoldersAbove;
    folders.push_back(guarded.windows);
    return folders;
}

std::vector<std::wstring> WithFoldersInside(const Guarded& guarded)
{
    std::vector<std::wstring> folders = guarded.withFoldersInside;
    folders.push_back(InstalledFolder(guarded));
    return folders;
}

} // namespace

std::wstring Normalised(std::wstring_view path)
{
    std::wstring slashed(path);
    for (wchar_t& c : slashed)
        c = c == L'/' ? L'\\' : Upper(c);
    const std::wstring_view view = slashed;
    // The system resolves the ".." of a "\\.\" path before it reads the drive
    // or "UNC" that follows: "\\.\C:\..\D:\Temp" is D:\Temp.
    if (view.substr(0, Win32Device.size()) == Win32Device) {
        std::wstring device(Device);
        for (const std::wstring& name : Names(view.substr(Win32Device.size())))
            device += name + L'\\';
        return Normalised(device);
    }
    std::wstring root;
    std::wstring_view rest;
    if (!SplitRoot(view, root, rest))
        return L"";
    const std::vector<std::wstring> names = Names(rest);
    std::wstring result = root;
    for (const std::wstring& name : names)
        result += name + L'\\';
    if (!names.empty())
        result.pop_back();
    return result;
}

std::vector<std::wstring> FoldersOnTheWayUp(std::wstring_view path)
{
    std::vector<std::wstring> folders;
    std::wstring folder = Normalised(path);
    if (folder.empty())
        return folders;
    folders.push_back(folder);
    // Up to the root, which alone ends in a backslash.
    while (folder.back() != L'\\') {
        folder = Normalised(folder + L"\\..");
        folders.push_back(folder);
    }
    return folders;
}

std::vector<std::wstring> FoldersToRecognise(const Guarded& guarded)
{
    std::vector<std::wstring> folders;
    const auto add = [&folders](const std::wstring& folder) {
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    for (const std::wstring& path : WithFoldersAbove(guarded))
        for (const std::wstring& folder : FoldersOnTheWayUp(path))
            add(folder);
    for (const std::wstring& path : WithFoldersInside(guarded))
        add(Normalised(path));
    return folders;
}

std::wstring Renamed(std::wstring_view path, std::wstring_view above, std::wstring_view as)
{
    const std::wstring folder = Normalised(path);
    const std::wstring renamed = Normalised(above);
    if (renamed.empty() || (folder != renamed && !IsInside(folder, renamed)))
        return L"";
    // Normalised drops the empty name that a doubled backslash makes.
    return Normalised(std::wstring(as) + L"\\" + folder.substr(renamed.size()));
}

bool MayEmpty(std::wstring_view path, const Guarded& guarded)
{
    const std::wstring folder = Normalised(path);
    // No root, or the root itself.
    if (folder.empty() || folder.back() == L'\\')
        return false;
    for (const std::wstring& guard : WithFoldersAbove(guarded)) {
        const std::wstring above = Normalised(guard);
        if (folder == above || IsInside(above, folder))
            return false;
    }
    for (const std::wstring& guard : WithFoldersInside(guarded)) {
        const std::wstring inside = Normalised(guard);
        if (!inside.empty() && (folder == inside || IsInside(folder, inside)))
            return false;
    }
    // The Windows folder's own Temp folder, and the folders below that, are the
    // system's temporary folder; nothing else inside the Windows folder is.
    const std::wstring windows = Normalised(guarded.windows);
    if (windows.empty() || !IsInside(folder, windows))
        return true;
    const std::wstring temp = Normalised(guarded.windows + L"\\Temp");
    return folder == temp || IsInside(folder, temp);
}

bool MayEmpty(const FolderNames& names, const Guarded& guarded)
{
    if (names.real.empty() && names.givenPassesLink)
        return false;
    const auto allowed = [&guarded](const std::wstring& name) { return MayEmpty(name, guarded); };
    return allowed(names.given) && (names.real.empty() || allowed(names.real)) &&
           std::all_of(names.others.begin(), names.others.end(), allowed);
}

} // namespace foldertoempty
