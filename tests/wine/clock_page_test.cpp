// The clock page against a TIME server on loopback that the test runs: the
// states of a synchronisation, wrong answers, the time-out, the era after
// 2036 and the clock labels. The system clock itself is never set.
#include <winsock2.h>

#include "pages/utilities/frmUhrzeit.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <atomic>
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

// A TIME server for one connection on a free loopback port: it sends each of
// its pieces, then closes, each step only once the test lets it go.
class LoopbackTimeServer {
public:
    explicit LoopbackTimeServer(std::vector<std::string> pieces = {}) : pieces_(std::move(pieces))
    {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
        int length = sizeof at;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&at), length);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &length);
        port_ = ::ntohs(at.sin_port);
        go_ = ::CreateSemaphoreW(nullptr, 0, 64, nullptr);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackTimeServer()
    {
        ::ReleaseSemaphore(go_, 64, nullptr);
        ::closesocket(listener_);
        thread_.join();
        ::CloseHandle(go_);
    }

    unsigned short Port() const { return port_; }
    bool Accepted() const { return accepted_; }
    void Go(LONG steps = 1) { ::ReleaseSemaphore(go_, steps, nullptr); }
    // Sends everything and closes without waiting for the test.
    void GoAll() { Go(static_cast<LONG>(pieces_.size()) + 1); }

private:
    void Serve()
    {
        const SOCKET client = ::accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;
        accepted_ = true;
        for (const std::string& piece : pieces_) {
            ::WaitForSingleObject(go_, INFINITE);
            ::send(client, piece.data(), static_cast<int>(piece.size()), 0);
        }
        ::WaitForSingleObject(go_, INFINITE);
        ::closesocket(client);
    }

    std::vector<std::string> pieces_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    HANDLE go_ = nullptr;
    std::atomic<bool> accepted_ = false;
    std::thread thread_;
};

std::wstring TodaysDate()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    wchar_t text[16];
    std::swprintf(text, 16, L"%02u.%02u.%04u", now.wDay, now.wMonth, now.wYear);
    return text;
}

bool IsTimeOfDay(const std::wstring& text)
{
    unsigned hours = 0, minutes = 0, seconds = 0;
    return text.size() == 8 && std::swscanf(text.c_str(), L"%2u:%2u:%2u", &hours, &minutes, &seconds) == 3 &&
           hours < 24 && minutes < 60 && seconds < 60;
}

// The clock as set: year, month, day, hour, minute, second, with milliseconds and day of week 0.
std::vector<int> Fields(const SYSTEMTIME& t)
{
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
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
};

TEST_F(ClockPageTest, ASynchronisationGoesThroughItsStatesAndSetsTheClockInUtc)
{
    LoopbackTimeServer server({Bytes({0xC3, 0x5A}), Bytes({0x2B, 0x10})});
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
    server.Go(2);
    ASSERT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
    ASSERT_EQ(seam.systemTimes.size(), 1u);
    EXPECT_EQ(Fields(seam.systemTimes[0]), (std::vector<int>{2003, 11, 10, 15, 19, 44, 0, 0}));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, Synchronised);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
    EXPECT_TRUE(page.cmdSync.Enabled());
    EXPECT_EQ(page.ocxWinsock.State(), Winsock::sckClosed);
    EXPECT_EQ(page.LabelDatumS.Caption(), TodaysDate());
}

TEST_F(ClockPageTest, EachAnswerSetsItsTimeOrIsAWrongValue)
{
    const struct {
        const char* name;
        std::string answer;
        std::vector<int> set;  // empty: "Wrong Value", the clock untouched, the button left off
    } cases[] = {
        {"blanks round four bytes", Bytes({0x20, 0xC3, 0x5A, 0x2B, 0x10, 0x20}), {2003, 11, 10, 15, 19, 44, 0, 0}},
        {"the era after 2036", Bytes({0x00, 0x00, 0x00, 0x05}), {2036, 2, 7, 6, 28, 21, 0, 0}},
        {"five bytes", Bytes({0xC3, 0x5A, 0x2B, 0x10, 0x00}), {}},
        {"a trailing byte 32", Bytes({0xC3, 0x5A, 0x2B, 0x20}), {}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seam.messages.clear();
        seam.systemTimes.clear();
        LoopbackTimeServer server({c.answer});
        server.GoAll();
        UseServer(server);
        FrmUhrzeit& page = Page();
        Click(page.cmdSync.Hwnd());
        ASSERT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
        ASSERT_EQ(seam.messages.size(), 1u);
        if (c.set.empty()) {
            EXPECT_EQ(seam.messages[0].text, L"Wrong Value");
            EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
            EXPECT_TRUE(seam.systemTimes.empty());
            // As specified, the page offers no second try after a wrong answer.
            EXPECT_FALSE(page.cmdSync.Enabled());
        } else {
            ASSERT_EQ(seam.systemTimes.size(), 1u);
            EXPECT_EQ(Fields(seam.systemTimes[0]), c.set);
            EXPECT_TRUE(page.cmdSync.Enabled());
        }
        frmUhrzeit->Unload();
    }
}

TEST_F(ClockPageTest, AClockThatWindowsRefusesToSetIsNotReportedAsSet)
{
    seam.refuseSystemTime = true;
    LoopbackTimeServer server({Bytes({0xC3, 0x5A, 0x2B, 0x10})});
    server.GoAll();
    // By its name: the look-up of the host does not block either.
    seam.timeServer = {L"localhost", server.Port()};
    FrmUhrzeit& page = Page();
    Click(page.cmdSync.Hwnd());
    EXPECT_EQ(page.ocxWinsock.State(), Winsock::sckResolvingHost);
    ASSERT_TRUE(PumpUntil([&] { return !seam.messages.empty(); }));
    EXPECT_EQ(seam.systemTimes.size(), 1u);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text, Synchronised);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(page.cmdSync.Enabled());
}

TEST_F(ClockPageTest, ASynchronisationThatGetsNoAnswerEndsAfterTheTimeOut)
{
    LoopbackTimeServer silent;
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

    page.LabelZeitS.SetCaption(L"time");
    page.LabelDatumS.SetCaption(L"date");
    // The real timer, also while the page is not shown.
    ASSERT_TRUE(PumpUntil([&] { return page.LabelZeitS.Caption() != L"time"; }, 5000));
    EXPECT_TRUE(IsTimeOfDay(page.LabelZeitS.Caption()));
    EXPECT_EQ(page.LabelDatumS.Caption(), L"date");
}

} // namespace
