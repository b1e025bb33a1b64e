#include "ui/Window.h"

#include "ui/Effects.h"
#include "ui/core/Product.h"
#include "ui/modWindow.h"

#include <exception>
#include <string>

namespace ui {

namespace {

const HINSTANCE instance = ::GetModuleHandleW(nullptr);

void RegisterOnce(const wchar_t* className, WNDPROC procedure)
{
    WNDCLASSEXW existing{};
    if (::GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
}

} // namespace

Window::~Window()
{
    DestroyOwnWindow();
}

void Window::DestroyOwnWindow() noexcept
{
    if (!hwnd_)
        return;
    // Messages sent while the window is destroyed must not reach a half-destroyed object.
    const HWND hwnd = hwnd_;
    if (systemProcedure_)
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure_));
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    systemProcedure_ = nullptr;
    ::DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) noexcept
{
    if (!hwnd)
        return nullptr;
    const auto procedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (procedure != &Window::Procedure)
        return nullptr;
    return reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND Window::CreateOwnWindow(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* text,
                             const RECT& bounds, HWND parent)
{
    RegisterOnce(className, &Window::Procedure);
    return ::CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                             bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr, instance, this);
}

HWND Window::CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* text,
                                const RECT& bounds, HWND parent)
{
    const HWND hwnd = ::CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                                        bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                                        instance, nullptr);
    if (!hwnd)
        return nullptr;
    hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    systemProcedure_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
    return hwnd;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProcedure(message, wParam, lParam);
}

LRESULT Window::DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->OnReflectedCommand(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam)
            if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                child->OnReflectedScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
                return 0;
            }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->OnReflectedColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    default:
        break;
    }
    if (systemProcedure_)
        return ::CallWindowProcW(systemProcedure_, hwnd_, message, wParam, lParam);
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Errors are caught here, at the dispatch, not inside every handler.
    try {
        return HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        EndWithUnexpectedError(error.what());
    } catch (...) {
        EndWithUnexpectedError("Unknown error");
    }
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE && !self) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->Dispatch(message, wParam, lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->systemProcedure_ = nullptr;
        return result;
    }
    return self->Dispatch(message, wParam, lParam);
}

void EndWithUnexpectedError(const char* what) noexcept
{
    const std::string text = std::string("Unexpected error: ") + (what ? what : "");
    effects::Current().ShowMessageBox(modWindow::DialogOwner(nullptr), std::wstring(text.begin(), text.end()),
                                      product::Title, MB_ICONERROR | MB_OK);
    effects::Current().EndProgram(1);
    ::ExitProcess(1);
}

} // namespace ui
