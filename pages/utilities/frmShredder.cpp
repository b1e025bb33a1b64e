#include "pages/utilities/frmShredder.h"

#include "pages/utilities/FilePictures.h"
#include "pages/utilities/core/ShredPasses.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"
#include "ui/core/Product.h"
#include "ui/win/Handles.h"

#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

ui::FormRef<FrmShredder> frmShredder;

namespace {

constexpr wchar_t NotFoundText[] = L"File not found !";

// Letting the event loop run costs more than writing a block, so the passes
// offer it at every block and it runs at most this often.
constexpr DWORD YieldIntervalMs = 20;

// The passes go to the open file, from one block buffer filled anew whenever the byte changes.
class FileTarget : public shred::Target {
public:
    FileTarget(HANDLE file, const FrmShredder& page)
        : file_(file), observer_(page.onWrite), flushObserver_(page.onFlush), block_(shred::BlockSize, 0),
          lastYield_(::GetTickCount())
    {
    }

    void Write(std::uint32_t count, std::uint8_t value) override
    {
        if (value != blockValue_) {
            std::memset(block_.data(), value, block_.size());
            blockValue_ = value;
        }
        // Only a watched write asks the file where it stands.
        LARGE_INTEGER position{};
        if (observer_)
            ::SetFilePointerEx(file_, LARGE_INTEGER{}, &position, FILE_CURRENT);
        DWORD written = 0;
        ::WriteFile(file_, block_.data(), count, &written, nullptr);
        if (observer_)
            observer_({static_cast<std::uint64_t>(position.QuadPart), written, value});
    }

    void Rewind() override { ::SetFilePointer(file_, 0, nullptr, FILE_BEGIN); }

    void Flush() override
    {
        ::FlushFileBuffers(file_);
        if (flushObserver_)
            flushObserver_();
    }

