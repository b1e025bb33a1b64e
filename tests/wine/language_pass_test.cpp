// The language dialogs and the language pass: the first start that waits for a
// choice, the loading screen of a stored language, the switch from the help
// page, and what the dialogs refuse while a pass runs.
#include "pages/system/frmMonitor.h"
#include "pages/tweaks/frmAntispy.h"
#include "shell/LanguageDialog.h"
#include "shell/Registry.h"
#include "shell/TranslatedForms.h"
#include "shell/frmHelpUpdates.h"
#include "shell/frmLang.h"
#include "shell/frmLanguage.h"
#include "shell/frmMain.h"
#include "ui/Form.h"
#include "ui/core/Product.h"
#include "ui/modWindow.h"
#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;
using testing_support::PumpMessages;

namespace {

const std::vector<int> ProgressOfAPass{5, 10, 20, 30, 50, 80, 100};

std::wstring FolderOfThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'\\'));
}

void WriteFile(const std::wstring& path, const std::string& bytes)
{
    win::unique_hfile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot write " << std::string(path.begin(), path.end());
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
}

std::wstring StoredLanguage()
{
    return Registry::GetString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L"<none>");
}

bool HasCloseItem(HWND hwnd)
{
    return ::GetMenuState(::GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

std::vector<std::wstring> ListEntries(const ui::ListBox& list)
{
    std::vector<std::wstring> entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    return entries;
}

// A click on a list entry as the mouse makes it: the list selects and reports it.
void ClickEntry(ui::ListBox& list, const std::wstring& entry)
{
    const auto entries = ListEntries(list);
    const auto found = std::find(entries.begin(), entries.end(), entry);
    ASSERT_NE(found, entries.end()) << "no entry " << std::string(entry.begin(), entry.end());
    RECT item{};
    ::SendMessageW(list.Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(found - entries.begin()),
                   reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageW(list.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(list.Hwnd(), WM_LBUTTONUP, 0, at);
    PumpMessages();
}

// A click whose messages wait in the queue, so that the next yield delivers them.
void PostClick(HWND hwnd)
{
    RECT client;
    ::GetClientRect(hwnd, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    ::PostMessageW(hwnd, WM_LBUTTONUP, 0, centre);
}

class LanguagePassTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        scratch_ = FolderOfThisProgram() + L"\\language_pass_scratch";
        ::CreateDirectoryW(scratch_.c_str(), nullptr);
        // Alpha and Beta carry different texts, and neither has 1010, so a pass blanks that label.
        WriteFile(scratch_ + L"\\Alpha.bvl", "1000 Alpha system\r\n1040 Alpha help\r\n1560 Alpha time\r\n"
                                             "1660 Alpha message\r\n1250 Alpha gauge\r\n1260 Alpha history\r\n");
        WriteFile(scratch_ + L"\\Beta.bvl", "1000 Beta system\r\n\r\n1040 Beta help\r\n1560 Beta time\r\n"
                                            "1660 Beta message\r\n1250 Beta gauge\r\n1260 Beta history\r\n");
        // Not a language file: the list holds only .bvl files.
        WriteFile(scratch_ + L"\\readme.txt", "1000 not a language\r\n");
        seam.programFolder = scratch_;
        Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"lngfile");
        LanguageDialog::onProgress = nullptr;
    }

    void TearDown() override
    {
        LanguageDialog::onProgress = nullptr;
        FormTest::TearDown();
        Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"lngfile");
    }

    // Records the progress values of the passes; `during` runs at each one.
    void RecordProgress(std::function<void(int)> during = nullptr)
    {
        LanguageDialog::onProgress = [this, during](int value) {
            progress_.push_back(value);
            if (during)
                during(value);
        };
    }

    // The program started with `language` stored: the loading screen runs the pass.
    void StartWith(const std::wstring& language)
    {
        Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", language);
        frmLanguage.Get();
        ASSERT_FALSE(frmLanguage.IsLoaded());
        ASSERT_TRUE(frmMain.IsLoaded());
        progress_.clear();
    }

    static std::vector<std::wstring> LoadedTranslatedForms()
    {
        std::vector<std::wstring> names;
        for (const TranslatedForm& entry : TranslatedForms())
            if (entry.isLoaded())
                names.push_back(entry.name);
        return names;
    }

    static std::vector<std::wstring> VisibleTranslatedForms()
    {
        std::vector<std::wstring> names;
        for (const TranslatedForm& entry : TranslatedForms())
            if (entry.isLoaded() && entry.form().Visible())
                names.push_back(entry.name);
        return names;
    }

    std::wstring scratch_;
    std::vector<int> progress_;
};

// The dialogs' common look

TEST_F(LanguagePassTest, FirstStartShowsTheDialogAsDesignedAndWaits)
{
    FrmLanguage& dialog = frmLanguage.Get();
    ASSERT_TRUE(frmLanguage.IsLoaded());
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.Caption(), L"Please select a Language:");

    auto entries = ListEntries(dialog.lstLanguages);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"Alpha", L"Beta"}));
    EXPECT_EQ(dialog.lstLanguages.ListIndex(), -1);
    EXPECT_EQ(dialog.txtSelected.Text(), L"");

    EXPECT_TRUE(dialog.lstLanguages.Visible());
    EXPECT_FALSE(dialog.txtSelected.Visible());
    EXPECT_FALSE(dialog.picHolder.Visible());
    EXPECT_FALSE(dialog.sevProgressBar1.Visible());
    EXPECT_TRUE(dialog.cmdOK.Visible());
    EXPECT_EQ(dialog.cmdOK.Caption(), L"Apply");
    EXPECT_EQ(dialog.cmdCancel.Caption(), L"Cancel");
    EXPECT_TRUE(HasCloseItem(dialog.Hwnd()));

    // Nothing else runs before a choice.
    EXPECT_TRUE(LoadedTranslatedForms().empty());
    EXPECT_EQ(ui::FormCollection::Instance().Loaded().size(), 1u);
}

