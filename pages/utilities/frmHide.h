#pragma once
// Window-Hider: pick any top-level window by dragging from the picker onto
// it, hide it into a notification-area icon, and show, hide or release it
// from that icon's double click and menu. One window at a time.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"
#include "ui/win/Handles.h"

#include <string>

class FrmHide : public ui::PageForm {
public:
    FrmHide();

    ui::Frame fraHider{L"fraHider"};
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label5{L"Label5"};
    ui::PictureBox Picture1{L"Picture1"};
    ui::Label lblInfo{L"lblInfo"};
    ui::XpButton cmdTray{L"cmdTray"};
    ui::XpButton cmdRelease{L"cmdRelease"};

    // The icon's menu: (0) "Show Window" or "Hide Window", (1) "Release Window".
    HMENU mnuPopup() const noexcept { return mnuPopup_.get(); }
    std::wstring MenuItemCaption(int index) const;
    void mnuPopupItems_Click(int index);
    // Opens the icon's menu at the cursor, item 0 its default.
    void ShowPopupMenu();

protected:
    // A top-level window, hidden: the icon's messages come to it, and so does the
    // "TaskbarCreated" that a new shell sends to top-level windows only.
    ui::FormStyle Style() const override;
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Picture1_MouseDown();
    void Picture1_MouseMove();
    void Picture1_MouseUp();
    void cmdTray_Click();
    void cmdRelease_Click();
    void SetMenuItemCaption(int index, const std::wstring& caption);

    win::unique_hmenu mnuPopup_;
    art::Picture dragIcon_;
};

extern ui::FormRef<FrmHide> frmHide;
