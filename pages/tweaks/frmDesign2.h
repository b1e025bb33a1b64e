#pragma once
// Appearance, second half: the arrows on shortcut icons and the Windows
// picture viewer, each on or off, with a picture of the choice.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmDesign2 : public ui::PageForm {
public:
    FrmDesign2();

    ui::Frame fraDesign{L"fraDesign"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevFrame fraPfeile{L"fraPfeile"};
    ui::SevOption optPfeilAn{L"optPfeilAn"};
    ui::SevOption optPfeilAus{L"optPfeilAus"};
    ui::PictureBox picPfeilAn{L"picPfeilAn"};
    ui::PictureBox picPfeilAus{L"picPfeilAus"};
    ui::Label lblInfo{L"lblInfo"};
    ui::SevFrame fraPicture{L"fraPicture"};
    ui::SevOption optPictureAk{L"optPictureAk"};
    ui::SevOption optPictureDeak{L"optPictureDeak"};
    ui::PictureBox picBilderAn{L"picBilderAn"};
    ui::PictureBox picBilderAus{L"picBilderAus"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void optPfeilAn_Click();
    void optPfeilAus_Click();
    void optPictureAk_Click();
    void optPictureDeak_Click();
};

extern ui::FormRef<FrmDesign2> frmDesign2;
