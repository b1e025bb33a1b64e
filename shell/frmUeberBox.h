#pragma once
// The about box: version and legal notes. Its texts are not translated.
#include "ui/Form.h"
#include "ui/SkinControls.h"

class FrmUeberBox : public ui::Form {
public:
    FrmUeberBox();

    ui::PictureBox Picture1{L"Picture1"};
    ui::Frame Frame1{L"Frame1", true};
    ui::Label Label2{L"Label2"};
    ui::Label Label1{L"Label1"};
    ui::Frame Frame2{L"Frame2", true};
    ui::Label Label3{L"Label3"};
    ui::Label Label4{L"Label4"};
    ui::XpButton Command1{L"Command1"};

protected:
    ui::FormStyle Style() const override;
    void CreateControls() override;

private:
    void Command1_Click();
};

extern ui::FormRef<FrmUeberBox> frmUeberBox;
