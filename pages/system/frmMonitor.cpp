#include "pages/system/frmMonitor.h"

#include "pages/system/modTransp.h"
#include "shell/Registry.h"
#include "ui/core/NumberText.h"

#include <string>

ui::FormRef<FrmMonitor> frmMonitor;

namespace {

constexpr wchar_t TransValue[] = L"Trans";
// The slider runs from faint at the left to opaque at the right.
constexpr int LeastOpacity = 50;
constexpr int FullOpacity = 255;

} // namespace

FrmMonitor::FrmMonitor()
    : Form(L"frmMonitor"),
      sampling_({tmrRefresh, picUsage, lblCpuUsage, picGraph}, L"Error, invalid value!", MB_ICONEXCLAMATION)
{
}

ui::FormStyle FrmMonitor::Style() const
{
    // Fixed tool window without minimise or maximise box and without a taskbar button.
    ui::FormStyle style;
    style.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    style.exStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
    style.defaultPosition = true;
    style.clientWidth = 5460;
    style.clientHeight = 1620;
    style.caption = L"CPU-Monitoring";
    style.ownedByApplication = true;
    return style;
}

void FrmMonitor::CreateControls()
{
    Place({
        // The gauge's frame is as wide as its longest shipped title ("CPU-Auslastung") needs.
        {Frame1, nullptr, {120, 30, 1560, 1170}, L"1250"},
        {picUsage, &Frame1, {330, 240, 900, 855}},
        {lblCpuUsage, &picUsage, {0, 600, 900, 240}, L"", L"0%"},
        {Frame2, nullptr, {1800, 30, 3540, 1170}, L"1260"},
        {picGraph, &Frame2, {120, 240, 3300, 855}},
        {HScroll1, nullptr, {120, 1290, 5220, 255}},
        {tmrRefresh, nullptr, {0, 0, 0, 0}, L"", nullptr, false},
    });
    PrepareCpuDisplay(picUsage, lblCpuUsage, picGraph);
    HScroll1.SetRange(LeastOpacity, FullOpacity);
    HScroll1.SetChanges(1, 10);
    HScroll1.SetValue(LeastOpacity);
    HScroll1.onChange = [this] { HScroll1_Change(); };
}

void FrmMonitor::Form_Load()
{
    // Text that is no number in the slider's range leaves the slider where it is.
    const std::wstring trans = Registry::GetString(RegRoot::CurrentUser, SettingsKey, TransValue, L"");
    if (const auto value = numbertext::StrictInteger(trans))
        HScroll1.SetValue(*value);

    sampling_.Start();
}

void FrmMonitor::Form_Unload()
{
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, TransValue, std::to_wstring(HScroll1.Value()));
    sampling_.Stop();
}

void FrmMonitor::Form_Activate()
{
    // Above all normal windows each time it becomes active.
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void FrmMonitor::HScroll1_Change()
{
    SetTransparency(Hwnd(), static_cast<std::int16_t>(HScroll1.Value()));
}

LRESULT FrmMonitor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
        Form_Activate();
    return Form::HandleMessage(message, wParam, lParam);
}

void ToggleCpuMonitor()
{
    if (frmMonitor.IsLoaded() && frmMonitor->Visible())
        frmMonitor->Unload();
    else
        frmMonitor->Show();
}
