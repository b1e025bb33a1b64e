#pragma once
// Cache: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmCache : public PlaceholderPage {
public:
    FrmCache();

    ui::Frame fraCache{L"fraCache"};

protected:
    void CreateControls() override { PlaceTitled(fraCache); }
};

extern ui::FormRef<FrmCache> frmCache;
