#pragma once
// Internet, second half: Internet Explorer's window title and its toolbar
// background bitmap. It reads nothing; it writes when a button is pressed.
#include "shell/PageForm.h"
#include "ui/CommonDialog.h"
#include "ui/SkinControls.h"

class FrmInternet2 : public ui::PageForm {
public:
    FrmInternet2();

    ui::Frame fraInternet2{L"fraInternet2"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevFrame sevFrame2{L"sevFrame2"};
    ui::TextBox txtIETitel{L"txtIETitel"};
    ui::XpButton cmdUeberTitel{L"cmdUeberTitel"};
    ui::XpButton cmdDefaultTitel{L"cmdDefaultTitel"};
    ui::SevFrame sevFrame3{L"sevFrame3"};
    ui::TextBox TextToolSkin{L"TextToolSkin"};
    ui::PictureBox cmdOpenToolSkin{L"cmdOpenToolSkin"};
    ui::XpButton cmdUeberTitel2{L"cmdUeberTitel2"};
    ui::XpButton cmdDefault{L"cmdDefault"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};
    ui::TextBox txtAenderung{L"txtAenderung"};
    ui::CommonDialog CommonDialog1;

protected:
    void CreateControls() override;

private:
    void txtIETitel_Change();
    void cmdUeberTitel_Click();
    void cmdDefaultTitel_Click();
    void TextToolSkin_Change();
    void cmdOpenToolSkin_Click();
    void cmdUeberTitel2_Click();
    void cmdDefault_Click();
};

extern ui::FormRef<FrmInternet2> frmInternet2;
