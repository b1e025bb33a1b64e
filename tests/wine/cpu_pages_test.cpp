// The CPU status page and the floating monitor: their load, the sampler's
// readings on the gauge and in the shared history, a failing sampler, the
// monitor's switch, its opacity and its place above other windows.
#include "pages/system/CpuUsage.h"
#include "pages/system/frmMonitor.h"
#include "pages/system/frmSysRes.h"
#include "pages/system/mdMisc.h"
#include "pages/system/modTransp.h"
#include "ui/core/Product.h"
#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>

using testing_support::Click;
using testing_support::FormTest;
using testing_support::PixelOf;
using testing_support::PumpMessages;

namespace {

constexpr wchar_t SchedulingKey[] = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
constexpr wchar_t SchedulingValue[] = L"Win32PrioritySeparation";
constexpr wchar_t SettingsKeyPath[] = L"Qor-Software\\Brevantor";

// Gives the loads a test scripts, then keeps giving the last one.
class ScriptedCounter : public CPUUsageCounter {
public:
    explicit ScriptedCounter(std::deque<std::int32_t> loads) : loads_(std::move(loads)) {}
    void Initialize() override { ++initialized; }
    std::int32_t Query() override
    {
        ++queries;
        if (loads_.size() > 1) {
            const std::int32_t load = loads_.front();
            loads_.pop_front();
            return load;
        }
        return loads_.empty() ? 0 : loads_.front();
    }
    void Terminate() override { ++terminated; }

    static inline int initialized = 0;
    static inline int queries = 0;
    static inline int terminated = 0;

private:
    std::deque<std::int32_t> loads_;
};

void SetValue(HKEY root, const wchar_t* key, const wchar_t* value, DWORD type, const void* data, DWORD size)
{
    win::unique_hkey opened;
    ASSERT_EQ(::RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, opened.put(), nullptr), ERROR_SUCCESS);
    ::RegSetValueExW(opened.get(), value, 0, type, static_cast<const BYTE*>(data), size);
}

void SetDword(HKEY root, const wchar_t* key, const wchar_t* value, DWORD data)
{
    SetValue(root, key, value, REG_DWORD, &data, sizeof data);
}

void SetString(HKEY root, const wchar_t* key, const wchar_t* value, const std::wstring& data)
{
    SetValue(root, key, value, REG_SZ, data.c_str(), static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

void DeleteValue(HKEY root, const wchar_t* key, const wchar_t* value)
{
    win::unique_hkey opened;
    if (::RegOpenKeyExW(root, key, 0, KEY_SET_VALUE, opened.put()) == ERROR_SUCCESS)
        ::RegDeleteValueW(opened.get(), value);
}

// The value's data and type, or nothing when it is missing.
std::optional<std::pair<std::wstring, DWORD>> ReadRaw(HKEY root, const wchar_t* key, const wchar_t* value)
{
    win::unique_hkey opened;
    if (::RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, opened.put()) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t data[256] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegQueryValueExW(opened.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::pair{std::wstring(data, size / sizeof(wchar_t)), type};
}

std::optional<DWORD> ReadDword(HKEY root, const wchar_t* key, const wchar_t* value)
{
    const auto raw = ReadRaw(root, key, value);
    if (!raw || raw->second != REG_DWORD)
        return std::nullopt;
    DWORD data;
    std::memcpy(&data, raw->first.data(), sizeof data);
    return data;
}

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* key, const wchar_t* value)
{
    const auto raw = ReadRaw(root, key, value);
    if (!raw || raw->second != REG_SZ)
        return std::nullopt;
    return std::wstring(raw->first.c_str());
}

bool IsLayered(HWND hwnd)
{
    return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

std::optional<BYTE> AlphaOf(HWND hwnd)
{
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!IsLayered(hwnd) || !::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
        return std::nullopt;
    return alpha;
}

class CpuPagesTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ScriptedCounter::initialized = ScriptedCounter::queries = ScriptedCounter::terminated = 0;
        DeleteValue(HKEY_CURRENT_USER, SettingsKeyPath, L"Trans");
        DeleteValue(HKEY_LOCAL_MACHINE, SchedulingKey, SchedulingValue);
    }
    void TearDown() override
    {
        FormTest::TearDown();
        SetCpuUsageCounterFactory(nullptr);
    }
    void ScriptLoads(std::deque<std::int32_t> loads)
    {
        SetCpuUsageCounterFactory([loads] { return std::make_unique<ScriptedCounter>(loads); });
    }
};

TEST_F(CpuPagesTest, SchedulingOptionFollowsTheStoredValue)
{
    ScriptLoads({5});
    struct Case {
        std::optional<DWORD> stored;
        bool programs;
        bool services;
    };
    for (const Case& c : {Case{38, true, false}, Case{24, false, true}, Case{2, false, false},
                          Case{std::nullopt, false, false}}) {
        if (c.stored)
            SetDword(HKEY_LOCAL_MACHINE, SchedulingKey, SchedulingValue, *c.stored);
        else
            DeleteValue(HKEY_LOCAL_MACHINE, SchedulingKey, SchedulingValue);
        frmSysRes->Unload();
        FrmSysRes& page = frmSysRes.Get();
        EXPECT_EQ(page.chkAnwendungen.Value(), c.programs) << "stored " << c.stored.value_or(0);
        EXPECT_EQ(page.chkHintergrund.Value(), c.services) << "stored " << c.stored.value_or(0);
        // Loading reads only.
        EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, SchedulingKey, SchedulingValue), c.stored);
    }
}

