#pragma once
// Utilities: ten links that start Windows' administrative tools, management
// console snap-ins and the Windows Update web site.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmUtilities : public ui::PageForm {
public:
    FrmUtilities();

    ui::Frame fraUtilities{L"fraUtilities"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label5{L"Label5"};
    ui::PictureBox Picture1{L"Picture1"};
    ui::Label lblDatentraeger{L"lblDatentraeger"};
    ui::Label lblDatentraegerverwaltung{L"lblDatentraegerverwaltung"};
    ui::Label lblZertifikat{L"lblZertifikat"};
    ui::Label lblHardware{L"lblHardware"};
    ui::Label lblVerwaltung{L"lblVerwaltung"};
    ui::Label lblDefrag{L"lblDefrag"};
    ui::Label lblTask{L"lblTask"};
    ui::Label lblLeistung{L"lblLeistung"};
    ui::Label lblRegEdit{L"lblRegEdit"};
    ui::Label lblUpdateManager{L"lblUpdateManager"};

protected:
    void CreateControls() override;

private:
    struct Link;
    void Launch(const Link& link);
};

extern ui::FormRef<FrmUtilities> frmUtilities;
