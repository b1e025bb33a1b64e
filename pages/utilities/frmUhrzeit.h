#pragma once
// Time Synchronization: the running local time and date, and the system clock
// set from a TIME server (RFC 868, TCP port 37), half the round trip added.
#include "pages/utilities/Winsock.h"
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

#include <string>

class FrmUhrzeit : public ui::PageForm {
public:
    // How long a synchronisation may take before it is given up.
    static constexpr UINT TimeoutMilliseconds = 15000;

    FrmUhrzeit();

    ui::Frame fraTime{L"fraTime"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label1{L"Label1"};
    ui::PictureBox Picture1{L"Picture1"};
    ui::Label Label2{L"Label2"};
    ui::Label LabelZeitS{L"LabelZeitS"};
    ui::Label Label3{L"Label3"};
    ui::Label LabelDatumS{L"LabelDatumS"};
    ui::XpButton cmdSync{L"cmdSync"};
    ui::Timer TimerZeitSysA{L"TimerZeitSysA"};
    ui::Timer tmrTimeout{L"tmrTimeout"};
    ui::TextBox txtTime{L"txtTime"};
    Winsock ocxWinsock;

    // What the server sent in this synchronisation so far.
    const std::string& ReceiveBuffer() const noexcept { return receiveBuffer_; }

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void cmdSync_Click();
    void TimerZeitSysA_Timer();
    void tmrTimeout_Timer();
    void ocxWinsock_Connect();
    void ocxWinsock_DataArrival();
    void ocxWinsock_Close();

    std::string receiveBuffer_;
    DWORD connectedAt_ = 0;  // tick count: the round trip is measured on a clock that never jumps
};

extern ui::FormRef<FrmUhrzeit> frmUhrzeit;
