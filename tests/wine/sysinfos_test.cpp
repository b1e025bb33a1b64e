// The system overview page: what it gathers at load against what the system
// reports through other routes, and its button.
#include "pages/system/frmSysInfos.h"

#include "shell/PageForm.h"
#include "ui/Form.h"
#include "ui/SystemFolders.h"

#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

// The descriptions that the system's own WMI command line lists, one line each.
std::vector<std::wstring> DescriptionsByWmic()
{
    std::FILE* pipe = ::_wpopen(L"wmic path Win32_VideoController get Description", L"rb");
    std::string bytes;
    for (char chunk[512]; pipe && !std::feof(pipe);)
        bytes.append(chunk, std::fread(chunk, 1, sizeof chunk, pipe));
    if (pipe)
        ::_pclose(pipe);
    // UTF-16 with a byte order mark: the heading, then one padded line per adapter.
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    std::vector<std::wstring> lines;
    for (size_t end = text.find(L'\n'); end != std::wstring::npos && end + 1 < text.size();) {
        const size_t start = end + 1;
        end = text.find(L'\n', start);
        std::wstring line = text.substr(start, end - start);
        line.erase(line.find_last_not_of(L" \r") + 1);
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

class SysInfosTest : public FormTest {};

TEST_F(SysInfosTest, DisplayFiguresAreTheScreensAsLoaded)
{
    FrmSysInfos& page = frmSysInfos.Get();
    win::WindowDC screen(nullptr);
    EXPECT_EQ(page.LabelAufLoesung.Caption(), std::to_wstring(::GetDeviceCaps(screen.get(), HORZRES)) + L" x " +
                                                  std::to_wstring(::GetDeviceCaps(screen.get(), VERTRES)) + L" Pixel");
    EXPECT_EQ(page.LabelBit.Caption(), ColourDepthLabel(::GetDeviceCaps(screen.get(), BITSPIXEL)));
    // The test prefix has English number formats.
    EXPECT_EQ(ColourDepthLabel(8), L"8  (256 Farben)");
    EXPECT_EQ(ColourDepthLabel(32), L"32  (4,294,967,296 Farben)");
    // Xvfb reports a refresh rate of 1: the hardware's default.
    ASSERT_EQ(::GetDeviceCaps(screen.get(), VREFRESH), 1);
    EXPECT_EQ(page.lblFrequenz.Caption(), L"(Hardware-Default)");
}

// A window that notes when a message posted at the next idle moment reaches it:
// by then the messages queued before have been handled.
class IdleMarker {
public:
    IdleMarker()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"BrvtIdleMarker";
        ::RegisterClassW(&windowClass);
        hwnd_ = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
        reached = false;
        ui::PostWhenIdle(hwnd_, WM_APP);
    }
    ~IdleMarker() { ::DestroyWindow(hwnd_); }
    bool Reached() const { return reached; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP)
            reached = true;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    static inline bool reached = false;
    HWND hwnd_ = nullptr;
};

std::vector<std::wstring> ListedAdapters(const FrmSysInfos& page)
{
    std::vector<std::wstring> listed;
    for (int i = 0; i < page.ListGrafikkarte.ListCount(); ++i)
        listed.push_back(page.ListGrafikkarte.List(i));
    return listed;
}

// The query waits until the event loop is idle, then answers from its worker.
TEST_F(SysInfosTest, AdapterListIsWhatWmiReportsOnceIdle)
{
    FrmSysInfos& page = frmSysInfos.Get();
    EXPECT_FALSE(page.AdaptersListed()) << "no query during the load";
    ui::DoEvents();
    EXPECT_FALSE(page.AdaptersListed()) << "a yield is no idle moment";
    const std::vector<std::wstring> expected = DescriptionsByWmic();
    ASSERT_FALSE(expected.empty());
    ui::RunMessageLoop([&] { return !page.AdaptersListed(); });
    EXPECT_EQ(ListedAdapters(page), expected);
}

// Shown before the worker has answered: the page waits for it and lists each adapter once.
TEST_F(SysInfosTest, PageShownEarlyListsTheAdaptersAtOnce)
{
    FrmSysInfos& page = frmSysInfos.Get();
    ASSERT_FALSE(page.AdaptersListed());
    ui::ShowPage(page.fraInfos);
    ASSERT_TRUE(page.AdaptersListed());
    const std::vector<std::wstring> listed = ListedAdapters(page);
    EXPECT_EQ(listed, DescriptionsByWmic());

    // The idle start and the worker's message come later and add nothing.
    IdleMarker marker;
    ui::RunMessageLoop([&] { return !marker.Reached(); });
    ui::ShowPage(page.fraInfos);
    EXPECT_EQ(ListedAdapters(page), listed);
}

TEST_F(SysInfosTest, WindowsLanguageUserAndTheButton)
{
    FrmSysInfos& page = frmSysInfos.Get();
    wchar_t language[256] = L"";
    ::GetLocaleInfoW(::GetSystemDefaultLCID(), LOCALE_SENGLANGUAGE, language, 256);
    EXPECT_EQ(page.lblLangu.Caption(), language);
    wchar_t user[256] = L"";
    ::GetEnvironmentVariableW(L"USERNAME", user, 256);
    EXPECT_EQ(::lstrcmpiW(page.LabelBenutzerUser.Caption().c_str(), user), 0) << "the environment names the user";

    // The prefix's Windows 7 figures, which ntdll reports whatever GetVersionEx tells the program.
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(::GetVersionExW(&version));
    ASSERT_EQ(version.dwMajorVersion * 100 + version.dwMinorVersion, 601u);
    EXPECT_EQ(page.LabelVersionXP.Caption(), L"Microsoft Windows 6.1 (Version Service Pack 1 Build 7601)");
    EXPECT_TRUE(seam.messages.empty());

    Click(page.cmdWeitere.Hwnd());
    ASSERT_EQ(seam.starts.size(), 1u);
    // The prefix has it in the system folder, as Windows has since Vista.
    EXPECT_EQ(seam.starts[0].file, systemfolders::InSystem(L"msinfo32.exe"));
    EXPECT_EQ(seam.starts[0].owner, page.Hwnd());
}

} // namespace
