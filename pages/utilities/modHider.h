#pragma once
// The window hider's helpers: the subclassing of the hider page's own window,
// which receives the notification-area icon's messages, the Start button's
// rectangle, the climb to the topmost visible parent and the icon itself.
#include "shell/TrayIcon.h"

#include <windows.h>

namespace modHider {

inline constexpr UINT HiderIconId = 1;

// One set for the whole program.
struct State {
    HWND hiddenWindow = nullptr;   // hidden now, or shown again by the icon's menu
    HWND pickedWindow = nullptr;   // the last window picked by dragging
    bool picking = false;          // between the press on the picker and the release
    RECT savedWindowRect{};        // the hidden window's place, taken when it is hidden
    WNDPROC savedWindowProc = nullptr;
    RECT startButtonRect{};        // taken at load; empty without a taskbar
    TrayIconData iconRecord{};
};

extern State state;

void HookWindow(HWND hwnd);
// Puts the saved window procedure back, when there is one.
void UnhookWindow(HWND hwnd);
void GetStartButtonRect();
// The highest ancestor reached from the window through a chain of visible parents.
HWND GetTopVisibleParent(HWND hwnd);
// The icon of the window's small icon, its tip "Window-Handle: " and the hidden window's title.
void AddTrayIcon(HWND hwnd);
void RemoveTrayIcon(HWND hwnd);
// The hider page's window procedure while a window is hidden.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace modHider
