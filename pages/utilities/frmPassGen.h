#pragma once
// Password Generator: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmPassGen : public PlaceholderPage {
public:
    FrmPassGen();

    ui::Frame fraPass{L"fraPass"};

protected:
    void CreateControls() override { PlaceTitled(fraPass); }
};

extern ui::FormRef<FrmPassGen> frmPassGen;
