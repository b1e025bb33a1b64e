#pragma once
// What the in-process benchmarks share: a seam that finds the language files,
// the program started as brvt.exe starts it, message handling for a time and
// the process's processor time.
#include "shell/frmLanguage.h"
#include "shell/frmMain.h"
#include "ui/Effects.h"

#include <windows.h>

#include <string>

namespace bench {

class BenchSeam : public effects::Seam {
public:
    explicit BenchSeam(std::wstring folder) : folder_(std::move(folder)) {}
    std::wstring ProgramFolder() override { return folder_; }

private:
    std::wstring folder_;
};

inline double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double ProcessorSeconds()
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
inline void RunFor(double seconds)
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

// Mean cost of one call of `tick` in microseconds.
template <class Tick>
double MeanMicroseconds(int times, Tick tick)
{
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int time = 0; time < times; ++time)
        tick();
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1e6 / times;
}

// Share of one core used over the given time, in percent.
inline double Load(double seconds)
{
    const double before = ProcessorSeconds();
    RunFor(seconds);
    return (ProcessorSeconds() - before) * 100.0 / seconds;
}

// Starts the program the way brvt.exe does, with the stored language: the
// loading screen runs the language pass. False when the main window did not come up.
inline bool StartProgram()
{
    frmLanguage.Get();
    RunFor(1.0);
    return frmMain.IsLoaded() && frmMain->Visible();
}

} // namespace bench
