#pragma once
// Password-Generator: lists of random passwords or product-key-like strings
// made from a mask, shown in a list and saved to a text file.
#include "shell/PageForm.h"
#include "ui/ComboBox.h"
#include "ui/CommonDialog.h"
#include "ui/ProgressBar.h"
#include "ui/SkinControls.h"

class FrmPassGen : public ui::PageForm {
public:
    FrmPassGen();

    ui::Frame fraPass{L"fraPass"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label1{L"Label1"};
    ui::ComboBox cmbMask{L"cmbMask"};
    ui::Label Label3{L"Label3"};
    ui::TextBox txtCustom{L"txtCustom"};
    ui::XpButton cmdSet{L"cmdSet"};
    ui::Label Label2{L"Label2"};
    ui::TextBox txtNumPass{L"txtNumPass"};
    ui::SevCheck chkDoDuplicates{L"chkDoDuplicates"};
    ui::XpButton cmdGen{L"cmdGen"};
    ui::XpButton cmdStop{L"cmdStop"};
    ui::XpButton cmdSave{L"cmdSave"};
    ui::ListBox lstTmp{L"lstTmp"};
    ui::ListBox lstPass{L"lstPass"};
    ui::MBProgressBar PB{L"PB"};
    // On the form outside the page frame, never seen.
    ui::TextBox txtMaske{L"txtMaske"};
    ui::SevCheck chkStrick{L"chkStrick"};
    ui::Label lblNumDupes{L"lblNumDupes"};
    ui::Label Label4{L"Label4"};
    ui::CommonDialog CD;

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void cmdGen_Click();
    void cmdStop_Click();
    void cmdSet_Click();
    void cmdSave_Click();
    void txtCustom_Change();
    void txtCustom_LostFocus();

    bool generating_ = false;
};

extern ui::FormRef<FrmPassGen> frmPassGen;
