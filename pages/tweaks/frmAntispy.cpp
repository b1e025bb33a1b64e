#include "pages/tweaks/frmAntispy.h"

#include "pages/tweaks/TweakTable.h"
#include "shell/Artwork.h"
#include "shell/Registry.h"
#include "ui/Effects.h"

ui::FormRef<FrmAntispy> frmAntispy;

namespace {

using tweaks::Kind;

constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t ErrorReportingKey[] = L"SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";

// Ticked switches a feature off; unticking the update check restores the automatic start (2).
constexpr tweaks::Row TimeSyncType{HKLM, L"SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", L"Type",
                                   Kind::String, L"NoSync", L"Ntp", L"NoSync"};
constexpr tweaks::Row ScheduledUpdates{HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Webcheck",
                                       L"NoScheduledUpdates", Kind::Dword, L"1", L"0", L"1"};
constexpr tweaks::Row UpdateServiceStart{HKLM, L"SYSTEM\\CurrentControlSet\\Services\\wuauserv", L"Start",
                                         Kind::Dword, L"4", L"2", L"4"};
constexpr tweaks::Row BrowserUpdateCheck{HKCU, L"Software\\Microsoft\\Internet Explorer\\Main", L"NoUpdateCheck",
                                         Kind::Dword, L"1", L"0", L"1"};
constexpr tweaks::Row RemoteAssistance{HKLM, L"SYSTEM\\CurrentControlSet\\Control\\Terminal Server",
                                       L"fAllowToGetHelp", Kind::Dword, L"0", L"1", L"0"};
constexpr tweaks::Row ErrorReportDo{HKLM, ErrorReportingKey, L"DoReport", Kind::Dword, L"0", L"1", L"0"};
constexpr tweaks::Row ErrorReportShowUi{HKLM, ErrorReportingKey, L"ShowUI", Kind::Dword, L"0", L"1", L"0"};

// In the order of the recommended settings, which write every row ticked.
const tweaks::Entry<FrmAntispy, ui::SevCheck> Rows[] = {
    {&FrmAntispy::chkTime, TimeSyncType},
    {&FrmAntispy::chkUpdates, ScheduledUpdates},
    {&FrmAntispy::chkUeberpruefung, UpdateServiceStart},
    {&FrmAntispy::chkUeberpruefung, BrowserUpdateCheck},
    {&FrmAntispy::chkRemote, RemoteAssistance},
    {&FrmAntispy::chkFehler, ErrorReportDo},
    {&FrmAntispy::chkFehler, ErrorReportShowUi},
};

constexpr RegRoot ExtensionRoot = HKLM;
constexpr wchar_t ExtensionKey[] =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}";

constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF FrameBorder = 0x00B99D7F;
constexpr COLORREF FrameCaption = 0x00D54600;

} // namespace

FrmAntispy::FrmAntispy() : PageForm(L"frmAntispy") {}

void FrmAntispy::CreateControls()
{
    Place({
        PageFrameRow(fraAntispy),
        {picLogo, &fraAntispy, {2040, 240, 1770, 795}},
        {fraTitle, &fraAntispy, {0, 1320, 5895, 3975}, L"", L"Antispy"},
        {picDecor, &fraTitle, {4260, 780, 1440, 1440}},
        {chkTime, &fraTitle, {240, 480, 3900, 285}, L"1560", L"."},
        {chkUpdates, &fraTitle, {240, 930, 3900, 285}, L"1570", L"."},
        {chkUeberpruefung, &fraTitle, {240, 1380, 3900, 285}, L"1580", L"."},
        {chkRemote, &fraTitle, {240, 1830, 3900, 285}, L"1590", L"."},
        {chkFehler, &fraTitle, {240, 2280, 3900, 285}, L"1630", L"."},
        {cmdEmAnti, &fraTitle, {240, 3120, 2400, 375}, L"1640", L"."},
        {cmdAlexaspyWegm, &fraTitle, {2880, 3120, 2400, 375}, L"1650", L"."},
        {txtAlexa, &fraAntispy, {120, 120, 615, 285}, L"1660", nullptr, false},
        {txtEm, &fraAntispy, {120, 480, 615, 285}, L"1670", nullptr, false},
    });
    picLogo.SetPicture(art::Get(art::ImageId::AntispyLogo));
    picDecor.SetPicture(art::Get(art::ImageId::AntispyDecor));
    fraTitle.SetColors(White, FrameBorder, FrameCaption);

    tweaks::BindClicks(*this, Rows);
    cmdEmAnti.onClick = [this] { cmdEmAnti_Click(); };
    cmdAlexaspyWegm.onClick = [this] { cmdAlexaspyWegm_Click(); };
}

void FrmAntispy::Form_Load()
{
    // Reads only: the boxes show what Windows holds, nothing is written back.
    tweaks::Load(*this, Rows);
    // Either value alone ticked the box above; it stays ticked only when both say so.
    if (ErrorReportDo.ReadText() != ErrorReportShowUi.ReadText())
        chkFehler.SetValue(0);
    if (UpdateServiceStart.ReadText() != UpdateServiceStart.tickedAtLoad ||
        BrowserUpdateCheck.ReadText() != BrowserUpdateCheck.tickedAtLoad)
        chkUeberpruefung.SetValue(0);
}

void FrmAntispy::cmdEmAnti_Click()
{
    // Written here rather than through the boxes: ticking from code raises no click.
    for (const auto& entry : Rows)
        entry.row.Write(true);
    for (ui::SevCheck* box : {&chkTime, &chkUpdates, &chkUeberpruefung, &chkRemote, &chkFehler})
        box->SetValue(1);
    MsgBox(txtEm.Text(), MB_ICONINFORMATION);
}

void FrmAntispy::cmdAlexaspyWegm_Click()
{
    // The service reports nothing, so the message follows whatever the deletion did.
    Registry::DeleteKey(ExtensionRoot, ExtensionKey);
    MsgBox(txtAlexa.Text(), MB_ICONINFORMATION);
}
