// The appearance, general, boot, cache and Internet pages against the real
// registry of the test prefix. Each page's rows are written out here once
// more, as the pages must treat them; fixtures go in and results are read
// back through the wide API, not through the registry service the pages use.
#include "pages/system/modOrdnerErmitteln.h"
#include "pages/tweaks/frmBoot.h"
#include "pages/tweaks/frmCache.h"
#include "pages/tweaks/frmDesign.h"
#include "pages/tweaks/frmDesign2.h"
#include "pages/tweaks/frmGeneral.h"
#include "pages/tweaks/frmGeneral2.h"
#include "pages/tweaks/frmInternet.h"
#include "pages/tweaks/frmInternet2.h"
#include "shell/frmMain.h"
#include "ui/SystemFolders.h"
#include "ui/core/CommandLine.h"
#include "ui/win/Handles.h"

#include "tests/wine/dlls/RegistrationRecord.h"
#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <cstdlib>
#include <cwctype>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

// ---------------------------------------------------------------- registry fixtures

struct Value {
    HKEY root;
    std::wstring key;
    std::wstring name;
    bool dword;
};

struct Raw {
    DWORD type;
    std::vector<BYTE> bytes;
};

std::optional<Raw> ReadRaw(const Value& at)
{
    win::unique_hkey key;
    if (::RegOpenKeyExW(at.root, at.key.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        key.release();
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.get(), at.name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    Raw raw{type, std::vector<BYTE>(size + sizeof(wchar_t), 0)};
    ::RegQueryValueExW(key.get(), at.name.c_str(), nullptr, &type, raw.bytes.data(), &size);
    return raw;
}

void WriteRaw(const Value& at, DWORD type, const void* data, DWORD size)
{
    win::unique_hkey key;
    ASSERT_EQ(::RegCreateKeyExW(at.root, at.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key.get(), at.name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

void StoreDword(const Value& at, DWORD number)
{
    WriteRaw(at, REG_DWORD, &number, sizeof number);
}

void StoreString(const Value& at, const std::wstring& text)
{
    WriteRaw(at, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Stores the text as the value's own kind: a DWORD as its number.
void Store(const Value& at, const std::wstring& text)
{
    if (at.dword)
        StoreDword(at, static_cast<DWORD>(std::wcstoul(text.c_str(), nullptr, 10)));
    else
        StoreString(at, text);
}

void Remove(const Value& at)
{
    win::unique_hkey key;
    if (::RegOpenKeyExW(at.root, at.key.c_str(), 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS)
        ::RegDeleteValueW(key.get(), at.name.c_str());
    else
        key.release();
}

std::string Label(const Value& at)
{
    const std::wstring text = at.key + L"\\" + (at.name.empty() ? L"(default)" : at.name);
    return std::string(text.begin(), text.end());
}

// The value holds the text as its own kind (a DWORD as its decimal text), or is absent for null.
::testing::AssertionResult Holds(const Value& at, const wchar_t* expected)
{
    const std::optional<Raw> raw = ReadRaw(at);
    if (!expected)
        return raw ? ::testing::AssertionFailure() << Label(at) << " exists" : ::testing::AssertionSuccess();
    if (!raw)
        return ::testing::AssertionFailure() << Label(at) << " is absent";
    if (raw->type != (at.dword ? REG_DWORD : REG_SZ))
        return ::testing::AssertionFailure() << Label(at) << " has type " << raw->type;
    const std::wstring text = at.dword ? std::to_wstring(*reinterpret_cast<const DWORD*>(raw->bytes.data()))
                                       : reinterpret_cast<const wchar_t*>(raw->bytes.data());
    if (text != expected)
        return ::testing::AssertionFailure() << Label(at) << " holds " << std::string(text.begin(), text.end());
    return ::testing::AssertionSuccess();
}

// ---------------------------------------------------------------- the pages' values

const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCU = HKEY_CURRENT_USER;
const HKEY HKCR = HKEY_CLASSES_ROOT;
const std::wstring Advanced = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::wstring Policies = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::wstring AeDebug = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";
const std::wstring IEMain = L"Software\\Microsoft\\Internet Explorer\\Main";
const std::wstring Memory = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::wstring Settings = L"Qor-Software\\Brevantor";

Value Dword(HKEY root, const std::wstring& key, const std::wstring& name)
{
    return {root, key, name, true};
}

Value String(HKEY root, const std::wstring& key, const std::wstring& name)
{
    return {root, key, name, false};
}

const Value DelMSN = String(HKCU, Settings, L"DelMSN");
const Value Zip = String(HKCU, Settings, L"zip");
const Value Arrows = String(HKCU, Settings, L"arrows");
const Value PicViewer = String(HKCU, Settings, L"PicViewer");
const Value LnkShortcut = String(HKCR, L"LNKFILE", L"IsShortCut");
const Value PifShortcut = String(HKCR, L"PIFFILE", L"IsShortCut");
const Value LogonType = Dword(HKLM, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", L"LogonType");
const Value CurrentWaitToKill = String(HKLM, L"SYSTEM\\CurrentControlSet\\Control", L"WaitToKillServiceTimeout");
const Value LockLimit = Dword(HKLM, Memory, L"IoPageLockLimit");
const Value PagingExecutive = Dword(HKLM, Memory, L"DisablePagingExecutive");
const Value BalloonTipsOfUser = Dword(HKCU, Advanced, L"EnableBalloonTips");
const Value WindowTitle = String(HKCU, IEMain, L"Window Title");
const Value BackBitmap = String(HKCU, L"Software\\Microsoft\\Internet Explorer\\Toolbar", L"BackBitmap");

// One value that a box writes: ticked and unticked data (null: absent afterwards).
struct Written {
    Value at;
    const wchar_t* ticked;
    const wchar_t* unticked;
};

using BoxOf = std::function<ui::SevCheck&()>;

// Touching the box loads its page, as the language pass does.
template <auto& page, class Page>
BoxOf In(ui::SevCheck Page::*box)
{
    return [box]() -> ui::SevCheck& { return page().*box; };
}

// A box, its writes in order, and the text of its first row that ticks it at load.
struct BoxRows {
    std::string name;
    BoxOf box;
    std::vector<Written> rows;
    const wchar_t* tickedAtLoad;
};

const std::vector<BoxRows>& Boxes()
{
    static const std::vector<BoxRows> boxes{
        // Appearance
        {"Balloon", In<frmDesign>(&FrmDesign::chkBalloon), {{Dword(HKLM, Advanced, L"EnableBalloonTips"), L"0", L"1"}}, L"0"},
        {"KleineSymbole", In<frmDesign>(&FrmDesign::chkKleineSymbole),
         {{String(HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SmallIcons", L"SmallIcons"), L"yes", L"no"}}, L"yes"},
        {"MenueStarmenue", In<frmDesign>(&FrmDesign::chkMenueStarmenue), {{Dword(HKCU, Advanced, L"IntelliMenus"), L"0", L"1"}}, L"0"},
        {"MenueTaskleiste", In<frmDesign>(&FrmDesign::chkMenueTaskleiste), {{Dword(HKCU, Advanced, L"TaskbarGlomming"), L"0", L"1"}}, L"0"},
        {"OrdnerBilder", In<frmDesign>(&FrmDesign::chkOrdnerBilder), {{Dword(HKCU, Advanced, L"Start_ShowMyPics"), L"0", L"1"}}, L"0"},
        {"OrdnerMusik", In<frmDesign>(&FrmDesign::chkOrdnerMusik), {{Dword(HKCU, Advanced, L"Start_ShowMyMusic"), L"0", L"1"}}, L"0"},
        {"SuchAssi", In<frmDesign>(&FrmDesign::chkSuchAssi),
         {{String(HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", L"Use Search Asst"), L"no", L"1"}}, L"no"},
        {"SysKlassisch", In<frmDesign>(&FrmDesign::chkSysKlassisch), {{Dword(HKCU, Policies, L"ForceClassicControlPanel"), L"1", L"0"}}, L"1"},
        {"Systemsteuerung", In<frmDesign>(&FrmDesign::chkSystemsteuerung),
         {{Dword(HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideMyComputerIcons",
                 L"{21EC2020-3AEA-1069-A2DD-08002B30309D}"), L"0", L"1"}}, L"0"},
        // General
        {"AutoRun", In<frmGeneral>(&FrmGeneral::chkAutoRun), {{Dword(HKLM, L"System\\CurrentControlSet\\Services\\Cdrom", L"AutoRun"), L"0", L"1"}}, L"0"},
        {"Burn", In<frmGeneral>(&FrmGeneral::chkBurn), {{Dword(HKCU, Policies, L"NoCDBurning"), L"1", L"0"}}, L"1"},
        {"CutPaste", In<frmGeneral>(&FrmGeneral::chkCutPaste), {{Dword(HKCU, L"Console", L"QuickEdit"), L"1", L"0"}}, L"1"},
        {"DLL", In<frmGeneral>(&FrmGeneral::chkDLL),
         {{String(HKLM, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"AlwaysUnloadDll"), L"1", nullptr}}, L"1"},
        {"Doppelklicks", In<frmGeneral>(&FrmGeneral::chkDoppelklicks), {{String(HKCU, Advanced, L"UseDoubleClickTimer"), L"1", L"0"}}, L"1"},
        {"IndexService", In<frmGeneral>(&FrmGeneral::chkIndexService), {{Dword(HKLM, L"SYSTEM\\CurrentControlSet\\Services\\CiSvc", L"Start"), L"4", L"3"}}, L"4"},
        {"MinAnsicht", In<frmGeneral>(&FrmGeneral::chkMinAnsicht), {{Dword(HKCU, Advanced, L"DisableThumbnailCache"), L"1", L"0"}}, L"1"},
        {"Watson", In<frmGeneral>(&FrmGeneral::chkWatson),
         {{String(HKLM, AeDebug, L"Debugger"), L"0", L"drwtsn32 -p %ld -e %ld -g"},
          {String(HKLM, AeDebug, L"Auto"), L"0", L"1"},
          {Dword(HKLM, AeDebug, L"UserDebuggerHotKey"), L"0", L"0"}}, L"0"},
        // Boot and shutdown
        {"AuslagaFile", In<frmBoot>(&FrmBoot::chkAuslagaFile), {{Dword(HKLM, Memory, L"ClearPageFileAtShutdown"), L"1", L"0"}}, L"1"},
        {"Doku", In<frmBoot>(&FrmBoot::chkDoku), {{Dword(HKCU, Policies, L"ClearRecentDocsOnExit"), L"1", L"0"}}, L"1"},
        {"FastDown", In<frmBoot>(&FrmBoot::chkFastDown),
         {{String(HKLM, L"SYSTEM\\ControlSet001\\Control", L"WaitToKillServiceTimeout"), L"2000", L"20000"},
          {String(HKCU, L"Control Panel\\Desktop", L"AutoEndTasks"), L"1", L"0"}}, L"2000"},
        {"SysCrash", In<frmBoot>(&FrmBoot::chkSysCrash), {{Dword(HKLM, L"SYSTEM\\CurrentControlSet\\Control\\CrashControl", L"AutoReboot"), L"0", L"1"}}, L"0"},
        // Internet
        {"AutoPicSize", In<frmInternet>(&FrmInternet::chkAutoPicSize), {{String(HKCU, IEMain, L"Enable AutoImageResize"), L"no", L"yes"}}, L"no"},
        {"IEvollbild", In<frmInternet>(&FrmInternet::chkIEvollbild), {{String(HKCU, IEMain, L"FullScreen"), L"yes", L"no"}}, L"yes"},
        {"MSNSearch", In<frmInternet>(&FrmInternet::chkMSNSearch), {{Dword(HKCU, IEMain, L"AutoSearch"), L"0", L"5"}}, L"0"},
        {"IPForwarding", In<frmInternet>(&FrmInternet::chkIPForwarding),
         {{Dword(HKLM, L"System\\CurrentControlSet\\Services\\Tcpip\\Parameters", L"IPEnableRouter"), L"0", L"1"}}, L"0"},
        {"MessOE", In<frmInternet>(&FrmInternet::chkMessOE), {{Dword(HKLM, L"SOFTWARE\\Microsoft\\Outlook Express", L"Hide Messenger"), L"2", L"0"}}, L"2"},
        {"NetHide", In<frmInternet>(&FrmInternet::chkNetHide),
         {{Dword(HKLM, L"SYSTEM\\CurrentControlSet\\Services\\LanmanServer\\Parameters", L"Hidden"), L"1", L"0"}}, L"1"},
        {"QOS", In<frmInternet>(&FrmInternet::chkQOS), {{Dword(HKLM, L"SYSTEM\\CurrentControlSet\\Services\\RSVP", L"Start"), L"4", L"2"}}, L"4"},
        {"SSL", In<frmInternet>(&FrmInternet::chkSSL),
         {{Dword(HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", L"DisableCachingOfSSLPages"), L"1", L"0"}}, L"1"},
        {"Unread", In<frmInternet>(&FrmInternet::chkUnread),
         {{Dword(HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail", L"MessageExpiryDays"), L"0", L"1"}}, L"0"},
        {"Google", In<frmInternet>(&FrmInternet::chkGoogle),
         {{String(HKCU, IEMain, L"Search Page"), L"http://www.google.com",
           L"http://www.microsoft.com/isapi/redir.dll?prd=ie&ar=iesearch"},
          {String(HKCU, IEMain, L"Search Bar"), L"http://www.google.com/ie", L"0"},
          {String(HKCU, L"Software\\Microsoft\\Internet Explorer\\SearchURL", L""), L"http://www.google.com/keyword/%s", L"0"},
          {String(HKLM, L"SOFTWARE\\Microsoft\\Internet Explorer\\Search", L"SearchAssistant"), L"http://www.google.com/ie",
           L"http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchasst.htm"}}, L"http://www.google.com"},
    };
    return boxes;
}

// Every value the tests touch: put back as it was after the suite.
std::vector<Value> AllValues()
{
    std::vector<Value> values{DelMSN,    Zip,       Arrows,          PicViewer,         LnkShortcut,
                              PifShortcut, LogonType, CurrentWaitToKill, LockLimit,       PagingExecutive,
                              BalloonTipsOfUser, WindowTitle, BackBitmap};
    for (const BoxRows& box : Boxes())
        for (const Written& row : box.rows)
            values.push_back(row.at);
    return values;
}

class TweakPagesTest : public FormTest {
protected:
    static void SetUpTestSuite()
    {
        for (const Value& at : AllValues())
            saved_.push_back(ReadRaw(at));
    }

    static void TearDownTestSuite()
    {
        const std::vector<Value> values = AllValues();
        for (size_t i = 0; i < values.size(); ++i) {
            if (saved_[i])
                WriteRaw(values[i], saved_[i]->type, saved_[i]->bytes.data(),
                         static_cast<DWORD>(saved_[i]->bytes.size() - sizeof(wchar_t)));
            else
                Remove(values[i]);
        }
    }

    void SetUp() override
    {
        FormTest::SetUp();
        for (const Value& at : AllValues())
            Remove(at);
        testing_support::DeleteRegistryTree(HKCU, registration_record::Key);
    }


    // A fresh start of the program: no page loaded, no effect recorded, no value stored.
    void Restart()
    {
        TearDown();
        seam = testing_support::ScriptedSeam();
        SetUp();
    }

private:
    static inline std::vector<std::optional<Raw>> saved_;
};

// ---------------------------------------------------------------- every box: load and clicks

enum class Stored { Absent, TickedText, OtherText, WrongType };

std::wstring OtherText(const Value& at, const std::wstring& text)
{
    if (at.dword)
        return std::to_wstring(std::wcstoul(text.c_str(), nullptr, 10) + 1);
    // Texts compare exactly: another case is another text.
    std::wstring other = text;
    if (std::iswalpha(other[0]))
        other[0] = std::iswupper(other[0]) ? std::towlower(other[0]) : std::towupper(other[0]);
    else
        other.insert(0, L"0");
    return other;
}

class BoxLoadTest : public TweakPagesTest, public ::testing::WithParamInterface<std::tuple<size_t, Stored>> {};

TEST_P(BoxLoadTest, TicksOnlyWhenTheValueReadsItsText)
{
    const auto [index, stored] = GetParam();
    const BoxRows& box = Boxes()[index];
    const Value& at = box.rows[0].at;
    const std::wstring ticked = box.tickedAtLoad;
    // A missing value or one of the wrong kind reads as the default, 0 or "".
    const std::wstring defaultText = at.dword ? L"0" : L"";
    bool expected = false;
    switch (stored) {
    case Stored::Absent: expected = ticked == defaultText; break;
    case Stored::TickedText: Store(at, ticked); expected = true; break;
    case Stored::OtherText: Store(at, OtherText(at, ticked)); break;
    case Stored::WrongType:
        if (at.dword)
            StoreString(at, ticked);
        else
            StoreDword(at, static_cast<DWORD>(std::wcstoul(ticked.c_str(), nullptr, 10)));
        expected = ticked == defaultText;
        break;
    }
    const std::optional<Raw> before = ReadRaw(at);

    EXPECT_EQ(box.box().Value(), expected ? 1 : 0);
    // The load writes nothing.
    const std::optional<Raw> after = ReadRaw(at);
    EXPECT_EQ(before.has_value(), after.has_value());
    if (before && after) {
        EXPECT_EQ(before->bytes, after->bytes);
    }
    for (size_t row = 1; row < box.rows.size(); ++row)
        EXPECT_TRUE(Holds(box.rows[row].at, nullptr));
}

std::string LoadCaseName(const ::testing::TestParamInfo<std::tuple<size_t, Stored>>& tested)
{
    static const char* const stored[] = {"Absent", "TickedText", "OtherText", "WrongType"};
    return Boxes()[std::get<0>(tested.param)].name + "_" + stored[static_cast<int>(std::get<1>(tested.param))];
}

INSTANTIATE_TEST_SUITE_P(Rows, BoxLoadTest,
                         ::testing::Combine(::testing::Range<size_t>(0, Boxes().size()),
                                            ::testing::Values(Stored::Absent, Stored::TickedText, Stored::OtherText,
                                                              Stored::WrongType)),
                         LoadCaseName);

class BoxClickTest : public TweakPagesTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(BoxClickTest, WritesItsRowsForEachState)
{
    const BoxRows& box = Boxes()[GetParam()];
    ui::SevCheck& check = box.box();
    check.SetValue(0);

    Click(check.Hwnd());
    ASSERT_EQ(check.Value(), 1);
    for (const Written& row : box.rows)
        EXPECT_TRUE(Holds(row.at, row.ticked));

    Click(check.Hwnd());
    ASSERT_EQ(check.Value(), 0);
    for (const Written& row : box.rows)
        EXPECT_TRUE(Holds(row.at, row.unticked));

    // Nothing but its own rows, and no message.
    for (const BoxRows& other : Boxes()) {
        if (&other == &box)
            continue;
        for (const Written& row : other.rows)
            EXPECT_TRUE(Holds(row.at, nullptr));
    }
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_TRUE(seam.commands.empty());
}

std::string ClickCaseName(const ::testing::TestParamInfo<size_t>& tested)
{
    return Boxes()[tested.param].name;
}

INSTANTIATE_TEST_SUITE_P(Rows, BoxClickTest, ::testing::Range<size_t>(0, Boxes().size()), ClickCaseName);

// ---------------------------------------------------------------- the pages' own exceptions

TEST_F(TweakPagesTest, BalloonTipsAreReadAndWrittenUnderTheMachineKeyOnly)
{
    StoreDword(BalloonTipsOfUser, 1);
    FrmDesign& page = frmDesign();
    EXPECT_EQ(page.chkBalloon.Value(), 1);
    Click(page.chkBalloon.Hwnd());
    EXPECT_TRUE(Holds(Dword(HKLM, Advanced, L"EnableBalloonTips"), L"1"));
    EXPECT_TRUE(Holds(BalloonTipsOfUser, L"1"));
}

TEST_F(TweakPagesTest, OnlyTheExactTextsTickTheirBoxes)
{
    const struct {
        BoxOf box;
        Value at;
        const wchar_t* text;
        int expected;
    } cases[] = {
        {In<frmDesign>(&FrmDesign::chkSuchAssi), Boxes()[6].rows[0].at, L"yes", 0},
        {In<frmDesign>(&FrmDesign::chkSuchAssi), Boxes()[6].rows[0].at, L"1", 0},
        {In<frmGeneral>(&FrmGeneral::chkWatson), String(HKLM, AeDebug, L"Debugger"), L"drwtsn32 -p %ld -e %ld -g", 0},
        {In<frmGeneral>(&FrmGeneral::chkWatson), String(HKLM, AeDebug, L"Debugger"), L"ntsd -p %ld -e %ld -g", 0},
        {In<frmInternet>(&FrmInternet::chkGoogle), String(HKCU, IEMain, L"Search Page"), L"http://www.google.com/", 0},
        {In<frmInternet>(&FrmInternet::chkGoogle), String(HKCU, IEMain, L"Search Page"), L"http://www.google.com", 1},
    };
    for (const auto& c : cases) {
        Store(c.at, c.text);
        EXPECT_EQ(c.box().Value(), c.expected) << Label(c.at) << " = " << std::string(c.text, c.text + wcslen(c.text));
        Restart();
    }
}

TEST_F(TweakPagesTest, FastShutdownIsDecidedByTheNumberedControlSet)
{
    StoreString(Boxes()[19].rows[0].at, L"2000");
    StoreString(CurrentWaitToKill, L"20000");
    EXPECT_EQ(frmBoot->chkFastDown.Value(), 1);
}

TEST_F(TweakPagesTest, UntickingUnloadDllsWithoutTheValueChangesNothing)
{
    FrmGeneral& page = frmGeneral();
    page.chkDLL.SetValue(1);
    Click(page.chkDLL.Hwnd());
    EXPECT_TRUE(Holds(Boxes()[12].rows[0].at, nullptr));
}

TEST_F(TweakPagesTest, MessengerRemovalStartsOnEveryTickAndIsGreyedOnceStored)
{
    FrmGeneral& page = frmGeneral();
    const std::wstring windows = GetSpecialFolderPath(36);
    ASSERT_FALSE(windows.empty());

    Click(page.chkMSN.Hwnd());
    EXPECT_TRUE(Holds(DelMSN, L"yes"));
    ASSERT_EQ(seam.commands.size(), 1u);
    // Both the program and the DLL it loads from the system folder.
    EXPECT_EQ(seam.commands[0].command.program, systemfolders::InSystem(L"RunDLL32.exe"));
    EXPECT_EQ(seam.commands[0].command.arguments, commandline::Quoted(systemfolders::InSystem(L"advpack.dll")) +
                                                      L",LaunchINFSection " + windows +
                                                      L"\\INF\\msmsgs.inf,BLC.Remove");
    EXPECT_EQ(seam.commands[0].showWindow, 2);
    Remove(DelMSN);
    Click(page.chkMSN.Hwnd());  // unticked: nothing
    EXPECT_TRUE(Holds(DelMSN, nullptr));
    EXPECT_EQ(seam.commands.size(), 1u);
    Click(page.chkMSN.Hwnd());
    EXPECT_EQ(seam.commands.size(), 2u);
    EXPECT_TRUE(page.chkMSN.Enabled());

    // From the next start on, greyed and closed to clicks; another case is another text.
    for (const auto& [stored, value, enabled] : {std::tuple{L"yes", 2, false}, std::tuple{L"Yes", 0, true}}) {
        Restart();
        StoreString(DelMSN, stored);
        FrmGeneral& again = frmGeneral();
        EXPECT_EQ(again.chkMSN.Value(), value);
        EXPECT_EQ(again.chkMSN.Enabled(), enabled);
        if (!enabled) {
            Click(again.chkMSN.Hwnd());
            EXPECT_EQ(again.chkMSN.Value(), 2);
            EXPECT_TRUE(seam.commands.empty());
        }
    }
}

TEST_F(TweakPagesTest, ZipFoldersOnStartRegsvr32AndOffUnregistersInProcessBothFromTheSystemFolder)
{
    // A DLL of that name beside the program is not the system's.
    const std::wstring besideTheProgram = testing_support::TestProgramFolder() + L"\\zipfldr.dll";
    ASSERT_TRUE(::CopyFileW((registration_record::DllFolder() + L"reg_immediate.dll").c_str(),
                            besideTheProgram.c_str(), FALSE));
    FrmGeneral2& page = frmGeneral2();
    Click(page.cmdZIPaus.Hwnd());
    ::DeleteFileW(besideTheProgram.c_str());
    EXPECT_TRUE(Holds(Zip, L"no"));
    EXPECT_EQ(registration_record::Call(), L"zipfldr.dll unregister");
    EXPECT_EQ(registration_record::Path(), systemfolders::InSystem(L"zipfldr.dll"));
    EXPECT_FALSE(page.picZipAk.Visible());
    EXPECT_TRUE(page.picZipDeak.Visible());

    Click(page.cmdZIPan.Hwnd());
    EXPECT_TRUE(Holds(Zip, L"yes"));
    ASSERT_EQ(seam.commands.size(), 1u);
    EXPECT_EQ(seam.commands[0].command.program, systemfolders::InSystem(L"regsvr32.exe"));
    EXPECT_EQ(seam.commands[0].command.arguments, commandline::Quoted(systemfolders::InSystem(L"zipfldr.dll")));
    EXPECT_EQ(seam.commands[0].showWindow, 2);
    EXPECT_TRUE(page.picZipAk.Visible());
    EXPECT_FALSE(page.picZipDeak.Visible());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(TweakPagesTest, StoredZipNoShowsTheOffPictureAtLoad)
{
    for (const auto& [stored, on] : {std::pair{L"no", false}, std::pair{L"No", true}, std::pair{L"", true}}) {
        if (*stored)
            StoreString(Zip, stored);
        FrmGeneral2& page = frmGeneral2();
        EXPECT_EQ(page.picZipAk.Visible(), on);
        EXPECT_EQ(page.picZipDeak.Visible(), !on);
        Restart();
    }
}

COLORREF PictureColour(const art::Picture& picture, int x, int y)
{
    win::WindowDC screen(nullptr);
    win::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    win::SelectedObject selected(memory.get(), picture->Handle());
    return ::GetPixel(memory.get(), x, y);
}

TEST_F(TweakPagesTest, PreviewBlendsTheTaskbarOverTheDesktopAtTheSlidersOpacity)
{
    FrmGeneral2& page = frmGeneral2();
    EXPECT_EQ(page.HScroll1.Value(), 255);
    ASSERT_TRUE(page.picTest.Picture() && page.picTaskBar.Picture());
    EXPECT_EQ(page.picTest.Picture()->Size().cx, 150);
    EXPECT_EQ(page.picTest.Picture()->Size().cy, 72);
    // In the taskbar, where the two pictures differ, and above it, where they agree.
    for (const POINT at : {POINT{75, 66}, POINT{130, 64}, POINT{40, 30}}) {
        const COLORREF bar = PictureColour(page.picTaskBar.Picture(), at.x, at.y);
        const COLORREF desk = PictureColour(page.picTest.Picture(), at.x, at.y);
        for (const int alpha : {55, 255}) {
            page.HScroll1.SetValue(alpha);
            EXPECT_EQ(page.txtLevel.Text(), std::to_wstring(alpha));
            const COLORREF shown = testing_support::PixelOf(page.picTest.Hwnd(), at.x, at.y);
            const auto blend = [alpha](int over, int under) { return (over * alpha + under * (255 - alpha)) / 255; };
            EXPECT_NEAR(GetRValue(shown), blend(GetRValue(bar), GetRValue(desk)), 2) << at.x << "," << at.y << " " << alpha;
            EXPECT_NEAR(GetGValue(shown), blend(GetGValue(bar), GetGValue(desk)), 2) << at.x << "," << at.y << " " << alpha;
            EXPECT_NEAR(GetBValue(shown), blend(GetBValue(bar), GetBValue(desk)), 2) << at.x << "," << at.y << " " << alpha;
        }
    }
    EXPECT_NE(PictureColour(page.picTaskBar.Picture(), 75, 66), PictureColour(page.picTest.Picture(), 75, 66));
}

TEST_F(TweakPagesTest, OkMakesTheTaskbarTranslucentAndTheSliderAloneDoesNot)
{
    const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_NE(taskbar, nullptr);
    const LONG style = ::GetWindowLongW(taskbar, GWL_EXSTYLE);
    FrmGeneral2& page = frmGeneral2();
    page.HScroll1.SetValue(55);
    Click(page.cmdOK.Hwnd());
    page.HScroll1.SetValue(200);

    EXPECT_NE(::GetWindowLongW(taskbar, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(::GetLayeredWindowAttributes(taskbar, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 55);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    ::SetWindowLongW(taskbar, GWL_EXSTYLE, style);
}

TEST_F(TweakPagesTest, LogonTypeZeroOrAbsentSelectsTheClassicLogon)
{
    for (const auto& [stored, classic] : {std::pair{-1, true}, std::pair{0, true}, std::pair{1, false},
                                          std::pair{5, false}}) {
        if (stored >= 0)
            StoreDword(LogonType, static_cast<DWORD>(stored));
        FrmBoot& page = frmBoot();
        EXPECT_EQ(page.optMaskClassic.Value(), classic) << stored;
        EXPECT_EQ(page.optMaskNormal.Value(), !classic) << stored;
        // The preview shows the logon that is selected.
        EXPECT_EQ(page.picClassic.Visible(), classic) << stored;
        EXPECT_EQ(page.picNormal.Visible(), !classic) << stored;
        Restart();
    }
}

TEST_F(TweakPagesTest, LogonOptionsWriteTheTypeAndSwapTheirPictures)
{
    FrmBoot& page = frmBoot();
    Click(page.optMaskClassic.Hwnd());
    EXPECT_TRUE(Holds(LogonType, L"0"));
    EXPECT_FALSE(page.picNormal.Visible());
    EXPECT_TRUE(page.picClassic.Visible());
    Click(page.optMaskNormal.Hwnd());
    EXPECT_TRUE(Holds(LogonType, L"1"));
    EXPECT_TRUE(page.picNormal.Visible());
    EXPECT_FALSE(page.picClassic.Visible());
}

// ---------------------------------------------------------------- cache page

using Option = ui::SevOption FrmCache::*;
const Option CacheOptions[] = {&FrmCache::chkCache32min, &FrmCache::chk32plus, &FrmCache::chk64plus,
                               &FrmCache::chk128plus,    &FrmCache::chk256plus, &FrmCache::chk512plus};

// The selected option's index, -1 for none; fails when more than one is selected.
int SelectedCacheOption(FrmCache& page)
{
    int selected = -1;
    for (int i = 0; i < 6; ++i)
        if ((page.*CacheOptions[i]).Value()) {
            EXPECT_EQ(selected, -1) << "two options selected";
            selected = i;
        }
    return selected;
}

TEST_F(TweakPagesTest, CacheOptionFollowsTheLockLimitUnlessTheKernelStaysInMemory)
{
    const struct {
        const wchar_t* lockLimit;  // null: absent; "s..." stored as a string
        int paging;                // -1: absent
        int selected;
    } cases[] = {
        {nullptr, -1, -1}, {L"4096", -1, 0}, {L"8192", 0, 1}, {L"16384", 0, 2}, {L"32768", -1, 3}, {L"65536", 0, 4},
        {L"16384", 1, 5},  {nullptr, 1, 5},  {L"12000", 0, -1}, {L"s4096", -1, -1}, {L"4096", 2, 0},
    };
    for (const auto& c : cases) {
        if (c.lockLimit && c.lockLimit[0] == L's')
            StoreString(LockLimit, c.lockLimit + 1);
        else if (c.lockLimit)
            Store(LockLimit, c.lockLimit);
        if (c.paging >= 0)
            StoreDword(PagingExecutive, static_cast<DWORD>(c.paging));
        EXPECT_EQ(SelectedCacheOption(frmCache()), c.selected)
            << (c.lockLimit ? std::string(c.lockLimit, c.lockLimit + wcslen(c.lockLimit)) : "-") << " " << c.paging;
        Restart();
    }
}

TEST_F(TweakPagesTest, CacheOptionsWriteTheirTwoValues)
{
    const wchar_t* const limits[] = {L"4096", L"8192", L"16384", L"32768", L"65536", nullptr};
    FrmCache& page = frmCache();
    // The largest class removes the limit; any other writes it again.
    for (const int i : {5, 0, 1, 5, 2, 3, 4}) {
        Click((page.*CacheOptions[i]).Hwnd());
        EXPECT_EQ(SelectedCacheOption(page), i);
        EXPECT_TRUE(Holds(LockLimit, limits[i]));
        EXPECT_TRUE(Holds(PagingExecutive, i == 5 ? L"1" : L"0"));
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(TweakPagesTest, RestoringCacheDefaultsClearsTheChoiceThenTells)
{
    for (const bool stored : {true, false}) {
        if (stored) {
            StoreDword(LockLimit, 16384);
            StoreDword(PagingExecutive, 1);
        }
        FrmCache& page = frmCache();
        page.txtErfolg.SetText(L"Defaults restored.");
        seam.whileMessageShown = [&] {
            EXPECT_TRUE(Holds(PagingExecutive, L"0"));
            EXPECT_TRUE(Holds(LockLimit, nullptr));
            EXPECT_EQ(SelectedCacheOption(page), -1);
        };
        Click(page.cmdStandartWieder.Hwnd());
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, L"Defaults restored.");
        EXPECT_EQ(seam.messages[0].style, 64u);
        EXPECT_EQ(seam.messages[0].title, L"Brevantor");
        Restart();
    }
}

// ---------------------------------------------------------------- second appearance page

TEST_F(TweakPagesTest, StoredNoSelectsTheOffOptionsAndNothingElseDoes)
{
    const struct {
        const wchar_t* picViewer;
        const wchar_t* arrows;
        bool viewerOn, arrowsOn;
    } cases[] = {
        {nullptr, nullptr, true, true}, {L"no", L"no", false, false}, {L"No", L"yes", true, true},
        {L"no", nullptr, false, true},  {L"", L"no", true, false},
    };
    for (const auto& c : cases) {
        if (c.picViewer)
            StoreString(PicViewer, c.picViewer);
        if (c.arrows)
            StoreString(Arrows, c.arrows);
        FrmDesign2& page = frmDesign2();
        EXPECT_EQ(page.optPictureAk.Value(), c.viewerOn);
        EXPECT_EQ(page.optPictureDeak.Value(), !c.viewerOn);
        EXPECT_EQ(page.optPfeilAn.Value(), c.arrowsOn);
        EXPECT_EQ(page.optPfeilAus.Value(), !c.arrowsOn);
        for (const ui::PictureBox* on : {&page.picPfeilAn, &page.picBilderAn})
            EXPECT_TRUE(on->Visible());
        EXPECT_TRUE(registration_record::Call().empty());
        Restart();
    }
}

TEST_F(TweakPagesTest, AppearanceOptionsStoreTheChoiceFirstAndShowItsPicture)
{
    FrmDesign2& page = frmDesign2();
    // Already absent values: the choice is stored and shown all the same.
    Click(page.optPfeilAus.Hwnd());
    EXPECT_TRUE(Holds(Arrows, L"no"));
    EXPECT_TRUE(Holds(LnkShortcut, nullptr));
    EXPECT_TRUE(Holds(PifShortcut, nullptr));
    EXPECT_FALSE(page.picPfeilAn.Visible());
    EXPECT_TRUE(page.picPfeilAus.Visible());

    Click(page.optPfeilAn.Hwnd());
    EXPECT_TRUE(Holds(Arrows, L"yes"));
    EXPECT_TRUE(Holds(LnkShortcut, L"1"));
    EXPECT_TRUE(Holds(PifShortcut, L"1"));
    EXPECT_TRUE(page.picPfeilAn.Visible());
    EXPECT_FALSE(page.picPfeilAus.Visible());

    Click(page.optPfeilAus.Hwnd());
    EXPECT_TRUE(Holds(LnkShortcut, nullptr));
    EXPECT_TRUE(Holds(PifShortcut, nullptr));

    Click(page.optPictureDeak.Hwnd());
    EXPECT_TRUE(Holds(PicViewer, L"no"));
    EXPECT_EQ(registration_record::Call(), L"shimgvw.dll unregister");
    EXPECT_EQ(registration_record::Path(), systemfolders::InSystem(L"shimgvw.dll"));
    EXPECT_FALSE(page.picBilderAn.Visible());
    EXPECT_TRUE(page.picBilderAus.Visible());

    Click(page.optPictureAk.Hwnd());
    EXPECT_TRUE(Holds(PicViewer, L"yes"));
    EXPECT_EQ(registration_record::Call(), L"shimgvw.dll register");
    EXPECT_TRUE(page.picBilderAn.Visible());
    EXPECT_FALSE(page.picBilderAus.Visible());
    EXPECT_TRUE(seam.messages.empty());
}

// ---------------------------------------------------------------- second Internet page

void Type(ui::TextBox& box, const std::wstring& keys)
{
    for (const wchar_t key : keys)
        testing_support::PressKey(box.Hwnd(), key);
}

TEST_F(TweakPagesTest, TitleIsAppliedOnlyWhenThereIsOne)
{
    FrmInternet2& page = frmInternet2();
    page.txtAenderung.SetText(L"Saved.");
    EXPECT_FALSE(page.cmdUeberTitel.Enabled());
    Type(page.txtIETitel, L"My");
    EXPECT_EQ(page.txtIETitel.Text(), L"My");
    EXPECT_TRUE(page.cmdUeberTitel.Enabled());
    Type(page.txtIETitel, L"\b\b");
    EXPECT_FALSE(page.cmdUeberTitel.Enabled());

    // The button refuses an empty title by itself too.
    page.cmdUeberTitel.SetEnabled(true);
    Click(page.cmdUeberTitel.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Invalid Title");
    EXPECT_EQ(seam.messages[0].style, 48u);
    EXPECT_TRUE(Holds(WindowTitle, nullptr));

    page.txtIETitel.SetText(L"Surfing");
    Click(page.cmdUeberTitel.Hwnd());
    EXPECT_TRUE(Holds(WindowTitle, L"Surfing"));
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, L"Saved.");
    EXPECT_EQ(seam.messages[1].style, 64u);

    Click(page.cmdDefaultTitel.Hwnd());
    EXPECT_EQ(page.txtIETitel.Text(), L"Microsoft Internet Explorer");
    EXPECT_TRUE(page.cmdUeberTitel.Enabled());
    EXPECT_TRUE(Holds(WindowTitle, L"Microsoft Internet Explorer"));
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[2].text, L"Saved.");
    EXPECT_EQ(seam.messages[2].title, L"Brevantor");
}

TEST_F(TweakPagesTest, ToolbarBitmapComesFromTheOpenDialogAndCancelKeepsIt)
{
    FrmInternet2& page = frmInternet2();
    page.txtAenderung.SetText(L"Saved.");
    seam.dialogAnswers = {L"C:\\pictures\\bar.bmp", L""};
    Click(page.cmdOpenToolSkin.Hwnd());
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_FALSE(seam.dialogs[0].save);
    EXPECT_EQ(seam.dialogs[0].filter, L"Windows Bitmap (*.bmp)|*.bmp");
    EXPECT_EQ(page.TextToolSkin.Text(), L"C:\\pictures\\bar.bmp");
    EXPECT_TRUE(page.cmdUeberTitel2.Enabled());

    Click(page.cmdOpenToolSkin.Hwnd());  // cancelled
    EXPECT_EQ(page.TextToolSkin.Text(), L"C:\\pictures\\bar.bmp");
    EXPECT_TRUE(page.cmdUeberTitel2.Enabled());

    Click(page.cmdUeberTitel2.Hwnd());
    EXPECT_TRUE(Holds(BackBitmap, L"C:\\pictures\\bar.bmp"));
    Click(page.cmdDefault.Hwnd());
    EXPECT_EQ(page.TextToolSkin.Text(), L"");
    EXPECT_FALSE(page.cmdUeberTitel2.Enabled());
    EXPECT_TRUE(Holds(BackBitmap, nullptr));
    Click(page.cmdDefault.Hwnd());  // no value left: the confirmation all the same
    ASSERT_EQ(seam.messages.size(), 3u);
    for (const auto& message : seam.messages) {
        EXPECT_EQ(message.text, L"Saved.");
        EXPECT_EQ(message.style, 64u);
    }

    page.cmdUeberTitel2.SetEnabled(true);
    Click(page.cmdUeberTitel2.Hwnd());
    EXPECT_EQ(seam.messages.back().text, L"Invalid Path");
    EXPECT_EQ(seam.messages.back().style, 48u);
    EXPECT_TRUE(Holds(BackBitmap, nullptr));
}

// ---------------------------------------------------------------- Next buttons

TEST_F(TweakPagesTest, EveryNextButtonPutsTheOtherHalfOnTop)
{
    const struct {
        std::function<ui::XpButton&()> next;
        std::function<ui::Control&()> other;
    } pairs[] = {
        {[]() -> ui::XpButton& { return frmDesign->cmdNaechste; }, []() -> ui::Control& { return frmDesign2->fraDesign; }},
        {[]() -> ui::XpButton& { return frmDesign2->cmdNaechste; }, []() -> ui::Control& { return frmDesign->fraDesign; }},
        {[]() -> ui::XpButton& { return frmGeneral->cmdNaechste; }, []() -> ui::Control& { return frmGeneral2->fraDesign2; }},
        {[]() -> ui::XpButton& { return frmGeneral2->cmdNaechste; }, []() -> ui::Control& { return frmGeneral->fraDesign; }},
        {[]() -> ui::XpButton& { return frmInternet->cmdNaechste; }, []() -> ui::Control& { return frmInternet2->fraInternet2; }},
        {[]() -> ui::XpButton& { return frmInternet2->cmdNaechste; }, []() -> ui::Control& { return frmInternet->fraInternet; }},
    };
    const HWND container = frmMain->picContainerMain.Hwnd();
    for (const auto& pair : pairs) {
        Click(pair.next().Hwnd());
        EXPECT_EQ(::GetParent(pair.other().Hwnd()), container);
        EXPECT_EQ(::GetWindow(container, GW_CHILD), pair.other().Hwnd());
    }
}

} // namespace
