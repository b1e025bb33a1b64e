#pragma once
// The start page: the large logo that the container shows first.
#include "shell/PageForm.h"

class FrmLogo : public ui::PageForm {
public:
    FrmLogo();

    ui::Frame fraLogo{L"fraLogo"};
    ui::PictureBox picLogo{L"picLogo"};

protected:
    void CreateControls() override;
};

extern ui::FormRef<FrmLogo> frmLogo;
