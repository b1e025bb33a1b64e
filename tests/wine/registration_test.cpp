// The in-process registration worker with the test DLLs beside this program:
// what each export kind yields, that the export runs on a worker thread, that
// the DLL is released, the 10-second limit with the user interface held and
// answering again afterwards, and which DLLs the loader may take once the
// programs' start-up has narrowed its search.
#include "pages/tweaks/modRegistrieren.h"
#include "ui/SystemFolders.h"
#include "ui/win/Handles.h"

#include "tests/wine/dlls/RegistrationRecord.h"
#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

using registration_record::Key;

std::wstring TestDll(const wchar_t* name)
{
    return registration_record::DllFolder() + name;
}

bool Loaded(const wchar_t* name)
{
    return ::GetModuleHandleW(name) != nullptr;
}

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::DeleteRegistryTree(HKEY_CURRENT_USER, Key); }
    void TearDown() override { testing_support::DeleteRegistryTree(HKEY_CURRENT_USER, Key); }
};

struct Case {
    const char* name;
    const wchar_t* dll;
    bool registerServer;
    bool result;
    const wchar_t* recorded;
};

class RegistrationCaseTest : public RegistrationTest, public ::testing::WithParamInterface<Case> {};

TEST_P(RegistrationCaseTest, YieldsWhetherTheExportRanAndReleasesTheDll)
{
    const Case& c = GetParam();
    ASSERT_FALSE(Loaded(c.dll));
    EXPECT_EQ(RegisterComServer(TestDll(c.dll), c.registerServer), c.result);
    EXPECT_EQ(registration_record::Call(), c.recorded);
    if (*c.recorded) {
        EXPECT_NE(registration_record::Thread(), 0u);
        EXPECT_NE(registration_record::Thread(), ::GetCurrentThreadId());
    }
    EXPECT_FALSE(Loaded(c.dll));
}

// An export that reports failure has still run to its end: true.
const Case Cases[] = {
    {"Registers", L"reg_immediate.dll", true, true, L"reg_immediate.dll register"},
    {"Unregisters", L"reg_immediate.dll", false, true, L"reg_immediate.dll unregister"},
    {"FailingRegisterStillRan", L"reg_failing.dll", true, true, L"reg_failing.dll register"},
    {"FailingUnregisterStillRan", L"reg_failing.dll", false, true, L"reg_failing.dll unregister"},
    {"WithoutUnregisterExport", L"reg_register_only.dll", false, false, L""},
    {"RegisterOnlyRegisters", L"reg_register_only.dll", true, true, L"reg_register_only.dll register"},
    {"MissingDll", L"reg_missing.dll", true, false, L""},
};

INSTANTIATE_TEST_SUITE_P(Exports, RegistrationCaseTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& tested) { return std::string(tested.param.name); });

TEST_F(RegistrationTest, ABareNameIsNotLookedFor)
{
    // Where the loader's search would find it.
    ::SetDllDirectoryW(TestDll(L"").c_str());
    EXPECT_FALSE(RegisterComServer(L"zipfldr.dll", false));
    EXPECT_FALSE(RegisterComServer(L"test-dlls\\zipfldr.dll", false));
    ::SetDllDirectoryW(nullptr);
    EXPECT_EQ(registration_record::Call(), L"");
}

// A window of this thread, and a second thread that asks it for an answer.
class Responder {
public:
    Responder()
    {
        window_ = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    }
    ~Responder() { ::DestroyWindow(window_); }

    // Asks from another thread, waiting up to the given time for this thread to answer.
    std::thread Ask(DWORD milliseconds, std::atomic<int>& answered)
    {
        return std::thread([this, milliseconds, &answered] {
            DWORD_PTR result = 0;
            answered = ::SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) ? 1 : 0;
        });
    }

private:
    HWND window_;
};

TEST_F(RegistrationTest, AnExportPastTheLimitYieldsFalseAfterTenSecondsAndKeepsItsDllUntilItEnds)
{
    win::unique_handle release(::CreateEventW(nullptr, TRUE, FALSE, L"BrevantorTestsReleaseRegistration"));
    ASSERT_TRUE(release);
    Responder responder;
    std::atomic<int> answeredDuringWait{-1};
    std::thread duringWait = responder.Ask(3000, answeredDuringWait);

    const auto started = std::chrono::steady_clock::now();
    const bool result = RegisterComServer(TestDll(L"reg_slow.dll"), true);
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    duringWait.join();

    EXPECT_FALSE(result);
    EXPECT_GE(waited.count(), 9900);
    EXPECT_LT(waited.count(), 30000);
    EXPECT_EQ(answeredDuringWait, 0) << "the user interface answered while it waited";
    EXPECT_EQ(registration_record::Call(), L"");
    EXPECT_TRUE(Loaded(L"reg_slow.dll")) << "released while its worker still runs";

    // The user interface answers again at once.
    std::atomic<int> answeredAfter{-1};
    std::thread after = responder.Ask(5000, answeredAfter);
    while (answeredAfter < 0) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        testing_support::PumpMessages();
    }
    after.join();
    EXPECT_EQ(answeredAfter, 1);

    // Once the worker ends, its DLL goes.
    ::SetEvent(release.get());
    for (int i = 0; i < 200 && Loaded(L"reg_slow.dll"); ++i)
        ::Sleep(50);
    EXPECT_FALSE(Loaded(L"reg_slow.dll"));
    EXPECT_EQ(registration_record::Call(), L"reg_slow.dll register");
}

// The narrowed search holds for the rest of this process; the other tests
// name their DLLs by full path, which it leaves as before.
TEST_F(RegistrationTest, OnceTheSearchIsNarrowedTheCurrentFolderLendsNoDllButADllByItsPathFindsItsNeighbours)
{
    wchar_t saved[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(::SetCurrentDirectoryW(TestDll(L"").c_str()));
    systemfolders::NarrowDllSearch();
    const HMODULE fromTheCurrentFolder = ::LoadLibraryW(L"reg_failing.dll");
    // What it needs comes from beside it, not from the current folder.
    ::SetCurrentDirectoryW(saved);
    const bool registered = RegisterComServer(TestDll(L"reg_dependent.dll"), true);

    EXPECT_EQ(fromTheCurrentFolder, nullptr);
    if (fromTheCurrentFolder)
        ::FreeLibrary(fromTheCurrentFolder);
    EXPECT_TRUE(registered);
    EXPECT_EQ(registration_record::Call(), L"reg_dependent.dll register");
    EXPECT_FALSE(Loaded(L"reg_dependent.dll"));
}

} // namespace
