#include "shell/TrayIcon.h"

#include "ui/win/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#ifdef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 104 && offsetof(NOTIFYICONDATAA, szTip) == 40);
#else
static_assert(NOTIFYICONDATAA_V1_SIZE == 88 && offsetof(NOTIFYICONDATAA, szTip) == 24);
#endif

TrayIconData MakeTrayIconData(HWND window, UINT identifier, HICON icon, const std::wstring& tip)
{
    TrayIconData data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = identifier;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    data.hIcon = icon;
    constexpr std::size_t field = sizeof data.szTip;
    const std::string text = win::ToAnsi(tip).substr(0, field - 1);
    std::memset(data.szTip, ' ', field);
    std::copy(text.begin(), text.end(), data.szTip);
    data.szTip[text.size()] = '\0';
    return data;
}

UINT TaskbarCreatedMessage()
{
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}
