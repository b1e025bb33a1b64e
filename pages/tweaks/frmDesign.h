#pragma once
// Appearance: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmDesign : public PlaceholderPage {
public:
    FrmDesign();

    ui::Frame fraDesign{L"fraDesign"};

protected:
    void CreateControls() override { PlaceTitled(fraDesign); }
};

extern ui::FormRef<FrmDesign> frmDesign;
