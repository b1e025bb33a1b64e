// The skinned controls as the user meets them: clicks and keys, option groups,
// and a look that follows the state.
#include "tests/wine/support/TestSupport.h"
#include "ui/ProgressBar.h"
#include "ui/SkinControls.h"
#include "ui/win/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using testing_support::Click;
using testing_support::MouseDown;
using testing_support::PixelOf;
using testing_support::PressKey;
using testing_support::PumpMessages;

// What a window draws through WM_PRINTCLIENT, pixel by pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int Count(const RECT& area, const std::function<bool(COLORREF)>& test) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += test(At(x, y));
        return count;
    }
    bool operator==(const Picture&) const = default;
};

Picture Draw(HWND hwnd)
{
    RECT client;
    ::GetClientRect(hwnd, &client);
    Picture picture{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win::unique_hbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win::unique_hdc memory(::CreateCompatibleDC(nullptr));
    {
        win::SelectedObject selected(memory.get(), bitmap.get());
        ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
        ::GdiFlush();
    }
    const auto* data = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i)
        picture.pixels.push_back(RGB((data[i] >> 16) & 0xFF, (data[i] >> 8) & 0xFF, data[i] & 0xFF));
    return picture;
}

bool IsDark(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
}

bool IsBlue(COLORREF c)
{
    return GetBValue(c) > GetRValue(c) + 60;
}

bool IsNear(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
               std::abs(GetBValue(a) - GetBValue(b)) < 60;
}

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

// A plain top-level window that holds the controls of a test, as a form holds its page.
class SkinControlsTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        host = testing_support::CreatePlainWindow(WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW, WS_POPUP | WS_CLIPCHILDREN,
                                                  {0, 0, 400, 300});
        ASSERT_TRUE(host);
    }
    void TearDown() override
    {
        ::DestroyWindow(host);
        FormTest::TearDown();
    }

    template <class C>
    C& Put(C& control, const RECT& bounds, HWND parent = nullptr)
    {
        control.Create(parent ? parent : host, bounds, true);
        return control;
    }

    HWND host = nullptr;
};

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[256] = L"";
    ::SendMessageW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(SkinControlsTest, TypeNamesAndCaptions)
{
    ui::XpButton button(L"cmd");
    ui::SevCheck check(L"chk");
    ui::SevOption option(L"opt");
    ui::SevFrame frame(L"fra");
    ui::SevProgressBar bar(L"bar");
    EXPECT_EQ(button.TypeName(), L"xpButton");
    EXPECT_EQ(check.TypeName(), L"sevCheck");
    EXPECT_EQ(option.TypeName(), L"sevOption");
    EXPECT_EQ(frame.TypeName(), L"sevFrame");
    EXPECT_EQ(bar.TypeName(), L"sevProgressBar");
    EXPECT_FALSE(bar.SetCaption(L"x"));
}

// Other programs and screen readers read a control's caption as its window text.
TEST_F(SkinControlsTest, EveryCaptionIsTheWindowText)
{
    ui::XpButton button(L"cmd");
    ui::SevCheck check(L"chk");
    ui::SevOption option(L"opt");
    ui::SevFrame sevFrame(L"fra");
    ui::Label label(L"lbl");
    ui::Frame frame(L"frame", true);
    const std::vector<std::pair<ui::Control*, const wchar_t*>> rows{
        {&button, L"&Weiter >"}, {&check, L"An"}, {&option, L"Eins"},
        {&sevFrame, L"Titel"},   {&label, L"123 MB"}, {&frame, L"Rahmen"},
    };
    int top = 0;
    for (const auto& [control, caption] : rows) {
        // Set before the window exists, and kept for it.
        EXPECT_TRUE(control->SetCaption(caption));
        Put(*control, {10, top, 200, top + 20});
        top += 25;
        EXPECT_EQ(WindowText(control->Hwnd()), caption);
        EXPECT_EQ(control->Caption(), caption);
        const std::wstring changed = std::wstring(caption) + L"!";
        control->SetCaption(changed);
        EXPECT_EQ(WindowText(control->Hwnd()), changed);
    }
}

