#pragma once
// The floating CPU monitor: a small always-on-top tool window of its own, not
// a page, with the load gauge, the history and a slider for its opacity.
#include "pages/system/mdMisc.h"
#include "ui/Form.h"

class FrmMonitor : public ui::Form {
public:
    FrmMonitor();

    ui::Frame Frame1{L"Frame1", true};
    ui::PictureBox picUsage{L"picUsage"};
    ui::Label lblCpuUsage{L"lblCpuUsage"};
    ui::Frame Frame2{L"Frame2", true};
    ui::PictureBox picGraph{L"picGraph"};
    ui::HScrollBar HScroll1{L"HScroll1"};
    ui::Timer tmrRefresh{L"tmrRefresh"};

protected:
    ui::FormStyle Style() const override;
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Activate();
    void HScroll1_Change();

    CpuSampling sampling_;
};

extern ui::FormRef<FrmMonitor> frmMonitor;

// Opens the monitor when it is not shown (loading it anew when it was closed),
// and closes it when it is.
void ToggleCpuMonitor();
