// The section menu pages, the Help & updates page and the about box, driven
// through their pictures and buttons as a user clicks them.
#include "pages/system/frmHDDCLean.h"
#include "pages/system/frmRamCleaner.h"
#include "pages/system/frmSysInfos.h"
#include "pages/system/frmSysRes.h"
#include "pages/tweaks/frmAntispy.h"
#include "pages/tweaks/frmBoot.h"
#include "pages/tweaks/frmCache.h"
#include "pages/tweaks/frmDesign.h"
#include "pages/tweaks/frmGeneral.h"
#include "pages/utilities/frmFileSplitter.h"
#include "pages/utilities/frmHide.h"
#include "pages/utilities/frmLupe.h"
#include "pages/utilities/frmPassGen.h"
#include "pages/utilities/frmShredder.h"
#include "pages/utilities/frmUhrzeit.h"
#include "pages/utilities/frmUtilities.h"
#include "pages/utilities/frmVDrives.h"
#include "shell/Artwork.h"
#include "shell/PageForm.h"
#include "shell/frmHelpUpdates.h"
#include "shell/frmMain.h"
#include "shell/frmSystemOption.h"
#include "shell/frmTweaksOption.h"
#include "shell/frmUeberBox.h"
#include "shell/frmUtilitiesOption.h"
#include "shell/frmUtilitiesOption2.h"
#include "ui/core/Product.h"

#include "tests/wine/support/TestSupport.h"

#include <functional>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

// True when the page frame lies in the main window's container, above everything else there.
::testing::AssertionResult IsShownOnTop(const ui::Control& pageFrame)
{
    const HWND container = frmMain->picContainerMain.Hwnd();
    if (!pageFrame.Hwnd())
        return ::testing::AssertionFailure() << pageFrame.Name() << " has no window";
    if (::GetParent(pageFrame.Hwnd()) != container)
        return ::testing::AssertionFailure() << pageFrame.Name() << " is not in the container";
    if (::GetWindow(container, GW_CHILD) != pageFrame.Hwnd())
        return ::testing::AssertionFailure() << pageFrame.Name() << " is in the container but not on top";
    return ::testing::AssertionSuccess();
}

class MenuPagesTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        frmMain->Show();
    }
};

// One picture of a menu page and the page frame it must bring up. The forms
// are reached only when the walk gets to them, so a click may load its page.
struct Navigation {
    const char* name;
    std::function<MenuPage&()> menu;
    std::function<ui::Control&()> menuFrame;
    std::function<ui::PictureBox&()> picture;
    std::function<ui::Control&()> target;
};

#define NAVIGATION(menuForm, menuFrame, picture, pageForm, pageFrame)                                   \
    Navigation{#menuForm "." #picture, []() -> MenuPage& { return menuForm(); },                       \
               []() -> ui::Control& { return menuForm->menuFrame; },                                  \
               []() -> ui::PictureBox& { return menuForm->picture; },                                 \
               []() -> ui::Control& { return pageForm->pageFrame; }}

const std::vector<Navigation>& Navigations()
{
    static const std::vector<Navigation> table = {
        NAVIGATION(frmSystemOption, fraSystem, picCleaner, frmHDDCLean, fraHDDClean),
        NAVIGATION(frmSystemOption, fraSystem, picCache, frmCache, fraCache),
        NAVIGATION(frmSystemOption, fraSystem, picRam, frmRamCleaner, fraRam),
        NAVIGATION(frmSystemOption, fraSystem, picOverview, frmSysInfos, fraInfos),
        NAVIGATION(frmSystemOption, fraSystem, picStatus, frmSysRes, fraRessourcen),
        NAVIGATION(frmTweaksOption, fraTweaks, picBoot, frmBoot, fraDesign),
        NAVIGATION(frmTweaksOption, fraTweaks, picCustomization, frmDesign, fraDesign),
        NAVIGATION(frmTweaksOption, fraTweaks, picGeneral, frmGeneral, fraDesign),
        NAVIGATION(frmTweaksOption, fraTweaks, picAntispy, frmAntispy, fraAntispy),
        NAVIGATION(frmUtilitiesOption, fraSystem, picPassg, frmPassGen, fraPass),
        NAVIGATION(frmUtilitiesOption, fraSystem, picSplitter, frmFileSplitter, fraSplitter),
        NAVIGATION(frmUtilitiesOption, fraSystem, picShredder, frmShredder, fraShredder),
        NAVIGATION(frmUtilitiesOption, fraSystem, picGlass, frmLupe, fraShredder),
        NAVIGATION(frmUtilitiesOption2, fraSystem, picSynch, frmUhrzeit, fraTime),
        NAVIGATION(frmUtilitiesOption2, fraSystem, picVDrive, frmVDrives, fraDrive),
        NAVIGATION(frmUtilitiesOption2, fraSystem, picHider, frmHide, fraHider),
        NAVIGATION(frmUtilitiesOption2, fraSystem, picUtilities, frmUtilities, fraUtilities),
    };
    return table;
}

#undef NAVIGATION

