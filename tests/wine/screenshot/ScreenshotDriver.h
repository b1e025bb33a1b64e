#pragma once
// What the screenshot drivers share with their checking scripts
// (screenshot.sh): a request file that tells the script where to look, and
// the wait until the script has taken its picture.
#include <windows.h>

#include <cstdio>
#include <string>

namespace screenshot {

inline void PumpFor(DWORD milliseconds)
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

inline bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Writes the line into <folder>\<name>.txt at once, so the script never reads half of it.
inline void Tell(const std::wstring& folder, const std::wstring& name, const std::string& line)
{
    const std::wstring written = folder + L"\\" + name + L".tmp";
    if (std::FILE* request = ::_wfopen(written.c_str(), L"w")) {
        std::fputs(line.c_str(), request);
        std::fclose(request);
    }
    ::MoveFileW(written.c_str(), (folder + L"\\" + name + L".txt").c_str());
}

// Keeps the windows up until the script says it has its picture; the exit code.
inline int WaitForThePicture(const std::wstring& folder)
{
    const std::wstring done = folder + L"\\done.txt";
    for (int wait = 0; wait < 600 && !Exists(done); ++wait)
        PumpFor(50);
    return Exists(done) ? 0 : 1;
}

} // namespace screenshot
