#include "pages/system/modOrdnerErmitteln.h"

#include <windows.h>

#include <shlobj.h>

std::wstring GetSpecialFolderPath(int folderNumber)
{
    LPITEMIDLIST items = nullptr;
    if (::SHGetSpecialFolderLocation(nullptr, folderNumber, &items) != S_OK)
        return {};
    wchar_t path[MAX_PATH] = L"";
    const BOOL found = ::SHGetPathFromIDListW(items, path);
    ::CoTaskMemFree(items);
    return found ? path : L"";
}
