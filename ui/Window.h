#pragma once
// Thin window base: the object lives in GWLP_USERDATA from WM_NCCREATE to
// WM_NCDESTROY and one HandleMessage per class answers its messages.
#include <windows.h>

namespace ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Hwnd() const noexcept { return hwnd_; }

    // The object behind a window of this program, or null for foreign windows.
    static Window* FromHandle(HWND hwnd) noexcept;

protected:
    // Creates a window of a class of this program (registered on first use).
    HWND CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* text,
                         const RECT& bounds, HWND parent);
    // Creates a window of a system class (EDIT, LISTBOX) and subclasses it.
    HWND CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* text,
                            const RECT& bounds, HWND parent);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification (WM_COMMAND code) that the parent passed back to the control that sent it.
    virtual void OnReflectedCommand(WORD /*code*/) {}
    // Colours for a system control, asked of it through its parent's WM_CTLCOLOR* message.
    virtual HBRUSH OnReflectedColor(HDC /*dc*/) { return nullptr; }
    // A scroll bar's WM_HSCROLL or WM_VSCROLL (SB_* code), passed back to it by its parent.
    virtual void OnReflectedScroll(WORD /*code*/, int /*trackPosition*/) {}

    void DestroyOwnWindow() noexcept;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC systemProcedure_ = nullptr;
};

// Ends the program with an error box: the rule for errors that no handler expects.
[[noreturn]] void EndWithUnexpectedError(const char* what) noexcept;

} // namespace ui
