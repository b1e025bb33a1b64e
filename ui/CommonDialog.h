#pragma once
// The open and save dialog of the pages that choose a file.
#include <windows.h>

#include <string>

namespace ui {

class CommonDialog {
public:
    // A cancelled dialog leaves FileName as it was, and ShowOpen/ShowSave say so
    // by returning false; without it a cancel empties FileName.
    bool CancelError = false;
    std::wstring DialogTitle;
    std::wstring Filter;   // "description|pattern|..."
    DWORD Flags = 0;       // OFN_* option bits
    std::wstring FileName; // the chosen full path

    bool ShowOpen(HWND owner);
    bool ShowSave(HWND owner);

private:
    bool Show(HWND owner, bool save);
};

} // namespace ui
