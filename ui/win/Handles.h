#pragma once
// Owned handles: one template, one alias per handle type, so that every handle
// the program opens is closed by the scope that opened it.
#include <windows.h>

#include <utility>

namespace win {

template <class T, class Traits>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(T value) noexcept : value_(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::invalid(); }
    // For out-parameters of calls that fill a handle.
    T* put() noexcept
    {
        reset();
        return &value_;
    }
    T release() noexcept { return std::exchange(value_, Traits::invalid()); }
    void reset(T value = Traits::invalid()) noexcept
    {
        if (value_ != Traits::invalid())
            Traits::close(value_);
        value_ = value;
    }

private:
    T value_ = Traits::invalid();
};

template <class T, auto Close>
struct HandleTraits {
    static T invalid() noexcept { return nullptr; }
    static void close(T value) noexcept { Close(value); }
};

// Files and searches use INVALID_HANDLE_VALUE, not null, for "no handle".
template <auto Close>
struct InvalidValueTraits {
    static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE value) noexcept { Close(value); }
};

using unique_hkey = UniqueHandle<HKEY, HandleTraits<HKEY, ::RegCloseKey>>;
using unique_handle = UniqueHandle<HANDLE, HandleTraits<HANDLE, ::CloseHandle>>;
using unique_hfile = UniqueHandle<HANDLE, InvalidValueTraits<::CloseHandle>>;
using unique_hfind = UniqueHandle<HANDLE, InvalidValueTraits<::FindClose>>;
using unique_hbitmap = UniqueHandle<HBITMAP, HandleTraits<HBITMAP, ::DeleteObject>>;
using unique_hfont = UniqueHandle<HFONT, HandleTraits<HFONT, ::DeleteObject>>;
using unique_hbrush = UniqueHandle<HBRUSH, HandleTraits<HBRUSH, ::DeleteObject>>;
using unique_hpen = UniqueHandle<HPEN, HandleTraits<HPEN, ::DeleteObject>>;
using unique_hrgn = UniqueHandle<HRGN, HandleTraits<HRGN, ::DeleteObject>>;
using unique_hdc = UniqueHandle<HDC, HandleTraits<HDC, ::DeleteDC>>;
using unique_hicon = UniqueHandle<HICON, HandleTraits<HICON, ::DestroyIcon>>;
using unique_hcursor = UniqueHandle<HCURSOR, HandleTraits<HCURSOR, ::DestroyCursor>>;
using unique_hmodule = UniqueHandle<HMODULE, HandleTraits<HMODULE, ::FreeLibrary>>;
using unique_hmenu = UniqueHandle<HMENU, HandleTraits<HMENU, ::DestroyMenu>>;

// GetDC/ReleaseDC pair.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (dc_)
            ::ReleaseDC(hwnd_, dc_);
    }
    HDC get() const noexcept { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint pair.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) noexcept : hwnd_(hwnd) { ::BeginPaint(hwnd, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { ::EndPaint(hwnd_, &ps_); }
    HDC get() const noexcept { return ps_.hdc; }
    const PAINTSTRUCT& info() const noexcept { return ps_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
};

// SelectObject with the previous object put back at scope end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { ::SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace win
