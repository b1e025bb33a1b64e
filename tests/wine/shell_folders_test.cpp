// Shell folders by number, as the disk cleaner and the general page look them up.
#include "pages/system/modOrdnerErmitteln.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(SpecialFolders, KnownNumbersGiveTheirFolderWithoutATrailingBackslash)
{
    wchar_t windows[MAX_PATH] = L"";
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(::lstrcmpiW(GetSpecialFolderPath(36).c_str(), windows), 0);

    const std::wstring cookies = GetSpecialFolderPath(33);
    ASSERT_FALSE(cookies.empty());
    EXPECT_NE(cookies.back(), L'\\');
    EXPECT_EQ(::GetFileAttributesW(cookies.c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SpecialFolders, ANumberTheShellDoesNotKnowGivesNothing)
{
    EXPECT_EQ(GetSpecialFolderPath(0x7F), L"");
    EXPECT_EQ(GetSpecialFolderPath(-1), L"");
}

} // namespace
