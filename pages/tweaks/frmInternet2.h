#pragma once
// Internet, second half: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmInternet2 : public PlaceholderPage {
public:
    FrmInternet2();

    ui::Frame fraInternet2{L"fraInternet2"};

protected:
    void CreateControls() override { PlaceTitled(fraInternet2); }
};

extern ui::FormRef<FrmInternet2> frmInternet2;
