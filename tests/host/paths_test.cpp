#include "shell/core/Paths.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateProgramPath, LiesOneFolderAboveTheProgramFolder)
{
    EXPECT_EQ(paths::UpdateProgramPath(L"C:\\Programs\\Brevantor\\main"), L"C:\\Programs\\Brevantor\\Skyvell.exe");
    EXPECT_EQ(paths::UpdateProgramPath(L"D:\\main"), L"D:\\Skyvell.exe");
    EXPECT_EQ(paths::UpdateProgramPath(L"\\\\server\\share\\main"), L"\\\\server\\share\\Skyvell.exe");
}

TEST(UpdateProgramPath, AtADriveRootTheRootItselfIsTheParent)
{
    EXPECT_EQ(paths::UpdateProgramPath(L"C:\\"), L"C:\\Skyvell.exe");
}

TEST(UpdateProgramPath, OnlyTheLastBackslashCounts)
{
    // A trailing backslash (which the system reports only at a root) is the last one.
    EXPECT_EQ(paths::UpdateProgramPath(L"C:\\Programs\\main\\"), L"C:\\Programs\\main\\Skyvell.exe");
    // A slash is no separator.
    EXPECT_EQ(paths::UpdateProgramPath(L"C:\\Programs/main"), L"C:\\Skyvell.exe");
}

TEST(UpdateProgramPath, WithoutBackslashThereIsNoParent)
{
    EXPECT_EQ(paths::UpdateProgramPath(L"main"), L"\\Skyvell.exe");
    EXPECT_EQ(paths::UpdateProgramPath(L""), L"\\Skyvell.exe");
}

TEST(InProgramFolder, AddsOneBackslashBetweenFolderAndName)
{
    EXPECT_EQ(paths::InProgramFolder(L"C:\\Programs\\Brevantor\\main", L"English.lng"),
              L"C:\\Programs\\Brevantor\\main\\English.lng");
    EXPECT_EQ(paths::InProgramFolder(L"main", L"a.txt"), L"main\\a.txt");
}

TEST(InProgramFolder, KeepsAnExistingTrailingBackslash)
{
    EXPECT_EQ(paths::InProgramFolder(L"C:\\", L"English.lng"), L"C:\\English.lng");
    EXPECT_EQ(paths::InProgramFolder(L"C:\\Programs\\main\\", L"a.txt"), L"C:\\Programs\\main\\a.txt");
}

TEST(InProgramFolder, AnEmptyFolderGivesARootedName)
{
    EXPECT_EQ(paths::InProgramFolder(L"", L"a.txt"), L"\\a.txt");
}

} // namespace
