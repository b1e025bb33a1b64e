#pragma once
// What the Wine tests share: a scripted effects seam, clicks as a user makes
// them, and a fixture that leaves no form loaded behind a test.
#include "ui/Effects.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct RecordedMessage {
    std::wstring text;
    std::wstring title;
    UINT style;
    HWND owner = nullptr;
};

struct RecordedStart {
    HWND owner;
    std::wstring file;
};

struct RecordedCommand {
    effects::Command command;
    WORD showWindow;
};

struct RecordedFolderBrowse {
    HWND owner;
    std::wstring title;
    UINT flags;
    std::wstring preselected;  // what the request's callback selected as the dialog came up
};

// Records every effect; answers message boxes and file dialogs from scripts.
class ScriptedSeam : public effects::Seam {
public:
    std::vector<RecordedMessage> messages;
    std::deque<int> messageAnswers;            // empty: IDOK
    std::vector<RecordedStart> starts;
    std::vector<effects::FileDialogRequest> dialogs;
    std::vector<HWND> dialogOwners;            // the owner of each of `dialogs`
    std::deque<std::wstring> dialogAnswers;    // "" cancels; empty queue cancels
    std::wstring programFolder;                // empty: the real one
    std::vector<std::wstring> processes;       // programs started as new processes
    std::vector<RecordedCommand> commands;
    bool runPrograms = false;                  // also really start them, and what the shell opens
    // Nothing listens there: a test that wants an update server names its own.
    effects::ServerAddress updateServer{L"127.0.0.1", 1};
    // Called while a message box would be open, in the order of the boxes.
    std::function<void()> whileMessageShown;

    int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) override;
    bool ShowFileDialog(HWND owner, effects::FileDialogRequest& request) override;
    void ShellExecute(HWND owner, const std::wstring& file) override;
    void StartProcess(const std::wstring& path) override;
    bool RunProgram(const effects::Command& command, WORD showWindow) override;
    effects::ServerAddress UpdateServer() override;
    std::wstring ProgramFolder() override;
    void EndProgram(UINT exitCode) override;
    // The disk cleaner's sweep: only the drives a test gives, never the machine's.
    std::vector<effects::Drive> drives;
    std::vector<effects::Drive> Drives() override;
    // The memory figures: the machine's, unless a test gives its own.
    std::optional<MEMORYSTATUSEX> memory;
    bool MemoryStatus(MEMORYSTATUSEX& status) override;
    // Session ends asked for (EWX_* flags); the answer the test wants Windows to give.
    std::vector<UINT> sessionEnds;
    bool sessionEndAccepted = true;
    bool EndSession(UINT flags) override;

    // Clock synchronisation: nothing listens at the time server unless a test runs one.
    effects::ServerAddress timeServer{L"127.0.0.1", 1};
    std::vector<SYSTEMTIME> systemTimes;  // the clock is never set
    bool refuseSystemTime = false;
    effects::ServerAddress TimeServer() override;
    bool SetSystemTime(const SYSTEMTIME& utc) override;

    // The file utilities: folder browsing and programs run to their end.
    std::vector<RecordedFolderBrowse> folderBrowses;
    std::deque<std::wstring> folderAnswers;    // a folder's path; "" or an empty queue cancels
    DWORD programExitCode = 0;                 // the end of a program that is not really run
    // Called while a program that the caller waits for runs.
    std::function<void(const effects::Command& command)> whileProgramRuns;
    PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& request) override;
    std::optional<DWORD> RunProgramToEnd(const effects::Command& command, WORD showWindow,
                                         DWORD milliseconds) override;
};

// Installs a fresh ScriptedSeam for each test and unloads every form afterwards.
class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    ScriptedSeam seam;
};

// A click of the primary button in the middle of the window, as the system delivers it.
void Click(HWND hwnd);
void MouseDown(HWND hwnd, UINT message = WM_LBUTTONDOWN);
void MouseUp(HWND hwnd, UINT message = WM_LBUTTONUP);
// A key pressed and released while the window has the focus.
void PressKey(HWND hwnd, WPARAM key);
// A top-level window of a plain class that does nothing itself, to hold a
// test's controls as a form holds its page.
HWND CreatePlainWindow(DWORD exStyle, DWORD style, const RECT& bounds, const wchar_t* title = L"");

// Handles the messages that are waiting.
void PumpMessages();

// Handles messages as they come until the condition holds; false when it
// still does not after the limit.
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 20000);

// Wine hides its stand-in notification area when its last icon goes, and waits
// two seconds for that; a test program that adds and removes icons keeps an
// icon of its own up for the rest of its run.
void KeepNotificationAreaUp();

// Removes a registry key with whatever lies below it.
void DeleteRegistryTree(HKEY root, const std::wstring& path);

// The colour of one pixel of what a window shows (drawn through WM_PRINTCLIENT when it can).
COLORREF PixelOf(HWND hwnd, int x, int y);

// Scratch folders: the test program's own folder (without a closing backslash),
// and the removal of a folder with all it holds; links in it are removed, not followed.
std::wstring TestProgramFolder();
void RemoveTree(const std::wstring& folder);

} // namespace testing_support
