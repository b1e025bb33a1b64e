#include "shell/PageForm.h"
#include "shell/frmLogo.h"
#include "shell/frmMain.h"
#include "shell/frmSystemOption.h"
#include "shell/frmTweaksOption.h"
#include "shell/modBeenden.h"
#include "shell/modTaskbar.h"
#include "ui/core/Product.h"

#include "tests/wine/support/TestSupport.h"

#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;
using testing_support::MouseDown;
using testing_support::MouseUp;

namespace {

bool HasAppWindowStyle(HWND hwnd)
{
    return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
}

HWND TopChild(const ui::Control& container)
{
    return ::GetWindow(container.Hwnd(), GW_CHILD);
}

class MainWindowTest : public FormTest {
protected:
    FrmMain& Main()
    {
        FrmMain& main = frmMain();
        main.Show();
        return main;
    }
};

TEST_F(MainWindowTest, IsABorderlessCentredWindowOfTheDesignSize)
{
    FrmMain& main = Main();
    RECT client;
    ::GetClientRect(main.Hwnd(), &client);
    EXPECT_EQ(client.right, ui::Form::ToPixels(9390));
    EXPECT_EQ(client.bottom, ui::Form::ToPixels(7710));

    const LONG style = ::GetWindowLongW(main.Hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU), 0);
    EXPECT_EQ(main.Caption(), product::Title);

