// The transfer half of the wizard against the test's FTP server: the version
// check, the per-file date check, downloads with their display, and the
// installation, including what must happen when something goes wrong.
#include "tests/updater/support/UpdaterTestSupport.h"
#include "ui/win/Handles.h"
#include "ui/win/Text.h"
#include "updater/modDates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace updater_testing;

const std::wstring NoUpdates = L"There are no updates available at this moment.";
const std::wstring NotDownloaded =
    L"The update could not be downloaded completely, so nothing has been installed. Please try again later.";

void SetLastWrite(const std::wstring& servedFile, const FILETIME& time)
{
    const win::unique_hfile file(::CreateFileW((ServedFolder() + L"\\" + servedFile).c_str(), GENERIC_WRITE, 0,
                                               nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file && ::SetFileTime(file.get(), nullptr, nullptr, &time));
}

FILETIME DaysFromNow(int days)
{
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER value{{now.dwLowDateTime, now.dwHighDateTime}};
    value.QuadPart += static_cast<ULONGLONG>(days) * 24 * 3600 * 10'000'000;
    return FILETIME{value.LowPart, value.HighPart};
}

class Transfer : public WizardTest {
protected:
    // Skyvell.ini with the entries given as remote file and download path.
    void Configure(std::initializer_list<std::pair<std::string, std::string>> files)
    {
        std::string text = "[Skyvell]\r\nAPPNAME=Brevantor\r\n";
        int entry = 1;
        for (const auto& [remote, local] : files) {
            if (!remote.empty())
                text += "FILES" + std::to_string(entry) + "=" + remote + "\r\n";
            if (!local.empty())
                text += "PATH" + std::to_string(entry) + "=" + local + "\r\n";
            ++entry;
        }
        WriteTextFile(root.Ini(), text);
    }

    // The usual update: 4.1 on the server with a new program and configuration.
    void ServeUpdate()
    {
        Serve("brvt/brvtupdate.txt", "4.1\r\n");
        Serve("brvt/brvt.exe", "new program");
        Serve("brvt/Skyvell.ini", "[Skyvell]\r\nAPPNAME=Brevantor 4.1\r\n");
        Configure({{"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"},
                   {"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"}});
    }

    // The usual update, with Cancel clicked while the version file comes and
    // the question answered. Posted before step 4, the click arrives at the
    // transfer's first yield.
    FrmSkyvell& CancelWhileTheVersionFileComes(int answer)
    {
        ServeUpdate();
        seam.messageAnswers = {answer};
        FrmSkyvell& wizard = Wizard();
        Press(wizard.cmdNext);
        Press(wizard.cmdNext);
        PostClick(wizard.cmdCancel.Hwnd());
        Press(wizard.cmdNext);
        return wizard;
    }

    void ExpectOldVersionInstalled()
    {
        EXPECT_EQ(FolderContent(root.Main()), (std::vector<std::wstring>{L"brvt.exe", L"brvtupdate.txt"}));
        EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), "old program");
        EXPECT_EQ(ReadTextFile(root.InMain(L"brvtupdate.txt")), "4.0\r\n");
        EXPECT_EQ(FolderContent(root.Path()), (std::vector<std::wstring>{L"Skyvell.ini", L"main"}));
    }
};

TEST_F(Transfer, TheSameVersionDownloadsNothingAndRemovesTheTemporaryFolder)
{
    ServeUpdate();
    Serve("brvt/brvtupdate.txt", "4.0\r\n");
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.lblInfo.Caption(), NoUpdates);
    EXPECT_FALSE(Exists(TempFolder));
    EXPECT_FALSE(wizard.UpdateDone);
    ExpectOldVersionInstalled();
}

TEST_F(Transfer, AMissingVersionFileOnTheServerIsNoUpdate)
{
    ServeUpdate();
    ::DeleteFileW((ServedFolder() + L"\\brvt\\brvtupdate.txt").c_str());
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.lblInfo.Caption(), NoUpdates);
    ExpectOldVersionInstalled();
}

