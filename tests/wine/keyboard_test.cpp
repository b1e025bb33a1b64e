// The program without a mouse: keys go through the program's own event loop to
// the pages shown in the main window, as a user types them.
#include "pages/system/frmHDDCLean.h"
#include "pages/system/frmMonitor.h"
#include "pages/system/frmSysRes.h"
#include "pages/tweaks/frmBoot.h"
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
            backwards ? TypeShiftTab() : Type(VK_TAB);
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

// The names of the controls behind the windows, for messages a reader can follow.
std::vector<std::wstring> Names(const std::vector<HWND>& handles)
{
    std::vector<std::wstring> names;
    for (HWND hwnd : handles) {
        const auto* control = dynamic_cast<const ui::Control*>(ui::Window::FromHandle(hwnd));
        names.push_back(control ? control->Name() : L"?");
    }
    return names;
}

std::ptrdiff_t Place(const std::vector<HWND>& round, const ui::Control& control)
{
    return std::find(round.begin(), round.end(), control.Hwnd()) - round.begin();
}

TEST_F(KeyboardTest, MainWindowSectionsAndMenuPicturesWorkByKeysAndHandTheFocusToTheirPage)
{
    FrmMain& main = Main();
    ::SetFocus(main.Hwnd());
    Type(VK_TAB);
    EXPECT_EQ(::GetFocus(), main.picMin.Hwnd()) << "the window's own buttons come first";
    EXPECT_EQ(WindowText(main.picMin.Hwnd()), L"Minimise");

    // A page opened, by key or click, takes the focus for its first control.
    ASSERT_TRUE(TabTo(main.lblSystem));
    Type(VK_RETURN);
    ASSERT_EQ(::GetWindow(main.picContainerMain.Hwnd(), GW_CHILD), frmSystemOption->fraSystem.Hwnd());
    ASSERT_EQ(::GetFocus(), frmSystemOption->picCleaner.Hwnd());
    EXPECT_EQ(WindowText(frmSystemOption->picCleaner.Hwnd()), L"Disk cleaner");
    EXPECT_TRUE(frmSystemOption->picCleaner.Focused());
    Type(VK_SPACE);
    EXPECT_EQ(::GetWindow(main.picContainerMain.Hwnd(), GW_CHILD), frmHDDCLean->fraHDDClean.Hwnd());
    EXPECT_EQ(::GetFocus(), frmHDDCLean->chkShowDialog.Hwnd());
    Type(VK_TAB);
    EXPECT_EQ(::GetFocus(), frmHDDCLean->cmdSucheStarten.Hwnd()) << "Tab goes on over the page";

    ::SetFocus(main.lblWinTweaks.Hwnd());
    Type(VK_SPACE);
    ASSERT_EQ(::GetFocus(), frmTweaksOption->picBoot.Hwnd());
    Type(VK_RETURN);
    EXPECT_EQ(::GetFocus(), frmBoot->chkSysCrash.Hwnd());
    testing_support::Click(main.lblUtilities.Hwnd());
    EXPECT_EQ(::GetFocus(), frmUtilitiesOption->picPassg.Hwnd());
}

TEST_F(KeyboardTest, MainWindowTabsThroughTitleBarLogoSectionsPageAndFooterAndShiftTabBack)
{
    FrmMain& main = Main();
    ui::ShowPage(frmTweaksOption->fraTweaks);
    ui::ShowPage(frmSystemOption->fraSystem);
    const std::vector<std::wstring> order{
        L"picMin", L"picSchliessen", L"picQorLogoKlein",
        L"lblSystem", L"lblWinTweaks", L"lblUtilities", L"lblInternetTweaks", L"lblHelpUpdate",
        L"picCleaner", L"picCache", L"picRam", L"picOverview", L"picStatus",
        L"lblHP",
    };
    ::SetFocus(main.Hwnd());
    Type(VK_TAB);
    EXPECT_EQ(Names(TabRound()), order);

    std::vector<std::wstring> backwards{order.front()};
    backwards.insert(backwards.end(), order.rbegin(), order.rend() - 1);
    EXPECT_EQ(Names(TabRound(true)), backwards);
}

// What a test does inside the modal loop of a box, once the box shows.
struct ModalVisit {
    std::function<ui::Form*()> box;  // the box while it is loaded
    std::function<void()> visit;
};

ModalVisit* currentVisit = nullptr;

void CALLBACK VisitModalBox(HWND, UINT, UINT_PTR id, DWORD)
{
    ui::Form* box = currentVisit->box();
    if (!box || !box->Visible())
        return;
    ::KillTimer(nullptr, id);
    currentVisit->visit();
    // Never leave the test stuck in the modal loop.
    if (ui::Form* stillOpen = currentVisit->box())
        stillOpen->Unload();
}

TEST_F(KeyboardTest, ModalBoxesTakeEnterAndEscAsSoonAsTheyOpen)
{
    struct Case {
        const char* name;
        std::function<HWND()> opener;  // pressed with Enter
        std::function<ui::Form*()> box;
        const wchar_t* focusAtOpen;
        WPARAM key;
        bool closes;
        size_t messages;
    };
    const auto logo = [] { return frmMain->picQorLogoKlein.Hwnd(); };
    const auto aboutBox = []() -> ui::Form* { return frmUeberBox.IsLoaded() ? &frmUeberBox() : nullptr; };
    const auto languagePicture = [] {
        ui::ShowPage(frmHelpUpdates->fraHelpUpdates);
        return frmHelpUpdates->picLang.Hwnd();
    };
    const auto languageBox = []() -> ui::Form* { return frmLang.IsLoaded() ? &frmLang() : nullptr; };
    const Case cases[] = {
        {"about box, Enter", logo, aboutBox, L"Command1", VK_RETURN, true, 0},
        {"about box, Esc", logo, aboutBox, L"Command1", VK_ESCAPE, true, 0},
        // Apply without a language chosen asks for one.
        {"language, Enter", languagePicture, languageBox, L"lstLanguages", VK_RETURN, false, 1},
        {"language, Esc", languagePicture, languageBox, L"lstLanguages", VK_ESCAPE, true, 0},
    };
    Main();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seam.messages.clear();
        std::wstring focusAtOpen;
        bool leftOpen = false;
        ModalVisit visit{c.box, [&] {
                             focusAtOpen = Names({::GetFocus()}).front();
                             Type(c.key);
                             leftOpen = c.box() != nullptr;
                         }};
        currentVisit = &visit;
        ::SetFocus(c.opener());
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &VisitModalBox);
        Type(VK_RETURN);
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(focusAtOpen, c.focusAtOpen);
        EXPECT_EQ(leftOpen, !c.closes);
        EXPECT_EQ(seam.messages.size(), c.messages);
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
