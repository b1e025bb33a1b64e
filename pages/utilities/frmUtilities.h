#pragma once
// Administrative Tools: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmUtilities : public PlaceholderPage {
public:
    FrmUtilities();

    ui::Frame fraUtilities{L"fraUtilities"};

protected:
    void CreateControls() override { PlaceTitled(fraUtilities); }
};

extern ui::FormRef<FrmUtilities> frmUtilities;
