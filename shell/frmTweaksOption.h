#pragma once
// The Windows tweaks section's menu page: one picture for each of its pages.
#include "shell/MenuPage.h"

class FrmTweaksOption : public MenuPage {
public:
    FrmTweaksOption();

    ui::Frame fraTweaks{L"fraTweaks"};
    ui::PictureBox picBoot{L"picBoot"};
    ui::PictureBox picCustomization{L"picCustomization"};
    ui::PictureBox picGeneral{L"picGeneral"};
    ui::PictureBox picAntispy{L"picAntispy"};

protected:
    void CreateControls() override;
};

extern ui::FormRef<FrmTweaksOption> frmTweaksOption;
