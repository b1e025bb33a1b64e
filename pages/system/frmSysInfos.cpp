#include "pages/system/frmSysInfos.h"

#include "pages/system/SystemPictures.h"
#include "pages/system/core/SysInfoText.h"
#include "pages/system/modUsername.h"
#include "shell/MenuPage.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"
#include "ui/win/Handles.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemcli.h>
#include <wrl/client.h>

#include <optional>
#include <vector>

ui::FormRef<FrmSysInfos> frmSysInfos;

namespace {

using Microsoft::WRL::ComPtr;
using unique_bstr = win::UniqueHandle<BSTR, win::HandleTraits<BSTR, ::SysFreeString>>;

constexpr ui::Font HeadingFont{L"Arial", 8.25, true};
// How long the adapter list waits for each answer of WMI, so that a stalled
// service cannot hold up the page for long.
constexpr long AdapterWaitMilliseconds = 10000;
// Posted when the program is first idle after the load, and by the worker when it has the answer.
constexpr UINT StartAdapterQueryMessage = WM_APP + 20;
constexpr UINT AdaptersFoundMessage = WM_APP + 21;

// The text of a locale item for the system's default locale; "" when there is none.
std::wstring GetLocaleString(LCTYPE item)
{
    wchar_t text[256] = L"";
    const int length = ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, item, text, 255);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length - 1)) : std::wstring();
}

// The descriptions of the video adapters in the order in which WMI lists them;
// none when WMI cannot be asked. Runs on a thread of its own: the apartment and
// what WMI loaded into it go when the thread uninitialises COM.
std::vector<std::wstring> VideoAdapterDescriptions()
{
    std::vector<std::wstring> descriptions;
    const HRESULT initialized = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        const unique_bstr space(::SysAllocString(L"root\\cimv2"));
        const unique_bstr language(::SysAllocString(L"WQL"));
        const unique_bstr query(::SysAllocString(L"SELECT * FROM Win32_VideoController"));
        ComPtr<IWbemLocator> locator;
        ComPtr<IWbemServices> services;
        ComPtr<IEnumWbemClassObject> adapters;
        const bool asked =
            SUCCEEDED(::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                         reinterpret_cast<void**>(locator.GetAddressOf()))) &&
            SUCCEEDED(locator->ConnectServer(space.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                             services.GetAddressOf())) &&
            // The service acts for this user; the process sets no COM security of its own.
            SUCCEEDED(::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                          RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)) &&
            SUCCEEDED(services->ExecQuery(language.get(), query.get(),
                                          WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                          adapters.GetAddressOf()));
        while (asked) {
            ComPtr<IWbemClassObject> adapter;
            ULONG returned = 0;
            if (adapters->Next(AdapterWaitMilliseconds, 1, adapter.GetAddressOf(), &returned) != WBEM_S_NO_ERROR ||
                returned == 0)
                break;
            VARIANT description;
            ::VariantInit(&description);
            if (SUCCEEDED(adapter->Get(L"Description", 0, &description, nullptr, nullptr)) &&
                description.vt == VT_BSTR && description.bstrVal)
                descriptions.emplace_back(description.bstrVal);
            ::VariantClear(&description);
        }
    }
    if (SUCCEEDED(initialized))
        ::CoUninitialize();
    return descriptions;
}

// The edition of an NT system too old for the extended version record, by the product type it stores.
std::wstring EditionFromRegistry()
{
    win::unique_hkey key;
    wchar_t productType[81] = L"";
    DWORD size = 80 * sizeof(wchar_t);
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0,
                        KEY_QUERY_VALUE, key.put()) == ERROR_SUCCESS)
        ::RegQueryValueExW(key.get(), L"ProductType", nullptr, nullptr, reinterpret_cast<BYTE*>(productType), &size);
    else
        key.release();
    return sysinfo::EditionFromProductType(productType);
}

// From Windows 8.1 on, GetVersionEx gives a program without a compatibility
// section in its manifest the figures of Windows 8; ntdll tells the true ones.
void TakeTrueNtVersion(OSVERSIONINFOW& info)
{
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const auto function = reinterpret_cast<RtlGetVersion>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW actual{};
    actual.dwOSVersionInfoSize = sizeof actual;
    if (function && function(&actual) == 0) {
        info.dwMajorVersion = actual.dwMajorVersion;
        info.dwMinorVersion = actual.dwMinorVersion;
        info.dwBuildNumber = actual.dwBuildNumber;
    }
}

// The Windows text; nothing when the system does not report its version.
std::optional<std::wstring> WindowsVersionText()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExW(&info))
        return std::nullopt;
    std::wstring edition;
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        TakeTrueNtVersion(info);
        OSVERSIONINFOEXW extended{};
        extended.dwOSVersionInfoSize = sizeof extended;
        if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended)))
            edition = EditionFromRegistry();
    }
    const sysinfo::VersionFields fields{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                        info.dwBuildNumber, info.szCSDVersion};
    return sysinfo::WindowsText(fields, edition);
}

} // namespace

std::wstring ColourDepthLabel(int bitsPerPixel)
{
    wchar_t separator[8] = L"";
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
    return sysinfo::ColourDepthText(bitsPerPixel, separator);
}

FrmSysInfos::FrmSysInfos() : PageForm(L"frmSysInfos") {}

