#include "pages/utilities/frmUhrzeit.h"

#include "pages/utilities/UtilityPictures.h"
#include "pages/utilities/basTimeTools.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"

#include <cwchar>

ui::FormRef<FrmUhrzeit> frmUhrzeit;

namespace {

constexpr unsigned short TimePort = 37;

std::wstring TimeText(const SYSTEMTIME& t)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    return text;
}

std::wstring DateText(const SYSTEMTIME& t)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%02u.%02u.%04u", t.wDay, t.wMonth, t.wYear);
    return text;
}

SYSTEMTIME LocalNow()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return now;
}

std::wstring TrimmedBlanks(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

} // namespace

FrmUhrzeit::FrmUhrzeit() : PageForm(L"frmUhrzeit") {}

void FrmUhrzeit::CreateControls()
{
    Place({
        PageFrameRow(fraTime),
        {picLogo, &fraTime, {2040, 240, 2700, 795}},
        {sevFrame1, &fraTime, {120, 1200, 5775, 4455}, L"", L"Time Synchronization"},
        {Label1, &sevFrame1, {240, 360, 5295, 675}, L"2240", L"."},
        {Picture1, &sevFrame1, {240, 1260, 1440, 1440}},
        {Label2, &sevFrame1, {1920, 1380, 1080, 285}, L"2260", L"."},
        {LabelZeitS, &sevFrame1, {3000, 1320, 2400, 375}, L"", L"00:00:00"},
        {Label3, &sevFrame1, {1920, 1920, 1080, 285}, L"2270", L"."},
        {LabelDatumS, &sevFrame1, {3000, 1860, 2400, 375}, L"", L"00:00:00"},
        {cmdSync, &sevFrame1, {1920, 3000, 2640, 375}, L"2250", L"."},
        {TimerZeitSysA, &fraTime, {0, 0, 0, 0}, L"", nullptr, false},
        {tmrTimeout, &fraTime, {0, 0, 0, 0}, L"", nullptr, false},
        {txtTime, &fraTime, {120, 120, 615, 285}, L"2280", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    picLogo.SetPicture(utilitypictures::Get(utilitypictures::PictureId::ClockLogo));
    Picture1.SetPicture(utilitypictures::Get(utilitypictures::PictureId::ClockFace));
    for (ui::Label* reading : {&LabelZeitS, &LabelDatumS}) {
        reading->SetFont({L"Verdana", 12, true});
        reading->SetForeColor(RGB(0x0A, 0x2A, 0x5C));
    }
    for (ui::Label* caption : {&Label2, &Label3})
        caption->SetFont({L"Verdana", 8.25, true});

    TimerZeitSysA.SetInterval(100);
    tmrTimeout.SetInterval(TimeoutMilliseconds);

    cmdSync.onClick = [this] { cmdSync_Click(); };
    TimerZeitSysA.onTimer = [this] { TimerZeitSysA_Timer(); };
    tmrTimeout.onTimer = [this] { tmrTimeout_Timer(); };
    ocxWinsock.onConnect = [this] { ocxWinsock_Connect(); };
    ocxWinsock.onDataArrival = [this](std::size_t) { ocxWinsock_DataArrival(); };
    ocxWinsock.onClose = [this] { ocxWinsock_Close(); };
}

void FrmUhrzeit::Form_Load()
{
    const SYSTEMTIME now = LocalNow();
    LabelZeitS.SetCaption(TimeText(now));
    LabelDatumS.SetCaption(DateText(now));
    TimerZeitSysA.SetEnabled(true);
}

void FrmUhrzeit::Form_Unload()
{
    ocxWinsock.Close();
}

void FrmUhrzeit::TimerZeitSysA_Timer()
{
    // The date follows only at start-up and after a synchronisation.
    LabelZeitS.SetCaption(TimeText(LocalNow()));
}

void FrmUhrzeit::cmdSync_Click()
{
    cmdSync.SetEnabled(false);
    ocxWinsock.Close();
    receiveBuffer_.clear();
    const effects::ServerAddress server = effects::Current().TimeServer();
    ocxWinsock.RemoteHost = TrimmedBlanks(server.host);
    ocxWinsock.RemotePort = server.port ? server.port : TimePort;
    tmrTimeout.SetEnabled(true);
    ocxWinsock.Connect();
}

void FrmUhrzeit::ocxWinsock_Connect()
{
    connectedAt_ = ::GetTickCount();
}

void FrmUhrzeit::ocxWinsock_DataArrival()
{
    receiveBuffer_ += ocxWinsock.GetData();
}

void FrmUhrzeit::ocxWinsock_Close()
{
    ocxWinsock.Close();
    tmrTimeout.SetEnabled(false);
    // The tick count's difference is right across its wrap too.
    const float delay = static_cast<float>(::GetTickCount() - connectedAt_) / 2000.0f;
    switch (basTimeTools::SetTimeFromServer(receiveBuffer_, delay)) {
    case basTimeTools::SetResult::WrongValue:
        return;  // the button stays disabled
    case basTimeTools::SetResult::Refused:
        break;
    case basTimeTools::SetResult::Set:
        LabelDatumS.SetCaption(DateText(LocalNow()));
        MsgBox(txtTime.Text(), MB_ICONINFORMATION);
        break;
    }
    cmdSync.SetEnabled(true);
}

void FrmUhrzeit::tmrTimeout_Timer()
{
    tmrTimeout.SetEnabled(false);
    ocxWinsock.Close();
    cmdSync.SetEnabled(true);
    MsgBox(basLAnguageSelector::LanguageText(2710, L"The time server did not answer. Please try again later."), MB_ICONEXCLAMATION);
}
