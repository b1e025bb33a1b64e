#pragma once
// The update wizard: one fixed window without a close box that leads through
// four steps, welcome, connection notice, connection to the update server and
// the update itself. Its working half connects by FTP, compares the version
// and each configured file's date, downloads what is newer into the download
// folder with a transfer display and installs it.
#include "ui/Form.h"
#include "ui/SkinControls.h"
#include "updater/DisplayLabel.h"
#include "updater/DownloadFolder.h"
#include "updater/Internet.h"
#include "updater/core/InstallLayout.h"

#include <cstdint>
#include <string>

// How step 4 ended.
enum class UpdateOutcome {
    NoUpdate,
    Installed,
    DownloadFailed,         // a listed file missing on the server, or not brought whole
    InstallFailed,
    PathOutsideTempFolder,  // a PATH entry leads out of the download folder
    TempFolderIsLink,       // the download folder is a junction or symbolic link that cannot be removed
    TempFolderNotEmptied,   // what an earlier run left in it cannot be deleted
    TempFolderNotCreated,   // it could not be created anew for this run
};
// How one download ended: complete only when every byte the server listed arrived.
enum class DownloadResult { Complete, Cancelled, Failed };

// How many bytes a download must bring.
struct ExpectedSize {
    std::int64_t bytes = 0;
    bool exact = true;  // exactly `bytes`, as the server listed them; else at most `bytes`

    static ExpectedSize Listed(std::int64_t size) { return {size, true}; }
    static ExpectedSize AtMost(std::int64_t limit) { return {limit, false}; }
};

class FrmSkyvell : public ui::Form {
public:
    FrmSkyvell();

    ui::PictureBox Picture1{L"Picture1"};
    ui::Label lblCaption{L"lblCaption"};
    ui::Label lblInfo{L"lblInfo"};
    ui::Label lblEnd{L"lblEnd"};
    ui::Frame Frame1{L"Frame1", true};
    ui::XpButton cmdBack{L"cmdBack"};
    ui::XpButton cmdNext{L"cmdNext"};
    ui::XpButton cmdCancel{L"cmdCancel"};

    // The transfer display.
    ui::Frame frmTransfert{L"frmTransfert", true};
    DisplayLabel Lbl_FileSize{L"Lbl_FileSize", DT_LEFT};
    DisplayLabel Lbl_Averages{L"Lbl_Averages", DT_RIGHT};
    DisplayLabel txtPercent{L"txtPercent", DT_CENTER, true, true};
    DisplayLabel Percent{L"Percent", DT_CENTER, false, true};
    DisplayLabel lbl_Time{L"lbl_Time", DT_LEFT};

    // Flags of the run: "da" once the download folder was made, "fertig" once
    // the version file was fetched, then the remote and installed version lines.
    ui::TextBox txtOrdner{L"txtOrdner"};
    ui::TextBox txtStatus{L"txtStatus"};
    ui::TextBox txtTemp{L"txtTemp"};
    ui::TextBox txtAlte{L"txtAlte"};
    // Speed and remaining time, once a second while the transfer runs.
    ui::Timer Timer{L"Timer"};

    std::int16_t Step = 0;
    std::wstring AppName;
    bool UpdateDone = false;
    bool Downloading = false;
    bool CancelRequested = false;
    net::unique_hinternet hInternet;
    net::unique_hinternet hConnect;
    // The download folder of this run and the downloads it holds for the installation.
    DownloadFolder downloadFolder;

    // Size of the file being downloaded, its bytes so far, and those at the last timer tick.
    std::int64_t UpdateFileSize = 0;
    std::int64_t BytesDone = 0;
    std::int64_t BytesAtLastTick = 0;

    // Opens the Internet handle and the FTP connection; true when both are open.
    bool FTPConnect();
    // Checks, downloads and installs the entries of a section of Skyvell.ini.
    UpdateOutcome SendFiles(const std::wstring& section);
    // Downloads one file. A remote file that cannot be opened leaves the local one as it was.
    DownloadResult GetFiles(const std::wstring& remoteFile, const std::wstring& localFile, ExpectedSize expected);
    void ProgressBar(std::int64_t size, std::int64_t done, const std::wstring& file);
    void ResetProgress();
    // The once-a-second speed and remaining time.
    void Timer_Timer();

protected:
    ui::FormStyle Style() const override;
    void CreateControls() override;
    void Form_Load() override;
    void Form_Unload() override;
    // There is no close command: the wizard ends through Finish or Cancel.
    void OnSystemClose() override {}

private:
    void ShowStep(std::int16_t step);
    void SetTexts(const std::wstring& caption, const std::wstring& info, const std::wstring& end);
    // Next as Finish, the only button left.
    void ShowFinishOnly();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdCancel_Click();
    void Finish();
    // Fetches the version file; true when it is newer than the installed one.
    bool NewerVersionOnServer(const InstallLayout& layout);
    UpdateOutcome Install(const InstallLayout& layout, int count);
    InstallLayout Layout() const;

    // A connection or a transfer is running: Back and Next wait for it.
    bool busy_ = false;
    std::wstring decimalSeparator_;
};

extern ui::FormRef<FrmSkyvell> frmSkyvell;
