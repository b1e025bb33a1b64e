#pragma once
// Magnifying-Glass: an enlarged copy of the screen round the mouse cursor,
// 40 times a second, zoom 1 to 10. Loaded when first shown, not translated.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmLupe : public ui::PageForm {
public:
    FrmLupe();

    ui::Frame fraShredder{L"fraShredder"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label1{L"Label1"};
    ui::HScrollBar HScroll1{L"HScroll1"};
    ui::PictureBox picGlass{L"picGlass"};
    ui::Timer Timer1{L"Timer1"};

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Timer1_Timer();
    // Copies the area round the cursor into the glass's client area on the DC.
    void Magnify(HDC glass, const RECT& client) const;

    HWND desktopWindow_ = nullptr;
    // The source of every copy, held from load to unload.
    HDC screenDC_ = nullptr;
};

extern ui::FormRef<FrmLupe> frmLupe;
