#include "pages/utilities/frmFileSplitter.h"

#include "pages/utilities/BatchFile.h"
#include "pages/utilities/core/BatchText.h"
#include "pages/utilities/core/SplitParts.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"
#include "ui/win/Handles.h"

#include <algorithm>
#include <set>
#include <vector>

ui::FormRef<FrmFileSplitter> frmFileSplitter;

namespace {

constexpr DWORD CopyBlockSize = 32768;
// A part takes a few milliseconds; the progress text changes no faster than it can be read.
constexpr DWORD ProgressIntervalMs = 100;

enum class Copied { All, ReadFailed, WriteFailed };

// Copies `count` bytes from the source's position to the target's, in blocks
// of 32768 bytes; the system's error stays for the caller when it failed.
Copied CopyFileBlock(std::uint64_t count, HANDLE source, HANDLE target, std::vector<BYTE>& buffer)
{
    for (std::uint64_t done = 0; done < count;) {
        const DWORD block = static_cast<DWORD>(std::min<std::uint64_t>(CopyBlockSize, count - done));
        DWORD read = 0;
        if (!::ReadFile(source, buffer.data(), block, &read, nullptr))
            return Copied::ReadFailed;
        if (read != block) {
            // The source has become shorter since its length was taken.
            ::SetLastError(ERROR_HANDLE_EOF);
            return Copied::ReadFailed;
        }
        DWORD written = 0;
        if (!::WriteFile(target, buffer.data(), block, &written, nullptr))
            return Copied::WriteFailed;
        if (written != block) {
            ::SetLastError(ERROR_DISK_FULL);
            return Copied::WriteFailed;
        }
        done += block;
    }
    return Copied::All;
}

// Removes what stands at a name of the split that the user agreed to replace,
// so that nothing is written through it (a link, say); false when it stays.
bool RemoveReplaceable(const std::wstring& path, const std::set<std::wstring>& replaceable)
{
    return !replaceable.count(path) || ::DeleteFileW(path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

// A new file of the split. Any name but a replaceable one that exists by now,
// or turns up meanwhile, makes the creation fail.
win::unique_hfile CreateSplitFile(const std::wstring& path, const std::set<std::wstring>& replaceable)
{
    if (!RemoveReplaceable(path, replaceable))
        return win::unique_hfile();
    return win::unique_hfile(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

// The split's own files, the batch file and the parts, that exist already.
std::vector<std::wstring> ExistingFiles(const std::wstring& prefix, std::uint64_t partCount)
{
    const auto exists = [](const std::wstring& path) {
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        const DWORD error = ::GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
    };
    std::vector<std::wstring> existing;
    if (std::wstring batchPath = split::BatchFileName(prefix); exists(batchPath))
        existing.push_back(std::move(batchPath));
    for (std::uint64_t number = 1; number <= partCount; ++number) {
        if (std::wstring part = split::PartName(prefix, number); exists(part))
            existing.push_back(std::move(part));
    }
    return existing;
}

// The hourglass while the split runs, which handles no messages meanwhile.
class WaitCursor {
public:
    WaitCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { ::SetCursor(previous_); }

private:
    HCURSOR previous_;
};

} // namespace

FrmFileSplitter::FrmFileSplitter() : PageForm(L"frmFileSplitter") {}

void FrmFileSplitter::CreateControls()
{
    Place({
        PageFrameRow(fraSplitter),
        {sevFrame1, &fraSplitter, {120, 120, 5775, 5535}, L"", L"File-Splitter"},
        {Label5, &sevFrame1, {240, 480, 5295, 615}, L"2160", L"."},
        {Label2, &sevFrame1, {240, 1320, 375, 255}, L"", L"1.)"},
        {labelDateigroesse, &sevFrame1, {660, 1320, 3615, 255}, L"2210", L"."},
        {chkFloppy, &sevFrame1, {660, 1680, 3615, 285}, L"", L"1,44 MB (Floppy-Disk)"},
        {chkSelbst, &sevFrame1, {660, 2040, 2895, 285}, L"2220", L"."},
        {textDateigroesse, &sevFrame1, {3660, 2025, 1095, 315}},
        {Label3, &sevFrame1, {240, 2700, 375, 255}, L"", L"2.)"},
        {buttonKopieren, &sevFrame1, {660, 2640, 2400, 375}, L"2230", L"."},
        {labelInfo, &sevFrame1, {240, 3300, 5295, 855}},
        {txtInfo, &sevFrame1, {240, 4560, 615, 285}, L"2170", nullptr, false},
        {txtInfo2, &sevFrame1, {960, 4560, 615, 285}, L"2180", nullptr, false},
        {txtInfo3, &sevFrame1, {1680, 4560, 615, 285}, L"2190", nullptr, false},
        {txtFinished, &sevFrame1, {2400, 4560, 615, 285}, L"2200", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    chkFloppy.SetValue(true);
    textDateigroesse.SetText(L"1400");
    textDateigroesse.SetEnabled(false);

    chkFloppy.onClick = [this] { chkFloppy_Click(); };
    chkSelbst.onClick = [this] { chkSelbst_Click(); };
    buttonKopieren.onClick = [this] { buttonKopieren_Click(); };
}

void FrmFileSplitter::chkFloppy_Click()
{
    textDateigroesse.SetEnabled(false);
}

void FrmFileSplitter::chkSelbst_Click()
{
    textDateigroesse.SetEnabled(true);
}

std::wstring FrmFileSplitter::SelectSourceFile()
{
    cmdStandarddialog.CancelError = true;
    cmdStandarddialog.DialogTitle = L"Select File Location";
    cmdStandarddialog.Flags = OFN_FILEMUSTEXIST;
    return cmdStandarddialog.ShowOpen(Hwnd()) ? cmdStandarddialog.FileName : std::wstring();
}

std::int64_t FrmFileSplitter::GetPartSize()
{
    if (chkFloppy.Value())
        return split::FloppyPartSize;
    const double kilobytes = split::LeadingNumber(textDateigroesse.Text());
    if (kilobytes <= 0) {
        MsgBox(L"Wrong Filesize", MB_ICONERROR);
        ::SetFocus(textDateigroesse.Hwnd());
        return 0;
    }
    MsgBox(L"yes", MB_OK);
    return split::KilobytesToBytes(kilobytes);
}

void FrmFileSplitter::buttonKopieren_Click()
{
    MsgBox(txtInfo.Text(), MB_ICONINFORMATION);
    const std::int64_t partSize = GetPartSize();
    if (partSize <= 0)
        return;
    const std::wstring source = SelectSourceFile();
    if (source.empty())
        return;

    win::unique_hfile file(::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER length{};
    if (!file || !::GetFileSizeEx(file.get(), &length)) {
        MsgBox(basLAnguageSelector::LanguageText(2760, L"The file %1 cannot be read:%n%2", {source, SystemErrorText(::GetLastError())}),
               MB_ICONERROR);
        return;
    }
    const auto total = static_cast<std::uint64_t>(length.QuadPart);
    const auto size = static_cast<std::uint64_t>(partSize);
    if (total < size) {
        MsgBox(txtInfo2.Text(), MB_ICONEXCLAMATION);
        return;
    }
    const std::uint64_t partCount = split::PartCount(total, size);
    if (split::ReplacesSource(source, partCount)) {
        MsgBox(basLAnguageSelector::LanguageText(2770,
                                                L"The file %1 has the name of one of its own parts or of their batch "
                                                L"file, so splitting it would overwrite it. Please rename it first.",
                                                {split::GetFileTitleOf(source)}),
               MB_ICONERROR);
        return;
    }
    // A file of that name may be no part at all: "setup.bat" beside "setup.exe".
    const std::vector<std::wstring> existing = ExistingFiles(split::GetPartPrefix(source), partCount);
    if (!existing.empty() && !MayReplace(existing))
        return;

    std::optional<Failure> failure;
    {
        WaitCursor hourglass;
        failure = WriteParts(file.get(), source, total, size, {existing.begin(), existing.end()});
    }
    if (failure) {
        labelInfo.SetCaption(L"");
        MsgBox(basLAnguageSelector::LanguageText(2780,
                                                L"The file could not be split: %1%n%2%nThe parts written so far stay; "
                                                L"no batch file joins them.",
                                                {failure->file, SystemErrorText(failure->error)}),
               MB_ICONERROR);
        return;
    }
    labelInfo.SetCaption(txtFinished.Text());
    ::UpdateWindow(labelInfo.Hwnd());
}

bool FrmFileSplitter::MayReplace(const std::vector<std::wstring>& existing)
{
    const std::wstring question =
        existing.size() == 1
            ? basLAnguageSelector::LanguageText(
                  2860, L"The file %1 already exists and would be replaced by the split.%nDo you want to go on?",
                  {existing.front()})
            : basLAnguageSelector::LanguageText(2890,
                                                L"%2 files of the split already exist, among them %1, and would be "
                                                L"replaced by the split.%nDo you want to go on?",
                                                {existing.front(), std::to_wstring(existing.size())});
    return MsgBox(question, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

std::optional<FrmFileSplitter::Failure> FrmFileSplitter::WriteParts(HANDLE source, const std::wstring& sourcePath,
                                                                  std::uint64_t total, std::uint64_t partSize,
                                                                  const std::set<std::wstring>& replaceable)
{
    const std::wstring prefix = split::GetPartPrefix(sourcePath);
    const std::wstring batchPath = split::BatchFileName(prefix);
    // A batch file of an earlier split would claim a set that this one replaces part by part.
    if (!RemoveReplaceable(batchPath, replaceable))
        return Failure{batchPath, ::GetLastError()};

    std::vector<BYTE> buffer(CopyBlockSize);
    std::vector<std::wstring> partTitles;
    DWORD shownAt = 0;
    std::uint64_t number = 1;
    for (std::uint64_t position = 0; position < total; position += partSize, ++number) {
        const std::wstring part = split::PartName(prefix, number);
        // No events run during the split, so the text is painted at once.
        if (number == 1 || ::GetTickCount() - shownAt >= ProgressIntervalMs) {
            labelInfo.SetCaption(txtInfo3.Text() + L" " + part);
            ::UpdateWindow(labelInfo.Hwnd());
            shownAt = ::GetTickCount();
        }
        win::unique_hfile target = CreateSplitFile(part, replaceable);
        if (!target)
            return Failure{part, ::GetLastError()};
        switch (CopyFileBlock(std::min(partSize, total - position), source, target.get(), buffer)) {
        case Copied::All: break;
        case Copied::ReadFailed: return Failure{sourcePath, ::GetLastError()};
        case Copied::WriteFailed: return Failure{part, ::GetLastError()};
        }
        partTitles.push_back(split::GetFileTitleOf(part));
    }
    if (!WriteBatchFile(batchPath, batch::JoinParts(partTitles, split::GetFileTitleOf(sourcePath))))
        return Failure{batchPath, ::GetLastError()};
    return std::nullopt;
}
