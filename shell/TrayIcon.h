#pragma once
// The notification-area icon record that the menu icon and the window hider
// fill: the system's ANSI record in its first layout, 88 bytes in the 32-bit
// program (the 64-bit program's record holds 64-bit window and icon fields).
#include <windows.h>

#include <shellapi.h>

#include <string>

using TrayIconData = NOTIFYICONDATAA;

// Both icons report their mouse messages as this message, the mouse message in lParam.
inline constexpr UINT TrayCallbackMessage = WM_MOUSEMOVE;

// The record with message, icon and tip valid; the tip is the text with one
// NUL, the rest of its field blanks, cut to fit the field.
TrayIconData MakeTrayIconData(HWND window, UINT identifier, HICON icon, const std::wstring& tip);

// Broadcast by a shell that has started anew: every icon must be added again.
UINT TaskbarCreatedMessage();