TEST_F(SkinControlsTest, CheckBoxChangesOnlyForTheUserAndRaisesClickAfterTheChange)
{
    ui::SevCheck check(L"chkTime");
    Put(check, {10, 10, 200, 27});
    int clicks = 0;
    int seen = -1;
    check.onClick = [&] {
        ++clicks;
        seen = check.Value();
    };

    Click(check.Hwnd());
    EXPECT_EQ(check.Value(), 1);
    EXPECT_TRUE(check.Ticked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(seen, 1);
    Click(check.Hwnd());
    EXPECT_EQ(check.Value(), 0);
    EXPECT_EQ(clicks, 2);

    // From code, as the pages do at start-up: no event.
    check.SetValue(2);
    EXPECT_EQ(check.Value(), 2);
    EXPECT_FALSE(check.Ticked());
    check.SetValue(1);
    check.SetValue(0);
    check.SetValue(2);
    EXPECT_EQ(clicks, 2);

    Click(check.Hwnd());
    EXPECT_EQ(check.Value(), 1) << "a greyed box is ticked by a click";
    PressKey(check.Hwnd(), VK_SPACE);
    EXPECT_EQ(check.Value(), 0);
    EXPECT_EQ(clicks, 4);

    // Released outside, the right button, a disabled box: no click, no change.
    MouseDown(check.Hwnd());
    ::SendMessageW(check.Hwnd(), WM_LBUTTONUP, 0, Point(-5, -5));
    Click(check.Hwnd());
    ::SendMessageW(check.Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, Point(5, 5));
    ::SendMessageW(check.Hwnd(), WM_RBUTTONUP, 0, Point(5, 5));
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(clicks, 5);
    check.SetEnabled(false);
    Click(check.Hwnd());
    PressKey(check.Hwnd(), VK_SPACE);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(clicks, 5);

    check.SetValue(7);
    EXPECT_EQ(check.Value(), 2);
    check.SetValue(-1);
    EXPECT_EQ(check.Value(), 0);
}

TEST_F(SkinControlsTest, OptionsFormOneGroupPerParent)
{
    ui::Frame left(L"fraLeft");
    ui::Frame right(L"fraRight");
    Put(left, {0, 0, 200, 100});
    Put(right, {200, 0, 400, 100});
    ui::SevOption one(L"optOne");
    ui::SevOption two(L"optTwo");
    ui::SevOption other(L"optOther");
    Put(one, {5, 5, 150, 22}, left.Hwnd());
    Put(two, {5, 30, 150, 47}, left.Hwnd());
    Put(other, {5, 5, 150, 22}, right.Hwnd());
    int clicksOne = 0;
    int clicksTwo = 0;
    int clicksOther = 0;
    one.onClick = [&] { ++clicksOne; };
    two.onClick = [&] { ++clicksTwo; };
    other.onClick = [&] { ++clicksOther; };

    Click(one.Hwnd());
    Click(other.Hwnd());
    EXPECT_TRUE(one.Value());
    EXPECT_TRUE(other.Value()) << "another parent is another group";
    Click(two.Hwnd());
    EXPECT_FALSE(one.Value());
    EXPECT_TRUE(two.Value());
    EXPECT_TRUE(other.Value());
    EXPECT_EQ(clicksOne, 1);
    EXPECT_EQ(clicksTwo, 1);
    EXPECT_EQ(clicksOther, 1);

    // From code the group is kept too, without events.
    one.SetValue(true);
    EXPECT_TRUE(one.Value());
    EXPECT_FALSE(two.Value());
    EXPECT_TRUE(other.Value());
    EXPECT_EQ(clicksOne + clicksTwo + clicksOther, 3);

    // A click on the selected option is still a click.
    Click(one.Hwnd());
    EXPECT_TRUE(one.Value());
    EXPECT_EQ(clicksOne, 2);
    PressKey(two.Hwnd(), VK_SPACE);
    EXPECT_TRUE(two.Value());
    EXPECT_FALSE(one.Value());
    EXPECT_EQ(clicksTwo, 2);

    two.SetValue(false);
    EXPECT_FALSE(one.Value());
    EXPECT_FALSE(two.Value());
}

TEST_F(SkinControlsTest, ButtonClicksByMouseAndKeysUnlessDisabled)
{
    ui::XpButton button(L"cmdNaechste");
    Put(button, {10, 10, 100, 33});
    int clicks = 0;
    button.onClick = [&] { ++clicks; };

    Click(button.Hwnd());
    EXPECT_EQ(clicks, 1);
    MouseDown(button.Hwnd());
    ::SendMessageW(button.Hwnd(), WM_LBUTTONUP, 0, Point(200, 5));
    EXPECT_EQ(clicks, 1) << "released beside the button";

    PressKey(button.Hwnd(), VK_SPACE);
    PressKey(button.Hwnd(), VK_RETURN);
    EXPECT_EQ(clicks, 3);
    // A held key repeats its key-down; it clicks once.
    ::SendMessageW(button.Hwnd(), WM_KEYDOWN, VK_RETURN, 0x40000001);
    EXPECT_EQ(clicks, 3);

    button.SetEnabled(false);
    Click(button.Hwnd());
    PressKey(button.Hwnd(), VK_SPACE);
    PressKey(button.Hwnd(), VK_RETURN);
    EXPECT_EQ(clicks, 3);
    // Disabled between press and release.
    button.SetEnabled(true);
    MouseDown(button.Hwnd());
    button.SetEnabled(false);
    button.SetEnabled(true);
    testing_support::MouseUp(button.Hwnd());
    EXPECT_EQ(clicks, 3);
}

TEST_F(SkinControlsTest, PicturesAndLabelsThatActAsButtonsTakeFocusAndKeys)
{
    ui::PictureBox picture(L"cmdOpen");
    ui::Label label(L"lblHP");
    struct Case {
        ui::MouseControl& control;
        const wchar_t* name;
        std::wstring windowText;
    };
    Put(picture, {10, 10, 42, 38});
    Put(label, {10, 50, 120, 66}).SetCaption(L"www.example.com");
    for (const Case& c : {Case{picture, L"Open", L"Open"}, Case{label, L"Link", L"www.example.com"}}) {
        ui::MouseControl& control = c.control;
        SCOPED_TRACE(WindowText(control.Hwnd()));
        int clicks = 0;
        control.onClick = [&] { ++clicks; };
        PressKey(control.Hwnd(), VK_SPACE);
        EXPECT_EQ(clicks, 0) << "not yet a button";
        EXPECT_EQ(::GetWindowLongW(control.Hwnd(), GWL_STYLE) & WS_TABSTOP, 0);

        control.ActAsButton(c.name);
        EXPECT_EQ(WindowText(control.Hwnd()), c.windowText) << "a caption stays the window text";
        EXPECT_NE(::GetWindowLongW(control.Hwnd(), GWL_STYLE) & WS_TABSTOP, 0);
        EXPECT_NE(::SendMessageW(control.Hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_BUTTON, 0);
        ::SetFocus(host);
        const Picture unfocused = Draw(control.Hwnd());
        PressKey(control.Hwnd(), VK_SPACE);
        PressKey(control.Hwnd(), VK_RETURN);
        ::SendMessageW(control.Hwnd(), BM_CLICK, 0, 0);
        EXPECT_EQ(clicks, 3);
        ::SendMessageW(control.Hwnd(), WM_KEYDOWN, VK_SPACE, 0x40000001);
        EXPECT_EQ(clicks, 3) << "a held key clicks once";

        ASSERT_TRUE(control.Focused());
        const Picture focused = Draw(control.Hwnd());
        EXPECT_NE(focused, unfocused) << "the focus rectangle";
        ::SetFocus(host);
        EXPECT_FALSE(control.Focused());
        EXPECT_EQ(Draw(control.Hwnd()), unfocused);

        control.SetEnabled(false);
        PressKey(control.Hwnd(), VK_SPACE);
        EXPECT_EQ(clicks, 3);
    }
}

TEST_F(SkinControlsTest, DialogNavigationReachesTheControls)
{
    ui::XpButton first(L"cmdFirst");
    ui::XpButton second(L"cmdSecond");
    ui::SevCheck check(L"chkThird");
    Put(first, {10, 10, 100, 33});
    Put(second, {110, 10, 200, 33});
    Put(check, {10, 40, 200, 57});
    ::ShowWindow(host, SW_SHOWNOACTIVATE);
    int clicks = 0;
    first.onClick = [&] { ++clicks; };
    second.onClick = [&] { ++clicks; };

    // As the event loop hands key messages to the dialog manager.
    const auto key = [&](WPARAM code) {
        MSG msg{::GetFocus(), WM_KEYDOWN, code, 1, 0, {}};
        EXPECT_TRUE(::IsDialogMessageW(host, &msg));
        PumpMessages();
    };
    ::SetFocus(first.Hwnd());
    ASSERT_EQ(::GetFocus(), first.Hwnd());
    key(VK_SPACE);
    key(VK_RETURN);
    EXPECT_EQ(clicks, 2);
    key(VK_TAB);
    EXPECT_EQ(::GetFocus(), second.Hwnd());
    key(VK_RETURN);
    EXPECT_EQ(clicks, 3);
    key(VK_TAB);
    EXPECT_EQ(::GetFocus(), check.Hwnd());
    key(VK_SPACE);
    EXPECT_EQ(check.Value(), 1);
    key(VK_TAB);
    EXPECT_EQ(::GetFocus(), first.Hwnd()) << "Tab wraps around";

    // A click takes the focus.
    Click(check.Hwnd());
    EXPECT_EQ(::GetFocus(), check.Hwnd());
}

TEST_F(SkinControlsTest, AccessKeysOfTheCaptionsClickTheirControl)
{
    ui::XpButton back(L"cmdBack");
    ui::XpButton next(L"cmdNext");
    ui::SevCheck check(L"chkOption");
    Put(back, {10, 10, 100, 33}).SetCaption(L"< &Back");
    Put(next, {110, 10, 200, 33}).SetCaption(L"&Next >");
    Put(check, {10, 40, 200, 57}).SetCaption(L"&Tick && go");
    ::ShowWindow(host, SW_SHOWNOACTIVATE);
    ::SetFocus(back.Hwnd());
    int backs = 0;
    int nexts = 0;
    back.onClick = [&] { ++backs; };
    next.onClick = [&] { ++nexts; };

    const auto altKey = [&](wchar_t letter) {
        MSG msg{::GetFocus(), WM_SYSCHAR, letter, 1 << 29, 0, {}};
        ::IsDialogMessageW(host, &msg);
        PumpMessages();
    };
    altKey(L'n');
    EXPECT_EQ(nexts, 1);
    EXPECT_EQ(backs, 0);
    altKey(L'B');
    EXPECT_EQ(backs, 1);
    altKey(L't');
    EXPECT_EQ(check.Value(), 1);
    altKey(L'g');  // "&&" is a plain ampersand, no access key
    EXPECT_EQ(check.Value(), 1);

    next.SetEnabled(false);
    altKey(L'n');
    EXPECT_EQ(nexts, 1) << "a disabled button ignores its key";
}

TEST_F(SkinControlsTest, ButtonLooksFollowItsState)
{
    ui::XpButton button(L"cmd");
    Put(button, {10, 10, 100, 33});
    const HWND hwnd = button.Hwnd();
    const Picture normal = Draw(hwnd);
    const int faceX = 45;
    const int faceY = 5;

    const COLORREF released = PixelOf(hwnd, faceX, faceY);
    MouseDown(hwnd);
    EXPECT_NE(PixelOf(hwnd, faceX, faceY), released) << "pressed";
    testing_support::MouseUp(hwnd);
    ::SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    ::SendMessageW(hwnd, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(Draw(hwnd), normal);

    ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, Point(45, 11));
    EXPECT_NE(Draw(hwnd), normal) << "under the mouse";
    ::SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Draw(hwnd), normal);

    ::SendMessageW(hwnd, WM_SETFOCUS, 0, 0);
    EXPECT_NE(Draw(hwnd), normal) << "with the focus";
    ::SendMessageW(hwnd, WM_KILLFOCUS, 0, 0);

    button.SetEnabled(false);
    EXPECT_NE(Draw(hwnd), normal) << "disabled";
    button.SetEnabled(true);

    // Text shows only for a caption; "" takes it away again.
    const RECT face{4, 4, 86, 19};
    EXPECT_EQ(normal.Count(face, IsDark), 0);
    button.SetCaption(L"Weiter");
    EXPECT_GT(Draw(hwnd).Count(face, IsDark), 10);
    button.SetCaption(L"");
    EXPECT_EQ(Draw(hwnd).Count(face, IsDark), 0);
    EXPECT_EQ(Draw(hwnd), normal);
}

TEST_F(SkinControlsTest, CheckAndOptionLooksFollowTheirValue)
{
    ui::SevCheck check(L"chk");
    ui::SevOption option(L"opt");
    Put(check, {10, 10, 200, 27});
    Put(option, {10, 40, 200, 57});
    const RECT box{0, 2, 13, 15};

    const Picture clear = Draw(check.Hwnd());
    check.SetValue(1);
    const Picture ticked = Draw(check.Hwnd());
    check.SetValue(2);
    const Picture greyed = Draw(check.Hwnd());
    EXPECT_GT(ticked.Count(box, IsDark), clear.Count(box, IsDark)) << "the tick";
    EXPECT_NE(greyed, clear);
    EXPECT_NE(greyed, ticked);
    // Only the box changes, not the caption beside it.
    for (int y = 0; y < clear.height; ++y)
        for (int x = box.right; x < clear.width; ++x)
            ASSERT_EQ(clear.At(x, y), ticked.At(x, y)) << x << "," << y;

    check.SetValue(1);
    check.SetEnabled(false);
    EXPECT_NE(Draw(check.Hwnd()), ticked) << "disabled";
    ::SendMessageW(option.Hwnd(), WM_MOUSEMOVE, 0, Point(5, 8));
    const Picture hot = Draw(option.Hwnd());
    ::SendMessageW(option.Hwnd(), WM_MOUSELEAVE, 0, 0);
    const Picture unselected = Draw(option.Hwnd());
    EXPECT_NE(hot, unselected);
    option.SetValue(true);
    EXPECT_NE(Draw(option.Hwnd()), unselected);
}

TEST_F(SkinControlsTest, ProgressBarFillsInProportionWithinItsRange)
{
    ui::SevProgressBar bar(L"bar");
    Put(bar, {10, 10, 210, 27});
    const RECT row{0, 8, 200, 9};
    const RECT leftHalf{0, 8, 100, 9};
    const RECT rightPart{110, 8, 200, 9};

    bar.SetValue(150);
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_GT(Draw(bar.Hwnd()).Count(RECT{180, 8, 196, 9}, IsBlue), 8);
    bar.SetValue(-3);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(Draw(bar.Hwnd()).Count(row, IsBlue), 0);

    bar.SetValue(50);
    const Picture half = Draw(bar.Hwnd());
    EXPECT_GT(half.Count(leftHalf, IsBlue), 60);
    EXPECT_EQ(half.Count(rightPart, IsBlue), 0);
}

// Wine draws its stand-in for Arial wider than the font's metrics say: a label
// sized by the metrics alone loses its last letter.
TEST_F(SkinControlsTest, LabelSizedToItsTextShowsAllOfIt)
{
    ui::Label label(L"lblHP");
    label.SetCaption(L"www.qorsoft.example");
    Put(label, {0, 0, 138, 14});
    label.SetFont({L"Arial", 8.25});
    label.SetAutoSize(true);
    RECT client;
    ::GetClientRect(label.Hwnd(), &client);
    ASSERT_GT(client.right, 0);

    // Drawn on a canvas twice as wide, as the screen draws it.
    const int width = client.right * 2;
    win::WindowDC screen(nullptr);
    win::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    win::unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, client.bottom));
    {
        win::SelectedObject selected(memory.get(), bitmap.get());
        label.PaintContent(memory.get(), RECT{0, 0, width, client.bottom});
    }
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width * client.bottom));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ASSERT_TRUE(::GetDIBits(memory.get(), bitmap.get(), 0, client.bottom, pixels.data(), &info, DIB_RGB_COLORS));
    int inked = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF) != 0xFFFFFF)
                inked = std::max(inked, x + 1);
    EXPECT_GT(inked, 0);
    EXPECT_LE(inked, client.right) << "the text reaches beyond the label";
}

