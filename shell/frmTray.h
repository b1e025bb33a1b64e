#pragma once
// The notification-area icon and its menu of quick actions, from the main
// window's start-up to the program's end. The form itself is never shown.
#include "shell/TrayIcon.h"
#include "ui/Form.h"

#include <cstdint>
#include <functional>

// A hidden picture box that receives the icon's mouse messages.
class TrayIconBox : public ui::PictureBox {
public:
    using PictureBox::PictureBox;
    // The mouse message of the icon (WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, ...).
    std::function<void(UINT mouseMessage)> onIconMessage;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class FrmTray : public ui::Form {
public:
    // The menu's items, in their order.
    enum MenuItem : UINT {
        mnuOpen = 1,
        mnuTask,
        mnuCPU,
        mnuClean,
        mnuLogoff,
        mnuShutdown,
        mnuReboot,
        mnuExit,
    };

    FrmTray();

    TrayIconBox Picture1{L"Picture1"};

    // The NT family, as this form's own test of the platform identifier tells it.
    static bool IsWindowsNT();
    // Ends the Windows session with an EWX_* action; true when Windows took it.
    bool RebootSystem(std::uint32_t action);
    // What choosing a menu item does.
    void MenuCommand(UINT item);
    const TrayIconData& IconData() const noexcept { return trayIconData_; }

protected:
    ui::FormStyle Style() const override;
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Picture1_MouseMove(UINT mouseMessage);
    void ShowMenuPopUp();
    void mnuOpen_Click();
    void mnuTask_Click();
    void mnuCPU_Click();
    void mnuClean_Click();
    void mnuExit_Click();

    TrayIconData trayIconData_{};
    win::unique_hmenu MenuPopUp_;
};

extern ui::FormRef<FrmTray> frmTray;
