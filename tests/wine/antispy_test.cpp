// The anti-spy page against the real registry of the test prefix. Fixtures go
// in and results are read back through the wide API, so the checks don't lean
// on the registry service the page itself uses.
#include "pages/tweaks/frmAntispy.h"

#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

struct Location {
    HKEY root;
    const wchar_t* key;
    const wchar_t* value;
    const char* label;
};

const Location Type{HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", L"Type", "Type"};
const Location NoScheduledUpdates{HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Webcheck",
                                  L"NoScheduledUpdates", "NoScheduledUpdates"};
const Location Start{HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\wuauserv", L"Start", "Start"};
const Location NoUpdateCheck{HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer\\Main", L"NoUpdateCheck",
                             "NoUpdateCheck"};
const Location AllowToGetHelp{HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Terminal Server",
                              L"fAllowToGetHelp", "fAllowToGetHelp"};
const Location DoReport{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", L"DoReport", "DoReport"};
const Location ShowUI{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", L"ShowUI", "ShowUI"};

const std::array<const Location*, 7> AllValues{&Type, &NoScheduledUpdates, &Start, &NoUpdateCheck,
                                              &AllowToGetHelp, &DoReport, &ShowUI};

constexpr wchar_t ExtensionsKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions";
constexpr wchar_t ExtensionKey[] =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}";
constexpr wchar_t SiblingKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{brvt-test-sibling}";

bool KeyExists(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

void DeleteValue(const Location& at)
{
    win::unique_hkey key;
    if (::RegOpenKeyExW(at.root, at.key, 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) {
        key.release();
        return;
    }
    ::RegDeleteValueW(key.get(), at.value);
}

// Leaves none of the page's values and no extension key behind.
void ClearPageValues()
{
    for (const Location* at : AllValues)
        DeleteValue(*at);
    testing_support::DeleteRegistryTree(HKEY_LOCAL_MACHINE, ExtensionKey);
    testing_support::DeleteRegistryTree(HKEY_LOCAL_MACHINE, SiblingKey);
}

void SetRaw(const Location& at, DWORD type, const void* data, DWORD size)
{
    win::unique_hkey key;
    ASSERT_EQ(::RegCreateKeyExW(at.root, at.key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr),
              ERROR_SUCCESS)
        << at.label;
    ASSERT_EQ(::RegSetValueExW(key.get(), at.value, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS)
        << at.label;
}

void SetDword(const Location& at, DWORD data)
{
    SetRaw(at, REG_DWORD, &data, sizeof data);
}

void SetString(const Location& at, const std::wstring& text)
{
    SetRaw(at, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// A value as the registry holds it: its type and content, or nothing.
struct Stored {
    DWORD type = REG_NONE;
    DWORD number = 0;       // REG_DWORD
    std::wstring text;      // REG_SZ, without its terminating NUL
};

std::optional<Stored> Read(const Location& at)
{
    win::unique_hkey key;
    if (::RegOpenKeyExW(at.root, at.key, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        key.release();
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.get(), at.value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> bytes(size + sizeof(wchar_t), 0);
    if (::RegQueryValueExW(key.get(), at.value, nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    Stored stored;
    stored.type = type;
    if (type == REG_DWORD && size == sizeof(DWORD))
        stored.number = *reinterpret_cast<const DWORD*>(bytes.data());
    if (type == REG_SZ)
        stored.text = reinterpret_cast<const wchar_t*>(bytes.data());
    return stored;
}

// What a value should hold: absent, a DWORD or a string.
struct Expected {
    const Location* at;
    std::optional<DWORD> number;
    std::optional<std::wstring> text;
};

Expected Dword(const Location& at, DWORD number)
{
    return {&at, number, std::nullopt};
}

Expected String(const Location& at, std::wstring text)
{
    return {&at, std::nullopt, std::move(text)};
}

Expected Absent(const Location& at)
{
    return {&at, std::nullopt, std::nullopt};
}

::testing::AssertionResult Holds(const Expected& expected)
{
    const std::optional<Stored> stored = Read(*expected.at);
    const char* label = expected.at->label;
    if (!expected.number && !expected.text) {
        if (stored)
            return ::testing::AssertionFailure() << label << " exists with type " << stored->type;
        return ::testing::AssertionSuccess();
    }
    if (!stored)
        return ::testing::AssertionFailure() << label << " is absent";
    if (expected.number) {
        if (stored->type != REG_DWORD)
            return ::testing::AssertionFailure() << label << " has type " << stored->type << ", not REG_DWORD";
        if (stored->number != *expected.number)
            return ::testing::AssertionFailure() << label << " is " << stored->number << ", not " << *expected.number;
        return ::testing::AssertionSuccess();
    }
    if (stored->type != REG_SZ)
        return ::testing::AssertionFailure() << label << " has type " << stored->type << ", not REG_SZ";
    if (stored->text != *expected.text)
        return ::testing::AssertionFailure() << label << " holds another text";
    return ::testing::AssertionSuccess();
}

// Checks all seven values: those listed hold what is given, the rest are absent.
void ExpectValues(const std::vector<Expected>& listed)
{
    for (const Location* at : AllValues) {
        Expected expected = Absent(*at);
        for (const Expected& entry : listed)
            if (entry.at == at)
                expected = entry;
        EXPECT_TRUE(Holds(expected));
    }
}

const std::vector<Expected> Recommended{
    String(Type, L"NoSync"), Dword(NoScheduledUpdates, 1), Dword(Start, 4), Dword(NoUpdateCheck, 1),
    Dword(AllowToGetHelp, 0), Dword(DoReport, 0),          Dword(ShowUI, 0),
};

using Box = ui::SevCheck FrmAntispy::*;

struct NamedBox {
    Box box;
    const char* name;
};

const std::array<NamedBox, 5> Boxes{{
    {&FrmAntispy::chkTime, "chkTime"},
    {&FrmAntispy::chkUpdates, "chkUpdates"},
    {&FrmAntispy::chkUeberpruefung, "chkUeberpruefung"},
    {&FrmAntispy::chkRemote, "chkRemote"},
    {&FrmAntispy::chkFehler, "chkFehler"},
}};

// Box states in the order of Boxes.
using States = std::array<int, 5>;

States StatesOf(FrmAntispy& page)
{
    States states{};
    for (size_t i = 0; i < Boxes.size(); ++i)
        states[i] = (page.*Boxes[i].box).Value();
    return states;
}

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& tested)
{
    return tested.param.name;
}

class AntispyTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ClearPageValues();
    }

    void TearDown() override
    {
        FormTest::TearDown();
        ClearPageValues();
    }

    // Touching the page loads it, as the language pass does.
    static FrmAntispy& Page() { return frmAntispy(); }
};

// --- Load ---

struct LoadCase {
    const char* name;
    std::function<void()> arrange;
    States expected;  // chkTime, chkUpdates, chkUeberpruefung, chkRemote, chkFehler
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class AntispyLoadTest : public AntispyTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(AntispyLoadTest, BoxesShowWhatTheRegistryHolds)
{
    GetParam().arrange();
    EXPECT_EQ(StatesOf(Page()), GetParam().expected);
}

// With nothing stored, DWORDs read 0: error reporting and remote assistance count as off.
const LoadCase LoadCases[] = {
    {"NothingStored", [] {}, {0, 0, 0, 1, 1}},

    {"TypeNoSync", [] { SetString(Type, L"NoSync"); }, {1, 0, 0, 1, 1}},
    {"TypeLowerCase", [] { SetString(Type, L"nosync"); }, {0, 0, 0, 1, 1}},
    {"TypeNtp", [] { SetString(Type, L"Ntp"); }, {0, 0, 0, 1, 1}},
    {"TypeEmpty", [] { SetString(Type, L""); }, {0, 0, 0, 1, 1}},

    {"ScheduledUpdatesOne", [] { SetDword(NoScheduledUpdates, 1); }, {0, 1, 0, 1, 1}},
    {"ScheduledUpdatesZero", [] { SetDword(NoScheduledUpdates, 0); }, {0, 0, 0, 1, 1}},
    {"ScheduledUpdatesTwo", [] { SetDword(NoScheduledUpdates, 2); }, {0, 0, 0, 1, 1}},
    {"ScheduledUpdatesAsString", [] { SetString(NoScheduledUpdates, L"1"); }, {0, 0, 0, 1, 1}},

    {"StartAndNoUpdateCheck", [] { SetDword(Start, 4); SetDword(NoUpdateCheck, 1); }, {0, 0, 1, 1, 1}},
    {"StartWithoutNoUpdateCheck", [] { SetDword(Start, 4); }, {0, 0, 0, 1, 1}},
    {"NoUpdateCheckWithoutStart", [] { SetDword(NoUpdateCheck, 1); }, {0, 0, 0, 1, 1}},
    {"StartAutomatic", [] { SetDword(Start, 2); SetDword(NoUpdateCheck, 1); }, {0, 0, 0, 1, 1}},
    {"NoUpdateCheckZero", [] { SetDword(Start, 4); SetDword(NoUpdateCheck, 0); }, {0, 0, 0, 1, 1}},
    {"StartAsString", [] { SetString(Start, L"4"); SetDword(NoUpdateCheck, 1); }, {0, 0, 0, 1, 1}},

    {"RemoteHelpZero", [] { SetDword(AllowToGetHelp, 0); }, {0, 0, 0, 1, 1}},
    {"RemoteHelpOne", [] { SetDword(AllowToGetHelp, 1); }, {0, 0, 0, 0, 1}},
    {"RemoteHelpAsString", [] { SetString(AllowToGetHelp, L"1"); }, {0, 0, 0, 1, 1}},

    {"ReportBothZero", [] { SetDword(DoReport, 0); SetDword(ShowUI, 0); }, {0, 0, 0, 1, 1}},
    {"ReportZeroShowOne", [] { SetDword(DoReport, 0); SetDword(ShowUI, 1); }, {0, 0, 0, 1, 0}},
    {"ReportOneShowZero", [] { SetDword(DoReport, 1); SetDword(ShowUI, 0); }, {0, 0, 0, 1, 0}},
    {"ReportBothOne", [] { SetDword(DoReport, 1); SetDword(ShowUI, 1); }, {0, 0, 0, 1, 0}},
    {"ReportOneShowAbsent", [] { SetDword(DoReport, 1); }, {0, 0, 0, 1, 0}},
    {"ReportAbsentShowOne", [] { SetDword(ShowUI, 1); }, {0, 0, 0, 1, 0}},

    {"EverythingOff",
     [] {
         SetString(Type, L"NoSync");
         SetDword(NoScheduledUpdates, 1);
         SetDword(Start, 4);
         SetDword(NoUpdateCheck, 1);
         SetDword(AllowToGetHelp, 0);
         SetDword(DoReport, 0);
         SetDword(ShowUI, 0);
     },
     {1, 1, 1, 1, 1}},
    {"EverythingOn",
     [] {
         SetString(Type, L"Ntp");
         SetDword(NoScheduledUpdates, 0);
         SetDword(Start, 2);
         SetDword(NoUpdateCheck, 0);
         SetDword(AllowToGetHelp, 1);
         SetDword(DoReport, 1);
         SetDword(ShowUI, 1);
     },
     {0, 0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Rows, AntispyLoadTest, ::testing::ValuesIn(LoadCases),
                         CaseName<LoadCase>);

TEST_F(AntispyTest, LoadWritesNothing)
{
    // Absent values stay absent, even for the boxes that the defaults tick.
    Page();
    ExpectValues({});
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(AntispyTest, LoadLeavesDifferingValuesAsTheyAre)
{
    // Every box ends up in a state whose click would write something else.
    SetString(Type, L"nosync");
    SetString(NoScheduledUpdates, L"1");
    SetDword(Start, 4);
    SetDword(DoReport, 0);
    SetDword(ShowUI, 1);
    Page();
    ExpectValues({String(Type, L"nosync"), String(NoScheduledUpdates, L"1"), Dword(Start, 4), Dword(DoReport, 0),
                  Dword(ShowUI, 1)});
}

// --- Clicks on the boxes ---

struct ClickCase {
    const char* name;
    Box box;
    int before;
    int after;
    std::vector<Expected> writes;
};

void PrintTo(const ClickCase& c, std::ostream* os)
{
    *os << c.name;
}

class AntispyClickTest : public AntispyTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(AntispyClickTest, WritesItsRowAtOnce)
{
    const ClickCase& c = GetParam();
    FrmAntispy& page = Page();
    ui::SevCheck& box = page.*c.box;
    box.SetValue(c.before);
    ExpectValues({});  // setting the state from code writes nothing

    Click(box.Hwnd());

    EXPECT_EQ(box.Value(), c.after);
    ExpectValues(c.writes);
    EXPECT_TRUE(seam.messages.empty());
}

const ClickCase ClickCases[] = {
    {"TimeTicked", &FrmAntispy::chkTime, 0, 1, {String(Type, L"NoSync")}},
    {"TimeUnticked", &FrmAntispy::chkTime, 1, 0, {String(Type, L"Ntp")}},
    {"TimeFromGrey", &FrmAntispy::chkTime, 2, 1, {String(Type, L"NoSync")}},

    {"UpdatesTicked", &FrmAntispy::chkUpdates, 0, 1, {Dword(NoScheduledUpdates, 1)}},
    {"UpdatesUnticked", &FrmAntispy::chkUpdates, 1, 0, {Dword(NoScheduledUpdates, 0)}},
    {"UpdatesFromGrey", &FrmAntispy::chkUpdates, 2, 1, {Dword(NoScheduledUpdates, 1)}},

    {"UeberpruefungTicked", &FrmAntispy::chkUeberpruefung, 0, 1, {Dword(Start, 4), Dword(NoUpdateCheck, 1)}},
    {"UeberpruefungUnticked", &FrmAntispy::chkUeberpruefung, 1, 0, {Dword(Start, 2), Dword(NoUpdateCheck, 0)}},
    {"UeberpruefungFromGrey", &FrmAntispy::chkUeberpruefung, 2, 1, {Dword(Start, 4), Dword(NoUpdateCheck, 1)}},

    {"RemoteTicked", &FrmAntispy::chkRemote, 0, 1, {Dword(AllowToGetHelp, 0)}},
    {"RemoteUnticked", &FrmAntispy::chkRemote, 1, 0, {Dword(AllowToGetHelp, 1)}},
    {"RemoteFromGrey", &FrmAntispy::chkRemote, 2, 1, {Dword(AllowToGetHelp, 0)}},

    {"FehlerTicked", &FrmAntispy::chkFehler, 0, 1, {Dword(DoReport, 0), Dword(ShowUI, 0)}},
    {"FehlerUnticked", &FrmAntispy::chkFehler, 1, 0, {Dword(DoReport, 1), Dword(ShowUI, 1)}},
    {"FehlerFromGrey", &FrmAntispy::chkFehler, 2, 1, {Dword(DoReport, 0), Dword(ShowUI, 0)}},
};

INSTANTIATE_TEST_SUITE_P(Rows, AntispyClickTest, ::testing::ValuesIn(ClickCases),
                         CaseName<ClickCase>);

TEST_F(AntispyTest, UntickingUpdateCheckWritesAutomaticStartWhateverWasThere)
{
    SetDword(Start, 3);
    SetDword(NoUpdateCheck, 7);
    FrmAntispy& page = Page();
    page.chkUeberpruefung.SetValue(1);
    Click(page.chkUeberpruefung.Hwnd());
    ExpectValues({Dword(Start, 2), Dword(NoUpdateCheck, 0)});
}

TEST_F(AntispyTest, ClickReplacesAValueOfTheWrongKind)
{
    SetDword(Type, 1);
    SetString(AllowToGetHelp, L"0");
    FrmAntispy& page = Page();
    ASSERT_EQ(page.chkRemote.Value(), 1);
    Click(page.chkTime.Hwnd());
    Click(page.chkRemote.Hwnd());
    ExpectValues({String(Type, L"NoSync"), Dword(AllowToGetHelp, 1)});
}

// --- Recommended settings ---

TEST_F(AntispyTest, RecommendedSettingsWriteAllBeforeTheMessage)
{
    FrmAntispy& page = Page();
    page.txtEm.SetText(L"Recommended settings applied.");
    page.chkUpdates.SetValue(2);  // a greyed box is ticked too
    bool checked = false;
    seam.whileMessageShown = [&] {
        checked = true;
        ExpectValues(Recommended);
        EXPECT_EQ(StatesOf(page), (States{1, 1, 1, 1, 1}));
    };

    Click(page.cmdEmAnti.Hwnd());

    EXPECT_TRUE(checked);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Recommended settings applied.");
    EXPECT_EQ(seam.messages[0].style, 64u);
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
}

TEST_F(AntispyTest, RecommendedSettingsWriteEvenWhenEveryBoxIsTicked)
{
    for (const Expected& value : Recommended) {
        if (value.number)
            SetDword(*value.at, *value.number);
        else
            SetString(*value.at, *value.text);
    }
    FrmAntispy& page = Page();
    ASSERT_EQ(StatesOf(page), (States{1, 1, 1, 1, 1}));
    // Changed behind the page's back, as another program would.
    SetString(Type, L"Ntp");
    SetDword(NoScheduledUpdates, 0);
    SetDword(Start, 2);
    SetDword(NoUpdateCheck, 0);
    SetDword(AllowToGetHelp, 1);
    SetDword(DoReport, 1);
    SetDword(ShowUI, 1);
    page.txtEm.SetText(L"done");

    Click(page.cmdEmAnti.Hwnd());

    ExpectValues(Recommended);
    EXPECT_EQ(StatesOf(page), (States{1, 1, 1, 1, 1}));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"done");
    EXPECT_EQ(seam.messages[0].style, 64u);
}

TEST_F(AntispyTest, RecommendedSettingsShowAnEmptyTextUntilTranslated)
{
    FrmAntispy& page = Page();
    Click(page.cmdEmAnti.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"");
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
}

// --- Extension key ---

TEST_F(AntispyTest, ExtensionButtonDeletesTheKeyThenShowsItsMessage)
{
    {
        win::unique_hkey key;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, ExtensionKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                                    nullptr),
                  ERROR_SUCCESS);
        const wchar_t text[] = L"x";
        ASSERT_EQ(::RegSetValueExW(key.get(), L"ButtonText", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text),
                  ERROR_SUCCESS);
        win::unique_hkey sibling;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, SiblingKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                    sibling.put(), nullptr),
                  ERROR_SUCCESS);
    }
    FrmAntispy& page = Page();
    page.txtAlexa.SetText(L"Extension removed.");
    bool goneFirst = false;
    seam.whileMessageShown = [&] { goneFirst = !KeyExists(HKEY_LOCAL_MACHINE, ExtensionKey); };

    Click(page.cmdAlexaspyWegm.Hwnd());

    EXPECT_TRUE(goneFirst);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, ExtensionsKey));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, SiblingKey));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Extension removed.");
    EXPECT_EQ(seam.messages[0].style, 64u);
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
    ExpectValues({});
}

TEST_F(AntispyTest, ExtensionButtonShowsItsMessageWhenTheKeyIsAbsent)
{
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, ExtensionKey));
    FrmAntispy& page = Page();
    page.txtAlexa.SetText(L"Extension removed.");

    Click(page.cmdAlexaspyWegm.Hwnd());
    Click(page.cmdAlexaspyWegm.Hwnd());

    ASSERT_EQ(seam.messages.size(), 2u);
    for (const auto& message : seam.messages) {
        EXPECT_EQ(message.text, L"Extension removed.");
        EXPECT_EQ(message.style, 64u);
        EXPECT_EQ(message.title, L"Brevantor");
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, ExtensionKey));
}

TEST_F(AntispyTest, ExtensionButtonShowsItsMessageWhenTheKeyCannotGo)
{
    // A subkey keeps the key on the NT family; the message shows all the same.
    {
        win::unique_hkey key;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(ExtensionKey) + L"\\Inner").c_str(), 0, nullptr,
                                    0, KEY_SET_VALUE, nullptr, key.put(), nullptr),
                  ERROR_SUCCESS);
    }
    FrmAntispy& page = Page();
    page.txtAlexa.SetText(L"Extension removed.");
    Click(page.cmdAlexaspyWegm.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Extension removed.");
}

