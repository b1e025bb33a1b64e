#include "pages/system/modUsername.h"

#include <windows.h>

std::wstring GetCurrentUserName()
{
    wchar_t name[256] = L"";
    DWORD size = 256;
    if (!::GetUserNameW(name, &size))
        return {};
    return name;
}
