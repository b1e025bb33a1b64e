#include "pages/tweaks/frmGeneral.h"

#include "pages/system/modOrdnerErmitteln.h"
#include "pages/tweaks/TweakTable.h"
#include "pages/tweaks/frmGeneral2.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"
#include "ui/core/CommandLine.h"

#include <shlobj.h>

ui::FormRef<FrmGeneral> frmGeneral;

namespace {

using tweaks::Data;
using tweaks::Kind;
using F = FrmGeneral;

constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t AdvancedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr wchar_t AeDebugKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

// The messenger box is its own: its load greys it, its tick starts the removal.
constexpr tweaks::Row MessengerRemoved{HKCU, SettingsKey, L"DelMSN", Kind::String, FlagYes, Data::Nothing()};

// In the order of the load. AlwaysUnloadDll is a string value right under the
// Explorer key, deleted when unticked; the debugger box writes three values
// and is decided by Debugger alone.
const tweaks::Entry<F, ui::SevCheck> Rows[] = {
    {&F::chkMinAnsicht, {HKCU, AdvancedKey, L"DisableThumbnailCache", Kind::Dword, L"1", L"0", L"1"}},
    {&F::chkDLL,
     {HKLM, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"AlwaysUnloadDll", Kind::String, L"1",
      Data::Delete(), L"1"}},
    {&F::chkAutoRun, {HKLM, L"System\\CurrentControlSet\\Services\\Cdrom", L"AutoRun", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkDoppelklicks, {HKCU, AdvancedKey, L"UseDoubleClickTimer", Kind::String, L"1", L"0", L"1"}},
    {&F::chkIndexService,
     {HKLM, L"SYSTEM\\CurrentControlSet\\Services\\CiSvc", L"Start", Kind::Dword, L"4", L"3", L"4"}},
    {&F::chkCutPaste, {HKCU, L"Console", L"QuickEdit", Kind::Dword, L"1", L"0", L"1"}},
    {&F::chkBurn,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoCDBurning", Kind::Dword, L"1",
      L"0", L"1"}},
    {&F::chkWatson, {HKLM, AeDebugKey, L"Auto", Kind::String, L"0", L"1"}},
    {&F::chkWatson, {HKLM, AeDebugKey, L"Debugger", Kind::String, L"0", L"drwtsn32 -p %ld -e %ld -g", L"0"}},
    {&F::chkWatson, {HKLM, AeDebugKey, L"UserDebuggerHotKey", Kind::Dword, L"0", L"0"}},
};

// The messenger's own uninstall section, run minimised and not waited for.
effects::Command MessengerRemovalCommand()
{
    return {systemfolders::InSystem(L"RunDLL32.exe"),
            commandline::Quoted(systemfolders::InSystem(L"advpack.dll")) + L",LaunchINFSection " +
                GetSpecialFolderPath(CSIDL_WINDOWS) + L"\\INF\\msmsgs.inf,BLC.Remove"};
}

} // namespace

FrmGeneral::FrmGeneral() : PageForm(L"frmGeneral") {}

void FrmGeneral::CreateControls()
{
    Place({
        PageFrameRow(fraDesign),
        {picLogo, &fraDesign, {2040, 120, 1770, 795}},
        {sevFrame1, &fraDesign, {120, 1020, 5775, 4635}, L"", L"General (1/2)"},
        {chkMinAnsicht, &sevFrame1, {240, 420, 5295, 285}, L"2690", L"."},
        {chkDLL, &sevFrame1, {240, 780, 5295, 285}, L"2680", L"."},
        {chkWatson, &sevFrame1, {240, 1140, 5295, 285}, L"1820", L"."},
        {chkMSN, &sevFrame1, {240, 1500, 5295, 285}, L"1830", L"."},
        {chkBurn, &sevFrame1, {240, 1860, 5295, 285}, L"1840", L"."},
        {chkCutPaste, &sevFrame1, {240, 2220, 5295, 285}, L"1850", L"."},
        {chkIndexService, &sevFrame1, {240, 2580, 5295, 285}, L"1860", L"."},
        {chkDoppelklicks, &sevFrame1, {240, 2940, 5295, 285}, L"1870", L"."},
        {chkAutoRun, &sevFrame1, {240, 3300, 5295, 285}, L"1880", L"."},
        {cmdNaechste, &sevFrame1, {4080, 4020, 1455, 375}, L"1780", L"."},
    });
    picLogo.SetPicture(art::Get(art::ImageId::ProductLogoSmall));
    SetTitledFrameColors(sevFrame1);

    tweaks::BindClicks(*this, Rows);
    chkMSN.onClick = [this] { chkMSN_Click(); };
    cmdNaechste.onClick = [] { ui::ShowPage(frmGeneral2->fraDesign2); };
}

void FrmGeneral::Form_Load()
{
    tweaks::Load(*this, Rows);
    // Once started, the removal cannot be undone or repeated from here.
    if (MessengerRemoved.ReadText() == FlagYes) {
        chkMSN.SetEnabled(false);
        chkMSN.SetValue(2);
    }
}

void FrmGeneral::chkMSN_Click()
{
    if (!chkMSN.Ticked())
        return;
    MessengerRemoved.Write(true);
    effects::Current().RunProgram(MessengerRemovalCommand(), SW_SHOWMINIMIZED);
}
