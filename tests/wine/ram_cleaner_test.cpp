// The RAM cleaner page: its option pair on the real registry, its figures from
// the memory seam, and cleanings that really claim and free their blocks.
#include "pages/system/frmRamCleaner.h"
#include "shell/Registry.h"
#include "tests/wine/support/TestSupport.h"
#include "ui/modLocale.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>
#include <optional>
#include <set>
#include <string>

using testing_support::Click;
using testing_support::FormTest;

namespace {

// A block that Windows cannot give half way through a cleaning, without
// claiming this machine's memory: this program's own allocator refuses the
// big allocation whose turn comes after `bigAllocationsGranted` more.
constexpr std::size_t BigAllocation = 1 << 20;
int bigAllocationsGranted = -1; // -1: every allocation is granted
int bigAllocationsMade = 0;
std::function<void()> onRefusal;
// Called with each big allocation granted, still unwritten.
std::function<void(char16_t*, std::size_t)> onBigAllocation;

} // namespace

void* operator new(std::size_t size)
{
    if (size >= BigAllocation) {
        ++bigAllocationsMade;
        if (bigAllocationsGranted == 0) {
            if (onRefusal)
                onRefusal();
            throw std::bad_alloc();
        }
        if (bigAllocationsGranted > 0)
            --bigAllocationsGranted;
    }
    void* memory = std::malloc(size ? size : 1);
    if (!memory)
        throw std::bad_alloc();
    if (size >= BigAllocation && onBigAllocation)
        onBigAllocation(static_cast<char16_t*>(memory), size / sizeof(char16_t));
    return memory;
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

constexpr wchar_t MemoryKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr std::uint64_t MB = 1024 * 1024;

class RamCleanerTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        Registry::DeleteValue(RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache");
        GiveMemory(64 * MB, 32 * MB);
    }
    void TearDown() override
    {
        FormTest::TearDown();
        Registry::DeleteValue(RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache");
    }
    void GiveMemory(std::uint64_t total, std::uint64_t available)
    {
        MEMORYSTATUSEX memory{};
        memory.dwLength = sizeof memory;
        memory.ullTotalPhys = total;
        memory.ullAvailPhys = available;
        seam.memory = memory;
    }
    static void Tick(ui::Timer& timer) { ::SendMessageW(timer.Hwnd(), WM_TIMER, 1, 0); }
};

TEST_F(RamCleanerTest, OptionFollowsLargeSystemCacheAndWritesIt)
{
    const struct {
        std::optional<std::int32_t> stored;
        bool programs;
        bool cache;
    } cases[] = {{std::nullopt, true, false}, {0, true, false}, {1, false, true}, {2, false, false}};
    for (const auto& c : cases) {
        if (c.stored)
            Registry::SaveDword(RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache", *c.stored);
        else
            Registry::DeleteValue(RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache");
        FrmRamCleaner& page = frmRamCleaner.Get();
        EXPECT_EQ(page.chkAnwendungen.Value(), c.programs) << c.stored.value_or(-1);
        EXPECT_EQ(page.chkCache.Value(), c.cache) << c.stored.value_or(-1);

        Click(page.chkCache.Hwnd());
        EXPECT_EQ(Registry::GetDword(RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache", -1), 1);
        Click(page.chkAnwendungen.Hwnd());
        EXPECT_EQ(Registry::GetDword(RegRoot::LocalMachine, MemoryKey, L"LargeSystemCache", -1), 0);
        page.Unload();
    }
}

TEST_F(RamCleanerTest, FiguresShowTheFreeMemoryInKilobytesAndUnroundedMegabytes)
{
    // 6 GB: beyond what the signed 32-bit figures could hold.
    GiveMemory(6144 * MB, 129454080);
    FrmRamCleaner& page = frmRamCleaner.Get();
    EXPECT_EQ(page.ProgressBarRAM1.Max(), 6144 * 1024);
    Tick(page.TimerBarRam);
    EXPECT_EQ(page.ProgressBarRAM1.Value(), 126420);  // 126419.90625 KB
    Tick(page.Timer1);
    const std::wstring separator = modLocale::DecimalSeparator();
    EXPECT_EQ(page.Label2.Caption(), page.txtRam.Text() + L" 123" + separator + L"45703125 MB");

    // More free memory than the bar's range holds leaves the bar as it was.
    GiveMemory(6144 * MB, 7000 * MB);
    Tick(page.TimerBarRam);
    EXPECT_EQ(page.ProgressBarRAM1.Value(), 126420);
}

TEST_F(RamCleanerTest, CleaningClaimsSeventyPercentInTwentyOneWrittenBlocksThenFreesThem)
{
    // 512 MB: blocks of 8947849 characters, 376 MB at the peak.
    GiveMemory(512 * MB, 300 * MB);
    FrmRamCleaner& page = frmRamCleaner.Get();
    EXPECT_FALSE(page.Label6.Visible());
    EXPECT_FALSE(page.ProgressBar1.Visible());

    int ticksDuringCleaning = 0;
    page.TimerBarRam.onTimer = [&] {
        if (page.Cleaning() && page.ProgressBar1.Visible() && page.Label6.Visible())
            ++ticksDuringCleaning;
    };
    ::PostMessageW(page.TimerBarRam.Hwnd(), WM_TIMER, 1, 0);
    PROCESS_MEMORY_COUNTERS before{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof before);

    Click(page.Command1.Hwnd());

    PROCESS_MEMORY_COUNTERS after{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof after);
    const std::uint64_t peakGrowth = after.PeakWorkingSetSize - before.PeakWorkingSetSize;
    EXPECT_GE(peakGrowth, 21u * 8947849u * 2u * 95 / 100) << "the blocks were written, page by page";
    EXPECT_LT(after.WorkingSetSize, before.WorkingSetSize + 64 * MB) << "and all of them freed";
    EXPECT_GE(ticksDuringCleaning, 1) << "timers tick between the blocks";
    EXPECT_TRUE(page.Label6.Visible()) << "the figure before cleaning stays";
    EXPECT_EQ(page.Label1.Caption(), L"300 MB");
    EXPECT_FALSE(page.ProgressBar1.Visible());
    EXPECT_EQ(page.ProgressBar1.Value(), 0);
    EXPECT_EQ(page.ProgressBar1.Max(), 20);
}

TEST_F(RamCleanerTest, TheWindowAnswersWhileEachBlockIsWritten)
{
    // 192 MB: blocks of 3355443 characters, 6.4 MB each.
    GiveMemory(192 * MB, 100 * MB);
    FrmRamCleaner& page = frmRamCleaner.Get();
    // As each block is claimed, a message waits for the next turn of the
    // event loop; when it comes, how much of the block is written?
    char16_t* block = nullptr;
    std::size_t characters = 0;
    onBigAllocation = [&](char16_t* memory, std::size_t length) {
        std::fill(memory, memory + length, u'x');
        block = memory;
        characters = length;
        ::PostMessageW(page.TimerBarRam.Hwnd(), WM_TIMER, 1, 0);
    };
    std::set<int> barsWithBlockPartlyWritten;
    page.TimerBarRam.onTimer = [&] {
        // The bar goes as the blocks start to be handed back.
        if (block && page.ProgressBar1.Visible() && block[0] == u' ' && block[characters - 1] == u'x')
            barsWithBlockPartlyWritten.insert(page.ProgressBar1.Value());
    };

    Click(page.Command1.Hwnd());
    onBigAllocation = nullptr;

    std::set<int> everyBlock;
    for (int i = 0; i <= 20; ++i)
        everyBlock.insert(i);
    EXPECT_EQ(barsWithBlockPartlyWritten, everyBlock);
    EXPECT_FALSE(page.Cleaning());
}

TEST_F(RamCleanerTest, TheHiddenTrayButtonCleansLikeTheVisibleOne)
{
    FrmRamCleaner& page = frmRamCleaner.Get();
    EXPECT_FALSE(page.cmdCleantrayrc.Visible());
    page.cmdCleantrayrc.SetValue(true);
    EXPECT_EQ(page.Label1.Caption(), L"32 MB");
    EXPECT_TRUE(page.Label6.Visible());
}

TEST_F(RamCleanerTest, AClickDuringACleaningStartsNoSecondOne)
{
    FrmRamCleaner& page = frmRamCleaner.Get();
    page.TimerBarRam.onTimer = [&] {
        if (!page.Cleaning())
            return;
        // A click that a yield lets through, with other figures to show.
        GiveMemory(64 * MB, 20 * MB);
        Click(page.Command1.Hwnd());
    };
    ::PostMessageW(page.TimerBarRam.Hwnd(), WM_TIMER, 1, 0);
    Click(page.Command1.Hwnd());
    EXPECT_EQ(page.Label1.Caption(), L"32 MB");
    EXPECT_FALSE(page.Cleaning());
}

TEST_F(RamCleanerTest, MemoryThatCannotBeHadEndsTheCleaningAndTheProgramGoesOn)
{
    // Blocks far beyond anything the machine can give.
    GiveMemory(std::uint64_t{1} << 62, 1 * MB);
    FrmRamCleaner& page = frmRamCleaner.Get();
    Click(page.Command1.Hwnd());
    EXPECT_FALSE(page.Cleaning());
    EXPECT_FALSE(page.ProgressBar1.Visible());
    EXPECT_EQ(page.ProgressBar1.Value(), 0);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW)) << "the pointer is back";

    // And the next cleaning works.
    GiveMemory(64 * MB, 10 * MB);
    Click(page.Command1.Hwnd());
    EXPECT_EQ(page.Label1.Caption(), L"10 MB");
}

TEST_F(RamCleanerTest, ABlockRefusedHalfWayFreesWhatWasClaimedAndTheProgramGoesOn)
{
    // 64 MB: blocks of 1118481 characters, each one big allocation.
    GiveMemory(64 * MB, 20 * MB);
    FrmRamCleaner& page = frmRamCleaner.Get();
    int valueAtRefusal = -1;
    onRefusal = [&] { valueAtRefusal = page.ProgressBar1.Value(); };
    PROCESS_MEMORY_COUNTERS before{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof before);
    bigAllocationsMade = 0;
    bigAllocationsGranted = 10;

    Click(page.Command1.Hwnd());

    bigAllocationsGranted = -1;
    onRefusal = nullptr;
    PROCESS_MEMORY_COUNTERS after{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof after);
    EXPECT_EQ(bigAllocationsMade, 11) << "the cleaning stopped at the refused block";
    EXPECT_EQ(valueAtRefusal, 10) << "the bar had gone half way";
    EXPECT_LT(after.PagefileUsage, before.PagefileUsage + 8 * MB) << "the ten blocks claimed are freed";
    EXPECT_FALSE(page.Cleaning());
    EXPECT_FALSE(page.ProgressBar1.Visible());
    EXPECT_EQ(page.ProgressBar1.Value(), 0);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW)) << "the pointer is back";

    bigAllocationsMade = 0;
    Click(page.Command1.Hwnd());
    EXPECT_EQ(bigAllocationsMade, 21) << "the next cleaning claims every block";
}

} // namespace
