#pragma once
// Starting the real brvt.exe of the install layout and using it from outside,
// as a user does: finding its windows and clicking on the screen.
#include "ui/win/Handles.h"

#include <functional>
#include <string>

namespace testing_support {

inline constexpr DWORD WaitLimitMs = 20000;
inline constexpr wchar_t DialogCaption[] = L"Please select a Language:";

std::wstring FolderOfThisProgram();
// Polls until `found` gives a window or the limit has passed.
HWND WaitFor(const std::function<HWND()>& found, DWORD milliseconds = WaitLimitMs);
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = WaitLimitMs);
HWND VisibleWindow(const wchar_t* className, const wchar_t* title);
// A press and release of the primary button at a point of the screen.
void ClickAtScreen(POINT point);
// A point given in design twips of a window's client area, on the screen.
POINT ScreenPointOf(HWND hwnd, int xTwips, int yTwips);

// brvt.exe, ended by force when a test leaves it running.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // True when the program ended within the limit; its exit code in `exitCode`.
    bool WaitForEnd(DWORD& exitCode) const;

private:
    win::unique_handle process_;
};

// True when a click on the window reaches it: shown, enabled, in front, and its
// thread back in its message loop.
bool ReadyForInput(HWND window);
// The main window once the language pass is over. Its start-up shows it for a
// moment early in the pass, so the language dialog's end tells the two apart.
HWND MainWindowAfterThePass();
// Ends the program through the main window's close picture, as a user does.
void CloseThroughTheClosePicture(const Program& program, HWND main);

} // namespace testing_support
