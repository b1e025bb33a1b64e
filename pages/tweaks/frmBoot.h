#pragma once
// Boot & Shutdown: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmBoot : public PlaceholderPage {
public:
    FrmBoot();

    ui::Frame fraDesign{L"fraDesign"};

protected:
    void CreateControls() override { PlaceTitled(fraDesign); }
};

extern ui::FormRef<FrmBoot> frmBoot;
