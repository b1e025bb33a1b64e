#pragma once
// The System section's menu page: one picture for each of its pages.
#include "shell/MenuPage.h"

class FrmSystemOption : public MenuPage {
public:
    FrmSystemOption();

    ui::Frame fraSystem{L"fraSystem"};
    ui::PictureBox picCleaner{L"picCleaner"};
    ui::PictureBox picCache{L"picCache"};
    ui::PictureBox picRam{L"picRam"};
    ui::PictureBox picOverview{L"picOverview"};
    ui::PictureBox picStatus{L"picStatus"};

protected:
    void CreateControls() override;
};

extern ui::FormRef<FrmSystemOption> frmSystemOption;
