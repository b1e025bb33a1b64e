// Which folders the quick clean-up may empty, against a machine laid out as a test table.
#include "pages/system/core/FolderToEmptyRule.h"

#include <gtest/gtest.h>

#include <cwchar>

#include <string>

namespace {

TEST(FolderToEmptyRule, PathsAreSpelledOneWay)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"c:\\Windows\\", L"C:\\WINDOWS"},
        {L"C:/Users/Ann/./AppData\\\\Local", L"C:\\USERS\\ANN\\APPDATA\\LOCAL"},
        {L"C:\\Windows\\System32\\..", L"C:\\WINDOWS"},
        {L"C:\\..\\..", L"C:\\"},
        {L"C:", L"C:\\"},
        {L"C:\\Windows. \\", L"C:\\WINDOWS"},
        {L"\\\\?\\C:\\Temp", L"C:\\TEMP"},
        {L"\\\\Server\\Share", L"\\\\SERVER\\SHARE\\"},
        {L"\\\\?\\UNC\\server\\share\\tmp\\", L"\\\\SERVER\\SHARE\\TMP"},
        // "\\.\" is the device namespace as "\\?\" is, no share; its ".." may climb over the drive.
        {L"\\\\.\\C:\\Windows", L"C:\\WINDOWS"},
        {L"\\\\.\\c:", L"C:\\"},
        {L"\\\\.\\C:\\..\\D:\\Temp", L"D:\\TEMP"},
        {L"\\\\.\\UNC\\server\\share\\tmp", L"\\\\SERVER\\SHARE\\TMP"},
        {L"\\\\.\\UNC\\server\\share\\..\\other", L"\\\\SERVER\\OTHER\\"},
        // No drive or share to start from.
        {L"Temp", L""},
        {L"C:Temp", L""},
        {L"\\Temp", L""},
        {L"\\\\server", L""},
        {L"\\\\.\\", L""},
        {L"\\\\.\\C:Temp", L""},
        {L"\\\\?\\Volume{0b1c}\\Temp", L""},
        {L"", L""},
    };
    for (const auto& [path, normalised] : cases)
        EXPECT_EQ(foldertoempty::Normalised(path), normalised) << std::string(path, path + std::wcslen(path));
}

// A machine as the Windows side finds it: Ann's Documents moved to drive E, the
// Windows default still in place, and her Favorites on a share.
const foldertoempty::Guarded machine{
    {L"C:\\", L"D:\\", L"C:\\Windows\\system32", L"C:\\Program Files", L"C:\\Program Files (x86)",
     L"C:\\Program Files\\Common Files", L"C:\\Users\\Ann", L"C:\\Users\\Ann\\Desktop", L"E:\\Ann\\Documents",
     L"C:\\Users\\Ann\\Documents", L"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu",
     L"C:\\Users\\Ann\\AppData\\Roaming", L"C:\\Users\\Ann\\AppData\\Local", L"C:\\ProgramData",
     L"\\\\server\\home\\ann\\Favorites", L""},
    {L"C:\\Program Files", L"C:\\Program Files (x86)", L"C:\\Program Files\\Common Files", L""},
    L"C:\\Windows",
    L"D:\\Tools\\Brevantor\\main"};

void ExpectJudged(const foldertoempty::Guarded& guarded, std::initializer_list<std::pair<const wchar_t*, bool>> cases)
{
    for (const auto& [folder, allowed] : cases)
        EXPECT_EQ(foldertoempty::MayEmpty(folder, guarded), allowed)
            << std::string(folder, folder + std::wcslen(folder));
}

TEST(FolderToEmptyRule, RefusesRootsTheGuardedFoldersAndWhatLiesAboveThem)
{
    ExpectJudged(machine, {
        {L"C:\\", false},
        {L"d:", false},
        {L"\\\\server\\share\\", false},
        {L"\\\\?\\UNC\\server\\share", false},
        {L"\\\\.\\C:\\", false},
        {L"C:\\WINDOWS\\", false},
        {L"\\\\.\\C:\\Windows", false},
        {L"C:\\Windows\\System32\\..", false},
        {L"C:\\Program Files", false},
        {L"C:\\Users\\ann", false},
        {L"\\\\.\\c:\\users\\ann", false},
        {L"\\\\?\\C:\\Users\\Ann\\", false},
        {L"C:\\Users", false},
        {L"C:\\Users\\Ann\\AppData\\..\\", false},
        {L"C:\\Users\\Ann\\Desktop", false},
        {L"C:\\Users\\Ann\\Documents", false},  // the default, where the Documents are no more
        {L"E:\\Ann\\Documents", false},
        {L"E:\\Ann", false},
        {L"C:\\Users\\Ann\\AppData", false},
        {L"C:\\Users\\Ann\\AppData\\Local", false},
        {L"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows", false},  // holds the Start menu
        {L"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu", false},
        {L"C:\\ProgramData", false},
        {L"\\\\SERVER\\HOME\\ANN\\FAVORITES", false},
        {L"\\\\server\\home\\ann", false},
        {L"Temp", false},
        {L"", false},
    });
}

