#pragma once
// System Overview: the display, the video adapters, Windows, the system's
// language and the user, gathered once at load; a button for more. The
// adapters come from WMI on a worker of their own once the program is idle,
// or at the latest when the page is first shown.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"
#include "ui/win/Handles.h"

#include <memory>
#include <string>
#include <vector>

class FrmSysInfos : public ui::PageForm {
public:
    FrmSysInfos();
    ~FrmSysInfos() override;

    ui::Frame fraInfos{L"fraInfos"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::PictureBox picDisplay{L"picDisplay"};
    ui::Label Label39{L"Label39"};
    ui::Label Label8{L"Label8"};
    ui::Label LabelAufLoesung{L"LabelAufLoesung"};
    ui::Label Label9{L"Label9"};
    ui::Label LabelBit{L"LabelBit"};
    ui::Label Label10{L"Label10"};
    ui::Label lblFrequenz{L"lblFrequenz"};
    ui::Label Label14{L"Label14"};
    ui::ListBox ListGrafikkarte{L"ListGrafikkarte"};
    ui::PictureBox picWindows{L"picWindows"};
    ui::Label Label40{L"Label40"};
    ui::Label Label16{L"Label16"};
    ui::Label LabelVersionXP{L"LabelVersionXP"};
    ui::Label Label13{L"Label13"};
    ui::Label lblLangu{L"lblLangu"};
    ui::Label Label17{L"Label17"};
    ui::Label LabelBenutzerUser{L"LabelBenutzerUser"};
    ui::XpButton cmdWeitere{L"cmdWeitere"};

    // Shows the display figures as the form's device context reports them now.
    void RefreshInfo();
    // Whether the adapter list holds what WMI answered.
    bool AdaptersListed() const noexcept { return adaptersListed_; }

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Page_Showing() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void cmdWeitere_Click();
    void StartAdapterQuery();
    void ListAdapters();

    void AwaitAdapterQuery();

    struct AdapterQuery;
    std::unique_ptr<AdapterQuery> adapterQuery_;  // what the worker fills, until the page lists it
    win::unique_handle adapterWorker_;
    bool adaptersListed_ = false;
};

extern ui::FormRef<FrmSysInfos> frmSysInfos;

// The colour depth as the page shows it, digits grouped by the user's thousands separator.
std::wstring ColourDepthLabel(int bitsPerPixel);
