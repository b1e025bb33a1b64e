#pragma once
// The one seam for effects that would harm the machine or block a test:
// message boxes, file dialogs, starting programs, the program folder, the
// update server and the end of the program. Tests install a scripted seam in
// place of the real one. Every program it starts runs with the system folder
// as its current folder, so that a name the program looks up itself comes
// from there rather than from wherever this one was started.
#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace effects {

struct FileDialogRequest {
    bool save = false;            // save dialog instead of open dialog
    std::wstring title;           // empty: the system's title
    std::wstring filter;          // "description|pattern|description|pattern"
    DWORD flags = 0;              // OFN_* option bits
    std::wstring fileName;        // in: initial name; out: the chosen full path
};

// Where the update program finds its server.
struct ServerAddress {
    std::wstring host;
    unsigned short port = 0;  // 0: the protocol's default port
};

// A drive as the disk cleaner's sweep visits it.
struct Drive {
    std::wstring root;  // "C:\" for drive C
    UINT type = 0;      // DRIVE_FIXED, DRIVE_REMOVABLE, ... as GetDriveType reports it
};

// A program to start: its full path and what follows it on its command line.
struct Command {
    std::wstring program;
    std::wstring arguments;
};

class Seam {
public:
    virtual ~Seam() = default;
    // MessageBox with the given style; returns the button pressed (IDOK, IDYES, ...).
    virtual int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style);
    // Open or save dialog; true when a file was chosen (request.fileName holds it).
    virtual bool ShowFileDialog(HWND owner, FileDialogRequest& request);
    // Default action on a file, named by its full path, or a web address (ShellExecute without verb, SW_SHOWNORMAL).
    virtual void ShellExecute(HWND owner, const std::wstring& file);
    // Starts a program as a new process with a normal, activated window, without arguments and without waiting.
    virtual void StartProcess(const std::wstring& path);
    // Starts a program named by its full path, with the arguments after it on
    // its command line, shown with `showWindow` (SW_*), without waiting; false
    // when it could not start. A program without a full path is not looked for.
    virtual bool RunProgram(const Command& command, WORD showWindow);
    // The update server.
    virtual ServerAddress UpdateServer();
    // The folder that holds the program, without a trailing backslash except at a drive root.
    virtual std::wstring ProgramFolder();
    // Ends the process at once, after an error that nothing handles.
    virtual void EndProgram(UINT exitCode);
    // The disk cleaner's sweep: the machine's drives, in the system's order.
    virtual std::vector<Drive> Drives();
    // The memory figures that size the RAM cleaning (GlobalMemoryStatusEx); false when they cannot be read.
    virtual bool MemoryStatus(MEMORYSTATUSEX& status);
    // Ends the Windows session (ExitWindowsEx with these EWX_* flags); true when Windows took the request.
    virtual bool EndSession(UINT flags);

    // Clock synchronisation: the TIME server, and the system clock set in UTC
    // (false when Windows refused, for want of the right to change it).
    virtual ServerAddress TimeServer();
    virtual bool SetSystemTime(const SYSTEMTIME& utc);

    // The file utilities: the folder-browse dialog and batch files run to their end.
    // The folder-browse dialog (SHBrowseForFolder) of the request; the chosen
    // item, which the caller frees with CoTaskMemFree, or null on cancel.
    virtual PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& request);
    // Starts a program as RunProgram does and waits up to `milliseconds` for
    // its end, answering what other programs send meanwhile; its exit code, or
    // nothing when it could not start or did not end in time.
    virtual std::optional<DWORD> RunProgramToEnd(const Command& command, WORD showWindow, DWORD milliseconds);
};

// The seam in force: the real one unless a test installed its own.
Seam& Current();
// Installs a seam (not owned); null puts the real one back.
void Install(Seam* seam);

} // namespace effects

// A message box, modal to the window in front (see modWindow::DialogOwner); an
// empty title shows the product title.
int MsgBox(const std::wstring& text, UINT style = MB_OK, const std::wstring& title = L"");
