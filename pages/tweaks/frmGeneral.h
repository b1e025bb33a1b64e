#pragma once
// General: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmGeneral : public PlaceholderPage {
public:
    FrmGeneral();

    ui::Frame fraDesign{L"fraDesign"};

protected:
    void CreateControls() override { PlaceTitled(fraDesign); }
};

extern ui::FormRef<FrmGeneral> frmGeneral;
