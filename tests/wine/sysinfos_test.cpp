// The system overview page: what it gathers at load against what the system
// reports through other routes, and its button.
#include "pages/system/frmSysInfos.h"

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

TEST_F(SysInfosTest, AdapterListIsWhatWmiReports)
{
    FrmSysInfos& page = frmSysInfos.Get();
    const std::vector<std::wstring> expected = DescriptionsByWmic();
    ASSERT_FALSE(expected.empty());
    std::vector<std::wstring> listed;
    for (int i = 0; i < page.ListGrafikkarte.ListCount(); ++i)
        listed.push_back(page.ListGrafikkarte.List(i));
    EXPECT_EQ(listed, expected);
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
    EXPECT_EQ(seam.starts[0].file, L"msinfo32");
    EXPECT_EQ(seam.starts[0].owner, page.Hwnd());
}

} // namespace
