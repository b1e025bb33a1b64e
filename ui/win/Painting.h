#pragma once
// Painting shared by the controls that draw themselves through one
// PaintContent(HDC, const RECT&) const of their state.
#include "ui/win/Handles.h"

namespace win {

inline bool IsEmpty(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// The DC brush: no brush object to create for each of the many small fills.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    if (IsEmpty(rect))
        return;
    ::SetDCBrushColor(dc, color);
    ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

inline bool IsPaintMessage(UINT message)
{
    return message == WM_ERASEBKGND || message == WM_PAINT || message == WM_PRINTCLIENT;
}

// WM_ERASEBKGND, WM_PAINT (through an off-screen bitmap, so nothing flickers) and WM_PRINTCLIENT.
template <class C>
LRESULT AnswerPaint(const C& control, UINT message, WPARAM wParam)
{
    if (message == WM_ERASEBKGND)
        return 1;
    RECT client;
    ::GetClientRect(control.Hwnd(), &client);
    if (message == WM_PRINTCLIENT) {
        control.PaintContent(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    PaintDC paint(control.Hwnd());
    if (IsEmpty(client))
        return 0;
    unique_hdc memory(::CreateCompatibleDC(paint.get()));
    unique_hbitmap bitmap(::CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
    SelectedObject selected(memory.get(), bitmap.get());
    control.PaintContent(memory.get(), client);
    ::BitBlt(paint.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    return 0;
}

} // namespace win