TEST_F(CpuPagesTest, SchedulingOptionsWriteTheirValue)
{
    ScriptLoads({5});
    FrmSysRes& page = frmSysRes.Get();
    Click(page.chkHintergrund.Hwnd());
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, SchedulingKey, SchedulingValue), 24u);
    EXPECT_TRUE(page.chkHintergrund.Value());
    Click(page.chkAnwendungen.Hwnd());
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, SchedulingKey, SchedulingValue), 38u);
    EXPECT_FALSE(page.chkHintergrund.Value());
}

TEST_F(CpuPagesTest, MemoryFiguresAreTheMachinesInWholeMegabytes)
{
    ScriptLoads({5});
    FrmSysRes& page = frmSysRes.Get();
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(::GlobalMemoryStatusEx(&memory));
    const auto megabytes = [](const ui::Label& label) { return std::stoll(label.Caption()); };
    // Within a few megabytes of what the machine says now: the page took its figures at load.
    EXPECT_EQ(megabytes(page.LabelSpeicherIns), static_cast<long long>((memory.ullTotalPhys + (1 << 19)) >> 20));
    EXPECT_NEAR(megabytes(page.LabelAvail), static_cast<double>(memory.ullAvailPhys >> 20), 256);
    EXPECT_GT(megabytes(page.LabelTotalPageFile), 0);
    EXPECT_GE(megabytes(page.LabelTotalPageFile), megabytes(page.LabelAvailablePageFile) - 256);
    // The 64-bit program's address space is far beyond what a signed 32-bit field holds.
    EXPECT_GT(megabytes(page.LabelTotalVirtualMemory), 2048);
    EXPECT_GT(megabytes(page.LabelAvailableVirtualMemory), 0);
    EXPECT_EQ(page.Label6.Caption(), L"Total:");
    EXPECT_EQ(page.Label12.Caption(), L"AvailableVirtualMemory:");
}

TEST_F(CpuPagesTest, FirstSampleIsDrawnDuringLoadAndEveryTickAfter)
{
    ScriptLoads({37, 80, 10});
    FrmSysRes& page = frmSysRes.Get();
    EXPECT_EQ(ScriptedCounter::initialized, 1);
    EXPECT_EQ(ScriptedCounter::queries, 1);
    EXPECT_EQ(page.lblCpuUsage.Caption(), L"37%");
    EXPECT_EQ(CpuHistory[99], 37);
    EXPECT_TRUE(page.tmrRefresh.Enabled());

    // Bars 0..10 from the top: 37 lights the lowest four.
    EXPECT_EQ(PixelOf(page.picUsage.Hwnd(), 30, 3 * 6 + 5), GaugeDark);
    EXPECT_EQ(PixelOf(page.picUsage.Hwnd(), 30, 3 * 7 + 5), GaugeLit);
    EXPECT_EQ(PixelOf(page.picUsage.Hwnd(), 55, 3 * 10 + 6), GaugeLit);

    page.tmrRefresh.onTimer();
    EXPECT_EQ(page.lblCpuUsage.Caption(), L"80%");
    EXPECT_EQ(PixelOf(page.picUsage.Hwnd(), 30, 3 * 2 + 5), GaugeLit);
    EXPECT_EQ(PixelOf(page.picUsage.Hwnd(), 30, 3 * 1 + 5), GaugeDark);
    EXPECT_EQ(CpuHistory[98], 37);
    EXPECT_EQ(CpuHistory[99], 80);

    // The real timer keeps sampling.
    const int before = ScriptedCounter::queries;
    const DWORD until = ::GetTickCount() + 1300;
    while (::GetTickCount() < until) {
        PumpMessages();
        ::Sleep(20);
    }
    EXPECT_GE(ScriptedCounter::queries, before + 2);
    EXPECT_EQ(page.lblCpuUsage.Caption(), L"10%");

    frmSysRes->Unload();
    EXPECT_EQ(ScriptedCounter::terminated, 1);
}

