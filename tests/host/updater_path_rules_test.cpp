#include "updater/core/PathRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using pathrules::IsInsideFolder;
using pathrules::NormalizePath;

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (const wchar_t c : text)
        narrow += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    return narrow;
}

TEST(NormalizePath, ReadsAPathAsWindowsDoes)
{
    const struct {
        const wchar_t* path;
        const wchar_t* plain;
    } cases[] = {
        {L"c:\\brvtupdatetemp\\brvt.exe", L"c:\\brvtupdatetemp\\brvt.exe"},
        {L"C:/brvtupdatetemp/brvt.exe", L"C:\\brvtupdatetemp\\brvt.exe"},
        {L"c:\\\\brvtupdatetemp\\\\\\brvt.exe\\", L"c:\\brvtupdatetemp\\brvt.exe"},
        {L"c:\\brvtupdatetemp\\.\\lang\\.\\English.bvl", L"c:\\brvtupdatetemp\\lang\\English.bvl"},
        {L"c:\\brvtupdatetemp\\lang\\..\\brvt.exe", L"c:\\brvtupdatetemp\\brvt.exe"},
        {L"c:\\brvtupdatetemp\\brvt.exe. . .", L"c:\\brvtupdatetemp\\brvt.exe"},
        {L"c:\\brvtupdatetemp. \\brvt.exe", L"c:\\brvtupdatetemp\\brvt.exe"},
        {L"c:\\", L"c:\\"},
        {L"c:\\brvtupdatetemp\\..", L"c:\\"},
        {L"c:\\a\\ leading blank", L"c:\\a\\ leading blank"},
        {L"c:\\BRVTUP~1\\brvt.exe", L"c:\\BRVTUP~1\\brvt.exe"},
        {L"c:\\brvtupdatetemp\\console.txt", L"c:\\brvtupdatetemp\\console.txt"},
        {L"c:\\brvtupdatetemp\\com10", L"c:\\brvtupdatetemp\\com10"},
        // Shares: ".." stops at the share.
        {L"\\\\server\\share\\main\\brvt.exe", L"\\\\server\\share\\main\\brvt.exe"},
        {L"//server/share/./main/../brvt.exe. ", L"\\\\server\\share\\brvt.exe"},
        {L"\\\\server\\share", L"\\\\server\\share"},
        {L"\\\\server\\share\\", L"\\\\server\\share"},
    };
    for (const auto& normalized : cases) {
        SCOPED_TRACE(Narrow(normalized.path));
        EXPECT_EQ(NormalizePath(normalized.path), std::optional<std::wstring>(normalized.plain));
    }
}

TEST(NormalizePath, RefusesWhatIsNoPlainFileOnADriveOrShare)
{
    const wchar_t* const refused[] = {
        // Not a path on a drive or share.
        L"", L"brvt.exe", L"c:brvt.exe", L"c:", L"\\brvtupdatetemp\\brvt.exe", L"\\\\server",
        L"\\\\server\\", L"\\\\\\share\\brvt.exe", L"\\\\?\\c:\\brvtupdatetemp\\brvt.exe",
        L"\\\\.\\c:\\brvtupdatetemp\\brvt.exe", L"\\\\..\\share\\brvt.exe", L"\\\\server\\sh*re\\brvt.exe",
        L"1:\\brvt.exe",
        // Above the root or the share.
        L"c:\\..\\brvt.exe", L"c:\\brvtupdatetemp\\..\\..\\brvt.exe", L"\\\\server\\share\\..\\other\\brvt.exe",
        // Devices, in any folder and with any extension.
        L"c:\\brvtupdatetemp\\con", L"c:\\brvtupdatetemp\\NUL.txt", L"c:\\brvtupdatetemp\\aux .dat",
        L"c:\\brvtupdatetemp\\prn.", L"c:\\brvtupdatetemp\\Lpt1\\brvt.exe", L"c:\\brvtupdatetemp\\com9.log",
        L"c:\\brvtupdatetemp\\com\u00b9", L"c:\\brvtupdatetemp\\CONOUT$",
        // Streams, wildcards and characters no name may hold.
        L"c:\\brvtupdatetemp\\brvt.exe:hidden", L"c:\\brvtupdatetemp:hidden", L"c:\\brvtupdatetemp\\*.exe",
        L"c:\\brvtupdatetemp\\brvt?.exe", L"c:\\brvtupdatetemp\\a<b", L"c:\\brvtupdatetemp\\a|b",
        L"c:\\brvtupdatetemp\\a\"b", L"c:\\brvtupdatetemp\\a\tb",
        // Names of dots and blanks alone.
        L"c:\\brvtupdatetemp\\...\\brvt.exe", L"c:\\brvtupdatetemp\\.. \\brvt.exe", L"c:\\brvtupdatetemp\\ \\brvt.exe",
    };
    for (const wchar_t* path : refused) {
        SCOPED_TRACE(Narrow(path));
        EXPECT_EQ(NormalizePath(path), std::nullopt);
    }
}