TEST_F(Transfer, ANewerVersionIsInstalledInPlaceOfTheMainFolder)
{
    ServeUpdate();
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_TRUE(wizard.UpdateDone);
    EXPECT_EQ(wizard.lblCaption.Caption(), L"Thank you for using Skyvell");
    EXPECT_EQ(wizard.lblInfo.Caption(), L"Skyvell successfully !");
    EXPECT_EQ(wizard.lblEnd.Caption(), L"Update finished 2 file(s) updated !");
    EXPECT_EQ(wizard.frmTransfert.Caption(), L"Transfer Completed");
    EXPECT_EQ(wizard.cmdNext.Caption(), L"Finish");
    EXPECT_TRUE(wizard.cmdNext.Enabled());
    EXPECT_FALSE(wizard.cmdBack.Enabled());
    EXPECT_FALSE(wizard.cmdCancel.Enabled());

    EXPECT_EQ(FolderContent(root.Main()), (std::vector<std::wstring>{L"brvt.exe", L"brvtupdate.txt"}));
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), "new program");
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvtupdate.txt")), "4.1\r\n");
    EXPECT_EQ(ReadTextFile(root.Ini()), "[Skyvell]\r\nAPPNAME=Brevantor 4.1\r\n");
    EXPECT_EQ(FolderContent(root.Path()), (std::vector<std::wstring>{L"Skyvell.ini", L"main"}));
    EXPECT_FALSE(Exists(TempFolder));
}

TEST_F(Transfer, AnUpdateWithoutAConfigurationKeepsTheOldOne)
{
    ServeUpdate();
    Configure({{"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"}});
    const std::string oldIni = ReadTextFile(root.Ini());
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    ASSERT_TRUE(wizard.UpdateDone);
    EXPECT_EQ(ReadTextFile(root.Ini()), oldIni);
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), "new program");
}

TEST_F(Transfer, WithoutAnInstalledVersionFileAnyVersionIsNewer)
{
    ServeUpdate();
    ::DeleteFileW(root.InMain(L"brvtupdate.txt").c_str());
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_TRUE(wizard.UpdateDone);
}

TEST_F(Transfer, ThreeFilesAreCountedInTheClosingLine)
{
    ServeUpdate();
    Serve("brvt/English.bvl", "english");
    Configure({{"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"},
               {"brvt/English.bvl", "c:\\brvtupdatetemp\\English.bvl"},
               {"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"}});
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.lblEnd.Caption(), L"Update finished 3 file(s) updated !");
    EXPECT_EQ(FolderContent(root.Main()), (std::vector<std::wstring>{L"English.bvl", L"brvt.exe", L"brvtupdate.txt"}));
}

TEST_F(Transfer, AnEmptyEntryIsSkippedAndTheNextOneDownloaded)
{
    ServeUpdate();
    Configure({{"", ""}, {"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"}});
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.cmdCancel.Caption(), L"Close");
    EXPECT_EQ(wizard.lbl_Time.Caption(), L"");
    EXPECT_EQ(wizard.lblEnd.Caption(), L"Update finished 1 file(s) updated !");
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), "new program");
}

TEST_F(Transfer, AFileWithTheSameDateIsNotDownloaded)
{
    ServeUpdate();
    // Downloads stay in the download folder, which each run empties: the one
    // local copy there to compare with is that of the version file, made during
    // the run. The server's copy, written now, lists the same minute; should
    // the minute turn before the copy is made, the local one is newer, which
    // must not download either.
    SetLastWrite(L"brvt\\brvtupdate.txt", DaysFromNow(0));
    Configure({{"brvt/brvtupdate.txt", "c:\\brvtupdatetemp\\brvtupdate.txt"}});

    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.UpdateFileSize, 5) << "the server listed the file";
    EXPECT_EQ(wizard.lblInfo.Caption(), NoUpdates);
    ExpectOldVersionInstalled();
}

TEST_F(Transfer, AZeroByteFileIsDownloadedWithoutProgress)
{
    ServeUpdate();
    Serve("brvt/empty.dat", "");
    Configure({{"brvt/empty.dat", "c:\\brvtupdatetemp\\empty.dat"}});
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.lblEnd.Caption(), L"Update finished 1 file(s) updated !");
    EXPECT_EQ(ReadTextFile(root.InMain(L"empty.dat")), "");
    EXPECT_EQ(wizard.BytesDone, 0);
    EXPECT_EQ(wizard.Lbl_FileSize.Caption(), L"");
    EXPECT_EQ(wizard.Percent.Caption(), L"");
}

TEST_F(Transfer, CancelDuringTheVersionFileEndsWithoutAnUpdate)
{
    FrmSkyvell& wizard = CancelWhileTheVersionFileComes(IDYES);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Do you really want to cancel ?");
    EXPECT_EQ(seam.messages[0].title, L"Skyvell");
    EXPECT_EQ(seam.messages[0].style, 260u);
    EXPECT_TRUE(wizard.CancelRequested);
    EXPECT_EQ(wizard.lblInfo.Caption(), NoUpdates);
    EXPECT_FALSE(Exists(TempFolder)) << "the cancelled copy reads as version 0: nothing is due";
    EXPECT_TRUE(wizard.IsLoaded());
    ExpectOldVersionInstalled();
}

