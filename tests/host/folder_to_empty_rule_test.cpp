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

TEST(FolderToEmptyRule, RefusesRootsTheSystemsFoldersAndWhatLiesAboveThem)
{
    const foldertoempty::Guarded machine{
        {L"C:\\Windows", L"C:\\Windows\\system32", L"C:\\Program Files", L"C:\\Program Files (x86)",
         L"C:\\Users\\Ann", L""},
        L"D:\\Tools\\Brevantor\\main"};
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"C:\\Users\\Ann\\AppData\\Local\\Temp\\", true},
        {L"C:\\Users\\Ann\\AppData\\Local\\Temp\\2", true},
        {L"C:\\Windows\\Temp", true},
        {L"\\\\.\\C:\\Users\\Ann\\AppData\\Local\\Temp", true},
        {L"D:\\Tools\\Brevantor\\main\\Temp", true},
        {L"D:\\Tools", true},  // above the install root lie no program files
        {L"C:\\Users\\Annette", true},
        {L"\\\\server\\share\\temp", true},
        {L"C:\\", false},
        {L"d:", false},
        {L"\\\\server\\share\\", false},
        {L"C:\\WINDOWS\\", false},
        {L"\\\\.\\C:\\Windows", false},
        {L"\\\\.\\C:\\", false},
        {L"\\\\.\\c:\\users\\ann", false},
        {L"c:\\windows\\System32", false},
        {L"C:\\Windows\\System32\\..", false},
        {L"C:\\Users\\Ann\\AppData\\..\\", false},
        {L"C:\\Program Files (x86)", false},
        {L"C:\\Program Files", false},
        {L"C:\\Users\\ann", false},
        {L"C:\\Users", false},
        {L"D:\\Tools\\Brevantor\\main\\", false},
        {L"D:\\Tools\\Brevantor", false},  // the install root: the update program and its settings
        {L"\\\\.\\D:\\Tools\\Brevantor", false},
        {L"Temp", false},
        {L"", false},
    };
    for (const auto& [folder, allowed] : cases)
        EXPECT_EQ(foldertoempty::MayEmpty(folder, machine), allowed) << std::string(folder, folder + std::wcslen(folder));
}

// The folders whose identity the Windows side compares with the temporary folder's.
TEST(FolderToEmptyRule, ListsEachGuardedFolderOnceWithWhatLiesAboveIt)
{
    const foldertoempty::Guarded machine{{L"c:\\windows\\system32", L"C:\\Windows", L"D:\\", L"", L"\\\\server\\share\\a"},
                                      L"C:\\Tools\\Brevantor\\main\\"};
    const std::vector<std::wstring> expected{
        L"C:\\WINDOWS\\SYSTEM32", L"C:\\WINDOWS", L"C:\\", L"D:\\", L"\\\\SERVER\\SHARE\\A", L"\\\\SERVER\\SHARE\\",
        L"C:\\TOOLS\\BREVANTOR\\MAIN", L"C:\\TOOLS\\BREVANTOR"};
    EXPECT_EQ(foldertoempty::FoldersNotToEmpty(machine), expected);
    EXPECT_EQ(foldertoempty::FoldersNotToEmpty({{}, L""}), std::vector<std::wstring>());
}

} // namespace
