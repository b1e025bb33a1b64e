// The tool launcher: each link starts its tool from the system folder, the
// disk clean-up as a process without taking the focus, the others through the
// shell, and never a program of that name from anywhere else.
#include "pages/utilities/frmUtilities.h"

#include "tests/wine/support/PlantedTools.h"
#include "tests/wine/support/RunningProgram.h"
#include "tests/wine/support/TestSupport.h"
#include "ui/SystemFolders.h"
#include "ui/win/Handles.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

struct Link {
    ui::Label FrmUtilities::*label;
    const wchar_t* tag;
    std::wstring started;
};

const std::vector<Link>& ShellLinks()
{
    static const std::vector<Link> links = {
        {&FrmUtilities::lblDatentraegerverwaltung, L"2300", systemfolders::InSystem(L"diskmgmt.msc")},
        {&FrmUtilities::lblZertifikat, L"2310", systemfolders::InSystem(L"certmgr.msc")},
        {&FrmUtilities::lblHardware, L"2320", systemfolders::InSystem(L"devmgmt.msc")},
        {&FrmUtilities::lblVerwaltung, L"2330", systemfolders::InSystem(L"compmgmt.msc")},
        {&FrmUtilities::lblDefrag, L"2340", systemfolders::InSystem(L"dfrg.msc")},
        {&FrmUtilities::lblTask, L"2350", systemfolders::InSystem(L"taskmgr.exe")},
        {&FrmUtilities::lblLeistung, L"2360", systemfolders::InSystem(L"perfmon.msc")},
        {&FrmUtilities::lblRegEdit, L"2370", systemfolders::InSystem(L"regedt32.exe")},
        {&FrmUtilities::lblUpdateManager, L"2670", L"http://windowsupdate.microsoft.com"},
    };
    return links;
}

using ToolLauncherTest = FormTest;

TEST_F(ToolLauncherTest, EachLinkStartsItsToolThroughTheShellAndAgainOnEveryClick)
{
    FrmUtilities& page = frmUtilities.Get();
    for (const Link& link : ShellLinks()) {
        const ui::Label& label = page.*link.label;
        SCOPED_TRACE(::testing::PrintToString(label.Name()));
        EXPECT_EQ(label.Tag, link.tag);
        seam.starts.clear();
        Click(label.Hwnd());
        Click(label.Hwnd());
        ASSERT_EQ(seam.starts.size(), 2u);
        for (const auto& start : seam.starts) {
            EXPECT_EQ(start.file, link.started);
            EXPECT_EQ(start.owner, page.Hwnd());
        }
    }
    EXPECT_TRUE(seam.commands.empty());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ToolLauncherTest, DiskCleanUpStartsAsAProcessWithoutTakingTheFocus)
{
    FrmUtilities& page = frmUtilities.Get();
    EXPECT_EQ(page.lblDatentraeger.Tag, L"2640");
    Click(page.lblDatentraeger.Hwnd());
    ASSERT_EQ(seam.commands.size(), 1u);
    EXPECT_EQ(seam.commands[0].command.program, systemfolders::InSystem(L"cleanmgr.exe"));
    EXPECT_EQ(seam.commands[0].command.arguments, L"");
    EXPECT_EQ(seam.commands[0].showWindow, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(seam.starts.empty());
    EXPECT_TRUE(seam.messages.empty());

    // Wine has no disk clean-up: its start fails, and the program goes on.
    ASSERT_EQ(::GetFileAttributesW(systemfolders::InSystem(L"cleanmgr.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    seam.runPrograms = true;
    Click(page.lblDatentraeger.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, systemfolders::InSystem(L"cleanmgr.exe") + L" could not be started.");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(page.IsLoaded());
}

TEST_F(ToolLauncherTest, NoToolOfTheSameNameRunsFromTheCurrentFolderTheProgramFolderOrPath)
{
    // The test prefix has neither tool; the system folder gets one too.
    testing_support::PlantedTools planted{L"cleanmgr.exe", L"regedt32.exe"};
    planted.PlantInSystemFolder(L"cleanmgr.exe");
    planted.PlantInSystemFolder(L"regedt32.exe");
    seam.runPrograms = true;
    FrmUtilities& page = frmUtilities.Get();
    Click(page.lblDatentraeger.Hwnd());
    Click(page.lblRegEdit.Hwnd());
    EXPECT_TRUE(testing_support::WaitUntil([&] { return planted.RanInSystemFolder(L"cleanmgr.exe"); }));
    EXPECT_TRUE(testing_support::WaitUntil([&] { return planted.RanInSystemFolder(L"regedt32.exe"); }));
    EXPECT_EQ(planted.RanElsewhere(), std::vector<std::wstring>{});
    EXPECT_TRUE(seam.messages.empty());
}

struct InkedRow {
    int count = 0;  // inked pixels
    int end = 0;    // one past the last inked column
};

// The ink of each row that the label shows.
std::vector<InkedRow> RowsOf(const ui::Label& label)
{
    RECT client;
    ::GetClientRect(label.Hwnd(), &client);
    win::WindowDC screen(label.Hwnd());
    win::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    win::unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    win::SelectedObject selected(memory.get(), bitmap.get());
    label.PaintContent(memory.get(), client);
    std::vector<InkedRow> rows(static_cast<size_t>(client.bottom));
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (::GetPixel(memory.get(), x, y) != RGB(255, 255, 255)) {
                ++rows[static_cast<size_t>(y)].count;
                rows[static_cast<size_t>(y)].end = x + 1;
            }
    return rows;
}

TEST_F(ToolLauncherTest, EachLinksUnderlineEndsWithItsWords)
{
    FrmUtilities& page = frmUtilities.Get();
    const wchar_t* captions[] = {L"Disk Cleanup", L"Task Manager", L"Registry Editor", L"Windows Update",
                                 L"Zertifikate", L"Defragmentierung"};
    for (const wchar_t* caption : captions) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(caption)));
        page.lblTask.SetCaption(caption);
        const std::vector<InkedRow> rows = RowsOf(page.lblTask);
        // The underline is the row with the most ink; the words lie above it.
        const auto underline = std::max_element(rows.begin(), rows.end(),
                                                [](const InkedRow& a, const InkedRow& b) { return a.count < b.count; });
        ASSERT_NE(underline, rows.end());
        int words = 0;
        for (auto row = rows.begin(); row != underline; ++row)
            words = std::max(words, row->end);
        EXPECT_GT(words, 0);
        EXPECT_EQ(underline->end, words);
    }
}

} // namespace
