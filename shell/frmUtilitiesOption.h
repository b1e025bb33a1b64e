#pragma once
// First utilities menu page; its Next button swaps it with the second.
#include "shell/MenuPage.h"

class FrmUtilitiesOption : public MenuPage {
public:
    FrmUtilitiesOption();

    ui::Frame fraSystem{L"fraSystem"};
    ui::PictureBox picPassg{L"picPassg"};
    ui::PictureBox picSplitter{L"picSplitter"};
    ui::PictureBox picShredder{L"picShredder"};
    ui::PictureBox picGlass{L"picGlass"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
};

extern ui::FormRef<FrmUtilitiesOption> frmUtilitiesOption;
