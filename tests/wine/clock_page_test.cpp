// The clock page against a TIME server on loopback that the test runs: the
// states of a synchronisation, wrong answers, the time-out, the era after
// 2036 and the clock labels. The system clock itself is never set.
#include <winsock2.h>

#include "pages/utilities/frmUhrzeit.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;
using testing_support::PumpUntil;

namespace {

constexpr wchar_t Synchronised[] = L"The clock has been synchronized.";
constexpr wchar_t NoAnswer[] = L"The time server did not answer. Please try again later.";

std::string Bytes(std::initializer_list<unsigned char> values)
{
    return std::string(values.begin(), values.end());
}

// A TIME server for one connection on a free loopback port. It sends its
// pieces one after the other, each only once the test lets it go when the
// server is gated, then closes. A gated server with nothing to send keeps the
// connection open until the test ends.
class LoopbackTimeServer {
public:
    LoopbackTimeServer(std::vector<std::string> pieces, bool gated) : pieces_(std::move(pieces)), gated_(gated)
    {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
        ::listen(listener_, 1);
        int length = sizeof at;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &length);
        port_ = ::ntohs(at.sin_port);
        go_ = ::CreateSemaphoreW(nullptr, 0, 64, nullptr);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackTimeServer()
    {
        stopping_ = true;
        ::ReleaseSemaphore(go_, 64, nullptr);
        ::closesocket(listener_);
        thread_.join();
        ::CloseHandle(go_);
    }

    unsigned short Port() const { return port_; }
    bool Accepted() const { return accepted_; }
    // Lets the next piece go.
    void Go() { ::ReleaseSemaphore(go_, 1, nullptr); }

private:
    void Serve()
    {
        const SOCKET client = ::accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;
        accepted_ = true;
        for (const std::string& piece : pieces_) {
            if (gated_)
                ::WaitForSingleObject(go_, INFINITE);
            if (stopping_)
                break;
            ::send(client, piece.data(), static_cast<int>(piece.size()), 0);
        }
        if (gated_ && pieces_.empty())
            ::WaitForSingleObject(go_, INFINITE);
        ::closesocket(client);
    }

    std::vector<std::string> pieces_;
    bool gated_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    HANDLE go_ = nullptr;
    volatile bool accepted_ = false;
    volatile bool stopping_ = false;
    std::thread thread_;
};

std::wstring Formatted(const wchar_t* format, unsigned a, unsigned b, unsigned c)
{
    wchar_t text[32];
    std::swprintf(text, 32, format, a, b, c);
    return text;
}

std::wstring TodaysDate()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return Formatted(L"%02u.%02u.%04u", now.wDay, now.wMonth, now.wYear);
}

bool IsTimeOfDay(const std::wstring& text)
{
    unsigned hours = 0, minutes = 0, seconds = 0;
    wchar_t rest = 0;
    return text.size() == 8 && std::swscanf(text.c_str(), L"%2u:%2u:%2u%lc", &hours, &minutes, &seconds, &rest) == 3 &&
           hours < 24 && minutes < 60 && seconds < 60;
}

class ClockPageTest : public FormTest {
protected:
    FrmUhrzeit& Page()
    {
        FrmUhrzeit& page = frmUhrzeit.Get();
        page.txtTime.SetText(Synchronised);
        return page;
    }
    void UseServer(const LoopbackTimeServer& server) { seam.timeServer = {L"  127.0.0.1 ", server.Port()}; }
    // Runs one synchronisation against an answer sent at once, until its message.
    FrmUhrzeit& SynchroniseWith(const std::string& answer)
    {
        LoopbackTimeServer server({answer}, false);
        UseServer(server);
        FrmUhrzeit& page = Page();
        Click(page.cmdSync.Hwnd());
        EXPECT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
        return page;
    }
    void ExpectSetTo(const SYSTEMTIME& set, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
    {
        EXPECT_EQ(set.wYear, year);
        EXPECT_EQ(set.wMonth, month);
        EXPECT_EQ(set.wDay, day);
        EXPECT_EQ(set.wHour, hour);
        EXPECT_EQ(set.wMinute, minute);
        EXPECT_EQ(set.wSecond, second);
        EXPECT_EQ(set.wMilliseconds, 0);
        EXPECT_EQ(set.wDayOfWeek, 0);
    }
};

TEST_F(ClockPageTest, ASynchronisationGoesThroughItsStatesAndSetsTheClockInUtc)
{
    LoopbackTimeServer server({Bytes({0xC3, 0x5A}), Bytes({0x2B, 0x10})}, true);
    UseServer(server);
    FrmUhrzeit& page = Page();
    page.LabelDatumS.SetCaption(L"before");
    ASSERT_TRUE(page.cmdSync.Enabled());

    // Waiting: the button is off, the buffer empty, the connection asked for.
    Click(page.cmdSync.Hwnd());
    EXPECT_FALSE(page.cmdSync.Enabled());
    EXPECT_TRUE(page.ReceiveBuffer().empty());
    EXPECT_NE(page.ocxWinsock.State(), Winsock::sckClosed);
    EXPECT_EQ(page.ocxWinsock.RemoteHost, L"127.0.0.1");
    EXPECT_EQ(page.ocxWinsock.RemotePort, server.Port());

    // Connected.
    ASSERT_TRUE(PumpUntil([&] { return page.ocxWinsock.State() == Winsock::sckConnected; }));
    EXPECT_FALSE(page.cmdSync.Enabled());
    EXPECT_TRUE(page.ReceiveBuffer().empty());

    // Receiving: the buffer grows piece by piece.
    server.Go();
    ASSERT_TRUE(PumpUntil([&] { return page.ReceiveBuffer().size() == 2; }));
    EXPECT_FALSE(page.cmdSync.Enabled());
    EXPECT_TRUE(seam.systemTimes.empty());

    // Done: the server closed, the clock is set and the page is idle again.
    server.Go();
    ASSERT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
    ASSERT_EQ(seam.systemTimes.size(), 1u);
    ExpectSetTo(seam.systemTimes[0], 2003, 11, 10, 15, 19, 44);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, Synchronised);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
    EXPECT_TRUE(page.cmdSync.Enabled());
    EXPECT_EQ(page.ocxWinsock.State(), Winsock::sckClosed);
    EXPECT_EQ(page.LabelDatumS.Caption(), TodaysDate());
}

