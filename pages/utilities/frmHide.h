#pragma once
// Window Hider: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmHide : public PlaceholderPage {
public:
    FrmHide();

    ui::Frame fraHider{L"fraHider"};

protected:
    void CreateControls() override { PlaceTitled(fraHider); }
};

extern ui::FormRef<FrmHide> frmHide;
