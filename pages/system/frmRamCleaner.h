#pragma once
// RAM Cleaner: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmRamCleaner : public PlaceholderPage {
public:
    FrmRamCleaner();

    ui::Frame fraRam{L"fraRam"};

protected:
    void CreateControls() override { PlaceTitled(fraRam); }
};

extern ui::FormRef<FrmRamCleaner> frmRamCleaner;
