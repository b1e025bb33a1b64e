#pragma once
// System Overview: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmSysInfos : public PlaceholderPage {
public:
    FrmSysInfos();

    ui::Frame fraInfos{L"fraInfos"};

protected:
    void CreateControls() override { PlaceTitled(fraInfos); }
};

extern ui::FormRef<FrmSysInfos> frmSysInfos;
