#pragma once
// Internet: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmInternet : public PlaceholderPage {
public:
    FrmInternet();

    ui::Frame fraInternet{L"fraInternet"};

protected:
    void CreateControls() override { PlaceTitled(fraInternet); }
};

extern ui::FormRef<FrmInternet> frmInternet;
