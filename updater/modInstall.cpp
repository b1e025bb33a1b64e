#include "updater/modInstall.h"

#include "ui/win/Handles.h"
#include "updater/modTestAids.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace modInstall {

namespace {

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsLink(DWORD attributes)
{
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Removes a junction or symbolic link itself, never what it points at.
bool RemoveLink(const std::wstring& path, DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? ::RemoveDirectoryW(path.c_str()) != FALSE
                                                   : ::DeleteFileW(path.c_str()) != FALSE;
}

// Calls visit(name, attributes) for each entry of a folder; false when the folder cannot be read.
template <class Visit>
bool ForEachEntry(const std::wstring& folder, Visit visit)
{
    WIN32_FIND_DATAW found{};
    const win::unique_hfind search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search)
        return false;
    bool ok = true;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            ok = visit(name, found.dwFileAttributes) && ok;
    } while (::FindNextFileW(search.get(), &found));
    return ok;
}

bool DeleteContent(const std::wstring& folder)
{
    return ForEachEntry(folder, [&folder](const std::wstring& name, DWORD attributes) {
        const std::wstring path = folder + L"\\" + name;
        if (attributes & FILE_ATTRIBUTE_READONLY)
            ::SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (IsLink(attributes))
            return RemoveLink(path, attributes);
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return DeleteFolder(path);
        return ::DeleteFileW(path.c_str()) != FALSE;
    });
}

// One download, read through the handle held since it was created.
bool CopyDownload(const DownloadFolder::Download& download, const std::wstring& to)
{
    const win::unique_hfile target(
        ::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target || !::SetFilePointerEx(download.file.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN))
        return false;
    std::vector<char> buffer(1 << 16);
    for (std::int64_t left = download.size; left > 0;) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::int64_t>(left, static_cast<std::int64_t>(buffer.size())));
        DWORD read = 0;
        DWORD written = 0;
        if (!::ReadFile(download.file.get(), buffer.data(), wanted, &read, nullptr) || read != wanted ||
            !::WriteFile(target.get(), buffer.data(), read, &written, nullptr) || written != read)
            return false;
        left -= read;
    }
    return true;
}

bool CopyDownloads(const DownloadFolder& downloads, const std::wstring& to)
{
    if (!::CreateDirectoryW(to.c_str(), nullptr))
        return false;
    for (const DownloadFolder::Download& download : downloads.Downloads()) {
        if (!CopyDownload(download, to + L"\\" + download.name))
            return false;
        modTestAids::StopPoint(L"copying");
    }
    return true;
}

bool Rename(const std::wstring& from, const std::wstring& to)
{
    return ::MoveFileExW(from.c_str(), to.c_str(), 0) != FALSE;
}

bool MoveNewIni(const InstallLayout& layout)
{
    if (!Exists(layout.NewIniFile()))
        return true;  // an update without a configuration keeps the old one
    const std::wstring target = layout.IniFile();
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return ::MoveFileExW(layout.NewIniFile().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

// Back from the swap: the new main folder goes, main.old becomes main again.
void UndoSwap(const InstallLayout& layout)
{
    if (Rename(layout.MainFolder(), layout.PartialFolder()) && Rename(layout.PreviousFolder(), layout.MainFolder()))
        DeleteFolder(layout.PartialFolder());
}

// After the swap: the configuration, the download folder, and last main.old,
// whose end marks the installation done.
bool FinishSwap(const InstallLayout& layout)
{
    if (!MoveNewIni(layout)) {
        UndoSwap(layout);
        return false;
    }
    modTestAids::StopPoint(L"configured");
    DeleteFolder(TempFolder);
    modTestAids::StopPoint(L"cleaned");
    // What cannot be deleted now stays marked for the next start's repair.
    DeleteFolder(layout.PreviousFolder());
    return true;
}

} // namespace

bool DeleteFolder(const std::wstring& folder)
{
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (IsLink(attributes))
        return RemoveLink(folder, attributes);
    DeleteContent(folder);
    ::SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ::RemoveDirectoryW(folder.c_str()) != FALSE;
}

bool InstallUpdate(const InstallLayout& layout, DownloadFolder& downloads)
{
    // Leftovers of an attempt that failed without the next start's repair.
    DeleteFolder(layout.PartialFolder());
    DeleteFolder(layout.FreshFolder());

    if (!CopyDownloads(downloads, layout.PartialFolder())) {
        DeleteFolder(layout.PartialFolder());
        return false;
    }
    downloads.Release();
    modTestAids::StopPoint(L"copied");
    if (!Rename(layout.PartialFolder(), layout.FreshFolder())) {
        DeleteFolder(layout.PartialFolder());
        return false;
    }
    modTestAids::StopPoint(L"built");

    // main.old marks a swap in progress; an empty one stands in for a missing main folder.
    const bool hadMain = IsFolder(layout.MainFolder());
    const bool movedAside = hadMain ? Rename(layout.MainFolder(), layout.PreviousFolder())
                                    : ::CreateDirectoryW(layout.PreviousFolder().c_str(), nullptr) != FALSE;
    if (!movedAside) {
        DeleteFolder(layout.FreshFolder());
        return false;
    }
    modTestAids::StopPoint(L"moved-old");
    if (!Rename(layout.FreshFolder(), layout.MainFolder())) {
        if (hadMain)
            Rename(layout.PreviousFolder(), layout.MainFolder());
        else
            ::RemoveDirectoryW(layout.PreviousFolder().c_str());
        DeleteFolder(layout.FreshFolder());
        return false;
    }
    modTestAids::StopPoint(L"swapped");
    return FinishSwap(layout);
}

void RepairInterruptedInstall(const InstallLayout& layout)
{
    const InstallRepair repair = PlanRepair({IsFolder(layout.MainFolder()), IsFolder(layout.PartialFolder()),
                                             IsFolder(layout.FreshFolder()), IsFolder(layout.PreviousFolder())});
    if (repair.discardPartial)
        DeleteFolder(layout.PartialFolder());
    if (repair.restorePrevious)
        Rename(layout.PreviousFolder(), layout.MainFolder());
    if (repair.discardFresh)
        DeleteFolder(layout.FreshFolder());
    if (repair.finish)
        FinishSwap(layout);
}

} // namespace modInstall