TEST_F(MenuPagesTest, EveryMenuPictureBringsItsPageOnTop)
{
    for (const Navigation& row : Navigations()) {
        SCOPED_TRACE(row.name);
        ui::Control& menuFrame = row.menuFrame();
        ui::ShowPage(menuFrame);
        ASSERT_TRUE(IsShownOnTop(menuFrame));

        ui::PictureBox& picture = row.picture();
        EXPECT_EQ(::GetParent(picture.Hwnd()), row.menu().sevFrame1.Hwnd());
        EXPECT_TRUE(picture.Visible());
        EXPECT_NE(picture.Picture(), nullptr);

        Click(picture.Hwnd());
        EXPECT_TRUE(IsShownOnTop(row.target()));
    }
}

TEST_F(MenuPagesTest, MenuPicturesShowTheLinkCursor)
{
    const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    ::SetCursor(arrow);
    for (const Navigation& row : Navigations()) {
        SCOPED_TRACE(row.name);
        ::SetCursor(arrow);
        ::SendMessageW(row.picture().Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(row.picture().Hwnd()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor(), art::LinkCursor());
    }
}

TEST_F(MenuPagesTest, NextSwapsTheTwoUtilitiesMenuPages)
{
    Click(frmMain->picUtilities.Hwnd());
    ASSERT_TRUE(IsShownOnTop(frmUtilitiesOption->fraSystem));
    const HWND firstPage = frmUtilitiesOption->fraSystem.Hwnd();

    Click(frmUtilitiesOption->cmdNaechste.Hwnd());
    EXPECT_TRUE(IsShownOnTop(frmUtilitiesOption2->fraSystem));

    Click(frmUtilitiesOption2->cmdNaechste.Hwnd());
    EXPECT_TRUE(IsShownOnTop(frmUtilitiesOption->fraSystem));
    // The same page again, not a new load of it.
    EXPECT_EQ(frmUtilitiesOption->fraSystem.Hwnd(), firstPage);
}

TEST_F(MenuPagesTest, MenuPagesShareTheTranslatedTitledFrame)
{
    const std::vector<std::pair<MenuPage*, ui::Control*>> pages = {
        {&frmSystemOption(), &frmSystemOption->fraSystem},
        {&frmTweaksOption(), &frmTweaksOption->fraTweaks},
        {&frmUtilitiesOption(), &frmUtilitiesOption->fraSystem},
        {&frmUtilitiesOption2(), &frmUtilitiesOption2->fraSystem},
        {&frmHelpUpdates(), &frmHelpUpdates->fraHelpUpdates},
    };
    for (const auto& [page, pageFrame] : pages) {
        SCOPED_TRACE(::testing::PrintToString(page->Name()));
        EXPECT_EQ(page->sevFrame1.TypeName(), L"sevFrame");
        EXPECT_EQ(page->sevFrame1.Tag, L"1550");
        EXPECT_EQ(::GetParent(page->sevFrame1.Hwnd()), pageFrame->Hwnd());
        EXPECT_EQ(::GetParent(page->picLogo.Hwnd()), pageFrame->Hwnd());
        EXPECT_NE(page->picLogo.Picture(), nullptr);
    }
    EXPECT_EQ(frmUtilitiesOption->cmdNaechste.Tag, L"1780");
    EXPECT_EQ(frmUtilitiesOption2->cmdNaechste.Tag, L"1720");
}

class HelpUpdatesTest : public MenuPagesTest {
protected:
    FrmHelpUpdates& HelpPage()
    {
        Click(frmMain->picHelpUpdate.Hwnd());
        EXPECT_TRUE(IsShownOnTop(frmHelpUpdates->fraHelpUpdates));
        return frmHelpUpdates();
    }
};

TEST_F(HelpUpdatesTest, SkyvellStartsTheUpdaterBesideTheProgramFolderAndEndsTheProgram)
{
    seam.programFolder = L"C:\\Programs\\Brevantor\\main";
    FrmHelpUpdates& page = HelpPage();
    const HWND owner = page.Hwnd();

    Click(page.picSkyvell.Hwnd());

    ASSERT_EQ(seam.starts.size(), 1u);
    EXPECT_EQ(seam.starts[0].file, L"C:\\Programs\\Brevantor\\Skyvell.exe");
    EXPECT_EQ(seam.starts[0].owner, owner);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_TRUE(ui::FormCollection::Instance().Loaded().empty());
    EXPECT_FALSE(frmMain.IsLoaded());
}

TEST_F(HelpUpdatesTest, SkyvellFromADriveRootStartsTheUpdaterInThatRoot)
{
    seam.programFolder = L"C:\\";
    Click(HelpPage().picSkyvell.Hwnd());

    ASSERT_EQ(seam.starts.size(), 1u);
    EXPECT_EQ(seam.starts[0].file, L"C:\\Skyvell.exe");
    EXPECT_TRUE(ui::FormCollection::Instance().Loaded().empty());
}

TEST_F(HelpUpdatesTest, HelpShowsTheMessageBeforeOpeningTheForum)
{
    FrmHelpUpdates& page = HelpPage();
    const HWND owner = page.Hwnd();
    std::vector<size_t> startsWhileShown;
    seam.whileMessageShown = [&] { startsWhileShown.push_back(seam.starts.size()); };

    Click(page.picHelp.Hwnd());

    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text,
              L"A Helpfile will be created soon! Until it is created, feel free to use our Support-Forum.");
    EXPECT_EQ(seam.messages[0].style, 64u);
    EXPECT_EQ(seam.messages[0].title, L"Brevantor");
    EXPECT_EQ(startsWhileShown, std::vector<size_t>{0});

    ASSERT_EQ(seam.starts.size(), 1u);
    EXPECT_EQ(seam.starts[0].file, product::SupportForumAddress);
    EXPECT_EQ(seam.starts[0].owner, owner);
    // Only the update program ends the program.
    EXPECT_TRUE(frmMain.IsLoaded());
}

