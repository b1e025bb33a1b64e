#pragma once
// CPU & Memory Status: the memory figures at start-up, the live processor
// load, the floating monitor's switch and the processor scheduling choice.
#include "pages/system/mdMisc.h"
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmSysRes : public ui::PageForm {
public:
    FrmSysRes();

    ui::Frame fraRessourcen{L"fraRessourcen"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label6{L"Label6"};
    ui::Label Label7{L"Label7"};
    ui::Label LabelSpeicherIns{L"LabelSpeicherIns"};
    ui::Label LabelAvail{L"LabelAvail"};
    ui::SevFrame sevFrame2{L"sevFrame2"};
    ui::Label LabelTPF{L"LabelTPF"};
    ui::Label LabelAV{L"LabelAV"};
    ui::Label LabelTVM{L"LabelTVM"};
    ui::Label Label12{L"Label12"};
    ui::Label LabelTotalPageFile{L"LabelTotalPageFile"};
    ui::Label LabelAvailablePageFile{L"LabelAvailablePageFile"};
    ui::Label LabelTotalVirtualMemory{L"LabelTotalVirtualMemory"};
    ui::Label LabelAvailableVirtualMemory{L"LabelAvailableVirtualMemory"};
    ui::SevFrame sevFrame3{L"sevFrame3"};
    ui::PictureBox picUsage{L"picUsage"};
    ui::Label lblCpuUsage{L"lblCpuUsage"};
    ui::SevFrame sevFrame4{L"sevFrame4"};
    ui::PictureBox picGraph{L"picGraph"};
    ui::PictureBox cmdStartcpuMoni{L"cmdStartcpuMoni"};
    ui::SevFrame sevFrame5{L"sevFrame5"};
    ui::SevOption chkAnwendungen{L"chkAnwendungen"};
    ui::SevOption chkHintergrund{L"chkHintergrund"};
    ui::Timer tmrRefresh{L"tmrRefresh"};

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void chkAnwendungen_Click();
    void chkHintergrund_Click();
    void cmdStartcpuMoni_Click();

    CpuSampling sampling_;
};

extern ui::FormRef<FrmSysRes> frmSysRes;
