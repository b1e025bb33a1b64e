// Magnifier benchmark: starts the program the way brvt.exe does, shows the
// magnifier at zoom 4 in the main window with the cursor in the middle of the
// screen, then measures
//   - the cost of one tick (one copy of the screen into the glass),
//   - the processor time the program uses with the magnifier shown,
//   - and the same with the magnifier's timer stopped: the idle program.
//   magnifier_cpu <folder of the language files> [seconds per measurement]
#include "pages/utilities/frmLupe.h"
#include "shell/PageForm.h"
#include "tests/bench/BenchSupport.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: magnifier_cpu <folder of the language files> [seconds]\n", stderr);
        return 2;
    }
    const double seconds = argc > 2 ? std::wcstod(argv[2], nullptr) : 30.0;
    bench::BenchSeam seam(argv[1]);
    effects::Install(&seam);

    if (!bench::StartProgram()) {
        std::fputs("the main window did not come up\n", stderr);
        return 1;
    }

    ui::ShowPage(frmLupe->fraShredder);
    FrmLupe& page = frmLupe.Get();
    page.HScroll1.SetValue(4);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2);
    bench::RunFor(2.0);

    const double tick = bench::MeanMicroseconds(400, [&page] {
        page.Timer1.onTimer();
        ::GdiFlush();
    });
    std::printf("one tick at zoom 4: %.1f us\n", tick);
    const double shown = bench::Load(seconds);
    std::printf("magnifier shown, zoom 4, ticking: %.3f %% of one core over %.0f s\n", shown, seconds);
    page.Timer1.SetEnabled(false);
    bench::RunFor(1.0);
    const double idle = bench::Load(seconds);
    std::printf("idle program, magnifier stopped: %.3f %% of one core over %.0f s\n", idle, seconds);
    std::printf("the magnifier's share: %.3f %% of one core\n", shown - idle);
    std::fflush(stdout);
    ::ExitProcess(0);
}