TEST_F(CpuPagesTest, GraphDrawsTheWholeHistoryAcrossTheBox)
{
    ScriptLoads({100});
    FrmSysRes& page = frmSysRes.Get();
    for (int tick = 0; tick < 100; ++tick)
        page.tmrRefresh.onTimer();
    RECT client;
    ::GetClientRect(page.picGraph.Hwnd(), &client);
    // A history of 100 % is a line along the top row, from the left edge to the right one.
    EXPECT_EQ(PixelOf(page.picGraph.Hwnd(), 0, 0), GaugeLit);
    EXPECT_EQ(PixelOf(page.picGraph.Hwnd(), client.right / 2, 0), GaugeLit);
    EXPECT_EQ(PixelOf(page.picGraph.Hwnd(), client.right - 2, 0), GaugeLit);
    EXPECT_NE(PixelOf(page.picGraph.Hwnd(), client.right / 2, client.bottom / 2), GaugeLit);
}

TEST_F(CpuPagesTest, TheGridFillsTheGraphBoxOnBothPages)
{
    ScriptLoads({100});
    for (const HWND graph : {frmSysRes.Get().picGraph.Hwnd(), frmMonitor.Get().picGraph.Hwnd()}) {
        RECT client;
        ::GetClientRect(graph, &client);
        SCOPED_TRACE(std::to_string(client.right) + " x " + std::to_string(client.bottom));
        // The left edge is a grid line; the right edge and the bottom row are too.
        const COLORREF grid = PixelOf(graph, 0, client.bottom / 2);
        ASSERT_NE(grid, RGB(0, 0, 0));
        EXPECT_EQ(PixelOf(graph, client.right - 1, client.bottom / 2), grid);
        EXPECT_EQ(PixelOf(graph, client.right / 2 + 1, client.bottom - 1), grid);
    }
}

TEST_F(CpuPagesTest, FailingSamplerStopsThePageOnce)
{
    ScriptLoads({20, -1});
    FrmSysRes& page = frmSysRes.Get();
    EXPECT_EQ(page.lblCpuUsage.Caption(), L"20%");
    page.tmrRefresh.onTimer();
    EXPECT_EQ(page.lblCpuUsage.Caption(), L":(");
    EXPECT_FALSE(page.tmrRefresh.Enabled());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Error, can't get the CPU usage");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(seam.messages[0].title, product::Title);

    // A stopped timer samples no more, and the gauge keeps its last picture.
    const int queries = ScriptedCounter::queries;
    const DWORD until = ::GetTickCount() + 1100;
    while (::GetTickCount() < until) {
        PumpMessages();
        ::Sleep(20);
    }
    EXPECT_EQ(ScriptedCounter::queries, queries);
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(PixelOf(page.picUsage.Hwnd(), 30, 3 * 9 + 5), GaugeLit);
    EXPECT_EQ(CpuHistory[99], 20);
}