TEST_F(SkinControlsTest, GradientBarFillsItsShareWithTheColourOfEachPlace)
{
    ui::MBProgressBar bar(L"ProgressBarRAM1");
    Put(bar, {0, 0, 204, 14});
    bar.SetColors(RGB(192, 0, 0), RGB(0, 128, 0));
    // A range of several GB in KB: far beyond what a product of 32-bit numbers holds.
    const std::int64_t total = std::int64_t{1} << 40;
    bar.SetMax(total);
    EXPECT_TRUE(bar.SetValue(total / 2));
    const Picture half = Draw(bar.Hwnd());
    EXPECT_TRUE(IsNear(half.At(3, 7), RGB(192, 0, 0))) << "red at the left end";
    EXPECT_TRUE(IsNear(half.At(98, 7), RGB(96, 64, 0))) << "half way between the colours";
    EXPECT_EQ(half.At(150, 7), RGB(255, 255, 255)) << "the rest stays empty";

    EXPECT_TRUE(bar.SetValue(total));
    EXPECT_TRUE(IsNear(Draw(bar.Hwnd()).At(200, 7), RGB(0, 128, 0))) << "green at the right end";

    // A value outside the range is ignored.
    EXPECT_FALSE(bar.SetValue(total + 1));
    EXPECT_FALSE(bar.SetValue(-1));
    EXPECT_EQ(bar.Value(), total);
    bar.SetMax(10);
    EXPECT_EQ(bar.Value(), 10) << "brought into a smaller range";
}

