// Shows the CPU status page in the main window with the real sampler, lets it
// tick a few times, then stops it and tells the checking script where the
// gauge is on the screen and which load it shows. It keeps the window up
// until the script has taken its screenshot.
#include "pages/system/frmSysRes.h"
#include "shell/PageForm.h"
#include "shell/frmMain.h"
#include "ui/win/Text.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void PumpFor(DWORD milliseconds)
{
    const DWORD until = ::GetTickCount() + milliseconds;
    while (static_cast<int>(until - ::GetTickCount()) > 0) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

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
    if (std::FILE* request = ::_wfopen((folder + L"\\gauge.tmp").c_str(), L"w")) {
        std::fprintf(request, "%ld %ld %s\n", origin.x, origin.y, win::ToAnsi(load).c_str());
        std::fclose(request);
    }
    ::MoveFileW((folder + L"\\gauge.tmp").c_str(), (folder + L"\\gauge.txt").c_str());

    for (int wait = 0; wait < 600 && !Exists(folder + L"\\done.txt"); ++wait)
        PumpFor(50);
    return Exists(folder + L"\\done.txt") ? 0 : 1;
}
