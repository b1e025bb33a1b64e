#include "pages/tweaks/frmBoot.h"

#include "pages/tweaks/TweakPictures.h"
#include "pages/tweaks/TweakTable.h"
#include "shell/MenuPage.h"

ui::FormRef<FrmBoot> frmBoot;

namespace {

using tweaks::Data;
using tweaks::Kind;
using F = FrmBoot;

constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t LogonKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// Read first: no value, or 0, is the classic logon; the welcome option is selected by design.
const tweaks::Entry<F, ui::SevOption> LogonRows[] = {
    {&F::optMaskClassic, {HKLM, LogonKey, L"LogonType", Kind::Dword, L"0", Data::Nothing(), L"0"}},
    {&F::optMaskNormal, {HKLM, LogonKey, L"LogonType", Kind::Dword, L"1", Data::Nothing()}},
};

// In the order of the load. The service time-out lives under the numbered
// control set, and only it decides the fast-shutdown box.
const tweaks::Entry<F, ui::SevCheck> Rows[] = {
    {&F::chkFastDown,
     {HKLM, L"SYSTEM\\ControlSet001\\Control", L"WaitToKillServiceTimeout", Kind::String, L"2000", L"20000", L"2000"}},
    {&F::chkFastDown, {HKCU, L"Control Panel\\Desktop", L"AutoEndTasks", Kind::String, L"1", L"0"}},
    {&F::chkDoku,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"ClearRecentDocsOnExit", Kind::Dword,
      L"1", L"0", L"1"}},
    {&F::chkAuslagaFile,
     {HKLM, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", L"ClearPageFileAtShutdown",
      Kind::Dword, L"1", L"0", L"1"}},
    {&F::chkSysCrash,
     {HKLM, L"SYSTEM\\CurrentControlSet\\Control\\CrashControl", L"AutoReboot", Kind::Dword, L"0", L"1", L"0"}},
};

} // namespace

FrmBoot::FrmBoot() : PageForm(L"frmBoot") {}

void FrmBoot::CreateControls()
{
    using tweaks::TweakImage;
    Place({
        PageFrameRow(fraDesign),
        {sevFrame1, &fraDesign, {120, 120, 5775, 5535}, L"", L"Boot and Shutdown"},
        {chkSysCrash, &sevFrame1, {240, 480, 5295, 285}, L"1900", L"."},
        {chkAuslagaFile, &sevFrame1, {240, 900, 5295, 285}, L"1910", L"."},
        {chkDoku, &sevFrame1, {240, 1320, 5295, 285}, L"1920", L"."},
        {chkFastDown, &sevFrame1, {240, 1740, 5295, 285}, L"1930", L"."},
        {Label41, &sevFrame1, {240, 2460, 2400, 255}, L"1960", L"."},
        {optMaskNormal, &sevFrame1, {240, 2880, 2400, 285}, L"1940", L"."},
        {optMaskClassic, &sevFrame1, {240, 3300, 2400, 285}, L"1950", L"."},
        {picNormal, &sevFrame1, {2880, 2460, 2640, 1980}},
        {picClassic, &sevFrame1, {2880, 2460, 2640, 1980}, L"", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    Label41.SetFont({L"Arial", 8.25, true});
    Label41.SetTransparent(true);
    picNormal.SetPicture(tweaks::Picture(TweakImage::WelcomeLogon));
    picClassic.SetPicture(tweaks::Picture(TweakImage::ClassicLogon));
    optMaskNormal.SetValue(true);

    tweaks::BindClicks(*this, Rows);
    optMaskClassic.onClick = [this] { optMaskClassic_Click(); };
    optMaskNormal.onClick = [this] { optMaskNormal_Click(); };
}

void FrmBoot::Form_Load()
{
    // Selecting from code runs no click, so the preview follows the stored type here.
    tweaks::Load(*this, LogonRows);
    ShowLogonPreview(optMaskClassic.Value());
    tweaks::Load(*this, Rows);
}

void FrmBoot::optMaskClassic_Click()
{
    tweaks::WriteRows(*this, LogonRows, optMaskClassic);
    ShowLogonPreview(true);
}

void FrmBoot::optMaskNormal_Click()
{
    tweaks::WriteRows(*this, LogonRows, optMaskNormal);
    ShowLogonPreview(false);
}

void FrmBoot::ShowLogonPreview(bool classic)
{
    picNormal.SetVisible(!classic);
    picClassic.SetVisible(classic);
}
