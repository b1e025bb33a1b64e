#pragma once
// Time Synchronisation: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmUhrzeit : public PlaceholderPage {
public:
    FrmUhrzeit();

    ui::Frame fraTime{L"fraTime"};

protected:
    void CreateControls() override { PlaceTitled(fraTime); }
};

extern ui::FormRef<FrmUhrzeit> frmUhrzeit;
