#pragma once
// Disk Cleaner: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmHDDCLean : public PlaceholderPage {
public:
    FrmHDDCLean();

    ui::Frame fraHDDClean{L"fraHDDClean"};

protected:
    void CreateControls() override { PlaceTitled(fraHDDClean); }
};

extern ui::FormRef<FrmHDDCLean> frmHDDCLean;