TEST_F(CpuPagesTest, FailingSamplerStopsTheMonitorWithItsOwnMessage)
{
    ScriptLoads({-1});
    FrmMonitor& monitor = frmMonitor.Get();
    EXPECT_EQ(monitor.lblCpuUsage.Caption(), L":(");
    EXPECT_FALSE(monitor.tmrRefresh.Enabled());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Error, invalid value!");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(CpuPagesTest, BothPagesFeedTheOneHistory)
{
    ScriptLoads({1});
    FrmSysRes& page = frmSysRes.Get();
    SetCpuUsageCounterFactory([] { return std::make_unique<ScriptedCounter>(std::deque<std::int32_t>{2}); });
    FrmMonitor& monitor = frmMonitor.Get();  // loaded hidden, as at start-up
    EXPECT_FALSE(monitor.Visible());
    page.tmrRefresh.onTimer();
    monitor.tmrRefresh.onTimer();
    EXPECT_EQ(CpuHistory[96], 1);
    EXPECT_EQ(CpuHistory[97], 2);
    EXPECT_EQ(CpuHistory[98], 1);
    EXPECT_EQ(CpuHistory[99], 2);
}

TEST_F(CpuPagesTest, MonitorButtonOpensClosesAndReopensAFreshMonitor)
{
    ScriptLoads({5});
    FrmSysRes& page = frmSysRes.Get();
    Click(page.cmdStartcpuMoni.Hwnd());
    ASSERT_TRUE(frmMonitor.IsLoaded());
    EXPECT_TRUE(frmMonitor->Visible());
    EXPECT_EQ(ScriptedCounter::initialized, 2);

    frmMonitor->HScroll1.SetValue(200);
    Click(page.cmdStartcpuMoni.Hwnd());
    EXPECT_FALSE(frmMonitor.IsLoaded());
    EXPECT_EQ(ScriptedCounter::terminated, 1);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SettingsKeyPath, L"Trans"), L"200");

    Click(page.cmdStartcpuMoni.Hwnd());
    ASSERT_TRUE(frmMonitor.IsLoaded());
    EXPECT_TRUE(frmMonitor->Visible());
    EXPECT_EQ(ScriptedCounter::initialized, 3);
    EXPECT_EQ(frmMonitor->HScroll1.Value(), 200);
    EXPECT_EQ(AlphaOf(frmMonitor->Hwnd()), 200);
}

TEST_F(CpuPagesTest, StoredOpacityIsAppliedOnlyWhenItIsAValidSliderValue)
{
    ScriptLoads({5});
    struct Case {
        std::optional<std::wstring> stored;
        int slider;
        std::optional<BYTE> alpha;
    };
    for (const Case& c : {Case{L"120", 120, 120}, Case{L"50", 50, std::nullopt}, Case{L"letters", 50, std::nullopt},
                          Case{L"300", 50, std::nullopt}, Case{L"", 50, std::nullopt},
                          Case{std::nullopt, 50, std::nullopt}}) {
        if (c.stored)
            SetString(HKEY_CURRENT_USER, SettingsKeyPath, L"Trans", *c.stored);
        else
            DeleteValue(HKEY_CURRENT_USER, SettingsKeyPath, L"Trans");
        FrmMonitor& monitor = frmMonitor.Get();
        const std::wstring label = c.stored.value_or(L"(absent)");
        EXPECT_EQ(monitor.HScroll1.Value(), c.slider) << label;
        EXPECT_EQ(AlphaOf(monitor.Hwnd()), c.alpha) << label;
        // Stays opaque until the slider moves, and does so at once when it does.
        monitor.HScroll1.SetValue(c.slider == 50 ? 60 : 50);
        EXPECT_TRUE(IsLayered(monitor.Hwnd())) << label;
        monitor.Unload();
    }
}

TEST_F(CpuPagesTest, SliderMovedByTheUserSetsTheOpacityAndIsStoredAtUnload)
{
    ScriptLoads({5});
    FrmMonitor& monitor = frmMonitor.Get();
    // A click on the right arrow, and a drag let go at 180, as the scroll bar reports them.
    ::SendMessageW(monitor.Hwnd(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(monitor.HScroll1.Hwnd()));
    EXPECT_EQ(monitor.HScroll1.Value(), 51);
    EXPECT_EQ(AlphaOf(monitor.Hwnd()), 51);
    ::SendMessageW(monitor.Hwnd(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 180),
                   reinterpret_cast<LPARAM>(monitor.HScroll1.Hwnd()));
    EXPECT_EQ(AlphaOf(monitor.Hwnd()), 180);
    monitor.Unload();
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SettingsKeyPath, L"Trans"), L"180");
}