TEST(IsInsideFolder, OnlyWhatLiesBelowTheFolder)
{
    EXPECT_TRUE(IsInsideFolder(L"c:\\brvtupdatetemp\\brvt.exe", L"c:\\brvtupdatetemp"));
    EXPECT_TRUE(IsInsideFolder(L"C:\\BrvtUpdateTemp\\lang\\x.bvl", L"c:\\brvtupdatetemp")) << "case does not count";
    EXPECT_FALSE(IsInsideFolder(L"c:\\brvtupdatetemp", L"c:\\brvtupdatetemp")) << "the folder itself is no file in it";
    EXPECT_FALSE(IsInsideFolder(L"c:\\brvtupdatetemp2\\brvt.exe", L"c:\\brvtupdatetemp"));
    EXPECT_FALSE(IsInsideFolder(L"c:\\brvtupdatetem", L"c:\\brvtupdatetemp"));
    EXPECT_FALSE(IsInsideFolder(L"d:\\brvtupdatetemp\\brvt.exe", L"c:\\brvtupdatetemp"));
    EXPECT_FALSE(IsInsideFolder(L"c:\\brvt.exe", L"c:\\brvtupdatetemp"));
}

TEST(IsInsideFolder, ADriveRootHoldsEverythingOnItsDrive)
{
    EXPECT_TRUE(IsInsideFolder(L"c:\\main\\brvt.exe", L"c:\\"));
    EXPECT_FALSE(IsInsideFolder(L"c:\\", L"c:\\"));
    EXPECT_FALSE(IsInsideFolder(L"d:\\main\\brvt.exe", L"c:\\"));
}

// The program that Finish may start: inside the install root, also where the
// root is a drive root or a share.
TEST(IsInsideFolder, TheInstallRootOnADriveRootOrAShareHoldsItsProgram)
{
    const struct {
        const wchar_t* root;
        const wchar_t* program;
        bool inside;
    } cases[] = {
        {L"D:\\", L"D:\\main\\brvt.exe", true},
        {L"D:\\", L"D:\\main\\..\\..\\brvt.exe", false},
        {L"D:\\", L"C:\\main\\brvt.exe", false},
        {L"\\\\server\\share", L"\\\\server\\share\\main\\brvt.exe", true},
        {L"\\\\server\\share\\app", L"\\\\server\\share\\app\\main\\brvt.exe", true},
        {L"\\\\server\\share\\app", L"\\\\server\\share\\other\\brvt.exe", false},
        {L"\\\\server\\share", L"\\\\server\\share2\\main\\brvt.exe", false},
        {L"\\\\server\\share", L"\\\\other\\share\\main\\brvt.exe", false},
    };
    for (const auto& startable : cases) {
        SCOPED_TRACE(Narrow(startable.root) + " " + Narrow(startable.program));
        const std::optional<std::wstring> root = NormalizePath(startable.root);
        const std::optional<std::wstring> program = NormalizePath(startable.program);
        ASSERT_TRUE(root);
        EXPECT_EQ(program && IsInsideFolder(*program, *root), startable.inside);
    }
}

TEST(IsInsideFolder, AResolvedPathLeadingOutIsOutside)
{
    // What the update wizard checks: the plain form first, then the place.
    const auto inside = [](const wchar_t* path) {
        const std::optional<std::wstring> plain = NormalizePath(path);
        return plain && IsInsideFolder(*plain, L"c:\\brvtupdatetemp");
    };
    EXPECT_TRUE(inside(L"c:/brvtupdatetemp/./lang/../brvt.exe. "));
    EXPECT_FALSE(inside(L"c:\\brvtupdatetemp\\..\\Windows\\brvt.exe"));
    EXPECT_FALSE(inside(L"c:\\brvtupdatetemp\\lang\\..\\..\\brvt.exe"));
    EXPECT_FALSE(inside(L"c:\\brvtupdatetemp\\.."));
    EXPECT_FALSE(inside(L"c:\\brvtupdatetemp\\."));
}

} // namespace
