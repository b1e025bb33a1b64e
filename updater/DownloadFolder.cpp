#include "updater/DownloadFolder.h"

#include "ui/win/Text.h"
#include "updater/core/InstallLayout.h"
#include "updater/modInstall.h"

#include <sddl.h>

#include <cwchar>
#include <memory>

namespace {

constexpr DWORD LinkOrFolder = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;

// The current user's account as "S-1-5-...", or "" when it cannot be told.
std::wstring CurrentUserSid()
{
    win::unique_handle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()))
        return {};
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !::GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size))
        return {};
    wchar_t* text = nullptr;
    if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text))
        return {};
    const std::unique_ptr<wchar_t, LocalFreer> owned(text);
    return text;
}

} // namespace

std::unique_ptr<void, LocalFreer> PrivateFolderSecurity()
{
    const std::wstring user = CurrentUserSid();
    if (user.empty())
        return nullptr;
    const std::wstring sddl = L"D:P(A;OICI;FA;;;" + user + L")(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return nullptr;
    return std::unique_ptr<void, LocalFreer>(descriptor);
}

namespace {

bool IsPlain(HANDLE handle, DWORD expectedType)
{
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileInformationByHandle(handle, &info) &&
           (info.dwFileAttributes & LinkOrFolder) == expectedType &&
           (expectedType == FILE_ATTRIBUTE_DIRECTORY || info.nNumberOfLinks == 1);
}

bool Rewind(HANDLE file)
{
    return ::SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN) != FALSE;
}

} // namespace

DownloadFolder::State DownloadFolder::Create()
{
    Release();
    const DWORD existing = ::GetFileAttributesW(TempFolder);
    if (existing != INVALID_FILE_ATTRIBUTES && !modInstall::DeleteFolder(TempFolder))
        return (existing & FILE_ATTRIBUTE_REPARSE_POINT) ? State::Link : State::NotRemoved;

    const std::unique_ptr<void, LocalFreer> security = PrivateFolderSecurity();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, security.get(), FALSE};
    if (!security || !::CreateDirectoryW(TempFolder, &attributes))
        return State::NotCreated;
    // Held without sharing delete: the folder can be neither renamed nor removed while it is open.
    folder_.reset(::CreateFileW(TempFolder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!folder_ || !IsPlain(folder_.get(), FILE_ATTRIBUTE_DIRECTORY)) {
        folder_.reset();
        return State::NotCreated;
    }
    return State::Ready;
}

size_t DownloadFolder::IndexOf(const std::wstring& path) const
{
    const std::wstring name = path.substr(path.rfind(L'\\') + 1);
    for (size_t index = 0; index < downloads_.size(); ++index)
        if (_wcsicmp(downloads_[index].name.c_str(), name.c_str()) == 0)
            return index;
    return std::wstring::npos;
}

HANDLE DownloadFolder::Open(const std::wstring& path)
{
    const size_t slash = path.rfind(L'\\');
    // Nothing below the folder was made by this run.
    if (!folder_ || slash != std::wcslen(TempFolder) || _wcsnicmp(path.c_str(), TempFolder, slash) != 0)
        return nullptr;
    if (const size_t own = IndexOf(path); own != std::wstring::npos) {
        Download& download = downloads_[own];
        download.size = 0;
        return Rewind(download.file.get()) && ::SetEndOfFile(download.file.get()) ? download.file.get() : nullptr;
    }
    // A new file only: a name that exists, a link or a hard link to another file among them, is never written.
    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file || !IsPlain(file.get(), 0))
        return nullptr;
    downloads_.push_back({path.substr(slash + 1), std::move(file), 0});
    return downloads_.back().file.get();
}

void DownloadFolder::Arrived(HANDLE file, std::int64_t size)
{
    for (Download& download : downloads_)
        if (download.file.get() == file)
            download.size = size;
}

void DownloadFolder::Discard(const std::wstring& path)
{
    const size_t index = IndexOf(path);
    if (index == std::wstring::npos)
        return;
    // Closed first: the handle shares no delete.
    const std::wstring name = downloads_[index].name;
    downloads_.erase(downloads_.begin() + static_cast<std::ptrdiff_t>(index));
    ::DeleteFileW((std::wstring(TempFolder) + L"\\" + name).c_str());
}

bool DownloadFolder::IsForeign(const std::wstring& path) const
{
    return IndexOf(path) == std::wstring::npos && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HANDLE DownloadFolder::Find(const std::wstring& path) const
{
    const size_t index = IndexOf(path);
    return index == std::wstring::npos ? nullptr : downloads_[index].file.get();
}

void DownloadFolder::Release()
{
    downloads_.clear();
    folder_.reset();
}

void DownloadFolder::Remove()
{
    Release();
    modInstall::DeleteFolder(TempFolder);
}

std::wstring FirstLine(HANDLE file, unsigned limit)
{
    std::string text(limit, '\0');
    DWORD read = 0;
    if (!Rewind(file) || !::ReadFile(file, text.data(), limit, &read, nullptr))
        return {};
    text.resize(read);
    return win::FromAnsi(text.substr(0, text.find_first_of("\r\n")));
}