void FrmSysInfos::CreateControls()
{
    Place({
        PageFrameRow(fraInfos),
        {sevFrame1, &fraInfos, {120, 120, 5775, 5535}, L"", L"System-Overview"},
        {picDisplay, &sevFrame1, {240, 330, 480, 480}},
        {Label39, &sevFrame1, {840, 450, 2400, 255}, L"1460", L"Display:"},
        {Label8, &sevFrame1, {840, 870, 1860, 255}, L"1470", L"Resolution:"},
        {LabelAufLoesung, &sevFrame1, {2760, 870, 2880, 255}},
        {Label9, &sevFrame1, {840, 1170, 1860, 255}, L"1480", L"Color depth:"},
        {LabelBit, &sevFrame1, {2760, 1170, 2880, 255}},
        {Label10, &sevFrame1, {840, 1470, 1860, 255}, L"1490", L"Refresh rate:"},
        {lblFrequenz, &sevFrame1, {2760, 1470, 2880, 255}},
        {Label14, &sevFrame1, {840, 1770, 1860, 255}, L"1500", L"Display adapters:"},
        {ListGrafikkarte, &sevFrame1, {2760, 1770, 2880, 660}},
        {picWindows, &sevFrame1, {240, 2640, 480, 480}},
        {Label40, &sevFrame1, {840, 2760, 2400, 255}, L"", L"Windows:"},
        {Label16, &sevFrame1, {840, 3180, 1860, 255}, L"1510", L"Operating system:"},
        {LabelVersionXP, &sevFrame1, {2760, 3180, 2880, 450}},
        {Label13, &sevFrame1, {840, 3720, 1860, 255}, L"1520", L"System language:"},
        {lblLangu, &sevFrame1, {2760, 3720, 2880, 255}},
        {Label17, &sevFrame1, {840, 4020, 1860, 255}, L"1530", L"User name:"},
        {LabelBenutzerUser, &sevFrame1, {2760, 4020, 2880, 255}},
        {cmdWeitere, &sevFrame1, {3240, 4800, 2400, 375}, L"1540", L"More information"},
    });
    SetTitledFrameColors(sevFrame1);
    Label39.SetFont(HeadingFont);
    Label40.SetFont(HeadingFont);
    picDisplay.SetPicture(systempictures::Get(systempictures::PictureId::Display));
    picWindows.SetPicture(systempictures::Get(systempictures::PictureId::Windows));
    cmdWeitere.onClick = [this] { cmdWeitere_Click(); };
}

void FrmSysInfos::Form_Load()
{
    RefreshInfo();
    lblLangu.SetCaption(GetLocaleString(LOCALE_SENGLANGUAGE));
    LabelBenutzerUser.SetCaption(GetCurrentUserName());
    ui::PostWhenIdle(Hwnd(), StartAdapterQueryMessage);
    if (const std::optional<std::wstring> windows = WindowsVersionText())
        LabelVersionXP.SetCaption(*windows);
    else
        MsgBox(L"Betriebssystem Version konnte nicht ermittelt werden.", MB_OK);
}

void FrmSysInfos::Page_Showing()
{
    // The user sees the adapters the first time the page shows.
    ListAdapters();
}

LRESULT FrmSysInfos::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == StartAdapterQueryMessage) {
        StartAdapterQuery();
        return 0;
    }
    if (message == AdaptersFoundMessage) {
        ListAdapters();
        return 0;
    }
    return PageForm::HandleMessage(message, wParam, lParam);
}

struct FrmSysInfos::AdapterQuery {
    HWND page = nullptr;
    std::vector<std::wstring> descriptions;

    static DWORD WINAPI Run(void* query)
    {
        auto& self = *static_cast<AdapterQuery*>(query);
        self.descriptions = VideoAdapterDescriptions();
        ::PostMessageW(self.page, AdaptersFoundMessage, 0, 0);
        return 0;
    }
};

FrmSysInfos::~FrmSysInfos()
{
    // The worker writes into the query until it ends.
    AwaitAdapterQuery();
}

void FrmSysInfos::StartAdapterQuery()
{
    if (adapterQuery_ || adaptersListed_)
        return;
    adapterQuery_ = std::make_unique<AdapterQuery>();
    adapterQuery_->page = Hwnd();
    adapterWorker_.reset(::CreateThread(nullptr, 0, AdapterQuery::Run, adapterQuery_.get(), 0, nullptr));
    if (!adapterWorker_)
        AdapterQuery::Run(adapterQuery_.get());
}

void FrmSysInfos::AwaitAdapterQuery()
{
    if (adapterWorker_)
        ::WaitForSingleObject(adapterWorker_.get(), INFINITE);
    adapterWorker_.reset();
}

void FrmSysInfos::ListAdapters()
{
    if (adaptersListed_)
        return;
    StartAdapterQuery();
    // Waits only when the page shows before the worker has answered.
    AwaitAdapterQuery();
    for (const std::wstring& description : adapterQuery_->descriptions)
        ListGrafikkarte.AddItem(description);
    adapterQuery_.reset();
    adaptersListed_ = true;
}

void FrmSysInfos::RefreshInfo()
{
    win::WindowDC dc(Hwnd());
    const int bitsPerPixel = ::GetDeviceCaps(dc.get(), BITSPIXEL);
    LabelAufLoesung.SetCaption(
        sysinfo::ResolutionText(::GetDeviceCaps(dc.get(), HORZRES), ::GetDeviceCaps(dc.get(), VERTRES)));
    LabelBit.SetCaption(ColourDepthLabel(bitsPerPixel));
    lblFrequenz.SetCaption(sysinfo::RefreshRateText(::GetDeviceCaps(dc.get(), VREFRESH)));
}

void FrmSysInfos::cmdWeitere_Click()
{
    effects::Current().ShellExecute(Hwnd(), systemfolders::Tool(L"msinfo32.exe"));
}
