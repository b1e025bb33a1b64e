#pragma once
// Virtual Drives: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmVDrives : public PlaceholderPage {
public:
    FrmVDrives();

    ui::Frame fraDrive{L"fraDrive"};

protected:
    void CreateControls() override { PlaceTitled(fraDrive); }
};

extern ui::FormRef<FrmVDrives> frmVDrives;
