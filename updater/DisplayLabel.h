#pragma once
// A label of the transfer display: one line of text, left, centred or right,
// on its back colour, optionally inside a single border. Text and width that
// change with every block of a download are shown, painted and as the
// window's text, at most every 50 ms (the last change always shows): more
// often than a screen can show them would only take the wizard's time from
// the transfer.
#include "ui/Controls.h"

#include <string>

class DisplayLabel : public ui::Control {
public:
    // align: DT_LEFT, DT_CENTER or DT_RIGHT.
    DisplayLabel(std::wstring name, UINT align, bool border = false, bool bold = false);

    // Setting the text it holds already changes nothing. Caption() has the
    // new text at once.
    bool SetCaption(const std::wstring& text) override;
    // The width in pixels, for the bar; the height stays.
    void SetWidth(int pixels);
    void SetColors(COLORREF back, COLORREF fore);
    // Shows text and width now and paints them, not when the event loop gets to it.
    void Repaint();
    void PaintContent(HDC dc, const RECT& client) const;

protected:
    HWND CreateHwnd(HWND parent, const RECT& bounds, DWORD style) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Shows a change now, or once 50 ms have passed since the last showing.
    void ShowSoon();
    void Show();

    UINT align_;
    bool border_;
    bool bold_;
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF fore_ = RGB(0, 0, 0);
    win::unique_hfont font_;
    int width_ = -1;  // -1: as created
    int shownWidth_ = -1;
    DWORD lastShown_ = 0;
    bool showPending_ = false;
};