// What the timer saw of the about box while its modal loop ran.
struct AboutBoxVisit {
    bool seen = false;
    std::wstring caption;
    RECT window{};
    RECT client{};
    bool mainEnabled = true;
    bool closedByOk = false;
    std::function<void(FrmUeberBox&)> extra;
};

AboutBoxVisit* currentVisit = nullptr;

void CALLBACK VisitAboutBox(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    AboutBoxVisit& visit = *currentVisit;
    if (!frmUeberBox.IsLoaded()) {
        ADD_FAILURE() << "the about box is not loaded while its modal loop runs";
        return;
    }
    FrmUeberBox& box = frmUeberBox();
    visit.seen = true;
    visit.caption = box.Caption();
    ::GetWindowRect(box.Hwnd(), &visit.window);
    ::GetClientRect(box.Hwnd(), &visit.client);
    visit.mainEnabled = ::IsWindowEnabled(frmMain->Hwnd()) != FALSE;
    if (visit.extra)
        visit.extra(box);

    Click(box.Command1.Hwnd());
    visit.closedByOk = !frmUeberBox.IsLoaded();
    // Never leave the test stuck in the modal loop.
    if (!visit.closedByOk)
        box.Unload();
}

// Opens the about box by the main window's small logo, as the user does.
AboutBoxVisit OpenAboutBox(std::function<void(FrmUeberBox&)> extra = nullptr)
{
    AboutBoxVisit visit;
    visit.extra = std::move(extra);
    currentVisit = &visit;
    ::SetTimer(nullptr, 0, 50, &VisitAboutBox);
    Click(frmMain->picQorLogoKlein.Hwnd());
    currentVisit = nullptr;
    return visit;
}

TEST_F(MenuPagesTest, AboutBoxOpensModallyCentredAndOkUnloadsIt)
{
    const AboutBoxVisit visit = OpenAboutBox([](FrmUeberBox& box) {
        const LONG style = ::GetWindowLongW(box.Hwnd(), GWL_STYLE);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_EQ(::GetWindowLongW(box.Hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        EXPECT_NE(::GetWindow(box.Hwnd(), GW_OWNER), nullptr);
        EXPECT_NE(::SendMessageW(box.Hwnd(), WM_GETICON, ICON_BIG, 0), 0);
        // Not translated: the language pass finds no string number on it.
        for (const ui::Control* control : box.Controls())
            EXPECT_TRUE(control->Tag.empty()) << ::testing::PrintToString(control->Name());
        EXPECT_EQ(box.Label2.Caption(), L"Version 4.0");
        EXPECT_EQ(box.Command1.Caption(), L"OK");
    });

    ASSERT_TRUE(visit.seen);
    EXPECT_EQ(visit.caption, L"About Brevantor");
    EXPECT_FALSE(visit.mainEnabled);
    EXPECT_EQ(visit.client.right, ui::Form::ToPixels(5430));
    EXPECT_EQ(visit.client.bottom, ui::Form::ToPixels(4890));
    EXPECT_NEAR((visit.window.left + visit.window.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((visit.window.top + visit.window.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    EXPECT_TRUE(visit.closedByOk);
    EXPECT_FALSE(frmUeberBox.IsLoaded());
    EXPECT_TRUE(::IsWindowEnabled(frmMain->Hwnd()));
    EXPECT_TRUE(frmMain.IsLoaded());
}

TEST_F(MenuPagesTest, AboutBoxOpensFreshEachTime)
{
    const AboutBoxVisit first = OpenAboutBox([](FrmUeberBox& box) {
        box.SetCaption(L"changed");
        ::SetWindowPos(box.Hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    ASSERT_TRUE(first.seen);
    EXPECT_TRUE(first.closedByOk);

    const AboutBoxVisit second = OpenAboutBox();
    ASSERT_TRUE(second.seen);
    EXPECT_EQ(second.caption, L"About Brevantor");
    EXPECT_NEAR((second.window.left + second.window.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_TRUE(second.closedByOk);
    EXPECT_FALSE(frmUeberBox.IsLoaded());
}

} // namespace
