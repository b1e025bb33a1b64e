// Times the start of a program: from CreateProcess until a window of the
// given class and title is visible (and, when given, a second window of the
// program has gone), then closes the program again.
//   startup_timer <exe> <runs> <class> <title> [<class> <title> of a window that must be gone]
// One start before the timed ones warms the caches. Prints one line per run,
// the median and the largest peak working set seen when the window was up.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds = -1;
    SIZE_T peakWorkingSet = 0;
};

constexpr DWORD TimeoutMs = 30000;

double ElapsedMs(const LARGE_INTEGER& start, const LARGE_INTEGER& frequency)
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Target {
    std::wstring exe;
    const wchar_t* className;
    const wchar_t* title;
    const wchar_t* goneClass = nullptr;  // null: nothing must be gone
    const wchar_t* goneTitle = nullptr;
};

// A window of the process that matches; null while there is none.
HWND WindowOf(DWORD processId, const wchar_t* className, const wchar_t* title, bool mustBeVisible)
{
    HWND hwnd = nullptr;
    while ((hwnd = ::FindWindowExW(nullptr, hwnd, className, title)) != nullptr) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (owner == processId && (!mustBeVisible || ::IsWindowVisible(hwnd)))
            return hwnd;
    }
    return nullptr;
}

HWND ReadyWindow(DWORD processId, const Target& target)
{
    const HWND shown = WindowOf(processId, target.className, target.title, true);
    if (!shown || (target.goneClass && WindowOf(processId, target.goneClass, target.goneTitle, false)))
        return nullptr;
    return shown;
}

Run TimeOnce(const Target& target)
{
    const std::wstring& exe = target.exe;
    Run run;
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    ::QueryPerformanceFrequency(&frequency);
    // Wine now and then refuses a start right after the previous process ended.
    bool created = false;
    for (int attempt = 0; attempt < 5 && !created; ++attempt) {
        if (attempt > 0)
            ::Sleep(200);
        ::QueryPerformanceCounter(&start);
        created = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                   &startup, &started) != FALSE;
    }
    if (!created) {
        std::fwprintf(stderr, L"cannot start %ls: error %lu\n", exe.c_str(), ::GetLastError());
        return run;
    }
    HWND shown = nullptr;
    while (!shown && ElapsedMs(start, frequency) < TimeoutMs) {
        shown = ReadyWindow(started.dwProcessId, target);
        if (!shown) {
            if (::WaitForSingleObject(started.hProcess, 1) == WAIT_OBJECT_0)
                break;  // ended without showing the window
        }
    }
    if (shown) {
        run.milliseconds = ElapsedMs(start, frequency);
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (::GetProcessMemoryInfo(started.hProcess, &counters, sizeof counters))
            run.peakWorkingSet = counters.PeakWorkingSetSize;
        ::PostMessageW(shown, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(started.hProcess, 1);
        ::WaitForSingleObject(started.hProcess, 5000);
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return run;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5 && argc != 7) {
        std::fwprintf(stderr, L"usage: startup_timer <exe> <runs> <class> <title> [<class> <title>]\n");
        return 2;
    }
    Target target{argv[1], argv[3], argv[4]};
    if (argc == 7) {
        target.goneClass = argv[5];
        target.goneTitle = argv[6];
    }
    const int runs = std::max(1, _wtoi(argv[2]));
    std::vector<double> times;
    SIZE_T peak = 0;
    for (int i = 0; i <= runs; ++i) {
        const Run run = TimeOnce(target);
        if (run.milliseconds < 0) {
            std::wprintf(L"run %d: no visible window\n", i);
            std::fflush(stdout);
            return 1;
        }
        if (i == 0)
            continue;  // the warm-up start
        std::wprintf(L"run %d: %.1f ms\n", i, run.milliseconds);
        std::fflush(stdout);
        times.push_back(run.milliseconds);
        peak = std::max(peak, run.peakWorkingSet);
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::wprintf(L"median: %.1f ms\n", median);
    std::wprintf(L"peak working set: %llu KiB\n", static_cast<unsigned long long>(peak / 1024));
    return 0;
}
