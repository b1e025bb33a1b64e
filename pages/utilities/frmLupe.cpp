#include "pages/utilities/frmLupe.h"

#include "pages/utilities/UtilityPictures.h"
#include "pages/utilities/core/MagnifierArea.h"
#include "shell/MenuPage.h"
#include "ui/win/Handles.h"

ui::FormRef<FrmLupe> frmLupe;

FrmLupe::FrmLupe() : PageForm(L"frmLupe") {}

void FrmLupe::CreateControls()
{
    Place({
        PageFrameRow(fraShredder),
        {picLogo, &fraShredder, {2040, 240, 2700, 795}},
        {sevFrame1, &fraShredder, {120, 1200, 5655, 4455}, L"", L"Magnifying-Glass"},
        {Label1, &sevFrame1, {240, 480, 1215, 255}, L"", L"Zoom:"},
        {HScroll1, &sevFrame1, {240, 720, 5055, 255}},
        {picGlass, &sevFrame1, {240, 1200, 5040, 3120}},
        {Timer1, &fraShredder, {0, 0, 0, 0}, L"", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    picLogo.SetPicture(utilitypictures::Get(utilitypictures::PictureId::MagnifierLogo));
    Label1.SetFont({L"Verdana", 8.25});
    HScroll1.SetRange(1, 10);
    HScroll1.SetValue(1);
    picGlass.SetBackColor(::GetSysColor(COLOR_WINDOW));
    // A repaint between ticks shows the enlargement too, not an empty box.
    picGlass.SetDrawing([this](HDC dc, const RECT& client) { Magnify(dc, client); });
    Timer1.SetInterval(25);
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FrmLupe::Form_Load()
{
    desktopWindow_ = ::GetDesktopWindow();
    screenDC_ = ::GetDC(desktopWindow_);
    Timer1.SetEnabled(true);
}

void FrmLupe::Form_Unload()
{
    Timer1.SetEnabled(false);
    if (screenDC_)
        ::ReleaseDC(desktopWindow_, screenDC_);
    screenDC_ = nullptr;
}

void FrmLupe::Magnify(HDC glass, const RECT& client) const
{
    if (!screenDC_)
        return;
    POINT cursor;
    ::GetCursorPos(&cursor);
    const magnifier::Area area = magnifier::SourceArea(cursor.x, cursor.y, client.right, client.bottom, HScroll1.Value());
    ::StretchBlt(glass, 0, 0, client.right, client.bottom, screenDC_, area.left, area.top, area.width, area.height,
                 SRCCOPY);
}

void FrmLupe::Timer1_Timer()
{
    // Straight onto the glass: one copy a tick, nothing made or freed for it.
    win::WindowDC glass(picGlass.Hwnd());
    RECT visible;
    if (::GetClipBox(glass.get(), &visible) == NULLREGION)
        return;  // under another page, or the window is minimised
    RECT client;
    ::GetClientRect(picGlass.Hwnd(), &client);
    Magnify(glass.get(), client);
}
