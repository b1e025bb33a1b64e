#pragma once
// Internet, first half: Internet Explorer, Outlook Express and network settings.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmInternet : public ui::PageForm {
public:
    FrmInternet();

    ui::Frame fraInternet{L"fraInternet"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::SevCheck chkIPForwarding{L"chkIPForwarding"};
    ui::SevCheck chkGoogle{L"chkGoogle"};
    ui::SevCheck chkAutoPicSize{L"chkAutoPicSize"};
    ui::SevCheck chkQOS{L"chkQOS"};
    ui::SevCheck chkSSL{L"chkSSL"};
    ui::SevCheck chkMessOE{L"chkMessOE"};
    ui::SevCheck chkNetHide{L"chkNetHide"};
    ui::SevCheck chkIEvollbild{L"chkIEvollbild"};
    ui::SevCheck chkUnread{L"chkUnread"};
    ui::SevCheck chkMSNSearch{L"chkMSNSearch"};
    ui::XpButton cmdNaechste{L"cmdNaechste"};

protected:
    void CreateControls() override;
    void Form_Load() override;
};

extern ui::FormRef<FrmInternet> frmInternet;
