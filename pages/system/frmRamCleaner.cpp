#include "pages/system/frmRamCleaner.h"

#include "pages/system/SystemPictures.h"
#include "pages/system/core/RamFigures.h"
#include "pages/tweaks/TweakTable.h"
#include "shell/MenuPage.h"
#include "ui/Effects.h"
#include "ui/WaitCursor.h"
#include "ui/modLocale.h"

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

ui::FormRef<FrmRamCleaner> frmRamCleaner;

namespace {

using F = FrmRamCleaner;
using tweaks::Data;
using tweaks::Kind;

constexpr wchar_t MemoryKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

const tweaks::Entry<F, ui::SevOption> Rows[] = {
    {&F::chkAnwendungen,
     {RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache", Kind::Dword, L"0", Data::Nothing(), L"0"}},
    {&F::chkCache, {RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache", Kind::Dword, L"1", Data::Nothing(), L"1"}},
};

constexpr UINT BarInterval = 100;
constexpr UINT FigureInterval = 1000;

// The true 64-bit figures: a signed 32-bit record turns negative at 2 GB.
MEMORYSTATUSEX ReadMemoryStatus()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    effects::Current().MemoryStatus(status);
    return status;
}

std::wstring MegabytesText(DWORDLONG bytes)
{
    return ram::Megabytes(bytes, modLocale::DecimalSeparator()) + L" MB";
}

// Left unwritten here: the cleaning writes it in pieces.
std::unique_ptr<char16_t[]> ClaimBlock(std::uint64_t characters)
{
    if (characters > SIZE_MAX / sizeof(char16_t))
        throw std::bad_alloc();
    return std::make_unique_for_overwrite<char16_t[]>(static_cast<std::size_t>(characters));
}

} // namespace

FrmRamCleaner::FrmRamCleaner() : PageForm(L"frmRamCleaner") {}

void FrmRamCleaner::CreateControls()
{
    Place({
        PageFrameRow(fraRam),
        {sevFrame2, &fraRam, {120, 120, 5775, 3855}, L"", L"RAM-Optimizer"},
        {picRam, &sevFrame2, {240, 420, 960, 960}},
        {Label3, &sevFrame2, {1380, 420, 4155, 1035}, L"1330", L"."},
        {Label4, &sevFrame2, {240, 1620, 2700, 255}, L"1320", L"."},
        {Label2, &sevFrame2, {2940, 1620, 2595, 255}},
        {ProgressBarRAM1, &sevFrame2, {240, 1920, 5295, 255}},
        {Label6, &sevFrame2, {240, 2340, 2700, 255}, L"1310", L".", false},
        {Label1, &sevFrame2, {2940, 2340, 2595, 255}},
        {ProgressBar1, &sevFrame2, {240, 2640, 5295, 255}, L"", nullptr, false},
        {Command1, &sevFrame2, {240, 3180, 2400, 375}, L"1340", L"."},
        {cmdCleantrayrc, &sevFrame2, {2880, 3180, 1215, 375}, L"", L"Tray Clean", false},
        {sevFrame1, &fraRam, {120, 4140, 5775, 1335}, L"1300", L"."},
        {chkAnwendungen, &sevFrame1, {240, 420, 5295, 285}, L"1280", L"."},
        {chkCache, &sevFrame1, {240, 840, 5295, 285}, L"1350", L"."},
        {txtRam, &fraRam, {120, 120, 615, 285}, L"1360", nullptr, false},
        {TimerBarRam, &fraRam, {0, 0, 0, 0}, L"", nullptr, false},
        {Timer1, &fraRam, {0, 0, 0, 0}, L"", nullptr, false},
    });
    SetTitledFrameColors(sevFrame2);
    SetTitledFrameColors(sevFrame1);
    picRam.SetPicture(systempictures::Get(systempictures::PictureId::Memory));
    for (ui::Label* label : {&Label3, &Label4, &Label2, &Label6, &Label1})
        label->SetTransparent(true);
    ProgressBarRAM1.SetColors(RGB(192, 0, 0), RGB(0, 128, 0));
    ProgressBar1.SetColors(RGB(192, 0, 0), RGB(0, 128, 0));

    TimerBarRam.SetInterval(BarInterval);
    TimerBarRam.SetEnabled(true);
    TimerBarRam.onTimer = [this] { TimerBarRam_Timer(); };
    Timer1.SetEnabled(true);
    Timer1.onTimer = [this] { Timer1_Timer(); };

    tweaks::BindClicks(*this, Rows);
    Command1.onClick = [this] { CleanRam(); };
    cmdCleantrayrc.onClick = [this] { CleanRam(); };
}

void FrmRamCleaner::Form_Load()
{
    tweaks::Load(*this, Rows);
    Timer1.SetInterval(FigureInterval);
    ProgressBarRAM1.SetMin(0);
    ProgressBarRAM1.SetMax(static_cast<std::int64_t>(ram::Kilobytes(ReadMemoryStatus().ullTotalPhys)));
}

void FrmRamCleaner::TimerBarRam_Timer()
{
    // A value outside the bar's range is ignored.
    ProgressBarRAM1.SetValue(static_cast<std::int64_t>(ram::Kilobytes(ReadMemoryStatus().ullAvailPhys)));
}

void FrmRamCleaner::Timer1_Timer()
{
    Label2.SetCaption(txtRam.Text() + L" " + MegabytesText(ReadMemoryStatus().ullAvailPhys));
}

bool FrmRamCleaner::TakeTurn()
{
    ui::DoEvents();
    // The program may have ended during the turn.
    return IsLoaded();
}

void FrmRamCleaner::CleanRam()
{
    // The turns let a second click through; one cleaning at a time.
    if (cleaning_)
        return;
    cleaning_ = true;
    Label6.SetVisible(true);
    ProgressBar1.SetVisible(true);
    const MEMORYSTATUSEX status = ReadMemoryStatus();
    const std::uint64_t blockCharacters = ram::BlockCharacters(status.ullTotalPhys);
    std::vector<std::unique_ptr<char16_t[]>> blocks;
    {
        const ui::WaitCursor hourglass;
        ProgressBar1.SetMax(ram::Blocks - 1);
        Label1.SetCaption(MegabytesText(status.ullAvailPhys));
        // Each block is written in full, so the memory is really claimed, with
        // turns of the event loop while it is written. When Windows cannot give
        // a block, what was claimed goes and the cleaning ends there.
        try {
            blocks.reserve(ram::Blocks);
            for (int i = 0; i < ram::Blocks; ++i) {
                ProgressBar1.SetValue(i);
                blocks.push_back(ClaimBlock(blockCharacters));
                if (!ram::FillWithSpaces(blocks.back().get(), blockCharacters, [this] { return TakeTurn(); }))
                    return;
            }
        } catch (const std::bad_alloc&) {
        }
    }
    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(false);
    // All blocks go now, one after the other with a turn between: handing
    // gigabytes back takes Windows a while too.
    while (!blocks.empty()) {
        blocks.pop_back();
        if (!TakeTurn())
            return;
    }
    cleaning_ = false;
}
