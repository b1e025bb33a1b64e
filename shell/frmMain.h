#pragma once
// The borderless, skinned main window: title strip, five section entries and
// the container in which every page of the program is shown.
#include "ui/Form.h"

class FrmMain : public ui::Form {
public:
    FrmMain();

    ui::PictureBox picHeader{L"picHeader"};
    ui::PictureBox picMin{L"picMin"};
    ui::PictureBox picMinUp{L"picMinUp"};
    ui::PictureBox picMinDown{L"picMinDown"};
    ui::PictureBox picSchliessen{L"picSchliessen"};
    ui::PictureBox picSchliessenUp{L"picSchliessenUp"};
    ui::PictureBox picSchliessenDown{L"picSchliessenDown"};
    ui::PictureBox picQorLogoKlein{L"picQorLogoKlein"};
    ui::PictureBox picBack1{L"picBack1"};
    ui::PictureBox picBack2{L"picBack2"};
    ui::PictureBox picContainerMain{L"picContainerMain"};
    ui::PictureBox picBar{L"picBar"};
    ui::Label lblHP{L"lblHP"};
    ui::PictureBox picLeisteLinks1{L"picLeisteLinks1"};
    ui::PictureBox picLeisteLinks2{L"picLeisteLinks2"};
    ui::PictureBox picLeisteRechts1{L"picLeisteRechts1"};
    ui::PictureBox picLeisteRechts2{L"picLeisteRechts2"};
    ui::PictureBox picLeisteRechts3{L"picLeisteRechts3"};
    ui::PictureBox picLeisteUnten1{L"picLeisteUnten1"};
    ui::PictureBox picLeisteUnten2{L"picLeisteUnten2"};
    ui::PictureBox picLeisteUnten3{L"picLeisteUnten3"};

    ui::Label lblSystem{L"lblSystem"};
    ui::PictureBox picSystem{L"picSystem"};
    ui::Label lblWinTweaks{L"lblWinTweaks"};
    ui::PictureBox picWinTweaks{L"picWinTweaks"};
    ui::Label lblUtilities{L"lblUtilities"};
    ui::PictureBox picUtilities{L"picUtilities"};
    ui::Label lblInternetTweaks{L"lblInternetTweaks"};
    ui::PictureBox picInternetTweaks{L"picInternetTweaks"};
    ui::Label lblHelpUpdate{L"lblHelpUpdate"};
    ui::PictureBox picHelpUpdate{L"picHelpUpdate"};

protected:
    ui::FormStyle Style() const override;
    void CreateControls() override;
    void Form_Load() override;
    void OnSystemClose() override;

private:
    void ConnectEvents();
    void picMin_Click();
    void picSchliessen_Click();
    void picQorLogoKlein_Click();
    void lblHP_Click();
};

extern ui::FormRef<FrmMain> frmMain;