    void YieldToEvents() override
    {
        const DWORD now = ::GetTickCount();
        if (now - lastYield_ < YieldIntervalMs)
            return;
        lastYield_ = now;
        ui::DoEvents();
    }

private:
    HANDLE file_;
    const std::function<void(const ShredWrite&)>& observer_;
    const std::function<void()>& flushObserver_;
    std::vector<BYTE> block_;
    std::uint8_t blockValue_ = 0;
    DWORD lastYield_;
};

// Why overwriting the open file would reach what other names show: a link, or
// a second name of the same bytes. Nothing when it reaches this name alone, or
// when the file cannot tell.
std::optional<FrmShredder::Outcome> ReachesOtherNames(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (file == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(file, &information))
        return std::nullopt;
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return FrmShredder::Outcome::Link;
    if (information.nNumberOfLinks > 1)
        return FrmShredder::Outcome::SecondName;
    return std::nullopt;
}

std::uint64_t ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

FrmShredder::FrmShredder() : PageForm(L"frmShredder") {}

void FrmShredder::CreateControls()
{
    Place({
        PageFrameRow(fraShredder),
        {sevFrame1, &fraShredder, {120, 120, 5775, 5535}, L"", L"File-Shredder"},
        {Label5, &sevFrame1, {240, 480, 5295, 855}, L"2110", L"."},
        {Label1, &sevFrame1, {240, 1500, 3615, 255}, L"2100", L"."},
        {txtSchredderDir, &sevFrame1, {240, 1800, 4695, 315}},
        {cmdOpen, &sevFrame1, {5055, 1740, 480, 420}},
        {cmdSchredderIt, &sevFrame1, {240, 2460, 2400, 375}, L"2120", L"."},
        {Picture1, &sevFrame1, {3840, 2880, 1440, 1680}},
        {txtPart1, &sevFrame1, {240, 4200, 615, 285}, L"2130", nullptr, false},
        {txtPart2, &sevFrame1, {960, 4200, 615, 285}, L"2140", nullptr, false},
        {txtVorgang, &sevFrame1, {1680, 4200, 615, 285}, L"2150", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    cmdOpen.SetPicture(filepictures::OpenFolder());
    cmdOpen.SetMousePointer(art::LinkCursor());
    cmdOpen.ActAsButton(L"Open");
    Picture1.SetPicture(filepictures::Shredder());

    cmdOpen.onClick = [this] { cmdOpen_Click(); };
    cmdSchredderIt.onClick = [this] { cmdSchredderIt_Click(); };
}

void FrmShredder::cmdOpen_Click()
{
    cmdSchredderIt.SetEnabled(false);
    CommonDialog1.CancelError = true;
    CommonDialog1.Filter = L"alle Dateien (*.*)|*.*";
    if (CommonDialog1.ShowOpen(Hwnd()))
        txtSchredderDir.SetText(CommonDialog1.FileName);
    cmdSchredderIt.SetEnabled(true);
}

void FrmShredder::cmdSchredderIt_Click()
{
    const std::wstring path = txtSchredderDir.Text();
    if (path.empty())
        return;
    cmdSchredderIt.SetEnabled(false);
    // A file left as it was, and why: saying "finished" would tell the user it is gone.
    const auto reportUntouched = [&path](const std::wstring& why) {
        MsgBox(basLAnguageSelector::LanguageText(2820, L"The File : %1%n%2 Nothing has been overwritten.", {path, why}),
               MB_ICONEXCLAMATION, product::Title);
    };
    const std::wstring warning = L"Warning:  " + txtPart1.Text() + L" " + txtPart2.Text();
    if (MsgBox(warning, MB_YESNO | MB_ICONEXCLAMATION, product::Title) == IDYES) {
        switch (Dateischredder(path, shred::Passes)) {
        case Outcome::Shredded:
            MsgBox(txtVorgang.Text(), MB_ICONINFORMATION, product::Title);
            txtSchredderDir.SetText(L"");
            break;
        case Outcome::Declined:
            // The user has just kept the file: nothing to say, and the path stays for another try.
            break;
        case Outcome::Link:
            reportUntouched(basLAnguageSelector::LanguageText(
                2830, L"is a link to another file or folder: shredding it would overwrite what it leads to."));
            break;
        case Outcome::SecondName:
            reportUntouched(basLAnguageSelector::LanguageText(
                2870, L"has a second name (a hard link): shredding it would overwrite the file under its other name too."));
            break;
        case Outcome::NotFound:
            MsgBox(NotFoundText, MB_ICONEXCLAMATION, product::Title);
            txtSchredderDir.SetText(L"");
            break;
        case Outcome::NotOpened:
            reportUntouched(
                basLAnguageSelector::LanguageText(2800, L"cannot be opened for writing, perhaps because another program uses it."));
            break;
        case Outcome::Failed:
            break;
        }
    }
    cmdSchredderIt.SetEnabled(true);
}

FrmShredder::Outcome FrmShredder::Dateischredder(const std::wstring& path, int passes)
{
    WIN32_FILE_ATTRIBUTE_DATA found{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &found)) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Outcome::NotFound : Outcome::Failed;
    }
    // Writing through a symbolic link or junction would overwrite a file the user did not pick.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Outcome::Link;
    // A folder is no file to shred.
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return Outcome::NotFound;
    // Asked before the protection is lifted, of the name itself rather than of what it may lead to.
    {
        const win::unique_hfile query(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (const auto refused = ReachesOtherNames(query.get()))
            return *refused;
    }

    bool unprotected = false;
    if (shred::IsProtected(found.dwFileAttributes)) {
        const std::wstring question =
            L"The File : " + path + L"\r\nis protected ! Do you really want to shred it ?";
        if (MsgBox(question, MB_YESNO | MB_ICONEXCLAMATION, L"Info") != IDYES)
            return Outcome::Declined;
        unprotected = ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE) != FALSE;
    }

    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_DELETE_ON_CLOSE |
                                             FILE_FLAG_OPEN_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE,
                                         nullptr));
    if (!file) {
        // A file that is not shredded keeps its protection.
        if (unprotected)
            ::SetFileAttributesW(path.c_str(), found.dwFileAttributes);
        return Outcome::NotOpened;
    }
    // A second name made since the question would share the bytes: closing the
    // handle then takes only this name, and nothing is written.
    if (const auto refused = ReachesOtherNames(file.get()))
        return *refused;
    // The length of the open file, which nobody else can change now; 64 bits, so files of 2 GB and more go whole.
    LARGE_INTEGER opened{};
    const std::uint64_t length =
        ::GetFileSizeEx(file.get(), &opened)
            ? static_cast<std::uint64_t>(opened.QuadPart)
            : (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;

    FileTarget target(file.get(), *this);
    shred::RandomBytes random(ClockSeed());
    shred::Overwrite(length, passes, target, random);
    // Closing the handle deletes the file.
    file.reset();
    return Outcome::Shredded;
}
