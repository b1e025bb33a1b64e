#include "updater/frmSkyvell.h"

#include "ui/Drawing.h"
#include "ui/Effects.h"
#include "ui/core/NumberText.h"
#include "ui/modLocale.h"
#include "ui/modWindow.h"
#include "ui/win/Text.h"
#include "updater/WizardPicture.h"
#include "updater/core/TransferText.h"
#include "updater/core/Version.h"
#include "updater/modDates.h"
#include "updater/modIni.h"
#include "updater/modInstall.h"
#include "updater/modPaths.h"
#include "updater/modTestAids.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

ui::FormRef<FrmSkyvell> frmSkyvell;

namespace {

constexpr char FtpUser[] = "qorud";
constexpr char FtpPassword[] = "wenlorb415";
constexpr int BarRestWidth = 15;  // twips
constexpr wchar_t NoUpdates[] = L"There are no updates available at this moment.";
// The version file holds one short line; anything longer is no version file.
constexpr DWORD VersionFileLimit = 4096;
// The display shows a download in blocks of this size.
constexpr DWORD BlockSize = 4096;

// Without the blanks at either end, as the entries are written.
std::wstring Trim(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// The first line of the installed version file; "" when it cannot be read.
std::wstring InstalledVersionLine(const std::wstring& path)
{
    const win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? FirstLine(file.get(), VersionFileLimit) : std::wstring();
}

bool IsExistingFile(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The size the server listed. One beyond 63 bits, which no update has, is
// kept at the largest size, which no download matches.
std::int64_t ListedSize(const WIN32_FIND_DATAA& found)
{
    const std::uint64_t size = static_cast<std::uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
    return static_cast<std::int64_t>(
        std::min<std::uint64_t>(size, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())));
}

// One entry of Skyvell.ini: the remote file (empty for an empty entry) and
// the checked path its download goes to.
struct UpdateEntry {
    std::wstring file;
    std::wstring path;
};

// Entries 1 to 99, each with its download path checked: nothing when a path
// leads out of the download folder.
std::optional<std::vector<UpdateEntry>> ReadEntries(const InstallLayout& layout, const std::wstring& section)
{
    std::vector<UpdateEntry> entries;
    for (int n = 1; n <= 99; ++n) {
        UpdateEntry entry{Trim(modIni::ReadIniValue(layout.IniFile(), section, L"FILES" + std::to_wstring(n))), {}};
        if (!entry.file.empty()) {
            const std::optional<std::wstring> path = modPaths::FileInside(
                layout.Resolve(modIni::ReadIniValue(layout.IniFile(), section, L"PATH" + std::to_wstring(n))),
                TempFolder);
            if (!path)
                return std::nullopt;
            entry.path = *path;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

// What step 4 says when it installed nothing.
const wchar_t* NothingInstalledText(UpdateOutcome outcome)
{
    switch (outcome) {
    case UpdateOutcome::DownloadFailed:
        return L"The update could not be downloaded completely, so nothing has been installed. "
               L"Please try again later.";
    case UpdateOutcome::InstallFailed:
        return L"The update could not be installed. The program is unchanged. Please try again later.";
    case UpdateOutcome::PathOutsideTempFolder:
        return L"The update names a file outside the download folder c:\\brvtupdatetemp, so nothing has been "
               L"downloaded or installed.";
    case UpdateOutcome::TempFolderIsLink:
        return L"The download folder c:\\brvtupdatetemp is a link to another place, so the update has been "
               L"refused. Please delete the link and try again.";
    case UpdateOutcome::TempFolderNotEmptied:
        return L"The download folder c:\\brvtupdatetemp could not be emptied, so the update has been refused. "
               L"Please delete the folder and try again.";
    case UpdateOutcome::TempFolderNotCreated:
        return L"The download folder c:\\brvtupdatetemp could not be created anew, so the update has been "
               L"refused. Please try again.";
    case UpdateOutcome::NoUpdate:
    case UpdateOutcome::Installed:
        break;
    }
    return NoUpdates;
}

// Reads the connection in pieces of what has already arrived, up to 1 MB,
// which costs far less than a read per block, and hands them on in the blocks
// of the display. A read never asks for more than is there (or one block when
// the connection cannot tell), so it never waits for a piece to fill: on a
// slow line the window answers as each few bytes come in.
class BlockReader {
public:
    explicit BlockReader(HINTERNET source) : source_(source), buffer_(LargestPiece) {}

    // The next block, empty at the end of the file; false when the read failed.
    bool Next(std::string_view& block)
    {
        if (offset_ == filled_ && !ReadPiece())
            return false;
        const size_t length = std::min<size_t>(BlockSize, filled_ - offset_);
        block = std::string_view(buffer_.data() + offset_, length);
        offset_ += length;
        return true;
    }

private:
    static constexpr DWORD LargestPiece = 1 << 20;

    bool ReadPiece()
    {
        DWORD available = 0;
        if (!::InternetQueryDataAvailable(source_, &available, 0, 0) || available == 0)
            available = BlockSize;
        DWORD read = 0;
        if (!::InternetReadFile(source_, buffer_.data(), std::min(available, LargestPiece), &read))
            return false;
        filled_ = read;
        offset_ = 0;
        return true;
    }

    HINTERNET source_;
    std::vector<char> buffer_;
    size_t filled_ = 0;
    size_t offset_ = 0;
};

class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { flag_ = false; }

private:
    bool& flag_;
};

} // namespace

FrmSkyvell::FrmSkyvell() : Form(L"frmSkyvell") {}

ui::FormStyle FrmSkyvell::Style() const
{
    ui::FormStyle style;
    style.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    style.clientWidth = 6930;
    style.clientHeight = 4155;
    style.caption = L"Skyvell";
    style.centred = true;
    style.icon = art::ProgramIcon(32);
    return style;
}

void FrmSkyvell::CreateControls()
{
    Place({
        {Picture1, nullptr, {0, 0, 2355, 3390}},
        {lblCaption, nullptr, {2520, 240, 4335, 495}},
        {lblInfo, nullptr, {2520, 720, 4335, 855}},
        {lblEnd, nullptr, {2520, 3080, 4335, 255}},
        {Frame1, nullptr, {0, 3310, 6930, 120}},
        {cmdBack, nullptr, {120, 3600, 1335, 375}, L"", L"< &Back"},
        {cmdNext, nullptr, {1560, 3600, 1335, 375}, L"", L"&Next >"},
        {cmdCancel, nullptr, {5520, 3600, 1335, 375}, L"", L"Cancel"},
        {frmTransfert, nullptr, {2400, 1680, 4455, 1335}, L"", nullptr, false},
        {Lbl_FileSize, &frmTransfert, {120, 255, 1935, 255}},
        {Lbl_Averages, &frmTransfert, {2160, 240, 2055, 255}},
        {txtPercent, &frmTransfert, {120, 525, 4215, 375}},
        {Percent, &frmTransfert, {140, 560, BarRestWidth, 315}},
        {lbl_Time, &frmTransfert, {120, 960, 3735, 255}},
        {txtOrdner, nullptr, {0, 0, 615, 285}, L"", nullptr, false},
        {txtStatus, nullptr, {0, 0, 615, 285}, L"", nullptr, false},
        {txtTemp, nullptr, {0, 0, 615, 285}, L"", nullptr, false},
        {txtAlte, nullptr, {0, 0, 615, 285}, L"", nullptr, false},
        {Timer, nullptr, {0, 0, 0, 0}, L"", nullptr, false},
    });
    Picture1.SetPicture(WizardPicture({ToPixels(2355), ToPixels(3390)}));
    lblCaption.SetFont({L"Arial", 8.25, true});
    frmTransfert.SetFont({L"Arial", 8.25, true});
    Percent.SetColors(::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT));

    Timer.SetInterval(1000);
    Timer.onTimer = [this] { Timer_Timer(); };

    cmdBack.onClick = [this] { cmdBack_Click(); };
    cmdNext.onClick = [this] { cmdNext_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void FrmSkyvell::Form_Load()
{
    decimalSeparator_ = modLocale::DecimalSeparator();
    modWindow::DisableCloseButton(Hwnd());
    AppName = modIni::ReadIniValue(Layout().IniFile(), L"Skyvell", L"APPNAME");
    Step = static_cast<std::int16_t>(Step + 1);
    ShowStep(Step);
    SetCaption(L"Skyvell - " + AppName);
}

void FrmSkyvell::Form_Unload()
{
    Timer.SetEnabled(false);
    downloadFolder.Release();
    hConnect.reset();
    hInternet.reset();
}

InstallLayout FrmSkyvell::Layout() const
{
    return InstallLayout(effects::Current().ProgramFolder());
}

// The wizard

void FrmSkyvell::SetTexts(const std::wstring& caption, const std::wstring& info, const std::wstring& end)
{
    lblCaption.SetCaption(caption);
    lblInfo.SetCaption(info);
    lblEnd.SetCaption(end);
}

void FrmSkyvell::ShowFinishOnly()
{
    cmdNext.SetCaption(L"Finish");
    cmdNext.SetEnabled(true);
    cmdBack.SetEnabled(false);
    cmdCancel.SetEnabled(false);
}

void FrmSkyvell::ShowStep(std::int16_t step)
{
    switch (step) {
    case 1:
        SetTexts(L"Welcome to the Skyvell of " + AppName,
                 L"Skyvell will download and install the latest Updates from the Internet.", L"Press Next to Continue");
        break;
    case 2:
        SetTexts(L"Internet Connection", L"After you clicked on Next, Skyvell will connect to the Update-Server.",
                 L"Press Next to Connect");
        break;
    case 3: {
        cmdNext.SetEnabled(false);
        cmdBack.SetEnabled(false);
        bool connected = false;
        {
            const BusyScope busy(busy_);
            connected = FTPConnect();
        }
        if (!connected) {
            lblEnd.SetCaption(L"Impossible to connect");
            lblCaption.SetCaption(L"Connection Error!");
            lblInfo.SetCaption(L"The server is currently unavailable. Please try again later.");
            ShowFinishOnly();
            return;
        }
        SetTexts(L"You are connected with the Update-Server", L"Skyvell is now ready to receive the Update-Information",
                 L"Press Next to Continue");
        cmdNext.SetEnabled(true);
        break;
    }
    case 4: {
        UpdateOutcome outcome = UpdateOutcome::NoUpdate;
        {
            const BusyScope busy(busy_);
            outcome = SendFiles(L"Skyvell");
        }
        lblCaption.SetCaption(L"Thank you for using Skyvell");
        if (outcome == UpdateOutcome::Installed) {
            lblInfo.SetCaption(L"Skyvell successfully !");
            break;
        }
        lblInfo.SetCaption(NothingInstalledText(outcome));
        lblEnd.SetCaption(L"Press Finish to Quit");
        ShowFinishOnly();
        break;
    }
    default:
        break;
    }
    cmdBack.SetEnabled(step > 1 && step < 4);
}

void FrmSkyvell::cmdBack_Click()
{
    if (busy_)
        return;
    Step = static_cast<std::int16_t>(Step - 1);
    ShowStep(Step);
}

void FrmSkyvell::cmdNext_Click()
{
    if (busy_)
        return;
    if (cmdNext.Caption() == L"Finish") {
        Finish();
        return;
    }
    Step = static_cast<std::int16_t>(Step + 1);
    ShowStep(Step);
}

void FrmSkyvell::cmdCancel_Click()
{
    if (!Downloading) {
        Unload();
        return;
    }
    if (MsgBox(L"Do you really want to cancel ?", MB_YESNO | MB_DEFBUTTON2, L"Skyvell") == IDYES) {
        CancelRequested = true;
        frmTransfert.SetVisible(false);
    }
}

void FrmSkyvell::Finish()
{
    if (UpdateDone) {
        // By now the configuration is the one the update brought.
        const InstallLayout layout = Layout();
        const std::optional<std::int16_t> execute =
            numbertext::StrictInteger(modIni::ReadIniValue(layout.IniFile(), L"Skyvell", L"EXECUTE"));
        // Only a program of the installation itself is started.
        const std::optional<std::wstring> program = modPaths::FileInside(
            layout.Resolve(modIni::ReadIniValue(layout.IniFile(), L"Skyvell", L"EXECFILES")), layout.Folder());
        if (execute == 1 && program && IsExistingFile(*program))
            effects::Current().StartProcess(*program);
    }
    Unload();
}

// The transfer

bool FrmSkyvell::FTPConnect()
{
    const HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    lblEnd.SetCaption(L"Connecting to the Internet ...");
    ui::DoEvents();
    // Cancel may have ended the wizard during the yield.
    bool connected = false;
    if (IsLoaded()) {
        hConnect.reset();
        hInternet.reset(::InternetOpenA("", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
        if (hInternet) {
            const effects::ServerAddress server =
                modTestAids::RedirectedServer().value_or(effects::Current().UpdateServer());
            hConnect.reset(::InternetConnectA(hInternet.get(), win::ToAnsi(server.host).c_str(), server.port, FtpUser,
                                              FtpPassword, INTERNET_SERVICE_FTP, 0, 0));
        }
        connected = hInternet && hConnect;
        if (connected)
            lblEnd.SetCaption(L"You are connected with the Update-Server");
    }
    ::SetCursor(previous);
    return connected;
}

UpdateOutcome FrmSkyvell::SendFiles(const std::wstring& section)
{
    const InstallLayout layout = Layout();
    Timer.SetEnabled(true);
    int count = 0;
    lblEnd.SetCaption(L"Checking for Updates....");
    // Every download path is checked before anything is fetched or written.
    const std::optional<std::vector<UpdateEntry>> entries = ReadEntries(layout, section);
    if (!entries)
        return UpdateOutcome::PathOutsideTempFolder;
    for (const UpdateEntry& entry : *entries) {
        if (txtOrdner.Text() != L"da") {
            switch (downloadFolder.Create()) {
            case DownloadFolder::State::Link:
                return UpdateOutcome::TempFolderIsLink;
            case DownloadFolder::State::NotRemoved:
                return UpdateOutcome::TempFolderNotEmptied;
            case DownloadFolder::State::NotCreated:
                return UpdateOutcome::TempFolderNotCreated;
            case DownloadFolder::State::Ready:
                break;
            }
            txtOrdner.SetText(L"da");
        }
        if (txtStatus.Text() != L"fertig") {
            if (!NewerVersionOnServer(layout)) {
                downloadFolder.Remove();
                return UpdateOutcome::NoUpdate;
            }
            cmdCancel.SetEnabled(false);
            cmdBack.SetEnabled(false);
            cmdNext.SetEnabled(false);
            ui::DoEvents();
        }
        if (entry.file.empty()) {
            cmdCancel.SetCaption(L"Close");
            Timer.SetEnabled(false);
            lbl_Time.SetCaption(L"");
            continue;
        }

        ResetProgress();
        WIN32_FIND_DATAA found{};
        net::unique_hinternet search(
            ::FtpFindFirstFileA(hConnect.get(), win::ToAnsi(entry.file).c_str(), &found, INTERNET_FLAG_RELOAD, 0));
        // A listed file that the server lacks, or a connection that has ended,
        // leaves the update incomplete: nothing of it is installed.
        if (!search)
            return UpdateOutcome::DownloadFailed;
        // The first match is the file. One transfer at a time on a connection:
        // the search ends before the download.
        search.reset();
        UpdateFileSize = ListedSize(found);
        // Only this run puts files into its download folder: another program made this one.
        if (downloadFolder.IsForeign(entry.path))
            return UpdateOutcome::DownloadFailed;
        if (modDates::FileTimeToText(found.ftLastWriteTime) > modDates::GetFileDateText(entry.path)) {
            frmTransfert.SetVisible(true);
            ++count;
            if (GetFiles(entry.file, entry.path, ExpectedSize::Listed(UpdateFileSize)) != DownloadResult::Complete)
                return UpdateOutcome::DownloadFailed;
        } else {
            lblEnd.SetCaption(NoUpdates);
        }
    }

    if (count == 0) {
        lblEnd.SetCaption(NoUpdates);
        cmdBack.SetEnabled(false);
        cmdCancel.SetEnabled(false);
        // Nothing to install: the download folder goes, as when no version is due.
        downloadFolder.Remove();
        return UpdateOutcome::NoUpdate;
    }
    return Install(layout, count);
}

bool FrmSkyvell::NewerVersionOnServer(const InstallLayout& layout)
{
    const DownloadResult fetched = GetFiles(win::FromAnsi(RemoteVersionFile), DownloadedVersionFile,
                                            ExpectedSize::AtMost(VersionFileLimit));
    txtStatus.SetText(L"fertig");
    // A version file that did not arrive whole says nothing.
    const HANDLE fetchedFile = downloadFolder.Find(DownloadedVersionFile);
    txtTemp.SetText(fetched == DownloadResult::Complete && fetchedFile ? FirstLine(fetchedFile, VersionFileLimit)
                                                                       : L"");
    txtAlte.SetText(InstalledVersionLine(layout.InstalledVersionFile()));
    const std::string decimal = win::ToAnsi(decimalSeparator_);
    return version::VersionOrZero(win::ToAnsi(txtTemp.Text()), decimal) >
           version::VersionOrZero(win::ToAnsi(txtAlte.Text()), decimal);
}

UpdateOutcome FrmSkyvell::Install(const InstallLayout& layout, int count)
{
    if (!modInstall::InstallUpdate(layout, downloadFolder))
        return UpdateOutcome::InstallFailed;
    ui::DoEvents();
    ui::DoEvents();
    UpdateDone = true;
    cmdBack.SetEnabled(false);
    cmdCancel.SetEnabled(false);
    lblEnd.SetCaption(L"Update finished " + std::to_wstring(count) + L" file(s) updated !");
    frmTransfert.SetCaption(L"Transfer Completed");
    cmdNext.SetCaption(L"Finish");
    cmdNext.SetEnabled(true);
    return UpdateOutcome::Installed;
}

DownloadResult FrmSkyvell::GetFiles(const std::wstring& remoteFile, const std::wstring& localFile,
                                    ExpectedSize expected)
{
    Downloading = true;
    const std::wstring remote = Trim(remoteFile);
    const net::unique_hinternet source(::FtpOpenFileA(hConnect.get(), win::ToAnsi(remote).c_str(), GENERIC_READ,
                                                      FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 0));
    if (!source)
        return DownloadResult::Failed;
    // A new file of this run's download folder, held until the installation.
    const HANDLE target = downloadFolder.Open(localFile);
    if (!target)
        return DownloadResult::Failed;
    CancelRequested = false;

    BlockReader reader(source.get());
    std::int64_t total = 0;
    for (;;) {
        // The one yield of a block: it also shows the progress of the block before.
        ui::DoEvents();
        if (CancelRequested) {
            downloadFolder.Discard(localFile);
            for (int i = 0; i < 10000; ++i)
                ui::DoEvents();
            ResetProgress();
            return DownloadResult::Cancelled;
        }
        std::string_view block;
        if (!reader.Next(block))
            return DownloadResult::Failed;
        if (block.empty())
            break;
        // More than the server listed is no longer its file: not a byte of it is written.
        if (static_cast<std::int64_t>(block.size()) > expected.bytes - total)
            return DownloadResult::Failed;
        total += static_cast<std::int64_t>(block.size());
        ProgressBar(expected.exact ? expected.bytes : 0, total, remote);
        DWORD written = 0;
        if (!::WriteFile(target, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) ||
            written != block.size())
            return DownloadResult::Failed;
    }
    // A connection that ends early looks like the end of the file: only the size tells.
    if (expected.exact && total != expected.bytes)
        return DownloadResult::Failed;
    downloadFolder.Arrived(target, total);
    return DownloadResult::Complete;
}

void FrmSkyvell::ProgressBar(std::int64_t size, std::int64_t done, const std::wstring& file)
{
    if (done == 0 || txtStatus.Text() != L"fertig")
        return;
    const int percent = transfertext::PercentDone(size, done);
    BytesDone = done;
    const std::wstring caption = L"Downloading " + Trim(file);
    if (frmTransfert.Caption() != caption)
        frmTransfert.SetCaption(caption);
    Percent.SetWidth(ToPixels(transfertext::BarWidthTwips(percent)));
    Percent.SetCaption(std::to_wstring(percent) + L" %");
    Lbl_FileSize.SetCaption(transfertext::FileSizeText(done, size, decimalSeparator_));
}

void FrmSkyvell::ResetProgress()
{
    Percent.SetWidth(ToPixels(BarRestWidth));
    Percent.Repaint();
    txtPercent.SetCaption(L"");
    Lbl_FileSize.SetCaption(L"");
    Lbl_Averages.SetCaption(L"");
    lbl_Time.SetCaption(L"");
}

void FrmSkyvell::Timer_Timer()
{
    const std::int64_t delta = BytesDone - BytesAtLastTick;
    if (delta > 0) {
        Lbl_Averages.SetCaption(transfertext::AverageText(delta, decimalSeparator_));
        lbl_Time.SetCaption(
            transfertext::FormatTimeRemaining(transfertext::SecondsRemaining(UpdateFileSize, BytesDone, delta)));
        Lbl_Averages.Repaint();
        lbl_Time.Repaint();
    }
    BytesAtLastTick = BytesDone;
}