TEST(FolderToEmptyRule, RefusesWhatLiesInsideTheWindowsProgramFilesAndInstallFolders)
{
    ExpectJudged(machine, {
        {L"C:\\Windows\\Fonts", false},
        {L"c:\\windows\\System32", false},
        {L"C:\\Windows\\System32\\drivers", false},
        {L"C:\\Windows\\System32\\Temp", false},
        {L"C:\\Windows\\TempX", false},
        {L"C:\\Windows\\Temp\\..\\Fonts", false},
        {L"C:\\Windows\\Temp\\..", false},
        {L"C:\\Program Files\\Brevantor", false},
        {L"C:\\Program Files (x86)\\Common Files", false},
        {L"C:\\PROGRAM FILES\\COMMON FILES\\SYSTEM", false},
        {L"\\\\.\\C:\\Program Files\\Brevantor", false},
        {L"D:\\Tools\\Brevantor\\main\\", false},
        {L"D:\\Tools\\Brevantor\\main\\Temp", false},
        {L"D:\\Tools\\Brevantor", false},  // the install root: the update program and its settings
        {L"D:\\Tools\\Brevantor\\Temp", false},
        {L"\\\\.\\D:\\Tools\\Brevantor\\Downloads", false},
    });
}

TEST(FolderToEmptyRule, EmptiesTemporaryCookiesAndOrdinaryFolders)
{
    ExpectJudged(machine, {
        {L"C:\\Users\\Ann\\AppData\\Local\\Temp\\", true},
        {L"C:\\Users\\Ann\\AppData\\Local\\Temp\\2", true},
        {L"\\\\.\\C:\\Users\\Ann\\AppData\\Local\\Temp", true},
        {L"C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\INetCookies", true},
        {L"C:\\Users\\Ann\\AppData\\Roaming\\Microsoft\\Windows\\Cookies", true},
        {L"C:\\Users\\Ann\\Cookies", true},
        {L"C:\\Users\\Ann\\Documents\\Scratch", true},  // inside a shell folder, not above one
        {L"C:\\Users\\Annette", true},
        {L"C:\\Temp", true},
        {L"E:\\Scratch", true},
        {L"D:\\Tools", true},  // above the install root lie no program files
        {L"\\\\server\\share\\temp", true},
    });
}

TEST(FolderToEmptyRule, InsideTheWindowsFolderOnlyItsTempFolderIsEmptied)
{
    ExpectJudged(machine, {
        {L"C:\\Windows\\Temp", true},
        {L"c:\\windows\\temp\\", true},
        {L"C:\\Windows\\Temp\\Low\\2", true},
        {L"C:\\Windows\\System32\\..\\Temp", true},
        {L"\\\\.\\C:\\Windows\\Temp", true},
        {L"C:\\Windows\\Temp. ", true},
        {L"C:\\Windows\\Temp\\..", false},
        {L"C:\\Windows\\Tmp", false},
    });
    // Another guard still holds inside the Temp folder.
    const foldertoempty::Guarded installedInTemp{{}, {}, L"C:\\Windows", L"C:\\Windows\\Temp\\Brevantor\\main"};
    ExpectJudged(installedInTemp, {
        {L"C:\\Windows\\Temp\\Other", true},
        {L"C:\\Windows\\Temp\\Brevantor\\Cache", false},
    });
    // Installed at a drive's root, the program guards its own folder, not the drive.
    ExpectJudged({{}, {}, L"C:\\Windows", L"D:\\main"}, {
        {L"D:\\Temp", true},
        {L"D:\\main", false},
        {L"D:\\main\\Temp", false},
        {L"\\\\.\\D:\\MAIN\\sub", false},
    });
    // A Windows folder at a root: its Temp folder is C:\Temp.
    ExpectJudged({{}, {}, L"C:\\", L""}, {
        {L"C:\\Temp\\2", true},
        {L"C:\\Fonts", false},
    });
}