TEST_F(SkinControlsTest, FramePaintsItselfForTransparentChildren)
{
    ui::SevFrame frame(L"fraTitle");
    frame.SetCaption(L"Antispy");
    const COLORREF back = RGB(0xF0, 0xF4, 0xFA);
    const COLORREF border = RGB(0x7F, 0x9D, 0xB9);
    const COLORREF caption = RGB(0x00, 0x46, 0xD5);
    frame.SetColors(back, border, caption);
    Put(frame, {0, 0, 300, 200});
    EXPECT_NE(::GetWindowLongW(frame.Hwnd(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0) << "Tab reaches its controls";

    const Picture picture = Draw(frame.Hwnd());
    EXPECT_EQ(picture.At(150, 100), back);
    EXPECT_EQ(picture.At(0, 100), border);
    EXPECT_EQ(picture.At(299, 100), border);
    EXPECT_EQ(picture.At(150, 199), border);
    EXPECT_GT(picture.Count(RECT{8, 0, 40, 14}, [&](COLORREF c) { return IsNear(c, caption); }), 10);
    EXPECT_EQ(picture.Count(RECT{8, 0, 40, 14}, [&](COLORREF c) { return c == border; }), 0)
        << "the caption sits on a gap in the border";

    ui::Label label(L"lblInfo");
    label.SetTransparent(true);
    Put(label, {20, 40, 120, 60}, frame.Hwnd());
    win::unique_hdc memory(::CreateCompatibleDC(nullptr));
    win::WindowDC screen(label.Hwnd());
    win::unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), 100, 20));
    win::SelectedObject selected(memory.get(), bitmap.get());
    label.PaintContent(memory.get(), RECT{0, 0, 100, 20});
    EXPECT_EQ(::GetPixel(memory.get(), 50, 10), back);
}

} // namespace