    RECT window;
    ::GetWindowRect(main.Hwnd(), &window);
    EXPECT_EQ(window.right - window.left, client.right);
    EXPECT_NEAR((window.left + window.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(MainWindowTest, StartUpGivesItATaskbarButtonAndShowsTheLogoPage)
{
    FrmMain& main = Main();
    EXPECT_TRUE(::IsWindowVisible(main.Hwnd()));
    EXPECT_TRUE(HasAppWindowStyle(main.Hwnd()));
    EXPECT_EQ(TopChild(main.picContainerMain), frmLogo->fraLogo.Hwnd());
}

TEST_F(MainWindowTest, MinimiseAndCloseShowPressedImageUntilReleasedWithEveryButton)
{
    FrmMain& main = Main();
    for (UINT down : {WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        const UINT up = down + 1;
        MouseDown(main.picMin.Hwnd(), down);
        EXPECT_EQ(main.picMin.Picture(), main.picMinDown.Picture());
        MouseUp(main.picMin.Hwnd(), up);
        EXPECT_EQ(main.picMin.Picture(), main.picMinUp.Picture());

        MouseDown(main.picSchliessen.Hwnd(), down);
        EXPECT_EQ(main.picSchliessen.Picture(), main.picSchliessenDown.Picture());
        MouseUp(main.picSchliessen.Hwnd(), up);
        EXPECT_EQ(main.picSchliessen.Picture(), main.picSchliessenUp.Picture());
    }
    EXPECT_NE(main.picMinUp.Picture(), main.picMinDown.Picture());
    EXPECT_NE(main.picSchliessenUp.Picture(), main.picSchliessenDown.Picture());
    // Only a primary click acts; the window is still there.
    EXPECT_TRUE(frmMain.IsLoaded());
    EXPECT_TRUE(::IsWindowVisible(main.Hwnd()));
}

TEST_F(MainWindowTest, MinimiseHidesWindowAndTaskbarButtonAndRestoreBringsBackThePage)
{
    FrmMain& main = Main();
    Click(main.lblWinTweaks.Hwnd());
    Click(main.picMin.Hwnd());
    EXPECT_FALSE(::IsWindowVisible(main.Hwnd()));
    EXPECT_FALSE(HasAppWindowStyle(main.Hwnd()));
    EXPECT_EQ(main.picMin.Picture(), main.picMinUp.Picture());

    main.Show();
    modTaskbar::ShowInTaskbar(main.Hwnd(), true);
    EXPECT_TRUE(::IsWindowVisible(main.Hwnd()));
    EXPECT_TRUE(HasAppWindowStyle(main.Hwnd()));
    EXPECT_EQ(TopChild(main.picContainerMain), frmTweaksOption->fraTweaks.Hwnd());
}

TEST_F(MainWindowTest, ShowInTaskbarLeavesOtherExtendedStylesAlone)
{
    FrmMain& main = Main();
    const LONG before = ::GetWindowLongW(main.Hwnd(), GWL_EXSTYLE);
    modTaskbar::ShowInTaskbar(main.Hwnd(), false);
    EXPECT_EQ(::GetWindowLongW(main.Hwnd(), GWL_EXSTYLE), before & ~WS_EX_APPWINDOW);
    EXPECT_TRUE(::IsWindowVisible(main.Hwnd()));
    modTaskbar::ShowInTaskbar(main.Hwnd(), true);
    EXPECT_EQ(::GetWindowLongW(main.Hwnd(), GWL_EXSTYLE), before | WS_EX_APPWINDOW);
}

TEST_F(MainWindowTest, SectionsReparentTheirPageOnTopAndCoverThePreviousOne)
{
    FrmMain& main = Main();
    Click(main.lblWinTweaks.Hwnd());
    const HWND tweaks = frmTweaksOption->fraTweaks.Hwnd();
    EXPECT_EQ(::GetParent(tweaks), main.picContainerMain.Hwnd());
    EXPECT_EQ(TopChild(main.picContainerMain), tweaks);

    Click(main.picSystem.Hwnd());
    const HWND system = frmSystemOption->fraSystem.Hwnd();
    EXPECT_EQ(TopChild(main.picContainerMain), system);
    // The page before stays where it was, covered by the new one of the same size.
    EXPECT_EQ(::GetParent(tweaks), main.picContainerMain.Hwnd());
    EXPECT_TRUE(::IsWindowVisible(tweaks));
    RECT page, container;
    ::GetWindowRect(system, &page);
    ::GetWindowRect(main.picContainerMain.Hwnd(), &container);
    EXPECT_TRUE(::EqualRect(&page, &container));

    Click(main.picWinTweaks.Hwnd());
    EXPECT_EQ(TopChild(main.picContainerMain), tweaks);
}

TEST_F(MainWindowTest, ShowingTheSameSectionTwiceReloadsNothing)
{
    FrmMain& main = Main();
    Click(main.lblSystem.Hwnd());
    FrmSystemOption* first = &frmSystemOption();
    const size_t loaded = ui::FormCollection::Instance().Loaded().size();

    Click(main.picSystem.Hwnd());
    Click(main.lblSystem.Hwnd());
    EXPECT_EQ(&frmSystemOption(), first);
    EXPECT_EQ(ui::FormCollection::Instance().Loaded().size(), loaded);
    EXPECT_EQ(TopChild(main.picContainerMain), first->fraSystem.Hwnd());
}

TEST_F(MainWindowTest, WebLinkOpensTheMakersAddressWithTheMainWindowAsOwner)
{
    FrmMain& main = Main();
    Click(main.lblHP.Hwnd());
    ASSERT_EQ(seam.starts.size(), 1u);
    EXPECT_EQ(seam.starts[0].file, product::MakerWebAddress);
    EXPECT_EQ(seam.starts[0].owner, main.Hwnd());
}

TEST_F(MainWindowTest, ClosePictureUnloadsEveryFormAndEndsTheProgram)
{
    int endings = 0;
    auto& forms = ui::FormCollection::Instance();
    forms.onEmpty = [&endings] { ++endings; };
    FrmMain& main = Main();
    Click(main.lblSystem.Hwnd());
    ASSERT_GT(forms.Loaded().size(), 2u);

    Click(main.picSchliessen.Hwnd());
    EXPECT_TRUE(forms.Loaded().empty());
    EXPECT_EQ(endings, 1);
    EXPECT_FALSE(frmMain.IsLoaded());
    forms.onEmpty = nullptr;
}

// Forms that note when they unload, to see the order of UnloadAllForms.
std::vector<std::wstring> unloadOrder;

template <int N>
class NotingForm : public ui::Form {
public:
    NotingForm() : Form(L"form" + std::to_wstring(N)) {}

protected:
    void Form_Unload() override { unloadOrder.push_back(Name()); }
};

ui::FormRef<NotingForm<1>> form1;
ui::FormRef<NotingForm<2>> form2;
ui::FormRef<NotingForm<3>> form3;

TEST_F(MainWindowTest, UnloadAllFormsUnloadsInLoadOrder)
{
    unloadOrder.clear();
    form2();
    form3();
    form1();
    modBeenden::UnloadAllForms();
    EXPECT_EQ(unloadOrder, (std::vector<std::wstring>{L"form2", L"form3", L"form1"}));
    EXPECT_TRUE(ui::FormCollection::Instance().Loaded().empty());

    // Touched again, a form loads anew.
    form1();
    EXPECT_TRUE(form1.IsLoaded());
    EXPECT_EQ(ui::FormCollection::Instance().Loaded().size(), 1u);
}

} // namespace
