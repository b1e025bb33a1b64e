#pragma once
// Appearance, first half: Explorer, Start menu, taskbar and Control Panel settings.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmDesign : public ui::PageForm {
public:
    FrmDesign();

    ui::Frame fraDesign{L"fraDesign"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevCheck chkBalloon{L"chkBalloon"};
    ui::SevCheck chkMenueTaskleiste{L"chkMenueTaskleiste"};
    ui::SevCheck chkMenueStarmenue{L"chkMenueStarmenue"};
    ui::SevCheck chkKleineSymbole{L"chkKleineSymbole"};
    ui::SevCheck chkOrdnerMusik{L"chkOrdnerMusik"};
    ui::SevCheck chkOrdnerBilder{L"chkOrdnerBilder"};
    ui::SevCheck chkSystemsteuerung{L"chkSystemsteuerung"};
    ui::SevCheck chkSysKlassisch{L"chkSysKlassisch"};
    ui::SevCheck chkSuchAssi{L"chkSuchAssi"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
    void Form_Load() override;
};

extern ui::FormRef<FrmDesign> frmDesign;
