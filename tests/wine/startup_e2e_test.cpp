// The real brvt.exe from the install layout, started the way a user starts it:
// the first start with its language choice, a later start through the loading
// screen, and a stored language whose file has gone or that names no file of
// its own.
#include "shell/Registry.h"
#include "tests/wine/support/RunningProgram.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {


std::wstring StoredLanguage()
{
    return Registry::GetString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L"<none>");
}

struct ChildSearch {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM context)
{
    auto& search = *reinterpret_cast<ChildSearch*>(context);
    wchar_t name[64] = L"";
    ::GetClassNameW(hwnd, name, 64);
    if (::lstrcmpiW(name, search.className) == 0)
        search.found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent, const wchar_t* className)
{
    ChildSearch search{className, {}};
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ListEntry(HWND list, int index)
{
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The section label "System": it sits at 600, 1845 twips in the left panel, which
// starts 460 twips down the main window.
HWND SystemSectionLabel(HWND main)
{
    POINT expected{600 / 15, (460 + 1845) / 15};
    for (const HWND label : Descendants(main, L"BrvtLabel")) {
        RECT place;
        ::GetWindowRect(label, &place);
        ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
        if (std::abs(place.left - expected.x) <= 1 && std::abs(place.top - expected.y) <= 1)
            return label;
    }
    return nullptr;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"lngfile"); }
    void TearDown() override { Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"lngfile"); }
};

TEST_F(StartupTest, FirstStartAsksForALanguageAndTheNextStartGoesStraightThrough)
{
    std::wstring chosen;
    {
        Program program;
        ASSERT_TRUE(program.Started());
        const HWND dialog = WaitFor([] { return VisibleWindow(L"BrvtForm", DialogCaption); });
        ASSERT_NE(dialog, nullptr) << "no language dialog";
        EXPECT_EQ(::FindWindowW(L"BrvtForm", L"Brevantor"), nullptr) << "the main window waits for the choice";

        const std::vector<HWND> lists = Descendants(dialog, L"ListBox");
        ASSERT_EQ(lists.size(), 1u);
        const HWND list = lists[0];
        ASSERT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 2) << "the two shipped languages";
        const int entry = 1;
        chosen = ListEntry(list, entry);
        EXPECT_TRUE(chosen == L"English" || chosen == L"Deutsch") << std::string(chosen.begin(), chosen.end());

        // A click on the entry, then one on Apply.
        const LRESULT height = ::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
        const LRESULT top = ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        RECT client;
        ::GetClientRect(list, &client);
        POINT atEntry{client.right / 2, static_cast<LONG>((entry - top) * height + height / 2)};
        ::ClientToScreen(list, &atEntry);
        // A window that has only just appeared may miss a click while it becomes active.
        bool selected = false;
        for (int attempt = 0; attempt < 5 && !selected; ++attempt) {
            ::SetForegroundWindow(dialog);
            ClickAtScreen(atEntry);
            selected = WaitUntil([list] { return ::SendMessageW(list, LB_GETCURSEL, 0, 0) == entry; }, 1000);
        }
        ASSERT_TRUE(selected) << "the click on the entry selected nothing";
        ClickAtScreen(ScreenPointOf(dialog, 120 + 1575 / 2, 1800 + 375 / 2));

        const HWND main = WaitFor(MainWindowAfterThePass);
        ASSERT_NE(main, nullptr) << "no main window after Apply, or the dialog is still there";
        EXPECT_EQ(StoredLanguage(), chosen);

        // The label was designed as "." and sizes itself to its text.
        const HWND label = SystemSectionLabel(main);
        ASSERT_NE(label, nullptr);
        RECT place;
        ::GetWindowRect(label, &place);
        EXPECT_GE(place.right - place.left, 30) << "the section label did not get its text";

        CloseThroughTheClosePicture(program, main);
    }
    {
        Program program;
        ASSERT_TRUE(program.Started());
        bool asked = false;
        const HWND main = WaitFor([&asked] {
            asked = asked || VisibleWindow(L"BrvtForm", DialogCaption) != nullptr;
            return MainWindowAfterThePass();
        });
        ASSERT_NE(main, nullptr) << "no main window on the second start, or the loading screen stays";
        EXPECT_FALSE(asked) << "the second start asked for a language again";
        EXPECT_EQ(StoredLanguage(), chosen);
        CloseThroughTheClosePicture(program, main);
    }
}

// Starts the program with the language stored, which has no file of its own.
void ExpectTheMessageAndTheEnd(const std::wstring& language)
{
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", language);
    Program program;
    ASSERT_TRUE(program.Started());
    const HWND box = WaitFor([] { return VisibleWindow(L"#32770", L"Errore While Loading"); });
    ASSERT_NE(box, nullptr) << "no message about the missing file";
    wchar_t text[256] = L"";
    ::GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_EQ(std::wstring(text).rfind(L"File Not Found.", 0), 0u) << std::string(text, text + ::lstrlenW(text));
    EXPECT_EQ(VisibleWindow(L"BrvtForm", L"Brevantor"), nullptr) << "the main window is not shown";

    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForEnd(exitCode)) << "the program did not end";
    EXPECT_NE(exitCode, 0u);
    EXPECT_EQ(StoredLanguage(), language);
}

TEST_F(StartupTest, AStoredLanguageWithoutItsFileEndsTheProgramAfterTheMessage)
{
    // A device or a path counts as missing: COM1 would keep the loading screen
    // waiting for the port, NUL would read as a file without texts.
    for (const wchar_t* language : {L"Missing", L"com1", L"nul", L"C:\\x"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(language)));
        ExpectTheMessageAndTheEnd(language);
    }
}

} // namespace
