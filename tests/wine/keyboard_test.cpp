// The program without a mouse: keys go through the program's own event loop to
// the pages shown in the main window, as a user types them.
#include "pages/system/frmHDDCLean.h"
#include "pages/tweaks/frmBoot.h"
#include "pages/system/frmMonitor.h"
#include "pages/system/frmSysRes.h"
#include "pages/tweaks/frmInternet.h"
#include "pages/tweaks/frmInternet2.h"
#include "pages/utilities/frmShredder.h"
#include "shell/PageForm.h"
#include "shell/frmHelpUpdates.h"
#include "shell/frmLang.h"
#include "shell/frmMain.h"
#include "shell/frmSystemOption.h"
#include "shell/frmTweaksOption.h"
#include "shell/frmUeberBox.h"
#include "shell/frmUtilitiesOption.h"

#include "tests/wine/support/TestSupport.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A key pressed and let go on the focused window; the event loop hands it out.
void Type(WPARAM key)
{
    const HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, key, 1);
    ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    ui::DoEvents();
}

// Shift+Tab: the shift key is down for the program while the Tab is handled.
void TypeShiftTab()
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    Type(VK_TAB);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
}

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[256] = L"";
    ::GetWindowTextW(hwnd, text, 256);
    return text;
}

class KeyboardTest : public testing_support::FormTest {
protected:
    FrmMain& Main()
    {
        FrmMain& main = frmMain();
        main.Show();
        return main;
    }

    // Tabs (or Shift+Tabs) from the focus once round the main window, until the focus comes back.
    std::vector<HWND> TabRound(bool backwards = false)
    {
        std::vector<HWND> visited{::GetFocus()};
        for (int i = 0; i < 200; ++i) {
            if (backwards)
                TypeShiftTab();
            else
                Type(VK_TAB);
            if (::GetFocus() == visited.front())
                return visited;
            visited.push_back(::GetFocus());
        }
        ADD_FAILURE() << "Tab never came back";
        return visited;
    }

    // Tabs until the control has the focus; false when a round misses it.
    bool TabTo(const ui::Control& control)
    {
        for (int i = 0; i < 200 && ::GetFocus() != control.Hwnd(); ++i)
            Type(VK_TAB);
        return ::GetFocus() == control.Hwnd();
    }
};

std::vector<HWND> Handles(std::initializer_list<const ui::Control*> controls)
{
    std::vector<HWND> handles;
    for (const ui::Control* control : controls)
        handles.push_back(control->Hwnd());
    return handles;
}

// The name of the control behind a window, for messages a reader can follow.
std::wstring NameOf(HWND hwnd)
{
    const auto* control = dynamic_cast<const ui::Control*>(ui::Window::FromHandle(hwnd));
    return control ? control->Name() : L"?";
}

std::vector<std::wstring> Names(const std::vector<HWND>& handles)
{
    std::vector<std::wstring> names;
    for (HWND hwnd : handles)
        names.push_back(NameOf(hwnd));
    return names;
}

std::ptrdiff_t Place(const std::vector<HWND>& round, const ui::Control& control)
{
    return std::find(round.begin(), round.end(), control.Hwnd()) - round.begin();
}

TEST_F(KeyboardTest, MainWindowSectionsAndMenuPicturesWorkByKeys)
{
    FrmMain& main = Main();
    ::SetFocus(main.Hwnd());
    Type(VK_TAB);
    EXPECT_EQ(::GetFocus(), main.picMin.Hwnd()) << "the window's own buttons come first";
    EXPECT_EQ(WindowText(main.picMin.Hwnd()), L"Minimise");

    ASSERT_TRUE(TabTo(main.lblSystem));
    Type(VK_RETURN);
    ASSERT_EQ(::GetWindow(main.picContainerMain.Hwnd(), GW_CHILD), frmSystemOption->fraSystem.Hwnd());

    ASSERT_TRUE(TabTo(frmSystemOption->picCleaner));
    EXPECT_EQ(WindowText(frmSystemOption->picCleaner.Hwnd()), L"Disk cleaner");
    EXPECT_TRUE(frmSystemOption->picCleaner.Focused());
    Type(VK_SPACE);
    EXPECT_EQ(::GetWindow(main.picContainerMain.Hwnd(), GW_CHILD), frmHDDCLean->fraHDDClean.Hwnd());
    // The focus left on the page beneath goes on to a control in sight.
    Type(VK_TAB);
    EXPECT_FALSE(::IsChild(frmSystemOption->fraSystem.Hwnd(), ::GetFocus()));
    EXPECT_TRUE(::IsWindowVisible(::GetFocus()));
}

