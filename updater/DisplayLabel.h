#pragma once
// A label of the transfer display: one line of text, left, centred or right,
// on its back colour, optionally inside a single border. Text that changes
// with every block of a download is painted at most every 50 ms (the last
// change always shows), so the wizard's time goes to the transfer.
#include "ui/Controls.h"

#include <string>

class DisplayLabel : public ui::Control {
public:
    // align: DT_LEFT, DT_CENTER or DT_RIGHT.
    DisplayLabel(std::wstring name, UINT align, bool border = false, bool bold = false);

    // Setting the text it holds already changes nothing.
    bool SetCaption(const std::wstring& text) override;
    void SetColors(COLORREF back, COLORREF fore);
    // Paints now, not when the event loop gets to it.
    void Repaint();
    void PaintContent(HDC dc, const RECT& client) const;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT align_;
    bool border_;
    bool bold_;
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF fore_ = RGB(0, 0, 0);
    win::unique_hfont font_;
    DWORD lastPainted_ = 0;
    bool paintPending_ = false;
};
