#pragma once
// General, first half: CD autorun and burning, the console's quick edit,
// shell DLLs, the double-click timer, the indexing service, thumbnails,
// removal of the Windows messenger and the Dr. Watson debugger.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmGeneral : public ui::PageForm {
public:
    FrmGeneral();

    ui::Frame fraDesign{L"fraDesign"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevCheck chkMinAnsicht{L"chkMinAnsicht"};
    ui::SevCheck chkDLL{L"chkDLL"};
    ui::SevCheck chkWatson{L"chkWatson"};
    ui::SevCheck chkMSN{L"chkMSN"};
    ui::SevCheck chkBurn{L"chkBurn"};
    ui::SevCheck chkCutPaste{L"chkCutPaste"};
    ui::SevCheck chkIndexService{L"chkIndexService"};
    ui::SevCheck chkDoppelklicks{L"chkDoppelklicks"};
    ui::SevCheck chkAutoRun{L"chkAutoRun"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void chkMSN_Click();
};

extern ui::FormRef<FrmGeneral> frmGeneral;