TEST_F(LanguagePassTest, BothDialogsAreCentredFixedToolWindowsWithoutTaskbarButton)
{
    struct Expected {
        ui::Form* dialog;
        int width;
        int height;
    };
    FrmLanguage& start = frmLanguage.Get();
    FrmLang& later = frmLang.Get();
    for (const Expected& expected : {Expected{&start, 3465, 2235}, Expected{&later, 3435, 2280}}) {
        SCOPED_TRACE(std::string(expected.dialog->Name().begin(), expected.dialog->Name().end()));
        const HWND hwnd = expected.dialog->Hwnd();
        RECT client;
        ::GetClientRect(hwnd, &client);
        EXPECT_EQ(client.right, ui::Form::ToPixels(expected.width));
        EXPECT_EQ(client.bottom, ui::Form::ToPixels(expected.height));

        const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
        const LONG exStyle = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_NE(style & WS_SYSMENU, 0);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
        EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
        // An owned window gets no taskbar button.
        EXPECT_NE(::GetWindow(hwnd, GW_OWNER), nullptr);

        RECT window;
        ::GetWindowRect(hwnd, &window);
        EXPECT_NEAR((window.left + window.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((window.top + window.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        EXPECT_EQ(expected.dialog->Caption(), L"Please select a Language:");
    }
}

// First start

TEST_F(LanguagePassTest, ApplyWithoutAChoiceOnlyAsksForOne)
{
    FrmLanguage& dialog = frmLanguage.Get();
    Click(dialog.cmdOK.Hwnd());

    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Please select a Language!");
    EXPECT_EQ(seam.messages[0].title, product::Title);
    EXPECT_EQ(seam.messages[0].style, 48u);

    EXPECT_TRUE(frmLanguage.IsLoaded());
    EXPECT_TRUE(dialog.Visible());
    EXPECT_TRUE(HasCloseItem(dialog.Hwnd()));
    EXPECT_TRUE(dialog.cmdOK.Enabled());
    EXPECT_FALSE(dialog.sevProgressBar1.Visible());
    EXPECT_TRUE(LoadedTranslatedForms().empty());
    EXPECT_EQ(StoredLanguage(), L"<none>");
}

TEST_F(LanguagePassTest, ChoosingALanguageAndApplyingRunsThePassAndShowsOnlyTheMainWindow)
{
    RecordProgress();
    FrmLanguage& dialog = frmLanguage.Get();
    ClickEntry(dialog.lstLanguages, L"Beta");
    EXPECT_EQ(dialog.txtSelected.Text(), L"Beta");
    Click(dialog.cmdOK.Hwnd());

    EXPECT_TRUE(seam.messages.empty());
    EXPECT_FALSE(frmLanguage.IsLoaded());
    EXPECT_EQ(StoredLanguage(), L"Beta");
    EXPECT_EQ(progress_, ProgressOfAPass);

    std::vector<std::wstring> all;
    for (const TranslatedForm& entry : TranslatedForms())
        all.push_back(entry.name);
    EXPECT_EQ(LoadedTranslatedForms(), all);
    EXPECT_EQ(VisibleTranslatedForms(), std::vector<std::wstring>{L"frmMain"});

    // The texts come from the chosen file; a number that it lacks blanks its label.
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Beta system");
    EXPECT_EQ(frmMain->lblHelpUpdate.Caption(), L"Beta help");
    EXPECT_EQ(frmMain->lblWinTweaks.Caption(), L"");
    EXPECT_EQ(frmAntispy->chkTime.Caption(), L"Beta time");
    EXPECT_EQ(frmAntispy->txtAlexa.Text(), L"Beta message");
}

TEST_F(LanguagePassTest, ASelectionOfTheListCountsLikeAClick)
{
    FrmLanguage& dialog = frmLanguage.Get();
    const auto entries = ListEntries(dialog.lstLanguages);
    const int alpha = static_cast<int>(std::find(entries.begin(), entries.end(), L"Alpha") - entries.begin());
    dialog.lstLanguages.SetListIndex(alpha);
    EXPECT_EQ(dialog.txtSelected.Text(), L"Alpha");
    Click(dialog.cmdOK.Hwnd());
    EXPECT_EQ(StoredLanguage(), L"Alpha");
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Alpha system");
}

TEST_F(LanguagePassTest, CancelAtTheFirstStartUnloadsTheOnlyForm)
{
    bool emptied = false;
    auto& forms = ui::FormCollection::Instance();
    forms.onEmpty = [&emptied] { emptied = true; };
    FrmLanguage& dialog = frmLanguage.Get();
    ClickEntry(dialog.lstLanguages, L"Alpha");
    Click(dialog.cmdCancel.Hwnd());
    forms.onEmpty = nullptr;

    EXPECT_TRUE(emptied);
    EXPECT_FALSE(frmLanguage.IsLoaded());
    EXPECT_TRUE(forms.Loaded().empty());
    EXPECT_FALSE(frmMain.IsLoaded());
    EXPECT_EQ(StoredLanguage(), L"<none>");
}

TEST_F(LanguagePassTest, TheCloseBoxAtTheFirstStartClosesTheDialog)
{
    FrmLanguage& dialog = frmLanguage.Get();
    ::SendMessageW(dialog.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(frmLanguage.IsLoaded());
    EXPECT_TRUE(ui::FormCollection::Instance().Loaded().empty());
}

TEST_F(LanguagePassTest, NoLanguageFileLeavesTheListEmptyAndApplyOnlyAsks)
{
    for (const wchar_t* name : {L"\\Alpha.bvl", L"\\Beta.bvl"})
        ::DeleteFileW((scratch_ + name).c_str());
    FrmLanguage& dialog = frmLanguage.Get();
    EXPECT_EQ(dialog.lstLanguages.ListCount(), 0);
    Click(dialog.cmdOK.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Please select a Language!");
    EXPECT_TRUE(frmLanguage.IsLoaded());
    EXPECT_TRUE(LoadedTranslatedForms().empty());
}

// A stored language

TEST_F(LanguagePassTest, AStoredLanguageRunsTheLoadingScreenWithoutInput)
{
    struct Seen {
        std::wstring caption;
        int outerHeight = 0;
        bool holderShown = false;
        bool holderOnTopOfList = false;
        bool barShown = false;
        bool buttonsBelowTheEdge = false;
        bool mainVisible = true;
    } seen;
    RecordProgress([&seen](int value) {
        if (value != 5)
            return;
        FrmLanguage& dialog = frmLanguage.Get();
        seen.caption = dialog.Caption();
        RECT outer;
        ::GetWindowRect(dialog.Hwnd(), &outer);
        seen.outerHeight = outer.bottom - outer.top;
        seen.holderShown = dialog.picHolder.Visible();
        POINT middle{ui::Form::ToPixels(120 + 3255 / 2), ui::Form::ToPixels(120 + 1395 / 2)};
        seen.holderOnTopOfList = ::ChildWindowFromPointEx(dialog.Hwnd(), middle, CWP_SKIPINVISIBLE) ==
                                 dialog.picHolder.Hwnd();
        seen.barShown = dialog.sevProgressBar1.Visible();
        RECT client;
        ::GetClientRect(dialog.Hwnd(), &client);
        RECT button;
        ::GetWindowRect(dialog.cmdOK.Hwnd(), &button);
        ::MapWindowPoints(nullptr, dialog.Hwnd(), reinterpret_cast<POINT*>(&button), 2);
        seen.buttonsBelowTheEdge = button.top >= client.bottom;
        seen.mainVisible = frmMain->Visible();
    });
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L"Alpha");
    frmLanguage.Get();

    EXPECT_EQ(seen.caption, L"Loading...");
    EXPECT_EQ(seen.outerHeight, ui::Form::ToPixels(2115));
    EXPECT_TRUE(seen.holderShown);
    EXPECT_TRUE(seen.holderOnTopOfList);
    EXPECT_TRUE(seen.barShown);
    EXPECT_TRUE(seen.buttonsBelowTheEdge);
    EXPECT_FALSE(seen.mainVisible) << "the main window is hidden while the pass runs";

    EXPECT_EQ(progress_, ProgressOfAPass);
    EXPECT_FALSE(frmLanguage.IsLoaded());
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_EQ(VisibleTranslatedForms(), std::vector<std::wstring>{L"frmMain"});
    EXPECT_EQ(LoadedTranslatedForms().size(), TranslatedForms().size());
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Alpha system");
    EXPECT_EQ(StoredLanguage(), L"Alpha");
    EXPECT_TRUE(seam.messages.empty());
}

// A window of the test that runs a script when a posted message reaches it,
// that is at the first yield after the post.
class PostedScript {
public:
    explicit PostedScript(std::function<void()> script) : script_(std::move(script))
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Procedure;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LanguagePassTestScript";
        ::RegisterClassW(&wc);
        hwnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                                  nullptr);
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::PostMessageW(hwnd_, WM_APP, 0, 0);
    }
    ~PostedScript() { ::DestroyWindow(hwnd_); }
    PostedScript(const PostedScript&) = delete;
    PostedScript& operator=(const PostedScript&) = delete;

    bool Ran() const noexcept { return ran_; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<PostedScript*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_APP && self && !self->ran_) {
            self->ran_ = true;
            self->script_();
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    std::function<void()> script_;
    HWND hwnd_ = nullptr;
    bool ran_ = false;
};

TEST_F(LanguagePassTest, TheLoadingScreenCannotBeClosedWhileItWaitsForThePass)
{
    bool passStarted = true;
    bool loadedAfterClose = false;
    RecordProgress();
    PostedScript script([&] {
        // The loading screen's yield before the pass.
        passStarted = !progress_.empty();
        const HWND loading = ::FindWindowW(L"BrvtForm", L"Loading...");
        ::SendMessageW(loading, WM_CLOSE, 0, 0);
        ::SendMessageW(loading, WM_SYSCOMMAND, SC_CLOSE, 0);
        loadedAfterClose = frmLanguage.IsLoaded();
    });
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L"Beta");
    frmLanguage.Get();

    EXPECT_TRUE(script.Ran());
    EXPECT_FALSE(passStarted);
    EXPECT_TRUE(loadedAfterClose);
    EXPECT_EQ(progress_, ProgressOfAPass);
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Beta system");
}

// While a pass runs

TEST_F(LanguagePassTest, DuringThePassTheCloseCommandsAndTheButtonsDoNothing)
{
    struct Seen {
        bool closeItemBefore = false;
        bool closeItemDuring = true;
        bool buttonsEnabled = true;
        bool loadedAfterTheYield = false;
    } seen;
    FrmLanguage& dialog = frmLanguage.Get();
    seen.closeItemBefore = HasCloseItem(dialog.Hwnd());
    RecordProgress([&](int value) {
        if (value == 5) {
            seen.closeItemDuring = HasCloseItem(dialog.Hwnd());
            seen.buttonsEnabled = dialog.cmdOK.Enabled() || dialog.cmdCancel.Enabled();
            // All of these wait for the pass's next yield.
            ::PostMessageW(dialog.Hwnd(), WM_CLOSE, 0, 0);
            ::PostMessageW(dialog.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
            PostClick(dialog.cmdOK.Hwnd());
            PostClick(dialog.cmdCancel.Hwnd());
        }
        if (value == 10) {
            seen.loadedAfterTheYield = frmLanguage.IsLoaded();
            // Sent ones too, and a click on the other language.
            ::SendMessageW(dialog.Hwnd(), WM_CLOSE, 0, 0);
            Click(dialog.cmdCancel.Hwnd());
            ClickEntry(dialog.lstLanguages, L"Beta");
        }
    });
    ClickEntry(dialog.lstLanguages, L"Alpha");
    Click(dialog.cmdOK.Hwnd());

    EXPECT_TRUE(seen.closeItemBefore);
    EXPECT_FALSE(seen.closeItemDuring);
    EXPECT_FALSE(seen.buttonsEnabled);
    EXPECT_TRUE(seen.loadedAfterTheYield);
    // One pass, to its end, with the language chosen before it.
    EXPECT_EQ(progress_, ProgressOfAPass);
    EXPECT_EQ(StoredLanguage(), L"Alpha");
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Alpha system");
    EXPECT_FALSE(frmLanguage.IsLoaded());
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_TRUE(seam.messages.empty());
}

// Switching later

TEST_F(LanguagePassTest, LangStartsWithoutAChoiceEvenWithALanguageStored)
{
    StartWith(L"Alpha");
    FrmLang& dialog = frmLang.Get();
    auto entries = ListEntries(dialog.lstLanguages);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"Alpha", L"Beta"}));
    EXPECT_EQ(dialog.txtSelected.Text(), L"");
    EXPECT_FALSE(dialog.sevProgressBar1.Visible());

    Click(dialog.cmdOK.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Please select a Language!");
    EXPECT_EQ(seam.messages[0].style, 48u);
    EXPECT_TRUE(frmLang.IsLoaded());
    EXPECT_TRUE(progress_.empty());
    EXPECT_EQ(StoredLanguage(), L"Alpha");
}

TEST_F(LanguagePassTest, LangApplyTranslatesEveryLoadedPageAgainAndKeepsTheMainWindow)
{
    StartWith(L"Alpha");
    const HWND mainWindow = frmMain->Hwnd();
    const HWND antispyWindow = frmAntispy->Hwnd();
    FrmLang& dialog = frmLang.Get();

    bool mainHiddenDuring = false;
    bool closeItemDuring = true;
    RecordProgress([&](int value) {
        mainHiddenDuring = mainHiddenDuring || !frmMain->Visible();
        if (value == 5)
            closeItemDuring = HasCloseItem(dialog.Hwnd());
    });
    ClickEntry(dialog.lstLanguages, L"Beta");
    Click(dialog.cmdOK.Hwnd());

    EXPECT_EQ(progress_, ProgressOfAPass);
    EXPECT_FALSE(mainHiddenDuring);
    EXPECT_FALSE(closeItemDuring);
    EXPECT_FALSE(frmLang.IsLoaded());
    EXPECT_EQ(StoredLanguage(), L"Beta");
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Beta system");
    EXPECT_EQ(frmAntispy->chkTime.Caption(), L"Beta time");
    EXPECT_EQ(frmAntispy->txtAlexa.Text(), L"Beta message");
    // Translated again, not loaded anew.
    EXPECT_EQ(frmMain->Hwnd(), mainWindow);
    EXPECT_EQ(frmAntispy->Hwnd(), antispyWindow);
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_EQ(VisibleTranslatedForms(), std::vector<std::wstring>{L"frmMain"});
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(LanguagePassTest, LangCancelChangesNothing)
{
    StartWith(L"Alpha");
    FrmLang& dialog = frmLang.Get();
    RecordProgress();
    ClickEntry(dialog.lstLanguages, L"Beta");
    Click(dialog.cmdCancel.Hwnd());

    EXPECT_FALSE(frmLang.IsLoaded());
    EXPECT_TRUE(progress_.empty());
    EXPECT_EQ(StoredLanguage(), L"Alpha");
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Alpha system");
    EXPECT_TRUE(frmMain->Visible());
}

// Forms loaded after the pass

TEST_F(LanguagePassTest, TheMonitorOpenedAgainGetsTheTextsOfTheLatestPass)
{
    StartWith(L"Alpha");
    const auto reopenMonitor = [] {
        if (!frmMonitor->Visible())
            ToggleCpuMonitor();
        ToggleCpuMonitor();
        ASSERT_FALSE(frmMonitor.IsLoaded());
        ToggleCpuMonitor();
        ASSERT_TRUE(frmMonitor->Visible());
    };
    reopenMonitor();
    EXPECT_EQ(frmMonitor->Frame1.Caption(), L"Alpha gauge");
    EXPECT_EQ(frmMonitor->Frame2.Caption(), L"Alpha history");

    ToggleCpuMonitor();
    FrmLang& dialog = frmLang.Get();
    ClickEntry(dialog.lstLanguages, L"Beta");
    Click(dialog.cmdOK.Hwnd());
    ASSERT_FALSE(frmLang.IsLoaded());
    reopenMonitor();
    EXPECT_EQ(frmMonitor->Frame1.Caption(), L"Beta gauge");
    EXPECT_EQ(frmMonitor->Frame2.Caption(), L"Beta history");
    // A form outside the pass keeps its built-in texts.
    EXPECT_EQ(frmLang->Caption(), L"Please select a Language:");
    EXPECT_EQ(frmLang->cmdOK.Caption(), L"Apply");
    EXPECT_TRUE(seam.messages.empty());
}

// The help page's language picture

struct ModalScript {
    std::function<void()> whileOpen;
    bool ran = false;
};
ModalScript* modalScript = nullptr;

void CALLBACK RunModalScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    if (!modalScript || modalScript->ran)
        return;
    modalScript->ran = true;
    modalScript->whileOpen();
}

void CALLBACK GiveUpOnTheModalDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    if (frmLang.IsLoaded())
        frmLang->Unload();
}

class HelpPageLanguageTest : public LanguagePassTest {
protected:
    // Clicks the help page's language picture; `whileOpen` runs inside the modal loop.
    void ClickLanguagePicture(std::function<void()> whileOpen)
    {
        ModalScript script{std::move(whileOpen)};
        modalScript = &script;
        ::SetTimer(nullptr, 0, 50, RunModalScript);
        const UINT_PTR giveUp = ::SetTimer(nullptr, 0, 10000, GiveUpOnTheModalDialog);
        Click(frmHelpUpdates->picLang.Hwnd());
        ::KillTimer(nullptr, giveUp);
        modalScript = nullptr;
        EXPECT_TRUE(script.ran) << "the timer never fired inside the modal loop";
    }
};

TEST_F(HelpPageLanguageTest, ThePictureOpensLangModallyAndCancelClosesIt)
{
    StartWith(L"Alpha");
    bool shown = false;
    bool mainDisabled = false;
    ClickLanguagePicture([&] {
        shown = frmLang.IsLoaded() && frmLang->Visible();
        mainDisabled = !::IsWindowEnabled(frmMain->Hwnd());
        Click(frmLang->cmdCancel.Hwnd());
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(mainDisabled) << "the dialog is modal";
    EXPECT_FALSE(frmLang.IsLoaded());
    EXPECT_TRUE(::IsWindowEnabled(frmMain->Hwnd()));
    EXPECT_EQ(StoredLanguage(), L"Alpha");
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Alpha system");
}

TEST_F(HelpPageLanguageTest, ApplyInTheModalDialogSwitchesTheLanguage)
{
    StartWith(L"Alpha");
    RecordProgress();
    ClickLanguagePicture([] {
        ClickEntry(frmLang->lstLanguages, L"Beta");
        Click(frmLang->cmdOK.Hwnd());
    });
    EXPECT_EQ(progress_, ProgressOfAPass);
    EXPECT_FALSE(frmLang.IsLoaded());
    EXPECT_EQ(StoredLanguage(), L"Beta");
    EXPECT_EQ(frmMain->lblSystem.Caption(), L"Beta system");
    EXPECT_TRUE(frmMain->Visible());
    EXPECT_TRUE(::IsWindowEnabled(frmMain->Hwnd()));
}

// DisableCloseButton

TEST(DisableCloseButtonTest, RemovesOnlyTheCloseItemAndToleratesWindowsWithoutSystemMenu)
{
    const HWND withMenu = ::CreateWindowExW(0, L"STATIC", L"with menu", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                            100, 100, nullptr, nullptr, nullptr, nullptr);
    const HWND withoutMenu =
        ::CreateWindowExW(0, L"STATIC", L"without", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(withMenu && withoutMenu);
    const HMENU menu = ::GetSystemMenu(withMenu, FALSE);
    ASSERT_NE(menu, nullptr);
    const int itemsBefore = ::GetMenuItemCount(menu);
    ASSERT_TRUE(HasCloseItem(withMenu));

    modWindow::DisableCloseButton(withMenu);
    EXPECT_FALSE(HasCloseItem(withMenu));
    EXPECT_EQ(::GetMenuItemCount(::GetSystemMenu(withMenu, FALSE)), itemsBefore - 1);
    // Twice, and on a window without a system menu: nothing more happens.
    modWindow::DisableCloseButton(withMenu);
    EXPECT_EQ(::GetMenuItemCount(::GetSystemMenu(withMenu, FALSE)), itemsBefore - 1);
    modWindow::DisableCloseButton(withoutMenu);
    EXPECT_TRUE(::IsWindow(withoutMenu));

    ::DestroyWindow(withMenu);
    ::DestroyWindow(withoutMenu);
}

} // namespace
