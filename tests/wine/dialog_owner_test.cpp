// The dialogs and message boxes of the pages belong to the window that shows the
// page: opened from a page in the main window they are modal to it, so the main
// window takes no click until they are closed.
#include "pages/system/frmMonitor.h"
#include "pages/utilities/frmFileSplitter.h"
#include "pages/utilities/frmPassGen.h"
#include "pages/utilities/frmShredder.h"
#include "pages/utilities/frmVDrives.h"
#include "shell/PageForm.h"
#include "shell/frmMain.h"
#include "ui/Window.h"
#include "ui/core/Product.h"
#include "ui/modWindow.h"

#include "tests/wine/support/RunningProgram.h"
#include "tests/wine/support/TestSupport.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

using testing_support::Click;

namespace {

// Notes the owner of every dialog and box; `real` shows the system's own.
class OwnerRecordingSeam : public testing_support::ScriptedSeam {
public:
    bool real = false;
    std::vector<HWND> owners;

    int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) override
    {
        owners.push_back(owner);
        return real ? Seam::ShowMessageBox(owner, text, title, style)
                    : ScriptedSeam::ShowMessageBox(owner, text, title, style);
    }
    bool ShowFileDialog(HWND owner, effects::FileDialogRequest& request) override
    {
        owners.push_back(owner);
        return real ? Seam::ShowFileDialog(owner, request) : ScriptedSeam::ShowFileDialog(owner, request);
    }
    PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& request) override
    {
        owners.push_back(request.hwndOwner);
        return real ? Seam::BrowseForFolder(request) : ScriptedSeam::BrowseForFolder(request);
    }
};

// A dialog as the user opens it: the page shown in the main window, then the
// clicks; `opened` boxes and dialogs come up in turn.
struct DialogCase {
    const char* name;
    void (*open)();
    size_t opened;
};

const DialogCase Cases[] = {
    {"password list Save",
     [] {
         ui::ShowPage(frmPassGen->fraPass);
         frmPassGen->txtNumPass.SetText(L"2");
         frmPassGen->cmbMask.SetText(L"##");
         Click(frmPassGen->cmdGen.Hwnd());
         Click(frmPassGen->cmdSave.Hwnd());
     },
     1},
    {"splitter Open, after its notice",
     [] {
         ui::ShowPage(frmFileSplitter->fraSplitter);
         Click(frmFileSplitter->chkFloppy.Hwnd());
         Click(frmFileSplitter->buttonKopieren.Hwnd());
     },
     2},
    {"shredder Open",
     [] {
         ui::ShowPage(frmShredder->fraShredder);
         Click(frmShredder->cmdOpen.Hwnd());
     },
     1},
    {"virtual drives' folder browser",
     [] {
         ui::ShowPage(frmVDrives->fraDrive);
         Click(frmVDrives->cmdHauptErstellen.Hwnd());
         Click(frmVDrives->Command3.Hwnd());
     },
     1},
    {"shredder's question, answered No",
     [] {
         ui::ShowPage(frmShredder->fraShredder);
         frmShredder->txtSchredderDir.SetText(L"C:\\no-such-folder\\secret.bin");
         Click(frmShredder->cmdSchredderIt.Hwnd());
     },
     1},
};

class DialogOwnerTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        effects::Install(&recording);
        testing_support::KeepNotificationAreaUp();
    }
    HWND ShownMainWindow()
    {
        frmMain->Show();
        return frmMain->Hwnd();
    }

    OwnerRecordingSeam recording;
};

TEST_F(DialogOwnerTest, EachPageDialogIsGivenTheMainWindowThatShowsThePage)
{
    const HWND main = ShownMainWindow();
    for (const DialogCase& dialog : Cases) {
        SCOPED_TRACE(dialog.name);
        recording.owners.clear();
        dialog.open();
        ASSERT_EQ(recording.owners.size(), dialog.opened);
        for (const HWND owner : recording.owners)
            EXPECT_EQ(owner, main);
    }
}

// Closes each dialog that the thread of the forms opens, once it runs its modal
// loop, and notes its owner and whether the main window took input meanwhile.
class DialogCloser {
public:
    struct Seen {
        HWND owner;
        bool mainEnabled;
    };

