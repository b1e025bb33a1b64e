#include "pages/utilities/BatchFile.h"

#include "ui/win/Handles.h"
#include "ui/win/Text.h"

bool WriteBatchFile(const std::wstring& path, const std::wstring& text, ExistingFile existing)
{
    const std::string bytes = win::ToAnsi(text);
    const DWORD creation = existing == ExistingFile::Replace ? CREATE_ALWAYS : CREATE_NEW;
    win::unique_hfile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    DWORD error = ERROR_SUCCESS;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        error = ::GetLastError();
    else if (written != bytes.size())
        error = ERROR_DISK_FULL;
    file.reset();
    if (error == ERROR_SUCCESS)
        return true;
    ::DeleteFileW(path.c_str());
    ::SetLastError(error);
    return false;
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
