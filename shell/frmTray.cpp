#include "shell/frmTray.h"

#include "pages/system/frmMonitor.h"
#include "pages/system/frmRamCleaner.h"
#include "shell/PageForm.h"
#include "shell/core/SessionEnd.h"
#include "shell/frmMain.h"
#include "shell/modBeenden.h"
#include "shell/modTaskbar.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"
#include "ui/core/Product.h"

ui::FormRef<FrmTray> frmTray;

namespace {

constexpr UINT MenuIconIdentifier = 2;

// The privilege steps on the real token, and the end of the session through the seam.
class ProcessSessionSteps : public session::SessionSteps {
public:
    ~ProcessSessionSteps() override
    {
        if (token_)
            ::CloseHandle(token_);
    }

    bool OpenProcessToken() override
    {
        return ::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_) != FALSE;
    }

    void LookUpShutdownPrivilege() override { ::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privilege_); }

    bool EnableShutdownPrivilege() override
    {
        TOKEN_PRIVILEGES wanted{1, {{privilege_, SE_PRIVILEGE_ENABLED}}};
        TOKEN_PRIVILEGES previous{};
        DWORD length = 0;
        return ::AdjustTokenPrivileges(token_, FALSE, &wanted, sizeof previous, &previous, &length) != FALSE;
    }

    bool EndSession(std::uint32_t action) override { return effects::Current().EndSession(action); }

private:
    HANDLE token_ = nullptr;
    LUID privilege_{};
};

// Restoring the main window is always the same two steps.
void ShowMainWindow()
{
    frmMain->Show();
    modTaskbar::ShowInTaskbar(frmMain->Hwnd(), true);
}

} // namespace

LRESULT TrayIconBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The icon's mouse messages arrive as this message with the mouse message
    // itself in lParam, whatever the display's resolution.
    if (message == TrayCallbackMessage && wParam == MenuIconIdentifier) {
        if (onIconMessage)
            onIconMessage(static_cast<UINT>(LOWORD(lParam)));
        return 0;
    }
    return PictureBox::HandleMessage(message, wParam, lParam);
}

FrmTray::FrmTray() : Form(L"frmTray") {}

ui::FormStyle FrmTray::Style() const
{
    // A hidden top-level window, so that the shell's broadcast after a restart reaches it.
    ui::FormStyle style;
    style.style = WS_POPUP;
    style.clientWidth = 1500;
    style.clientHeight = 1500;
    style.caption = L"frmTray";
    style.ownedByApplication = true;
    return style;
}

void FrmTray::CreateControls()
{
    Place({{Picture1, nullptr, {0, 0, 480, 480}, L"", nullptr, false}});
    Picture1.onIconMessage = [this](UINT mouseMessage) { Picture1_MouseMove(mouseMessage); };

    MenuPopUp_.reset(::CreatePopupMenu());
    const struct {
        UINT item;
        const wchar_t* caption;
    } items[] = {
        {mnuOpen, L"Open Brevantor"}, {0, nullptr},         {mnuTask, L"Task-Manager"},
        {mnuCPU, L"CPU-Monitoring"},  {mnuClean, L"Optimize RAM!"}, {0, nullptr},
        {mnuLogoff, L"Logoff"},       {mnuShutdown, L"Shutdown"},   {mnuReboot, L"Reboot"},
        {0, nullptr},                 {mnuExit, L"Exit Brevantor"},
    };
    for (const auto& entry : items)
        ::AppendMenuW(MenuPopUp_.get(), entry.caption ? MF_STRING : MF_SEPARATOR, entry.item, entry.caption);
}

void FrmTray::Form_Load()
{
    const int iconSize = ::GetSystemMetrics(SM_CXSMICON);
    trayIconData_ = MakeTrayIconData(Picture1.Hwnd(), MenuIconIdentifier, art::ProgramIcon(iconSize), product::Title);
    ::Shell_NotifyIconA(NIM_ADD, &trayIconData_);
}

void FrmTray::Form_Unload()
{
    ::Shell_NotifyIconA(NIM_DELETE, &trayIconData_);
}

LRESULT FrmTray::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A shell that started anew knows no icons: without this one a minimised
    // main window could not be brought back.
    if (message == TaskbarCreatedMessage()) {
        ::Shell_NotifyIconA(NIM_ADD, &trayIconData_);
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void FrmTray::Picture1_MouseMove(UINT mouseMessage)
{
    if (mouseMessage == WM_RBUTTONDOWN)
        ShowMenuPopUp();
    else if (mouseMessage == WM_LBUTTONDBLCLK)
        ShowMainWindow();
}

void FrmTray::ShowMenuPopUp()
{
    POINT at{};
    ::GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only while its owner is in front.
    ::SetForegroundWindow(Hwnd());
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(MenuPopUp_.get(), TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, Hwnd(), nullptr));
    ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
    if (chosen)
        MenuCommand(chosen);
}

void FrmTray::MenuCommand(UINT item)
{
    switch (item) {
    case mnuOpen: mnuOpen_Click(); break;
    case mnuTask: mnuTask_Click(); break;
    case mnuCPU: mnuCPU_Click(); break;
    case mnuClean: mnuClean_Click(); break;
    case mnuLogoff: RebootSystem(session::LogOff); break;
    case mnuShutdown: RebootSystem(session::ShutDown); break;
    case mnuReboot: RebootSystem(session::Reboot); break;
    case mnuExit: mnuExit_Click(); break;
    default: break;
    }
}

void FrmTray::mnuOpen_Click()
{
    ShowMainWindow();
}

void FrmTray::mnuTask_Click()
{
    effects::Current().ShellExecute(Hwnd(), systemfolders::Tool(L"taskmgr.exe"));
}

void FrmTray::mnuCPU_Click()
{
    ToggleCpuMonitor();
}

void FrmTray::mnuClean_Click()
{
    ui::ShowPage(frmRamCleaner->fraRam);
    ShowMainWindow();
    frmRamCleaner->cmdCleantrayrc.SetValue(true);
}

void FrmTray::mnuExit_Click()
{
    modBeenden::UnloadAllForms();
}

bool FrmTray::IsWindowsNT()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    const DWORD platform = ::GetVersionExA(&version) ? version.dwPlatformId : 0;
    return (platform & 2) != 0;
}

bool FrmTray::RebootSystem(std::uint32_t action)
{
    ProcessSessionSteps steps;
    return session::RebootSystem(IsWindowsNT(), action, steps);
}
