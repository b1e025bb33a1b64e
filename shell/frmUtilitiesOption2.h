#pragma once
// Second utilities menu page; its Next button swaps it with the first.
#include "shell/MenuPage.h"

class FrmUtilitiesOption2 : public MenuPage {
public:
    FrmUtilitiesOption2();

    ui::Frame fraSystem{L"fraSystem"};
    ui::PictureBox picSynch{L"picSynch"};
    ui::PictureBox picVDrive{L"picVDrive"};
    ui::PictureBox picHider{L"picHider"};
    ui::PictureBox picUtilities{L"picUtilities"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
};

extern ui::FormRef<FrmUtilitiesOption2> frmUtilitiesOption2;
