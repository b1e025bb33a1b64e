#pragma once
// File Splitter: a titled page for now.
#include "shell/PlaceholderPage.h"

class FrmFileSplitter : public PlaceholderPage {
public:
    FrmFileSplitter();

    ui::Frame fraSplitter{L"fraSplitter"};

protected:
    void CreateControls() override { PlaceTitled(fraSplitter); }
};

extern ui::FormRef<FrmFileSplitter> frmFileSplitter;