TEST(FolderToEmptyRule, AFolderIsEmptiedOnlyWhenEachOfItsNamesIsAllowed)
{
    struct Case {
        const char* what;
        foldertoempty::FolderNames names;
        bool allowed;
    };
    const Case cases[] = {
        {"an ordinary folder", {L"C:\\Temp", L"\\\\?\\C:\\Temp", false, {L"C:\\TEMP"}}, true},
        {"a link to the Fonts", {L"C:\\Links\\Windows\\Fonts", L"\\\\?\\C:\\Windows\\Fonts", true, {}}, false},
        {"a link seen by identity alone",
         {L"C:\\Links\\Windows\\Fonts", L"\\\\?\\C:\\Links\\Windows\\Fonts", true, {L"C:\\WINDOWS\\FONTS"}}, false},
        {"a link in the Windows Temp folder",
         {L"C:\\Windows\\Temp\\evil", L"\\\\?\\C:\\Windows\\System32\\drivers", true, {}}, false},
        {"a link to an ordinary folder", {L"C:\\Windows\\Temp\\fine", L"\\\\?\\E:\\Scratch", true, {}}, true},
        {"a guarded given name", {L"C:\\Windows", L"\\\\?\\C:\\Temp", false, {}}, false},
        {"no real path and no link", {L"C:\\Windows\\Temp\\2", L"", false, {L"C:\\WINDOWS\\TEMP\\2"}}, true},
        {"no real path and a link on the way", {L"C:\\Windows\\Temp\\evil", L"", true, {}}, false},
        {"a real path the rule cannot read", {L"C:\\Temp", L"\\\\?\\Volume{0b1c}\\Temp", false, {}}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldertoempty::MayEmpty(c.names, machine), c.allowed) << c.what;
}

TEST(FolderToEmptyRule, FindsEachFolderOnThePathsWayUp)
{
    const std::pair<const wchar_t*, std::vector<std::wstring>> cases[] = {
        {L"C:\\Users\\Ann\\..\\Bob\\", {L"C:\\USERS\\BOB", L"C:\\USERS", L"C:\\"}},
        {L"\\\\.\\c:\\Temp", {L"C:\\TEMP", L"C:\\"}},
        {L"\\\\server\\share\\a", {L"\\\\SERVER\\SHARE\\A", L"\\\\SERVER\\SHARE\\"}},
        {L"C:", {L"C:\\"}},
        {L"Temp", {}},
    };
    for (const auto& [path, folders] : cases)
        EXPECT_EQ(foldertoempty::FoldersOnTheWayUp(path), folders) << std::string(path, path + std::wcslen(path));
}

TEST(FolderToEmptyRule, RenamesTheFolderThatALinkOrAnotherDriveLeadsTo)
{
    struct Case {
        const wchar_t* path;
        const wchar_t* above;
        const wchar_t* as;
        const wchar_t* renamed;
    };
    const Case cases[] = {
        {L"C:\\Links\\windows\\Fonts", L"C:\\Links\\windows", L"C:\\Windows", L"C:\\WINDOWS\\FONTS"},
        {L"B:\\prefix\\drive_c\\Windows", L"b:\\prefix\\drive_c\\", L"C:\\", L"C:\\WINDOWS"},
        {L"C:\\Temp", L"C:\\", L"\\\\server\\share", L"\\\\SERVER\\SHARE\\TEMP"},
        {L"C:\\Link", L"C:\\Link", L"C:\\Users\\Ann", L"C:\\USERS\\ANN"},
        {L"C:\\Link", L"C:\\Link", L"D:\\", L"D:\\"},
        {L"\\\\.\\C:\\Users\\..\\Windows\\Fonts", L"C:\\Windows", L"E:\\Win", L"E:\\WIN\\FONTS"},
        // Not on the path's way up: no name.
        {L"C:\\Temp", L"D:\\", L"C:\\Windows", L""},
        {L"C:\\Tempo", L"C:\\Temp", L"D:\\", L""},
        {L"C:\\Temp", L"Temp", L"D:\\", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldertoempty::Renamed(c.path, c.above, c.as), c.renamed)
            << std::string(c.path, c.path + std::wcslen(c.path));
}

// The folders whose identity the Windows side compares with those on a path's way up.
TEST(FolderToEmptyRule, RecognisesEachGuardedFolderOnceAndWhatLiesAboveThoseGuardedSo)
{
    const foldertoempty::Guarded guarded{{L"c:\\windows\\system32", L"D:\\", L"", L"\\\\server\\share\\a"},
                                         {L"C:\\Program Files\\Common Files", L""},
                                         L"C:\\Windows",
                                         L"C:\\Tools\\Brevantor\\main\\"};
    const std::vector<std::wstring> expected{
        L"C:\\WINDOWS\\SYSTEM32", L"C:\\WINDOWS", L"C:\\", L"D:\\", L"\\\\SERVER\\SHARE\\A", L"\\\\SERVER\\SHARE\\",
        L"C:\\PROGRAM FILES\\COMMON FILES", L"C:\\TOOLS\\BREVANTOR"};
    EXPECT_EQ(foldertoempty::FoldersToRecognise(guarded), expected);
    EXPECT_EQ(foldertoempty::FoldersToRecognise({}), std::vector<std::wstring>());
}

} // namespace
