// CPU page benchmark: starts the program the way brvt.exe does (stored
// language, loading screen, language pass), then measures
//   - the cost of one tick (sample and draw, painted) of the status page and of the monitor,
//   - the processor time the idle program uses with its main window minimised,
//     with both CPU timers running and then with both stopped.
//   cpu_idle <folder of the language files> [seconds per idle measurement]
#include "pages/system/frmMonitor.h"
#include "pages/system/frmSysRes.h"
#include "shell/PageForm.h"
#include "tests/bench/BenchSupport.h"
#include "ui/Form.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

using bench::RunFor;

// Mean cost of one tick in microseconds, the drawing painted at once.
template <class Page>
double TickCost(Page& page, int ticks)
{
    return bench::MeanMicroseconds(ticks, [&page] {
        page.tmrRefresh.onTimer();
        ::UpdateWindow(page.picUsage.Hwnd());
        ::UpdateWindow(page.lblCpuUsage.Hwnd());
        ::UpdateWindow(page.picGraph.Hwnd());
    });
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: cpu_idle <folder of the language files> [seconds]\n", stderr);
        return 2;
    }
    const double seconds = argc > 2 ? std::wcstod(argv[2], nullptr) : 60.0;
    bench::BenchSeam seam(argv[1]);
    effects::Install(&seam);

    if (!bench::StartProgram()) {
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
    std::printf("idle, both timers running: %.3f %% of one core over %.0f s\n", bench::Load(seconds), seconds);
    frmSysRes->tmrRefresh.SetEnabled(false);
    frmMonitor->tmrRefresh.SetEnabled(false);
    std::printf("idle, both timers stopped: %.3f %% of one core over %.0f s\n", bench::Load(seconds), seconds);
    std::fflush(stdout);
    ::ExitProcess(0);
}