TEST_F(ClockPageTest, AnAnswerThatIsNotFourBytesAfterTrimmingIsAWrongValue)
{
    const struct {
        const char* name;
        std::string answer;
    } cases[] = {
        {"five bytes", Bytes({0xC3, 0x5A, 0x2B, 0x10, 0x00})},
        {"a trailing byte 32", Bytes({0xC3, 0x5A, 0x2B, 0x20})},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seam.messages.clear();
        FrmUhrzeit& page = SynchroniseWith(c.answer);
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, L"Wrong Value");
        EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
        EXPECT_TRUE(seam.systemTimes.empty());
        // As specified, the page offers no second try after a wrong answer.
        EXPECT_FALSE(page.cmdSync.Enabled());
        frmUhrzeit->Unload();
    }
}

TEST_F(ClockPageTest, BlanksAroundTheAnswerAreTrimmedAway)
{
    SynchroniseWith(Bytes({0x20, 0xC3, 0x5A, 0x2B, 0x10, 0x20}));
    ASSERT_EQ(seam.systemTimes.size(), 1u);
    ExpectSetTo(seam.systemTimes[0], 2003, 11, 10, 15, 19, 44);
    EXPECT_EQ(frmUhrzeit->ReceiveBuffer(), Bytes({0xC3, 0x5A, 0x2B, 0x10}));
}

TEST_F(ClockPageTest, ACountBelowThe1990OffsetIsTheEraAfterTheWrapIn2036)
{
    SynchroniseWith(Bytes({0x00, 0x00, 0x00, 0x05}));
    ASSERT_EQ(seam.systemTimes.size(), 1u);
    ExpectSetTo(seam.systemTimes[0], 2036, 2, 7, 6, 28, 21);
}

TEST_F(ClockPageTest, AClockThatWindowsRefusesToSetIsNotReportedAsSet)
{
    seam.refuseSystemTime = true;
    FrmUhrzeit& page = SynchroniseWith(Bytes({0xC3, 0x5A, 0x2B, 0x10}));
    EXPECT_EQ(seam.systemTimes.size(), 1u);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text, Synchronised);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(page.cmdSync.Enabled());
}

TEST_F(ClockPageTest, ASynchronisationThatGetsNoAnswerEndsAfterTheTimeOut)
{
    LoopbackTimeServer silent({}, true);
    // A server that never answers, and a port where nothing listens.
    for (const unsigned short port : {silent.Port(), static_cast<unsigned short>(1)}) {
        SCOPED_TRACE(port);
        seam.messages.clear();
        seam.timeServer = {L"127.0.0.1", port};
        FrmUhrzeit& page = Page();
        page.tmrTimeout.SetInterval(300);
        Click(page.cmdSync.Hwnd());
        EXPECT_FALSE(page.cmdSync.Enabled());
        ASSERT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, NoAnswer);
        EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_TRUE(page.cmdSync.Enabled());
        EXPECT_EQ(page.ocxWinsock.State(), Winsock::sckClosed);
        EXPECT_TRUE(seam.systemTimes.empty());
        frmUhrzeit->Unload();
    }
    EXPECT_TRUE(silent.Accepted());
}

TEST_F(ClockPageTest, TheTimeRunsEveryTickAndTheDateOnlyAtStartUpAndAfterASynchronisation)
{
    FrmUhrzeit& page = Page();
    EXPECT_TRUE(IsTimeOfDay(page.LabelZeitS.Caption())) << ::testing::PrintToString(page.LabelZeitS.Caption());
    EXPECT_EQ(page.LabelDatumS.Caption(), TodaysDate());
    EXPECT_TRUE(page.TimerZeitSysA.Enabled());

    page.LabelZeitS.SetCaption(L"time");
    page.LabelDatumS.SetCaption(L"date");
    // The real timer, also while the page is not shown.
    ASSERT_TRUE(PumpUntil([&] { return page.LabelZeitS.Caption() != L"time"; }, 5000));
    EXPECT_TRUE(IsTimeOfDay(page.LabelZeitS.Caption()));
    EXPECT_EQ(page.LabelDatumS.Caption(), L"date");
}

TEST_F(ClockPageTest, TheHostNameIsLookedUpWithoutBlockingAndConnected)
{
    LoopbackTimeServer server({Bytes({0xC3, 0x5A, 0x2B, 0x10})}, false);
    seam.timeServer = {L"localhost", server.Port()};
    FrmUhrzeit& page = Page();
    Click(page.cmdSync.Hwnd());
    EXPECT_EQ(page.ocxWinsock.State(), Winsock::sckResolvingHost);
    ASSERT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
    EXPECT_EQ(seam.systemTimes.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, Synchronised);
}

} // namespace
