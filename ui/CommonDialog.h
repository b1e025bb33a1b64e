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

    // Modal to the window that shows `from` (a page form, a control or a form).
    bool ShowOpen(HWND from);
    bool ShowSave(HWND from);

private:
    bool Show(HWND from, bool save);
};

} // namespace ui
