#pragma once
// The RAM cleaner: the free physical memory live as a bar and in MB, and a
// cleaning that claims about 70 % of the physical memory for a moment, so that
// Windows pages other programs out; and whether Windows favours programs or the
// system file cache.
#include "shell/PageForm.h"
#include "ui/ProgressBar.h"
#include "ui/SkinControls.h"

#include <cstdint>

class FrmRamCleaner : public ui::PageForm {
public:
    FrmRamCleaner();

    ui::Frame fraRam{L"fraRam"};
    ui::SevFrame sevFrame2{L"sevFrame2"};
    ui::PictureBox picRam{L"picRam"};
    ui::Label Label3{L"Label3"};
    ui::Label Label4{L"Label4"};
    ui::Label Label2{L"Label2"};
    ui::MBProgressBar ProgressBarRAM1{L"ProgressBarRAM1"};
    ui::Label Label6{L"Label6"};
    ui::Label Label1{L"Label1"};
    ui::MBProgressBar ProgressBar1{L"ProgressBar1"};
    ui::XpButton Command1{L"Command1"};
    // Pressed by the notification-area menu; never shown.
    ui::CommandButton cmdCleantrayrc{L"cmdCleantrayrc"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevOption chkAnwendungen{L"chkAnwendungen"};
    ui::SevOption chkCache{L"chkCache"};
    ui::TextBox txtRam{L"txtRam"};
    ui::Timer TimerBarRam{L"TimerBarRam"};
    ui::Timer Timer1{L"Timer1"};

    bool Cleaning() const noexcept { return cleaning_; }

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void TimerBarRam_Timer();
    void Timer1_Timer();
    void chkAnwendungen_Click();
    void chkCache_Click();
    void CleanRam();
    bool TakeTurn();

    bool cleaning_ = false;
};

extern ui::FormRef<FrmRamCleaner> frmRamCleaner;