TEST_F(KeyboardTest, MainWindowTabsThroughTitleBarLogoSectionsPageAndFooterAndShiftTabBack)
{
    FrmMain& main = Main();
    ui::ShowPage(frmTweaksOption->fraTweaks);
    ui::ShowPage(frmSystemOption->fraSystem);
    const FrmSystemOption& page = frmSystemOption();
    const std::vector<HWND> order = Handles({
        &main.picMin, &main.picSchliessen, &main.picQorLogoKlein,
        &main.lblSystem, &main.lblWinTweaks, &main.lblUtilities, &main.lblInternetTweaks, &main.lblHelpUpdate,
        &page.picCleaner, &page.picCache, &page.picRam, &page.picOverview, &page.picStatus,
        &main.lblHP,
    });

    ::SetFocus(main.Hwnd());
    Type(VK_TAB);
    EXPECT_EQ(Names(TabRound()), Names(order));

    std::vector<HWND> backwards{order.front()};
    backwards.insert(backwards.end(), order.rbegin(), order.rend() - 1);
    EXPECT_EQ(Names(TabRound(true)), Names(backwards));
}

// A control of a form, reached only when its row runs: touching a form loads it.
#define CONTROL_OF(form, control) []() -> ui::MouseControl& { return form->control; }

// A section entry or a menu tile that opens a page, and the page's first two controls.
struct Opening {
    const char* name;
    std::function<void()> showMenu;  // none for a section entry
    std::function<ui::MouseControl&()> opener;
    WPARAM key;  // 0: a click
    std::function<ui::MouseControl&()> first;
    std::function<ui::MouseControl&()> second;
};

TEST_F(KeyboardTest, APageOpenedFromTheMainWindowTakesTheFocusForItsFirstControl)
{
    const std::vector<Opening> openings{
        {"section by Enter", nullptr, CONTROL_OF(frmMain, lblSystem), VK_RETURN,
         CONTROL_OF(frmSystemOption, picCleaner), CONTROL_OF(frmSystemOption, picCache)},
        {"section by Space", nullptr, CONTROL_OF(frmMain, lblWinTweaks), VK_SPACE,
         CONTROL_OF(frmTweaksOption, picBoot), CONTROL_OF(frmTweaksOption, picCustomization)},
        {"section by click", nullptr, CONTROL_OF(frmMain, lblUtilities), 0,
         CONTROL_OF(frmUtilitiesOption, picPassg), CONTROL_OF(frmUtilitiesOption, picSplitter)},
        {"tile by Enter", [] { ui::ShowPage(frmSystemOption->fraSystem); }, CONTROL_OF(frmSystemOption, picCleaner),
         VK_RETURN, CONTROL_OF(frmHDDCLean, chkShowDialog), CONTROL_OF(frmHDDCLean, cmdSucheStarten)},
        {"tile by Space", [] { ui::ShowPage(frmTweaksOption->fraTweaks); }, CONTROL_OF(frmTweaksOption, picBoot),
         VK_SPACE, CONTROL_OF(frmBoot, chkSysCrash), CONTROL_OF(frmBoot, chkAuslagaFile)},
    };
    Main();
    for (const Opening& opening : openings) {
        SCOPED_TRACE(opening.name);
        if (opening.showMenu)
            opening.showMenu();
        ui::MouseControl& opener = opening.opener();
        ::SetFocus(opener.Hwnd());
        if (opening.key)
            Type(opening.key);
        else
            testing_support::Click(opener.Hwnd());
        EXPECT_EQ(::GetFocus(), opening.first().Hwnd());
        Type(VK_TAB);
        EXPECT_EQ(::GetFocus(), opening.second().Hwnd()) << "Tab goes on over the page";
    }
}

