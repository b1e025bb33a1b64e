#pragma once
// File Shredder: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmShredder : public PlaceholderPage {
public:
    FrmShredder();

    ui::Frame fraShredder{L"fraShredder"};

protected:
    void CreateControls() override { PlaceTitled(fraShredder); }
};

extern ui::FormRef<FrmShredder> frmShredder;
