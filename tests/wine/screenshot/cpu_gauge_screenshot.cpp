// Shows the CPU status page in the main window with the real sampler, lets it
// tick a few times, then stops it and tells the checking script where the
// gauge is on the screen and which load it shows. It keeps the window up
// until the script has taken its screenshot.
#include "pages/system/frmSysRes.h"
#include "shell/PageForm.h"
#include "shell/frmMain.h"
#include "ui/win/Text.h"

#include "tests/wine/screenshot/ScreenshotDriver.h"

#include <windows.h>

#include <cstdio>
#include <string>

using screenshot::PumpFor;

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: cpu_gauge_screenshot <exchange folder>\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[1];
    frmMain->Show();
    ui::ShowPage(frmSysRes->fraRessourcen);
    ::SetForegroundWindow(frmMain->Hwnd());
    PumpFor(1700);  // the sample at load and three ticks

    frmSysRes->tmrRefresh.SetEnabled(false);
    PumpFor(300);
    POINT origin{0, 0};
    ::ClientToScreen(frmSysRes->picUsage.Hwnd(), &origin);
    const std::wstring load = frmSysRes->lblCpuUsage.Caption();
    char line[96];
    std::snprintf(line, sizeof line, "%ld %ld %s\n", origin.x, origin.y, win::ToAnsi(load).c_str());
    screenshot::Tell(folder, L"gauge", line);
    return screenshot::WaitForThePicture(folder);
}
