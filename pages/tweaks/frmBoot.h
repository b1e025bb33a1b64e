#pragma once
// Boot & Shutdown: page file, recent documents, fast shutdown, restart after
// a crash, and the logon type with a preview of each.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmBoot : public ui::PageForm {
public:
    FrmBoot();

    ui::Frame fraDesign{L"fraDesign"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevCheck chkSysCrash{L"chkSysCrash"};
    ui::SevCheck chkAuslagaFile{L"chkAuslagaFile"};
    ui::SevCheck chkDoku{L"chkDoku"};
    ui::SevCheck chkFastDown{L"chkFastDown"};
    ui::Label Label41{L"Label41"};
    ui::SevOption optMaskNormal{L"optMaskNormal"};
    ui::SevOption optMaskClassic{L"optMaskClassic"};
    ui::PictureBox picNormal{L"picNormal"};
    ui::PictureBox picClassic{L"picClassic"};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void optMaskClassic_Click();
    void optMaskNormal_Click();
    // Shows the preview of the classic or of the welcome logon.
    void ShowLogonPreview(bool classic);
};

extern ui::FormRef<FrmBoot> frmBoot;