TEST_F(Transfer, ACancelAnsweredNoGoesOn)
{
    FrmSkyvell& wizard = CancelWhileTheVersionFileComes(IDNO);
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(wizard.UpdateDone);
}

TEST_F(Transfer, TheDisplayShowsTheShareSizesAndSpeed)
{
    FrmSkyvell& wizard = Wizard();
    wizard.txtStatus.SetText(L"fertig");
    wizard.frmTransfert.SetVisible(true);
    wizard.ProgressBar(10000, 5000, L" brvt/brvt.exe ");
    EXPECT_EQ(wizard.Percent.Caption(), L"50 %");
    RECT bar;
    ::GetWindowRect(wizard.Percent.Hwnd(), &bar);
    EXPECT_EQ(bar.right - bar.left, ui::Form::ToPixels(2075));
    EXPECT_EQ(wizard.Lbl_FileSize.Caption(), L"5.0Kb / 10.0 Kb");
    EXPECT_EQ(wizard.frmTransfert.Caption(), L"Downloading brvt/brvt.exe");
    EXPECT_EQ(wizard.BytesDone, 5000);

    // Once a second: the bytes since the last tick give speed and time left.
    wizard.UpdateFileSize = 10000;
    wizard.BytesAtLastTick = 3000;
    wizard.Timer_Timer();
    EXPECT_EQ(wizard.Lbl_Averages.Caption(), L"Average : 2.0 / Kbps");
    EXPECT_EQ(wizard.lbl_Time.Caption(), L"Time remaining : 0 minutes 2 seconds") << "2.5 s round to even";
    EXPECT_EQ(wizard.BytesAtLastTick, 5000);

    // A tick without new bytes changes nothing.
    wizard.Timer_Timer();
    EXPECT_EQ(wizard.Lbl_Averages.Caption(), L"Average : 2.0 / Kbps");

    wizard.ResetProgress();
    ::GetWindowRect(wizard.Percent.Hwnd(), &bar);
    EXPECT_EQ(bar.right - bar.left, ui::Form::ToPixels(15));
    EXPECT_EQ(wizard.Lbl_FileSize.Caption(), L"");
    EXPECT_EQ(wizard.Lbl_Averages.Caption(), L"");
    EXPECT_EQ(wizard.lbl_Time.Caption(), L"");
}

TEST_F(Transfer, BeforeTheVersionFileIsInNoProgressShows)
{
    FrmSkyvell& wizard = Wizard();
    wizard.ProgressBar(10000, 5000, L"brvt/brvtupdate.txt");
    EXPECT_EQ(wizard.Lbl_FileSize.Caption(), L"");
    EXPECT_EQ(wizard.BytesDone, 0);
}

// The longest time between two turns of the event loop, seen by a timer that
// only a turn of the loop can run.
class LoopGapMeter {
public:
    LoopGapMeter()
    {
        meter = this;
        last_ = ::GetTickCount();
        timer_ = ::SetTimer(nullptr, 0, 10, Tick);
    }
    ~LoopGapMeter()
    {
        ::KillTimer(nullptr, timer_);
        meter = nullptr;
    }
    LoopGapMeter(const LoopGapMeter&) = delete;
    LoopGapMeter& operator=(const LoopGapMeter&) = delete;

    DWORD Longest() const { return longest_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        const DWORD now = ::GetTickCount();
        meter->longest_ = std::max(meter->longest_, now - meter->last_);
        meter->last_ = now;
    }

    static inline LoopGapMeter* meter = nullptr;
    UINT_PTR timer_ = 0;
    DWORD last_ = 0;
    DWORD longest_ = 0;
};

TEST_F(Transfer, OnASlowLineTheWindowKeepsAnswering)
{
    // Fast enough at first for large reads, then a slow line: a read that
    // waited for a large piece to fill would hold the window for seconds.
    const std::string content(2 * 1024 * 1024 + 48 * 1024, 's');
    Serve("brvt/slow-brvt.exe", content);
    FrmSkyvell& wizard = Wizard();
    ASSERT_TRUE(wizard.FTPConnect());
    ASSERT_EQ(wizard.downloadFolder.Create(), DownloadFolder::State::Ready);
    wizard.txtStatus.SetText(L"fertig");
    wizard.frmTransfert.SetVisible(true);

    const LoopGapMeter meter;
    ASSERT_EQ(wizard.GetFiles(L"brvt/slow-brvt.exe", InTemp(L"brvt.exe"), ExpectedSize::Listed(content.size())),
              DownloadResult::Complete);
    EXPECT_LT(meter.Longest(), 1000u) << "ms between two turns of the event loop";
    EXPECT_EQ(wizard.BytesDone, static_cast<std::int64_t>(content.size()));
    wizard.downloadFolder.Remove();
}

