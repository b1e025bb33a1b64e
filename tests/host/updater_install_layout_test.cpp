#include "updater/core/IniValue.h"
#include "updater/core/InstallLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IniValue, AValueStartingWithTheDefaultReadsAsEmpty)
{
    EXPECT_EQ(inivalue::ValueFromBuffer(std::string("(Unassigned)\0\0", 14)), "");
    EXPECT_EQ(inivalue::ValueFromBuffer("(Unassigned) but set"), "");
    EXPECT_EQ(inivalue::ValueFromBuffer("(Unassigne"), "(Unassigne");
}

TEST(IniValue, EndsAtTheFirstNulAndAt253Characters)
{
    EXPECT_EQ(inivalue::ValueFromBuffer(std::string("Brevantor\0old", 13)), "Brevantor");
    const std::string long300(300, 'x');
    EXPECT_EQ(inivalue::ValueFromBuffer(long300), std::string(253, 'x'));
    EXPECT_EQ(inivalue::ValueFromBuffer(""), "");
}

TEST(InstallLayout, BuildsEveryPathFromTheRootWithoutATrailingBackslash)
{
    const InstallLayout layout(L"C:\\Programs\\Brevantor");
    EXPECT_EQ(layout.IniFile(), L"C:\\Programs\\Brevantor\\Skyvell.ini");
    EXPECT_EQ(layout.MainFolder(), L"C:\\Programs\\Brevantor\\main");
    EXPECT_EQ(layout.InstalledVersionFile(), L"C:\\Programs\\Brevantor\\main\\brvtupdate.txt");
    EXPECT_EQ(layout.NewIniFile(), L"C:\\Programs\\Brevantor\\main\\Skyvell.ini");
    EXPECT_EQ(InstallLayout(L"D:\\").IniFile(), L"D:\\Skyvell.ini") << "a drive root";
    EXPECT_EQ(InstallLayout(L"D:\\").Folder(), L"D:\\") << "a drive root stays a folder";
    EXPECT_EQ(InstallLayout(L"\\\\server\\share\\").Folder(), L"\\\\server\\share");
    EXPECT_EQ(layout.Folder(), L"C:\\Programs\\Brevantor");
}

TEST(InstallLayout, RelativeConfigurationPathsCountFromTheRoot)
{
    const InstallLayout layout(L"C:\\Brevantor");
    EXPECT_EQ(layout.Resolve(L"main\\brvt.exe"), L"C:\\Brevantor\\main\\brvt.exe");
    EXPECT_EQ(layout.Resolve(L"d:\\tools\\x.exe"), L"d:\\tools\\x.exe");
    EXPECT_EQ(layout.Resolve(L"\\\\server\\share\\x.exe"), L"\\\\server\\share\\x.exe");
    EXPECT_EQ(layout.Resolve(L""), L"");
}

InstallRepair Repair(bool discardPartial, bool restorePrevious, bool discardFresh, bool finish)
{
    return {discardPartial, restorePrevious, discardFresh, finish};
}

TEST(PlanRepair, BeforeTheSwapTheOldMainFolderStays)
{
    EXPECT_EQ(PlanRepair({.main = true}), Repair(false, false, false, false)) << "nothing stopped";
    EXPECT_EQ(PlanRepair({.main = true, .partial = true}), Repair(true, false, false, false)) << "stopped copying";
    EXPECT_EQ(PlanRepair({.main = true, .fresh = true}), Repair(false, false, true, false)) << "stopped once built";
    EXPECT_EQ(PlanRepair({.fresh = true, .previous = true}), Repair(false, true, true, false))
        << "stopped with main moved aside";
}

TEST(PlanRepair, AfterTheSwapTheInstallationIsFinished)
{
    EXPECT_EQ(PlanRepair({.main = true, .previous = true}), Repair(false, false, false, true));
    EXPECT_EQ(PlanRepair({.main = true, .fresh = true, .previous = true}), Repair(false, false, true, true));
}

TEST(PlanRepair, AnUndoneSwapThatStoppedPutsTheOldFolderBack)
{
    // Undoing moves the new main to main.part, then main.old back to main.
    EXPECT_EQ(PlanRepair({.partial = true, .previous = true}), Repair(true, true, false, false));
    EXPECT_EQ(PlanRepair({.previous = true}), Repair(false, true, false, false));
}

} // namespace
