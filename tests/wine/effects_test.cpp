// The real effects seam where a test can use it without harm.
#include "tests/wine/support/RunningProgram.h"
#include "ui/Effects.h"

#include <gtest/gtest.h>

namespace {

TEST(RealSeam, RunsACommandLineFoundOnTheSearchPathWithoutWaiting)
{
    const std::wstring marker = testing_support::FolderOfThisProgram() + L"\\command-line-ran.txt";
    ::DeleteFileW(marker.c_str());
    ASSERT_TRUE(effects::Current().RunCommandLine(L"cmd.exe /c echo ran>\"" + marker + L"\"", SW_SHOWMINIMIZED));
    EXPECT_TRUE(testing_support::WaitUntil([&] { return ::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    ::DeleteFileW(marker.c_str());

    EXPECT_FALSE(effects::Current().RunCommandLine(L"no-such-program-here.exe", SW_SHOWNOACTIVATE));
}

} // namespace