// Faults: nothing half done may reach the installed program.

TEST_F(Transfer, AConnectionLostInTheMiddleOfAFileInstallsNothing)
{
    ServeUpdate();
    Serve("brvt/cut-brvt.exe", std::string(200000, 'n'));
    Configure({{"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"},
               {"brvt/cut-brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"}});
    const std::string oldIni = ReadTextFile(root.Ini());
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_FALSE(wizard.UpdateDone);
    EXPECT_EQ(wizard.lblInfo.Caption(), NotDownloaded);
    EXPECT_EQ(wizard.lblEnd.Caption(), L"Press Finish to Quit");
    EXPECT_EQ(wizard.cmdNext.Caption(), L"Finish");
    EXPECT_EQ(ReadTextFile(root.Ini()), oldIni);
    ExpectOldVersionInstalled();
    Press(wizard.cmdNext);
    EXPECT_TRUE(seam.processes.empty());
}

TEST_F(Transfer, ADownloadThatCannotBeWrittenInstallsNothing)
{
    ServeUpdate();
    Configure({{"brvt/brvt.exe", "c:\\brvtupdatetemp\\no such folder\\brvt.exe"}});
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_EQ(wizard.lblInfo.Caption(), NotDownloaded);
    ExpectOldVersionInstalled();
}

TEST_F(Transfer, FilesLeftByAnEarlierRunAreNeverInstalled)
{
    ServeUpdate();
    WriteTextFile(InTemp(L"stale.dll"), "from a cancelled run");
    WriteTextFile(InTemp(L"brvt.exe"), "half a program from a cancelled run, longer than the new one");
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    ASSERT_TRUE(wizard.UpdateDone);
    EXPECT_EQ(FolderContent(root.Main()), (std::vector<std::wstring>{L"brvt.exe", L"brvtupdate.txt"}));
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), "new program");
}

TEST_F(Transfer, ADownloadReplacesAllOfALongerFile)
{
    ServeUpdate();
    Serve("brvt/long.txt", "a long first version of the file");
    Serve("brvt/short.txt", "short");
    // Newer than the copy of the first entry, made a moment before.
    SetLastWrite(L"brvt\\short.txt", DaysFromNow(1));
    Configure({{"brvt/long.txt", "c:\\brvtupdatetemp\\notes.txt"}, {"brvt/short.txt", "c:\\brvtupdatetemp\\notes.txt"}});
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    ASSERT_TRUE(wizard.UpdateDone);
    EXPECT_EQ(ReadTextFile(root.InMain(L"notes.txt")), "short");
}

TEST_F(Transfer, ReadOnlyFilesInTheOldMainFolderDoNotStopTheInstallation)
{
    ServeUpdate();
    WriteTextFile(root.InMain(L"lang\\English.bvl"), "old language");
    for (const std::wstring& path : {root.InMain(L"brvt.exe"), root.InMain(L"lang\\English.bvl"), root.Ini()})
        ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    ASSERT_TRUE(wizard.UpdateDone) << win::ToAnsi(wizard.lblInfo.Caption());
    EXPECT_EQ(FolderContent(root.Main()), (std::vector<std::wstring>{L"brvt.exe", L"brvtupdate.txt"}));
    EXPECT_EQ(ReadTextFile(root.Ini()), "[Skyvell]\r\nAPPNAME=Brevantor 4.1\r\n");
    EXPECT_EQ(FolderContent(root.Path()), (std::vector<std::wstring>{L"Skyvell.ini", L"main"}));
}

TEST_F(Transfer, AnInstallationThatFailsPutsTheOldVersionBack)
{
    ServeUpdate();
    // Something in the way of moving the main folder aside.
    WriteTextFile(root.Path() + L"\\main.old", "in the way");
    ASSERT_TRUE(::SetFileAttributesW((root.Path() + L"\\main.old").c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string oldIni = ReadTextFile(root.Ini());
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    EXPECT_FALSE(wizard.UpdateDone);
    EXPECT_EQ(wizard.lblInfo.Caption(),
              L"The update could not be installed. The program is unchanged. Please try again later.");
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), "old program");
    EXPECT_EQ(ReadTextFile(root.Ini()), oldIni);
    EXPECT_FALSE(Exists(root.Path() + L"\\main.new"));
    EXPECT_FALSE(Exists(root.Path() + L"\\main.part"));
    ::SetFileAttributesW((root.Path() + L"\\main.old").c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
