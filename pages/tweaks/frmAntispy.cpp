#include "pages/tweaks/frmAntispy.h"

#include "shell/Artwork.h"
#include "shell/Registry.h"
#include "ui/Effects.h"

#include <cstdint>
#include <string>

ui::FormRef<FrmAntispy> frmAntispy;

namespace {

// Where each setting of the page lives; the load, the boxes and the
// recommended settings all go through these.
struct RegLocation {
    RegRoot root;
    const wchar_t* key;
    const wchar_t* value;
};

constexpr wchar_t ErrorReportingKey[] = L"SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";

constexpr RegLocation TimeSyncType{RegRoot::LocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters",
                                   L"Type"};
constexpr RegLocation ScheduledUpdates{RegRoot::CurrentUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Webcheck",
                                       L"NoScheduledUpdates"};
constexpr RegLocation UpdateServiceStart{RegRoot::LocalMachine, L"SYSTEM\\CurrentControlSet\\Services\\wuauserv",
                                         L"Start"};
constexpr RegLocation BrowserUpdateCheck{RegRoot::CurrentUser, L"Software\\Microsoft\\Internet Explorer\\Main",
                                         L"NoUpdateCheck"};
constexpr RegLocation RemoteAssistance{RegRoot::LocalMachine, L"SYSTEM\\CurrentControlSet\\Control\\Terminal Server",
                                       L"fAllowToGetHelp"};
constexpr RegLocation ErrorReportDo{RegRoot::LocalMachine, ErrorReportingKey, L"DoReport"};
constexpr RegLocation ErrorReportShowUi{RegRoot::LocalMachine, ErrorReportingKey, L"ShowUI"};

constexpr RegRoot ExtensionRoot = RegRoot::LocalMachine;
constexpr wchar_t ExtensionKey[] =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}";

constexpr wchar_t TimeSyncOff[] = L"NoSync";
constexpr wchar_t TimeSyncOn[] = L"Ntp";
// Service start types: disabled, and automatic (what unticking restores).
constexpr std::int32_t ServiceDisabled = 4;
constexpr std::int32_t ServiceAutomatic = 2;

constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF FrameBorder = 0x00B99D7F;
constexpr COLORREF FrameCaption = 0x00D54600;

// DWORDs are compared as their decimal text, the way every tweak page reads them.
std::wstring ReadDwordText(const RegLocation& at)
{
    return std::to_wstring(Registry::GetDword(at.root, at.key, at.value, 0));
}

std::wstring ReadString(const RegLocation& at)
{
    return Registry::GetString(at.root, at.key, at.value, L"");
}

void WriteDword(const RegLocation& at, std::int32_t data)
{
    Registry::SaveDword(at.root, at.key, at.value, data);
}

void WriteString(const RegLocation& at, const std::wstring& data)
{
    Registry::SaveString(at.root, at.key, at.value, data);
}

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

    chkTime.onClick = [this] { chkTime_Click(); };
    chkUpdates.onClick = [this] { chkUpdates_Click(); };
    chkUeberpruefung.onClick = [this] { chkUeberpruefung_Click(); };
    chkRemote.onClick = [this] { chkRemote_Click(); };
    chkFehler.onClick = [this] { chkFehler_Click(); };
    cmdEmAnti.onClick = [this] { cmdEmAnti_Click(); };
    cmdAlexaspyWegm.onClick = [this] { cmdAlexaspyWegm_Click(); };
}

void FrmAntispy::Form_Load()
{
    // Reads only: the boxes show what Windows holds, nothing is written back.
    const std::wstring doReport = ReadDwordText(ErrorReportDo);
    const std::wstring showUi = ReadDwordText(ErrorReportShowUi);
    if (doReport == L"0")
        chkFehler.SetValue(1);
    if (showUi == L"0")
        chkFehler.SetValue(1);
    if (doReport != showUi)
        chkFehler.SetValue(0);

    if (Registry::GetDword(RemoteAssistance.root, RemoteAssistance.key, RemoteAssistance.value, 0) == 0)
        chkRemote.SetValue(1);

    const std::wstring start = ReadDwordText(UpdateServiceStart);
    const std::wstring noUpdateCheck = ReadDwordText(BrowserUpdateCheck);
    if (start == L"4")
        chkUeberpruefung.SetValue(1);
    if (noUpdateCheck == L"1")
        chkUeberpruefung.SetValue(1);
    if (start != L"4" || noUpdateCheck != L"1")
        chkUeberpruefung.SetValue(0);

    if (ReadDwordText(ScheduledUpdates) == L"1")
        chkUpdates.SetValue(1);

    if (ReadString(TimeSyncType) == TimeSyncOff)
        chkTime.SetValue(1);
}

void FrmAntispy::chkTime_Click()
{
    WriteString(TimeSyncType, chkTime.Ticked() ? TimeSyncOff : TimeSyncOn);
}

void FrmAntispy::chkUpdates_Click()
{
    WriteDword(ScheduledUpdates, chkUpdates.Ticked() ? 1 : 0);
}

void FrmAntispy::chkUeberpruefung_Click()
{
    const bool ticked = chkUeberpruefung.Ticked();
    WriteDword(UpdateServiceStart, ticked ? ServiceDisabled : ServiceAutomatic);
    WriteDword(BrowserUpdateCheck, ticked ? 1 : 0);
}

void FrmAntispy::chkRemote_Click()
{
    WriteDword(RemoteAssistance, chkRemote.Ticked() ? 0 : 1);
}

void FrmAntispy::chkFehler_Click()
{
    const std::int32_t data = chkFehler.Ticked() ? 0 : 1;
    WriteDword(ErrorReportDo, data);
    WriteDword(ErrorReportShowUi, data);
}

void FrmAntispy::cmdEmAnti_Click()
{
    // Written here rather than through the boxes: ticking from code raises no click.
    WriteString(TimeSyncType, TimeSyncOff);
    WriteDword(ScheduledUpdates, 1);
    WriteDword(UpdateServiceStart, ServiceDisabled);
    WriteDword(BrowserUpdateCheck, 1);
    WriteDword(RemoteAssistance, 0);
    WriteDword(ErrorReportDo, 0);
    WriteDword(ErrorReportShowUi, 0);
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