// A key typed into a modal box from inside its modal loop, as soon as the box holds the focus.
struct ModalVisit {
    std::function<ui::Form*()> box;  // the box while it is loaded
    WPARAM key = 0;
    std::wstring focusAtOpen;
    bool typed = false;
    bool leftOpen = false;
    DWORD deadline = ::GetTickCount() + 20000;
};

ModalVisit* currentVisit = nullptr;

void CALLBACK TypeIntoModalBox(HWND, UINT, UINT_PTR id, DWORD)
{
    ModalVisit& visit = *currentVisit;
    ui::Form* box = visit.box();
    if (!visit.typed) {
        const HWND focus = ::GetFocus();
        if (box && box->Visible() && focus && ::GetAncestor(focus, GA_ROOT) == box->Hwnd()) {
            visit.focusAtOpen = NameOf(focus);
            ::PostMessageW(focus, WM_KEYDOWN, visit.key, 1);
            ::PostMessageW(focus, WM_KEYUP, visit.key, 0xC0000001);
            visit.typed = true;
            return;
        }
        if (static_cast<LONG>(::GetTickCount() - visit.deadline) < 0)
            return;
        ADD_FAILURE() << "the box never took the focus";
    }
    // Timers come when nothing else waits: the key has been handled by now.
    ::KillTimer(nullptr, id);
    visit.leftOpen = box != nullptr;
    // Never leave the test stuck in the modal loop.
    if (box)
        box->Unload();
}

// A key typed into a modal box right after it opened from a control of the main window.
struct ModalKey {
    const char* name;
    std::function<void()> showMenu;
    std::function<ui::MouseControl&()> opener;
    std::function<ui::Form*()> box;
    const wchar_t* focusAtOpen;
    WPARAM key;
    bool closes;
    const wchar_t* message;  // the message the key brings up, if any
};

TEST_F(KeyboardTest, ModalBoxesTakeEnterForTheirDefaultButtonAndEscForCancelAsSoonAsTheyOpen)
{
    const auto aboutBox = []() -> ui::Form* { return frmUeberBox.IsLoaded() ? &frmUeberBox() : nullptr; };
    const auto languageBox = []() -> ui::Form* { return frmLang.IsLoaded() ? &frmLang() : nullptr; };
    const auto showHelp = [] { ui::ShowPage(frmHelpUpdates->fraHelpUpdates); };
    const std::vector<ModalKey> cases{
        {"about box, Enter", nullptr, CONTROL_OF(frmMain, picQorLogoKlein), aboutBox, L"Command1", VK_RETURN, true, nullptr},
        {"about box, Esc", nullptr, CONTROL_OF(frmMain, picQorLogoKlein), aboutBox, L"Command1", VK_ESCAPE, true, nullptr},
        {"language, Enter applies", showHelp, CONTROL_OF(frmHelpUpdates, picLang), languageBox, L"lstLanguages",
         VK_RETURN, false, L"Please select a Language!"},
        {"language, Esc cancels", showHelp, CONTROL_OF(frmHelpUpdates, picLang), languageBox, L"lstLanguages",
         VK_ESCAPE, true, nullptr},
    };
    Main();
    for (const ModalKey& c : cases) {
        SCOPED_TRACE(c.name);
        seam.messages.clear();
        if (c.showMenu)
            c.showMenu();
        ::SetFocus(c.opener().Hwnd());
        ModalVisit visit;
        visit.box = c.box;
        visit.key = c.key;
        currentVisit = &visit;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &TypeIntoModalBox);
        Type(VK_RETURN);
        ::KillTimer(nullptr, timer);
        currentVisit = nullptr;

        ASSERT_TRUE(visit.typed);
        EXPECT_EQ(visit.focusAtOpen, c.focusAtOpen);
        EXPECT_EQ(visit.leftOpen, !c.closes);
        ASSERT_EQ(seam.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(seam.messages[0].text, c.message);
        }
        EXPECT_TRUE(::IsWindowEnabled(frmMain->Hwnd()));
    }
}