TEST_F(CpuPagesTest, SetTransparencyTakesOnlyAlphaValuesOfAByte)
{
    ScriptLoads({5});
    FrmMonitor& monitor = frmMonitor.Get();
    const HWND hwnd = monitor.Hwnd();
    EXPECT_EQ(SetTransparency(hwnd, -1), TransparencyOutOfRange);
    EXPECT_EQ(SetTransparency(hwnd, 256), TransparencyOutOfRange);
    EXPECT_FALSE(IsLayered(hwnd));
    EXPECT_EQ(SetTransparency(hwnd, 0), TransparencyDone);
    EXPECT_EQ(AlphaOf(hwnd), 0);
    EXPECT_EQ(SetTransparency(hwnd, 255), TransparencyDone);
    EXPECT_EQ(AlphaOf(hwnd), 255);
    EXPECT_EQ(SetTransparency(hwnd, 256), TransparencyOutOfRange);
    EXPECT_EQ(AlphaOf(hwnd), 255);
}

TEST_F(CpuPagesTest, MonitorStaysOnTopOnceActivated)
{
    ScriptLoads({5});
    ToggleCpuMonitor();
    ASSERT_TRUE(frmMonitor->Visible());
    ::SetActiveWindow(frmMonitor->Hwnd());
    ::SendMessageW(frmMonitor->Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    PumpMessages();
    EXPECT_TRUE(::GetWindowLongW(frmMonitor->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongW(frmMonitor->Hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // A fixed window without minimise or maximise box.
    const LONG style = ::GetWindowLongW(frmMonitor->Hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client;
    ::GetClientRect(frmMonitor->Hwnd(), &client);
    EXPECT_EQ(client.right, ui::Form::ToPixels(5460));
    EXPECT_EQ(client.bottom, ui::Form::ToPixels(1620));
    ToggleCpuMonitor();
    EXPECT_FALSE(frmMonitor.IsLoaded());
}

TEST_F(CpuPagesTest, NtSamplerReadsTheSystemsCounters)
{
    EXPECT_TRUE(IsWindowsNT());
    clsCPUUsageNT sampler;
    sampler.Initialize();
    ::Sleep(100);
    const std::int32_t load = sampler.Query();
    EXPECT_GE(load, 0);
    EXPECT_LE(load, 100);
    sampler.Terminate();
}

// The Windows 9x statistic, from a root the test fills as that system would.
class Win9xSamplerTest : public ::testing::Test {
protected:
    static constexpr wchar_t Root[] = L"Software\\brvt-test\\DynData";
    void SetUp() override
    {
        testing_support::DeleteRegistryTree(HKEY_CURRENT_USER, Root);
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, Root, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, root.put(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        root.reset();
        testing_support::DeleteRegistryTree(HKEY_CURRENT_USER, Root);
    }
    void SetUsage(const wchar_t* key, DWORD usage)
    {
        SetDword(root.get(), key, L"KERNEL\\CPUUsage", usage);
    }
    win::unique_hkey root;
};

TEST_F(Win9xSamplerTest, ReadsTheStatisticFromStartToStop)
{
    SetUsage(L"PerfStats\\StartStat", 3);
    SetUsage(L"PerfStats\\StatData", 42);
    SetUsage(L"PerfStats\\StopStat", 0);
    clsCPUUsage sampler(root.get());
    sampler.Initialize();
    EXPECT_EQ(sampler.Query(), 42);
    SetUsage(L"PerfStats\\StatData", 150);  // the statistic can run above 100
    EXPECT_EQ(sampler.Query(), 150);
    // A value gone keeps the last one read.
    DeleteValue(root.get(), L"PerfStats\\StatData", L"KERNEL\\CPUUsage");
    EXPECT_EQ(sampler.Query(), 150);
    sampler.Terminate();
    EXPECT_EQ(sampler.Query(), 0) << "the stop key's reading is the last value";
}

TEST_F(Win9xSamplerTest, WithoutTheStartKeyNothingIsRead)
{
    SetUsage(L"PerfStats\\StatData", 42);
    clsCPUUsage sampler(root.get());
    sampler.Initialize();
    EXPECT_EQ(sampler.Query(), 0);
    sampler.Terminate();
}

} // namespace
