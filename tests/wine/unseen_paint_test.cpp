// Labels and bars that nobody can see: their text and value stay current, and
// they paint with them when they show again.
#include "ui/Controls.h"
#include "ui/ProgressBar.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <string>

namespace {

class UnseenPaintTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        host = testing_support::CreatePlainWindow(WS_EX_TOOLWINDOW, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                                  {0, 0, 400, 300});
        ASSERT_TRUE(host);
        label.Create(host, {10, 10, 200, 30}, true);
        bar.Create(host, {10, 40, 200, 60}, true);
        bar.SetMax(100);
    }
    void TearDown() override
    {
        ::DestroyWindow(host);
        FormTest::TearDown();
    }

    // Shows the host and handles its paints, so that nothing waits to be painted.
    void ShowPainted()
    {
        ::ShowWindow(host, SW_SHOWNOACTIVATE);
        ::RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ASSERT_FALSE(WaitsForPaint(label.Hwnd()));
        ASSERT_FALSE(WaitsForPaint(bar.Hwnd()));
    }

    static bool WaitsForPaint(HWND hwnd) { return ::GetUpdateRect(hwnd, nullptr, FALSE) != FALSE; }

    static std::wstring WindowText(HWND hwnd)
    {
        wchar_t text[64] = L"";
        ::GetWindowTextW(hwnd, text, 64);
        return text;
    }

    HWND host = nullptr;
    ui::Label label{L"Label2"};
    ui::MBProgressBar bar{L"ProgressBarRAM1"};
};

TEST_F(UnseenPaintTest, SeenControlsPaintEachChangeAndNotARepeat)
{
    ShowPainted();
    label.SetCaption(L"1024 MB");
    bar.SetValue(40);
    EXPECT_TRUE(WaitsForPaint(label.Hwnd()));
    EXPECT_TRUE(WaitsForPaint(bar.Hwnd()));

    ShowPainted();
    label.SetCaption(L"1024 MB");
    bar.SetValue(40);
    EXPECT_FALSE(WaitsForPaint(label.Hwnd())) << "the same text again needs no paint";
    EXPECT_FALSE(WaitsForPaint(bar.Hwnd()));
}

// Hidden and minimised windows alike: the change is kept and painted once the window shows.
TEST_F(UnseenPaintTest, UnseenChangesAreKeptAndPaintedWhenShown)
{
    for (const int unseen : {SW_HIDE, SW_SHOWMINNOACTIVE}) {
        ShowPainted();
        ::ShowWindow(host, unseen);
        const std::wstring text = L"Shown " + std::to_wstring(unseen);
        label.SetCaption(text);
        bar.SetValue(unseen == SW_HIDE ? 10 : 90);
        EXPECT_FALSE(WaitsForPaint(label.Hwnd())) << unseen;
        EXPECT_FALSE(WaitsForPaint(bar.Hwnd())) << unseen;
        EXPECT_EQ(WindowText(label.Hwnd()), text);
        EXPECT_EQ(label.Caption(), text);
        EXPECT_EQ(bar.Value(), unseen == SW_HIDE ? 10 : 90);

        ::ShowWindow(host, unseen == SW_HIDE ? SW_SHOWNOACTIVATE : SW_RESTORE);
        EXPECT_TRUE(WaitsForPaint(label.Hwnd())) << unseen;
        EXPECT_TRUE(WaitsForPaint(bar.Hwnd())) << unseen;
    }
}

} // namespace
