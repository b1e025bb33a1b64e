// Starts the real program from its install layout and ends it the way a user does.
#include "shell/Registry.h"

#include "tests/wine/support/RunningProgram.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

TEST(SmokeTest, StartsBorderlessAndEndsThroughTheClosePicture)
{
    // A stored language takes the start straight through the loading screen.
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L"English");
    Program program;
    ASSERT_TRUE(program.Started());

    const HWND main = WaitFor(MainWindowAfterThePass);
    ASSERT_NE(main, nullptr);
    const LONG style = ::GetWindowLongW(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0);

    CloseThroughTheClosePicture(program, main);
}

} // namespace
