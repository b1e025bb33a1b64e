#include "pages/tweaks/frmInternet.h"

#include "pages/tweaks/TweakTable.h"
#include "pages/tweaks/frmInternet2.h"
#include "shell/MenuPage.h"

ui::FormRef<FrmInternet> frmInternet;

namespace {

using tweaks::Kind;
using F = FrmInternet;

constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t MainKey[] = L"Software\\Microsoft\\Internet Explorer\\Main";

// The search engine, and Internet Explorer's own defaults that unticking restores.
constexpr wchar_t SearchEngineHome[] = L"http://www.google.com";
constexpr wchar_t SearchEngineBar[] = L"http://www.google.com/ie";
constexpr wchar_t SearchEngineKeyword[] = L"http://www.google.com/keyword/%s";
constexpr wchar_t DefaultSearchPage[] = L"http://www.microsoft.com/isapi/redir.dll?prd=ie&ar=iesearch";
constexpr wchar_t DefaultSearchAssistant[] = L"http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchasst.htm";

// In the order of the load. Three boxes whose ticked value is 0 show ticked
// when their value is absent. The search box writes four strings and is
// decided by the home address alone, compared exactly.
const tweaks::Entry<F, ui::SevCheck> Rows[] = {
    {&F::chkMSNSearch, {HKCU, MainKey, L"AutoSearch", Kind::Dword, L"0", L"5", L"0"}},
    {&F::chkUnread,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail", L"MessageExpiryDays", Kind::Dword, L"0", L"1",
      L"0"}},
    {&F::chkIEvollbild, {HKCU, MainKey, L"FullScreen", Kind::String, L"yes", L"no", L"yes"}},
    {&F::chkNetHide,
     {HKLM, L"SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters", L"Hidden", Kind::Dword, L"1", L"0",
      L"1"}},
    {&F::chkMessOE, {HKLM, L"SOFTWARE\\Microsoft\\Outlook Express", L"Hide Messenger", Kind::Dword, L"2", L"0", L"2"}},
    {&F::chkSSL,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", L"DisableCachingOfSSLPages",
      Kind::Dword, L"1", L"0", L"1"}},
    {&F::chkQOS, {HKLM, L"SYSTEM\\CurrentControlSet\\Services\\RSVP", L"Start", Kind::Dword, L"4", L"2", L"4"}},
    {&F::chkAutoPicSize, {HKCU, MainKey, L"Enable AutoImageResize", Kind::String, L"no", L"yes", L"no"}},
    {&F::chkGoogle, {HKCU, MainKey, L"Search Page", Kind::String, SearchEngineHome, DefaultSearchPage, SearchEngineHome}},
    {&F::chkGoogle, {HKCU, MainKey, L"Search Bar", Kind::String, SearchEngineBar, L"0"}},
    {&F::chkGoogle,
     {HKCU, L"Software\\Microsoft\\Internet Explorer\\SearchURL", L"", Kind::String, SearchEngineKeyword, L"0"}},
    {&F::chkGoogle,
     {HKLM, L"SOFTWARE\\Microsoft\\Internet Explorer\\Search", L"SearchAssistant", Kind::String, SearchEngineBar,
      DefaultSearchAssistant}},
    {&F::chkIPForwarding,
     {HKLM, L"System\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"IPEnableRouter", Kind::Dword, L"0", L"1",
      L"0"}},
};

} // namespace

FrmInternet::FrmInternet() : PageForm(L"frmInternet") {}

void FrmInternet::CreateControls()
{
    Place({
        PageFrameRow(fraInternet),
        {sevFrame1, &fraInternet, {120, 120, 5775, 5535}, L"", L"Internet (1/2)"},
        {chkIPForwarding, &sevFrame1, {240, 480, 5295, 285}, L"2500", L"."},
        {chkGoogle, &sevFrame1, {240, 885, 5295, 285}, L"2510", L"."},
        {chkAutoPicSize, &sevFrame1, {240, 1290, 5295, 285}, L"2520", L"."},
        {chkQOS, &sevFrame1, {240, 1695, 5295, 285}, L"2530", L"."},
        {chkSSL, &sevFrame1, {240, 2100, 5295, 285}, L"2540", L"."},
        {chkMessOE, &sevFrame1, {240, 2505, 5295, 285}, L"2550", L"."},
        {chkNetHide, &sevFrame1, {240, 2910, 5295, 285}, L"2560", L"."},
        {chkIEvollbild, &sevFrame1, {240, 3315, 5295, 285}, L"2570", L"."},
        {chkUnread, &sevFrame1, {240, 3720, 5295, 285}, L"2580", L"."},
        {chkMSNSearch, &sevFrame1, {240, 4125, 5295, 285}, L"2590", L"."},
        {cmdNaechste, &sevFrame1, {4080, 4860, 1455, 375}, L"1780", L"."},
    });
    SetTitledFrameColors(sevFrame1);

    tweaks::BindClicks(*this, Rows);
    cmdNaechste.onClick = [] { ui::ShowPage(frmInternet2->fraInternet2); };
}

void FrmInternet::Form_Load()
{
    tweaks::Load(*this, Rows);
}
