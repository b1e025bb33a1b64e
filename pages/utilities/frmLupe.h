#pragma once
// Magnifier: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmLupe : public PlaceholderPage {
public:
    FrmLupe();

    ui::Frame fraShredder{L"fraShredder"};

protected:
    void CreateControls() override { PlaceTitled(fraShredder); }
};

extern ui::FormRef<FrmLupe> frmLupe;
