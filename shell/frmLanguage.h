#pragma once
// The program's first window: asks for a language at the first start; with a
// language stored it becomes the loading screen and runs the pass at once.
#include "shell/LanguageDialog.h"

class FrmLanguage : public LanguageDialog {
public:
    FrmLanguage();

    ui::PictureBox picHolder{L"picHolder"};
    ui::PictureBox picLogo{L"picLogo"};

protected:
    void PlaceBetween() override;
    void Form_Load() override;
};

extern ui::FormRef<FrmLanguage> frmLanguage;
