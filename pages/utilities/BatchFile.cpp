#include "pages/utilities/BatchFile.h"

#include "ui/win/Text.h"

namespace {

// A new file with the text, shared with others as `share` allows; on failure
// no file of ours is left and the last error tells why.
win::unique_hfile CreateWithText(const std::wstring& path, const std::wstring& text, DWORD share)
{
    const std::string bytes = win::ToAnsi(text);
    win::unique_hfile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, share, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return {};
    DWORD written = 0;
    DWORD error = ERROR_SUCCESS;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        error = ::GetLastError();
    else if (written != bytes.size())
        error = ERROR_DISK_FULL;
    if (error == ERROR_SUCCESS)
        return file;
    file.reset();
    ::DeleteFileW(path.c_str());
    ::SetLastError(error);
    return {};
}

// Removes the name itself: deleting a file's name leaves its other names, and
// a link, not what it leads to. A real folder stays, and then the file cannot be made.
void RemoveName(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        ::DeleteFileW(path.c_str());
    else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        ::RemoveDirectoryW(path.c_str());
}

} // namespace

bool WriteBatchFile(const std::wstring& path, const std::wstring& text)
{
    return static_cast<bool>(CreateWithText(path, text, 0));
}

win::unique_hfile WriteHeldBatchFile(const std::wstring& path, const std::wstring& text)
{
    RemoveName(path);
    return CreateWithText(path, text, FILE_SHARE_READ);
}

std::wstring SystemErrorText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text.empty() ? L"Error " + std::to_wstring(error) : text;
}