// --- The page as the language pass and the main window see it ---

RECT PlaceInParent(HWND hwnd)
{
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(AntispyTest, ControlsCarryTheirStringNumbers)
{
    FrmAntispy& page = Page();
    const std::vector<std::pair<const ui::Control*, const wchar_t*>> tags{
        {&page.chkTime, L"1560"},         {&page.chkUpdates, L"1570"},     {&page.chkUeberpruefung, L"1580"},
        {&page.chkRemote, L"1590"},       {&page.chkFehler, L"1630"},      {&page.cmdEmAnti, L"1640"},
        {&page.cmdAlexaspyWegm, L"1650"}, {&page.txtAlexa, L"1660"},       {&page.txtEm, L"1670"},
    };
    for (const auto& [control, tag] : tags) {
        EXPECT_EQ(control->Tag, tag) << std::string(control->Name().begin(), control->Name().end());
        // Every translated control is in the form's list, where the language pass looks.
        EXPECT_NE(std::find(page.Controls().begin(), page.Controls().end(), control), page.Controls().end());
    }
    for (const NamedBox& box : Boxes)
        EXPECT_EQ((page.*box.box).TypeName(), L"sevCheck") << box.name;

    // The title is built in and never translated.
    EXPECT_EQ(page.fraTitle.Caption(), L"Antispy");
    EXPECT_EQ(page.fraTitle.Tag, L"");
    EXPECT_FALSE(page.txtAlexa.Visible());
    EXPECT_FALSE(page.txtEm.Visible());
    EXPECT_EQ(page.txtAlexa.Text(), L"");
    EXPECT_EQ(page.txtEm.Text(), L"");
}

TEST_F(AntispyTest, LayoutFitsThePageWithoutOverlaps)
{
    FrmAntispy& page = Page();
    EXPECT_EQ(::GetParent(page.fraAntispy.Hwnd()), page.Hwnd());
    RECT pageRect;
    ::GetClientRect(page.fraAntispy.Hwnd(), &pageRect);
    EXPECT_EQ(pageRect.right, ui::Form::ToPixels(6015));
    EXPECT_EQ(pageRect.bottom, ui::Form::ToPixels(5775));

    ASSERT_TRUE(page.picLogo.Picture());
    EXPECT_EQ(page.picLogo.Picture()->Size().cx, 118);
    EXPECT_EQ(page.picLogo.Picture()->Size().cy, 53);
    ASSERT_TRUE(page.picDecor.Picture());
    EXPECT_EQ(page.picDecor.Picture()->Size().cx, 96);

    // The logo and the frame sit side by side on the page frame.
    const RECT logo = PlaceInParent(page.picLogo.Hwnd());
    const RECT frame = PlaceInParent(page.fraTitle.Hwnd());
    EXPECT_EQ(::GetParent(page.picLogo.Hwnd()), page.fraAntispy.Hwnd());
    EXPECT_EQ(::GetParent(page.fraTitle.Hwnd()), page.fraAntispy.Hwnd());
    RECT overlap;
    EXPECT_FALSE(::IntersectRect(&overlap, &logo, &frame));
    for (const RECT& r : {logo, frame}) {
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, pageRect.right);
        EXPECT_LE(r.bottom, pageRect.bottom);
    }

    // Inside the frame, the boxes, the buttons and the picture neither leave it nor cover each other.
    const std::vector<const ui::Control*> inner{&page.picDecor,  &page.chkTime,   &page.chkUpdates,
                                                &page.chkUeberpruefung, &page.chkRemote, &page.chkFehler,
                                                &page.cmdEmAnti, &page.cmdAlexaspyWegm};
    RECT frameClient;
    ::GetClientRect(page.fraTitle.Hwnd(), &frameClient);
    for (size_t i = 0; i < inner.size(); ++i) {
        const std::string name(inner[i]->Name().begin(), inner[i]->Name().end());
        ASSERT_EQ(::GetParent(inner[i]->Hwnd()), page.fraTitle.Hwnd()) << name;
        EXPECT_TRUE(inner[i]->Visible()) << name;
        const RECT a = PlaceInParent(inner[i]->Hwnd());
        EXPECT_GE(a.left, 0) << name;
        EXPECT_GE(a.top, 0) << name;
        EXPECT_LE(a.right, frameClient.right) << name;
        EXPECT_LE(a.bottom, frameClient.bottom) << name;
        for (size_t j = i + 1; j < inner.size(); ++j) {
            const RECT b = PlaceInParent(inner[j]->Hwnd());
            EXPECT_FALSE(::IntersectRect(&overlap, &a, &b))
                << name << " covers " << std::string(inner[j]->Name().begin(), inner[j]->Name().end());
        }
    }
}

} // namespace
