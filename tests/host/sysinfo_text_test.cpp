#include "pages/system/core/SysInfoText.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayTexts, FollowThePagesPatterns)
{
    EXPECT_EQ(sysinfo::ResolutionText(1024, 768), L"1024 x 768 Pixel");
    EXPECT_EQ(sysinfo::ColourDepthText(24, L"."), L"24  (16.777.216 Farben)");
    EXPECT_EQ(sysinfo::ColourDepthText(4, L""), L"4  (16 Farben)");
    EXPECT_EQ(sysinfo::RefreshRateText(0), L"(Hardware-Default)");
    EXPECT_EQ(sysinfo::RefreshRateText(1), L"(Hardware-Default)");
    EXPECT_EQ(sysinfo::RefreshRateText(60), L" 60 Hz");
}

TEST(WindowsText, NamesTheReleasesOfTheTableAndLaterOnesByNumber)
{
    struct Case {
        sysinfo::VersionFields version;
        const wchar_t* edition;
        const wchar_t* text;
    };
    const Case cases[] = {
        {{0, 3, 10, 0, L""}, L"", L"Microsoft Win32s"},
        {{1, 4, 0, 950, L""}, L"", L"Microsoft Windows 95"},
        // OSR 2 by the second character of the service-pack text, a capital C or B.
        {{1, 4, 0, 1111, L" C"}, L"", L"Microsoft Windows 95 OSR 2"},
        {{1, 4, 0, 1111, L" B"}, L"", L"Microsoft Windows 95 OSR 2"},
        {{1, 4, 0, 1111, L"C"}, L"", L"Microsoft Windows 95"},
        {{1, 4, 10, 1998, L""}, L"", L"Microsoft Windows 98"},
        // SE by the first character only: a blank before the A is no SE.
        {{1, 4, 10, 2222, L"A"}, L"", L"Microsoft Windows 98 SE"},
        {{1, 4, 10, 2222, L" A "}, L"", L"Microsoft Windows 98"},
        {{1, 4, 90, 3000, L" "}, L"", L"Microsoft Windows ME"},
        {{1, 4, 20, 0, L""}, L" Server", L""},
        {{3, 6, 0, 0, L""}, L"", L""},
        {{2, 4, 0, 1381, L"Service Pack 6"}, L"", L"Microsoft Windows NT (Version 4.0 Service Pack 6 Build 1381)"},
        {{2, 4, 0, 1381, L""}, L" Server", L"Microsoft Windows NT Server (Version 4.0  Build 1381)"},
        {{2, 5, 0, 2195, L""}, L" Professional", L"Microsoft Windows 2000 Professional (Build 2195)"},
        {{2, 5, 1, 2600, L"Service Pack 1"}, L"", L"Microsoft Windows XP (Version Service Pack 1 Build 2600)"},
        {{2, 5, 1, 2600, L""}, L"", L"Microsoft Windows XP (Build 2600)"},
        // Server 2003 shows only the suffix; later releases show their version number.
        {{2, 5, 2, 3790, L"Service Pack 2"}, L"", L" (Version Service Pack 2 Build 3790)"},
        {{2, 6, 1, 7601, L"Service Pack 1"}, L"", L"Microsoft Windows 6.1 (Version Service Pack 1 Build 7601)"},
        {{2, 10, 0, 22631, L""}, L"", L"Microsoft Windows 10.0 (Build 22631)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sysinfo::WindowsText(c.version, c.edition), c.text);
}

TEST(EditionFromProductType, TestsTheTypesInOrderWithCase)
{
    EXPECT_EQ(sysinfo::EditionFromProductType(L"WINNT"), L" Professional");
    EXPECT_EQ(sysinfo::EditionFromProductType(L"xLANMANNTx"), L" Server");
    EXPECT_EQ(sysinfo::EditionFromProductType(L"SERVERNT"), L" Advanced Server");
    EXPECT_EQ(sysinfo::EditionFromProductType(L"SERVERNT WINNT"), L" Professional");
    EXPECT_EQ(sysinfo::EditionFromProductType(L"winnt"), L"");
}

} // namespace