TEST_F(KeyboardTest, TweakPageTabsInReadingOrderOnlyOverThePageShownAndKeepsTyping)
{
    FrmMain& main = Main();
    ui::ShowPage(frmInternet->fraInternet);
    ui::ShowPage(frmInternet2->fraInternet2);
    FrmInternet2& page = frmInternet2();

    ::SetFocus(page.txtIETitel.Hwnd());
    Type('A');
    Type('B');
    EXPECT_EQ(page.txtIETitel.Text(), L"ab");
    EXPECT_TRUE(page.cmdUeberTitel.Enabled());

    const std::vector<HWND> round = TabRound();
    for (HWND hwnd : round) {
        EXPECT_FALSE(::IsChild(frmInternet->fraInternet.Hwnd(), hwnd)) << "a control of the page beneath";
        EXPECT_EQ(::GetAncestor(hwnd, GA_ROOT), main.Hwnd());
    }
    EXPECT_LT(Place(round, page.txtIETitel), Place(round, page.cmdUeberTitel));
    EXPECT_LT(Place(round, page.cmdUeberTitel), Place(round, page.TextToolSkin));
    EXPECT_EQ(Place(round, page.TextToolSkin) + 1, Place(round, page.cmdOpenToolSkin))
        << "the open button follows its box";
    EXPECT_LT(Place(round, page.cmdOpenToolSkin), static_cast<std::ptrdiff_t>(round.size()));
    EXPECT_LT(Place(round, main.lblSystem), static_cast<std::ptrdiff_t>(round.size()));

    ASSERT_TRUE(TabTo(page.cmdOpenToolSkin));
    EXPECT_EQ(WindowText(page.cmdOpenToolSkin.Hwnd()), L"Open");
    seam.dialogAnswers.push_back(L"C:\\toolbar.bmp");
    Type(VK_RETURN);
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(page.TextToolSkin.Text(), L"C:\\toolbar.bmp");
}

TEST_F(KeyboardTest, StatusPageMonitorButtonTogglesTheMonitorBySpace)
{
    Main();
    ui::ShowPage(frmSysRes->fraRessourcen);
    FrmSysRes& page = frmSysRes();
    ASSERT_TRUE(TabTo(page.cmdStartcpuMoni));
    EXPECT_EQ(WindowText(page.cmdStartcpuMoni.Hwnd()), L"Enable/Disable CPU-Monitoring");

    Type(VK_SPACE);
    ASSERT_TRUE(frmMonitor.IsLoaded());
    EXPECT_TRUE(frmMonitor->Visible());
    ::SetFocus(page.cmdStartcpuMoni.Hwnd());
    Type(VK_SPACE);
    EXPECT_FALSE(frmMonitor.IsLoaded());
}

TEST_F(KeyboardTest, ShredderOpenButtonFollowsItsBoxAndChoosesAFileByEnter)
{
    Main();
    ui::ShowPage(frmShredder->fraShredder);
    FrmShredder& page = frmShredder();
    ::SetFocus(page.txtSchredderDir.Hwnd());
    Type(VK_TAB);
    ASSERT_EQ(::GetFocus(), page.cmdOpen.Hwnd());
    EXPECT_EQ(WindowText(page.cmdOpen.Hwnd()), L"Open");
    EXPECT_TRUE(page.cmdOpen.Focused());

    seam.dialogAnswers.push_back(L"C:\\secret.txt");
    Type(VK_RETURN);
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(page.txtSchredderDir.Text(), L"C:\\secret.txt");

    Type(VK_TAB);
    EXPECT_EQ(::GetFocus(), page.cmdSchredderIt.Hwnd());
    EXPECT_FALSE(page.cmdOpen.Focused());
}

} // namespace
