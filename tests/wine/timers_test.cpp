// Timers of whole tenths of a second ride on one shared Windows timer, so that
// the idle program wakes once per tick rather than once per timer.
#include "ui/Controls.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <functional>

namespace {

class TimersTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        host = testing_support::CreatePlainWindow(0, WS_POPUP, {0, 0, 10, 10});
        ASSERT_TRUE(host);
    }
    void TearDown() override
    {
        ::DestroyWindow(host);
        FormTest::TearDown();
    }

    // A timer on the host that counts its ticks.
    static void Start(ui::Timer& timer, HWND parent, UINT interval, int& ticks)
    {
        timer.Create(parent, {0, 0, 0, 0}, false);
        timer.onTimer = [&ticks] { ++ticks; };
        timer.SetInterval(interval);
        timer.SetEnabled(true);
    }

    // Handles messages until the condition holds; the WM_TIMER messages taken on the way.
    static int PumpCountingTimerMessages(const std::function<bool()>& condition)
    {
        int timerMessages = 0;
        const DWORD start = ::GetTickCount();
        while (!condition() && ::GetTickCount() - start < 20000) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_TIMER)
                    ++timerMessages;
                ::DispatchMessageW(&msg);
            }
        }
        EXPECT_TRUE(condition()) << "the timers did not tick in 20 s";
        return timerMessages;
    }

    HWND host = nullptr;
};

TEST_F(TimersTest, TimersOfOneTickStartedApartWakeTheProgramTogether)
{
    ui::Timer bar{L"TimerBarRam"}, clockLabel{L"TimerZeitSysA"}, figure{L"Timer1"};
    int barTicks = 0, clockTicks = 0, figureTicks = 0;
    Start(bar, host, 100, barTicks);
    PumpCountingTimerMessages([&] { return barTicks >= 1; });
    Start(clockLabel, host, 100, clockTicks);
    Start(figure, host, 1000, figureTicks);

    const int before = barTicks;
    const int messages = PumpCountingTimerMessages([&] { return clockTicks >= 12; });
    const int barDuring = barTicks - before;
    EXPECT_GE(barDuring, 12);
    EXPECT_GE(figureTicks, 1);
    // Three timers of their own would bring one message for each tick of each.
    EXPECT_LT(messages, barDuring + clockTicks / 2) << barDuring << " and " << clockTicks << " ticks";
}

TEST_F(TimersTest, OthersTimersGoOnWhenOneTimersWindowHasGoneAndNoneTicksStopped)
{
    const HWND doomed = testing_support::CreatePlainWindow(0, WS_POPUP, {0, 0, 10, 10});
    ui::Timer gone{L"gone"}, stopped{L"stopped"}, going{L"going"}, own{L"own"};
    int goneTicks = 0, stoppedTicks = 0, goingTicks = 0, ownTicks = 0;
    Start(gone, doomed, 100, goneTicks);
    Start(stopped, host, 100, stoppedTicks);
    Start(going, host, 100, goingTicks);
    Start(own, host, 30, ownTicks);  // not a whole tenth: a Windows timer of its own
    PumpCountingTimerMessages([&] { return goneTicks >= 1 && stoppedTicks >= 1; });

    ::DestroyWindow(doomed);
    stopped.SetEnabled(false);
    const int goneBefore = goneTicks, stoppedBefore = stoppedTicks, goingBefore = goingTicks;
    PumpCountingTimerMessages([&] { return goingTicks >= goingBefore + 5 && ownTicks >= 5; });
    EXPECT_EQ(goneTicks, goneBefore);
    EXPECT_EQ(stoppedTicks, stoppedBefore);

    // A timer that moves to an interval of its own leaves the shared tick.
    going.SetInterval(70);
    const int stillBefore = goingTicks;
    PumpCountingTimerMessages([&] { return goingTicks >= stillBefore + 3; });
}

} // namespace
