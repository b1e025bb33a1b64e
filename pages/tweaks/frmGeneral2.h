#pragma once
// General, second half: the shell's ZIP folders on or off, and the taskbar's
// opacity with a preview.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmGeneral2 : public ui::PageForm {
public:
    FrmGeneral2();

    ui::Frame fraDesign2{L"fraDesign2"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevFrame fraZIP{L"fraZIP"};
    ui::XpButton cmdZIPan{L"cmdZIPan"};
    ui::XpButton cmdZIPaus{L"cmdZIPaus"};
    ui::PictureBox picZipAk{L"picZipAk"};
    ui::PictureBox picZipDeak{L"picZipDeak"};
    ui::SevFrame fraTaskbar{L"fraTaskbar"};
    ui::Label Label1{L"Label1"};
    ui::HScrollBar HScroll1{L"HScroll1"};
    ui::PictureBox picTest{L"picTest"};
    ui::PictureBox picTaskBar{L"picTaskBar"};
    ui::XpButton cmdOK{L"cmdOK"};
    ui::TextBox txtLevel{L"txtLevel"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void cmdZIPan_Click();
    void cmdZIPaus_Click();
    void HScroll1_Change();
    void cmdOK_Click();
    void ShowZipState(bool on);
};

extern ui::FormRef<FrmGeneral2> frmGeneral2;
