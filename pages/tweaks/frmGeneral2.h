#pragma once
// General, second half: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmGeneral2 : public PlaceholderPage {
public:
    FrmGeneral2();

    ui::Frame fraDesign2{L"fraDesign2"};

protected:
    void CreateControls() override { PlaceTitled(fraDesign2); }
};

extern ui::FormRef<FrmGeneral2> frmGeneral2;