    explicit DialogCloser(HWND main) : main_(main), formsThread_(::GetCurrentThreadId())
    {
        thread_ = ::CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~DialogCloser()
    {
        stop_ = true;
        ::WaitForSingleObject(thread_, INFINITE);
        ::CloseHandle(thread_);
    }
    std::vector<Seen> TakeSeen()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(seen_, {});
    }

private:
    static BOOL CALLBACK TakeDialog(HWND hwnd, LPARAM found)
    {
        wchar_t name[16] = L"";
        ::GetClassNameW(hwnd, name, 16);
        if (!::IsWindowVisible(hwnd) || std::wstring(name) != L"#32770")
            return TRUE;
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    HWND OpenDialog() const
    {
        HWND found = nullptr;
        ::EnumThreadWindows(formsThread_, TakeDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static DWORD WINAPI Run(void* self)
    {
        static_cast<DialogCloser*>(self)->CloseDialogs();
        return 0;
    }
    void CloseDialogs()
    {
        while (!stop_) {
            const HWND dialog = testing_support::WaitFor([this] { return stop_ ? ::GetDesktopWindow() : OpenDialog(); });
            if (stop_ || !dialog)
                continue;
            // Answered only once the dialog's modal loop runs, past its set-up.
            DWORD_PTR answer = 0;
            ::SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, testing_support::WaitLimitMs, &answer);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back({::GetWindow(dialog, GW_OWNER), ::IsWindowEnabled(main_) != FALSE});
            }
            // A question without Cancel ends by No; every other dialog by Cancel.
            ::PostMessageW(dialog, WM_COMMAND, ::GetDlgItem(dialog, IDNO) ? IDNO : IDCANCEL, 0);
            testing_support::WaitUntil([dialog] { return !::IsWindowVisible(dialog); });
        }
    }

    HWND main_;
    DWORD formsThread_;
    HANDLE thread_ = nullptr;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Seen> seen_;
};

TEST_F(DialogOwnerTest, WhileEachRealDialogIsOpenTheMainWindowIsDisabled)
{
    const HWND main = ShownMainWindow();
    recording.real = true;
    DialogCloser closer(main);
    for (const DialogCase& dialog : Cases) {
        SCOPED_TRACE(dialog.name);
        dialog.open();
        const std::vector<DialogCloser::Seen> seen = closer.TakeSeen();
        ASSERT_EQ(seen.size(), dialog.opened);
        for (const DialogCloser::Seen& open : seen) {
            EXPECT_EQ(open.owner, main);
            EXPECT_FALSE(open.mainEnabled);
        }
        EXPECT_TRUE(::IsWindowEnabled(main));
    }
}

TEST_F(DialogOwnerTest, OwnerIsTheShownWindowThatHoldsThePage)
{
    const HWND main = ShownMainWindow();
    FrmShredder& hosted = frmShredder();
    ui::ShowPage(hosted.fraShredder);
    FrmVDrives& notShown = frmVDrives();
    FrmMonitor& monitor = frmMonitor();
    monitor.Show();

    const struct {
        const char* what;
        HWND from;
        HWND owner;
    } cases[] = {
        {"a page form shown in the main window", hosted.Hwnd(), main},
        {"a control of that page", hosted.cmdOpen.Hwnd(), main},
        {"a top-level form's control", monitor.HScroll1.Hwnd(), monitor.Hwnd()},
        {"a top-level form", monitor.Hwnd(), monitor.Hwnd()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(modWindow::DialogOwner(c.from), c.owner) << c.what;

    // A page shown nowhere: the window in front of the program's others.
    ::SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetActiveWindow(main);
    EXPECT_EQ(modWindow::DialogOwner(notShown.Hwnd()), main);

    // With nothing shown a box stands on its own rather than under a hidden window.
    monitor.Hide();
    frmMain->Hide();
    EXPECT_EQ(modWindow::DialogOwner(hosted.Hwnd()), nullptr);
    EXPECT_EQ(modWindow::DialogOwner(nullptr), nullptr);
}

TEST_F(DialogOwnerTest, MessageBoxOfAPageInTheMainWindowIsModalToItWithTheProductTitle)
{
    const HWND main = ShownMainWindow();
    ui::ShowPage(frmShredder->fraShredder);
    MsgBox(L"text");
    ASSERT_EQ(recording.messages.size(), 1u);
    EXPECT_EQ(recording.messages[0].owner, main);
    EXPECT_EQ(recording.messages[0].title, product::Title);
}

// Reports the box it is asked for on the error stream, where the death test sees it.
class ReportingSeam : public effects::Seam {
public:
    int ShowMessageBox(HWND, const std::wstring& text, const std::wstring& title, UINT style) override
    {
        std::fprintf(stderr, "box [%ls] [%ls] style %u\n", title.c_str(), text.c_str(), style);
        std::fflush(stderr);
        return IDOK;
    }
};

TEST(UnexpectedErrorTest, EndsTheProgramAfterABoxWithTheProductTitle)
{
    EXPECT_EXIT(
        {
            static ReportingSeam seam;
            effects::Install(&seam);
            ui::EndWithUnexpectedError("broken");
        },
        ::testing::ExitedWithCode(1), R"(box \[Brevantor\] \[Unexpected error: broken\] style 16)");
}

} // namespace
