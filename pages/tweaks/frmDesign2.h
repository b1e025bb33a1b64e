#pragma once
// Appearance, second half: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmDesign2 : public PlaceholderPage {
public:
    FrmDesign2();

    ui::Frame fraDesign{L"fraDesign"};

protected:
    void CreateControls() override { PlaceTitled(fraDesign); }
};

extern ui::FormRef<FrmDesign2> frmDesign2;
