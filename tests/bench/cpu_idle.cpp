// CPU page benchmark: starts the program the way brvt.exe does (stored
// language, loading screen, language pass), then measures
//   - the cost of one tick (sample and draw, painted) of the status page and of the monitor,
//   - the processor time the idle program uses with its main window minimised,
//     with both CPU timers running and then with both stopped.
//   cpu_idle <folder of the language files> [seconds per idle measurement]
#include "pages/system/frmMonitor.h"
#include "pages/system/frmSysRes.h"
#include "shell/PageForm.h"
#include "shell/frmLanguage.h"
#include "shell/frmMain.h"
#include "ui/Effects.h"
#include "ui/Form.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

class BenchSeam : public effects::Seam {
public:
    explicit BenchSeam(std::wstring folder) : folder_(std::move(folder)) {}
    std::wstring ProgramFolder() override { return folder_; }

private:
    std::wstring folder_;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double ProcessorSeconds()
{
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 1e7;
}

// Handles messages for the given time; waits without a timer of its own, so
// that an idle program gets no messages it would not get anyway.
void RunFor(double seconds)
{
    LARGE_INTEGER start, now;
    ::QueryPerformanceCounter(&start);
    for (;;) {
        ::QueryPerformanceCounter(&now);
        const double left = seconds - Seconds(start, now);
        if (left <= 0)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left * 1000) + 1, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!::IsDialogMessageW(::GetActiveWindow(), &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
}

// Mean cost of one tick in microseconds, the drawing painted at once.
template <class Page>
double TickCost(Page& page, int ticks)
{
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int tick = 0; tick < ticks; ++tick) {
        page.tmrRefresh.onTimer();
        ::UpdateWindow(page.picUsage.Hwnd());
        ::UpdateWindow(page.lblCpuUsage.Hwnd());
        ::UpdateWindow(page.picGraph.Hwnd());
    }
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1e6 / ticks;
}

// Share of one core used over the given time, in percent.
double IdleLoad(double seconds)
{
    const double before = ProcessorSeconds();
    RunFor(seconds);
    return (ProcessorSeconds() - before) * 100.0 / seconds;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: cpu_idle <folder of the language files> [seconds]\n", stderr);
        return 2;
    }
    const double seconds = argc > 2 ? std::wcstod(argv[2], nullptr) : 60.0;
    BenchSeam seam(argv[1]);
    effects::Install(&seam);

    frmLanguage.Get();
    RunFor(1.0);  // the loading screen's pass
    if (!frmMain.IsLoaded() || !frmMain->Visible()) {
        std::fputs("the main window did not come up\n", stderr);
        return 1;
    }

    constexpr int Ticks = 400;
    ui::ShowPage(frmSysRes->fraRessourcen);
    RunFor(0.2);
    std::printf("status page tick: %.1f us\n", TickCost(frmSysRes.Get(), Ticks));
    frmMonitor->Show();
    RunFor(0.2);
    std::printf("monitor tick: %.1f us\n", TickCost(frmMonitor.Get(), Ticks));
    // Back to how start-up leaves it: loaded, hidden, sampling.
    frmMonitor->Hide();

    ::ShowWindow(frmMain->Hwnd(), SW_MINIMIZE);
    RunFor(2.0);
    std::printf("idle, both timers running: %.3f %% of one core over %.0f s\n", IdleLoad(seconds), seconds);
    frmSysRes->tmrRefresh.SetEnabled(false);
    frmMonitor->tmrRefresh.SetEnabled(false);
    std::printf("idle, both timers stopped: %.3f %% of one core over %.0f s\n", IdleLoad(seconds), seconds);
    std::fflush(stdout);
    ::ExitProcess(0);
}
