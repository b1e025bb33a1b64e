#pragma once
// CPU & Memory Status: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmSysRes : public PlaceholderPage {
public:
    FrmSysRes();

    ui::Frame fraRessourcen{L"fraRessourcen"};

protected:
    void CreateControls() override { PlaceTitled(fraRessourcen); }
};

extern ui::FormRef<FrmSysRes> frmSysRes;
