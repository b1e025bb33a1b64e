#pragma once
// The Help & updates page: the help message, the language choice and the
// start of the update program.
#include "shell/MenuPage.h"

class FrmHelpUpdates : public MenuPage {
public:
    FrmHelpUpdates();

    ui::Frame fraHelpUpdates{L"fraHelpUpdates"};
    ui::PictureBox picSkyvell{L"picSkyvell"};
    ui::PictureBox picHelp{L"picHelp"};
    ui::PictureBox picLang{L"picLang"};

protected:
    void CreateControls() override;

private:
    void picSkyvell_Click();
    void picHelp_Click();
};

extern ui::FormRef<FrmHelpUpdates> frmHelpUpdates;
