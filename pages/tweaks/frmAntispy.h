#pragma once
// The anti-spy page: switches off the Windows features that send data or
// reach out on their own, one box each, or all at once.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmAntispy : public ui::PageForm {
public:
    FrmAntispy();

    ui::Frame fraAntispy{L"fraAntispy"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame fraTitle{L"fraTitle"};
    ui::PictureBox picDecor{L"picDecor"};
    ui::SevCheck chkTime{L"chkTime"};
    ui::SevCheck chkUpdates{L"chkUpdates"};
    ui::SevCheck chkUeberpruefung{L"chkUeberpruefung"};
    ui::SevCheck chkRemote{L"chkRemote"};
    ui::SevCheck chkFehler{L"chkFehler"};
    ui::XpButton cmdEmAnti{L"cmdEmAnti"};
    ui::XpButton cmdAlexaspyWegm{L"cmdAlexaspyWegm"};
    ui::TextBox txtAlexa{L"txtAlexa"};
    ui::TextBox txtEm{L"txtEm"};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void cmdEmAnti_Click();
    void cmdAlexaspyWegm_Click();
};

extern ui::FormRef<FrmAntispy> frmAntispy;
