// Updates that must not get in, run through the wizard's own code against the
// test's FTP server: a listed file missing or cut short on the server, more
// bytes than the listing gives, download paths that lead out of the download
// folder, a program to start from outside the install root, a download folder
// that is a link, another program acting on the download folder during the
// download. In every case the install root stays byte for byte as it
// was (or, where only Finish's program is foreign, holds exactly the new
// version) and nothing is written outside the download folder.
#include "tests/updater/support/UpdaterTestSupport.h"
#include "tests/wine/support/RunningProgram.h"
#include "ui/win/Text.h"
#include "updater/modInstall.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace updater_testing;

const std::wstring Installed = L"Skyvell successfully !";
const std::wstring NoUpdates = L"There are no updates available at this moment.";
const std::wstring NotDownloaded =
    L"The update could not be downloaded completely, so nothing has been installed. Please try again later.";
const std::wstring PathOutside = L"The update names a file outside the download folder c:\\brvtupdatetemp, so nothing "
                                 L"has been downloaded or installed.";
const std::wstring TempIsLink = L"The download folder c:\\brvtupdatetemp is a link to another place, so the update "
                                L"has been refused. Please delete the link and try again.";
const std::wstring TempNotEmptied = L"The download folder c:\\brvtupdatetemp could not be emptied, so the update has "
                                    L"been refused. Please delete the folder and try again.";

const std::string NewIni = "[Skyvell]\r\nAPPNAME=Brevantor 4.1\r\n";

// Where an escape would land: another drive, beside the install root, and a
// folder that links point at.
const std::wstring OtherDrive = L"b:\\escaped.bvl";
const std::wstring BesideTheRoot = L"c:\\skyvelltest\\escaped.bvl";
const std::wstring Elsewhere = L"c:\\skyvelltest\\elsewhere";
const std::wstring Outsider = L"c:\\skyvelltest\\outsider.exe";
// What the other program reports, and where it would move the download folder.
const std::wstring IntruderReport = L"c:\\skyvelltest\\intruder.txt";
const std::wstring MovedTemp = L"c:\\skyvelltest\\moved";

using Entries = std::vector<std::pair<std::string, std::string>>;

// The usual three entries, into the download folder.
Entries UsualEntries()
{
    return {{"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"},
            {"brvt/English.bvl", "c:\\brvtupdatetemp\\English.bvl"},
            {"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"}};
}

// The usual entries with the second one's download path replaced.
Entries SecondPathIs(const std::string& path)
{
    Entries entries = UsualEntries();
    entries[1].second = path;
    return entries;
}

// Every file below a folder with its content, by path below the folder.
using Snapshot = std::map<std::wstring, std::string>;

void AddToSnapshot(Snapshot& snapshot, const std::wstring& folder, const std::wstring& below)
{
    for (const std::wstring& name : FolderContent(folder)) {
        const std::wstring path = folder + L"\\" + name;
        if (::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY)
            AddToSnapshot(snapshot, path, below + name + L"\\");
        else
            snapshot[below + name] = ReadTextFile(path);
    }
}

Snapshot SnapshotOf(const std::wstring& folder)
{
    Snapshot snapshot;
    AddToSnapshot(snapshot, folder, L"");
    return snapshot;
}

// The top of drive c:, but for the download folder.
std::vector<std::wstring> DriveCOutsideTheTempFolder()
{
    std::vector<std::wstring> names = FolderContent(L"c:");
    std::erase_if(names, [](const std::wstring& name) { return _wcsicmp(name.c_str(), L"brvtupdatetemp") == 0; });
    return names;
}

class Containment : public WizardTest {
protected:
    void SetUp() override
    {
        RemoveLinks();
        WizardTest::SetUp();
        WriteTextFile(root.InMain(L"English.bvl"), "old language");
        WriteTextFile(Elsewhere + L"\\keep.txt", "not part of any update");
        Serve("brvt/brvtupdate.txt", "4.1\r\n");
        Serve("brvt/brvt.exe", "new program");
        Serve("brvt/English.bvl", "new language");
    }

    void TearDown() override
    {
        RemoveLinks();
        for (const std::wstring& path : {OtherDrive, BesideTheRoot, Outsider, IntruderReport})
            ::DeleteFileW(path.c_str());
        WizardTest::TearDown();
        modInstall::DeleteFolder(Elsewhere);
        modInstall::DeleteFolder(MovedTemp);
    }

    // The update's Skyvell.ini on the server, and the root's with the entries.
    void Configure(const Entries& entries, const std::string& newIni = NewIni)
    {
        Serve("brvt/Skyvell.ini", newIni);
        std::string text = "[Skyvell]\r\nAPPNAME=Brevantor\r\n";
        for (size_t n = 1; n <= entries.size(); ++n)
            text += "FILES" + std::to_string(n) + "=" + entries[n - 1].first + "\r\nPATH" + std::to_string(n) + "=" +
                    entries[n - 1].second + "\r\n";
        WriteTextFile(root.Ini(), text);
    }

    // Runs the update to its end and presses Finish; what step 4 said.
    std::wstring RunAndFinish()
    {
        FrmSkyvell& wizard = Wizard();
        RunToTheEnd();
        const std::wstring info = wizard.lblInfo.Caption();
        EXPECT_EQ(wizard.cmdNext.Caption(), L"Finish");
        Press(wizard.cmdNext);
        EXPECT_FALSE(wizard.IsLoaded());
        return info;
    }

    void ExpectNewVersionInstalled(const std::string& newIni = NewIni)
    {
        EXPECT_EQ(SnapshotOf(root.Path()), (Snapshot{{L"Skyvell.ini", newIni},
                                                     {L"main\\English.bvl", "new language"},
                                                     {L"main\\brvt.exe", "new program"},
                                                     {L"main\\brvtupdate.txt", "4.1\r\n"}}));
    }

private:
    // Links that a test made, or that a test stopped half way left.
    static void RemoveLinks()
    {
        ServerCommand("SITE UNLINK c:\\brvtupdatetemp\\inner");
        ServerCommand("SITE UNLINK c:\\brvtupdatetemp");
    }
};

struct Fault {
    const char* name;
    Entries entries;
    // What the update brings as its Skyvell.ini, which Finish reads.
    std::string newIni;
    // What step 4 says: Installed where only Finish's program is foreign.
    std::wstring info;
    // Set-up beyond the shared one, and checks beyond the shared ones.
    std::function<void()> arrange;
    std::function<void()> check;
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

void ExpectNoTempFolder()
{
    EXPECT_FALSE(Exists(TempFolder)) << "nothing is written before the paths are checked";
}

void MakeLink(const std::wstring& link)
{
    ASSERT_TRUE(ServerCommand(win::ToAnsi(L"SITE LINK " + link + L" " + Elsewhere)));
    ASSERT_TRUE(::GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)
        << "Wine shows no reparse point";
}

std::string IniStarting(const std::string& program)
{
    return NewIni + "EXECUTE=1\r\nEXECFILES=" + program + "\r\n";
}

std::vector<Fault> Faults()
{
    return {
        {"AListedFileMissingInTheMiddleOfThree",
         {{"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"},
          {"brvt/missing.bvl", "c:\\brvtupdatetemp\\missing.bvl"},
          {"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"}},
         NewIni, NotDownloaded, nullptr, nullptr},
        {"TheConnectionClosedBetweenTwoFiles",
         {{"brvt/last-brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"},
          {"brvt/English.bvl", "c:\\brvtupdatetemp\\English.bvl"},
          {"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"}},
         NewIni, NotDownloaded, [] { Serve("brvt/last-brvt.exe", "new program"); },
         [] { EXPECT_EQ(ReadTextFile(InTemp(L"brvt.exe")), "new program") << "the first file came whole"; }},
        {"AServerFileLargerThanItsListing",
         {{"brvt/brvt.exe", "c:\\brvtupdatetemp\\brvt.exe"},
          {"brvt/grow-English.bvl", "c:\\brvtupdatetemp\\English.bvl"},
          {"brvt/Skyvell.ini", "c:\\brvtupdatetemp\\Skyvell.ini"}},
         NewIni, NotDownloaded, [] { Serve("brvt/grow-English.bvl", "new language"); },
         [] { EXPECT_EQ(ReadTextFile(InTemp(L"English.bvl")), "") << "its first block already went beyond the listing"; }},
        {"APathOnAnotherDrive", SecondPathIs(win::ToAnsi(OtherDrive)), NewIni, PathOutside, nullptr,
         ExpectNoTempFolder},
        {"APathWithDotDotLeadingOut", SecondPathIs("c:\\brvtupdatetemp\\..\\skyvelltest\\escaped.bvl"), NewIni,
         PathOutside, nullptr, ExpectNoTempFolder},
        {"ARelativePathLeadingOut", SecondPathIs("..\\escaped.bvl"), NewIni, PathOutside, nullptr,
         ExpectNoTempFolder},
        {"AUncPath", SecondPathIs("\\\\127.0.0.1\\c$\\escaped.bvl"), NewIni, PathOutside, nullptr,
         ExpectNoTempFolder},
        {"ADeviceName", SecondPathIs("c:\\brvtupdatetemp\\con.bvl"), NewIni, PathOutside, nullptr,
         ExpectNoTempFolder},
        {"AVersionFileBeyondItsLimit", UsualEntries(), NewIni, NoUpdates,
         [] { Serve("brvt/brvtupdate.txt", "4.1\r\n" + std::string(8192, ' ')); }, nullptr},
        {"TheTempFolderIsALink", UsualEntries(), NewIni, TempIsLink, [] { MakeLink(TempFolder); }, nullptr},
        // Wine cannot remove a link it shows as a reparse point; Windows
        // removes a junction itself and the update goes on. Either way what
        // the link points at stays.
        {"ALinkInsideTheTempFolder", UsualEntries(), NewIni, TempNotEmptied,
         [] {
             MakeFolders(TempFolder);
             MakeLink(InTemp(L"inner"));
         },
         nullptr},
        {"AnExecFilesOutsideTheRoot", UsualEntries(), IniStarting(win::ToAnsi(Outsider)), Installed,
         [] { WriteTextFile(Outsider, "not part of the installation"); }, nullptr},
        {"AnExecFilesLeadingOutOfTheRoot", UsualEntries(), IniStarting("main\\..\\..\\outsider.exe"), Installed,
         [] { WriteTextFile(Outsider, "not part of the installation"); }, nullptr},
    };
}

class ContainedFault : public Containment, public ::testing::WithParamInterface<Fault> {};

TEST_P(ContainedFault, LeavesTheInstallationAndEverythingOutsideAsItWas)
{
    const Fault& fault = GetParam();
    Configure(fault.entries, fault.newIni);
    if (fault.arrange)
        fault.arrange();
    ASSERT_FALSE(HasFatalFailure());
    const Snapshot rootBefore = SnapshotOf(root.Path());
    const Snapshot elsewhereBefore = SnapshotOf(Elsewhere);
    const std::vector<std::wstring> driveBefore = DriveCOutsideTheTempFolder();

    EXPECT_EQ(RunAndFinish(), fault.info);
    if (fault.info == Installed)
        ExpectNewVersionInstalled(fault.newIni);
    else
        EXPECT_EQ(SnapshotOf(root.Path()), rootBefore);
    EXPECT_TRUE(seam.processes.empty()) << "started " << win::ToAnsi(seam.processes.front());
    EXPECT_EQ(SnapshotOf(Elsewhere), elsewhereBefore);
    EXPECT_EQ(DriveCOutsideTheTempFolder(), driveBefore);
    EXPECT_FALSE(Exists(OtherDrive));
    EXPECT_FALSE(Exists(BesideTheRoot));
    if (fault.check)
        fault.check();
}

INSTANTIATE_TEST_SUITE_P(Updates, ContainedFault, ::testing::ValuesIn(Faults()),
                         [](const ::testing::TestParamInfo<Fault>& fault) { return std::string(fault.param.name); });

// Another program, started by the server when the second file is asked for,
// acts on the download folder: the first file is in and held.
struct Intrusion {
    const char* name;
    std::vector<std::wstring> arguments;  // action, path [, target]
    // Attempts that Wine can refuse (it enforces sharing modes between
    // programs, not access lists): each must be refused.
    std::vector<std::string> refused;
    bool installed;
};

void PrintTo(const Intrusion& intrusion, std::ostream* out)
{
    *out << intrusion.name;
}

std::vector<Intrusion> Intrusions()
{
    return {
        {"AFilePlantedInTheFolder", {L"plant", InTemp(L"planted.dll")}, {}, true},
        {"ADownloadedFileOverwrittenOrDeleted", {L"overwrite", InTemp(L"brvt.exe")}, {"overwrite", "delete"}, true},
        {"TheFolderMovedAsideForALink", {L"move", TempFolder, MovedTemp}, {"move"}, true},
        {"ANameStillToComeMadeAHardLink", {L"hardlink", InTemp(L"Skyvell.ini"), Elsewhere + L"\\keep.txt"}, {},
         false},
    };
}

class Intruded : public Containment, public ::testing::WithParamInterface<Intrusion> {};

TEST_P(Intruded, InstallsExactlyTheServedUpdateOrNothing)
{
    const Intrusion& intrusion = GetParam();
    Configure(UsualEntries());
    std::wstring command =
        L"SITE INTRUDE brvt/English.bvl " + testing_support::FolderOfThisProgram() + L"\\skyvell_intruder.exe " +
        IntruderReport;
    for (const std::wstring& argument : intrusion.arguments)
        command += L" " + argument;
    ASSERT_TRUE(ServerCommand(win::ToAnsi(command)));
    const Snapshot rootBefore = SnapshotOf(root.Path());
    const Snapshot elsewhereBefore = SnapshotOf(Elsewhere);

    const std::wstring info = RunAndFinish();
    const std::string report = ReadTextFile(IntruderReport);
    ASSERT_NE(report, "<missing>") << "the other program did not run";
    for (const std::string& attempt : intrusion.refused)
        EXPECT_NE(report.find(attempt + " refused"), std::string::npos) << report;
    if (intrusion.installed) {
        EXPECT_EQ(info, Installed) << report;
        ExpectNewVersionInstalled();
    } else {
        EXPECT_EQ(info, NotDownloaded) << report;
        EXPECT_EQ(SnapshotOf(root.Path()), rootBefore);
    }
    EXPECT_EQ(SnapshotOf(Elsewhere), elsewhereBefore) << "a hard link's target is never written";
    EXPECT_FALSE(Exists(MovedTemp));
    EXPECT_TRUE(seam.processes.empty());
}

INSTANTIATE_TEST_SUITE_P(DuringTheDownload, Intruded, ::testing::ValuesIn(Intrusions()),
                         [](const ::testing::TestParamInfo<Intrusion>& intrusion) {
                             return std::string(intrusion.param.name);
                         });

// The download folder is made anew, with what it grants: the current user,
// SYSTEM and the administrators, nothing inherited from the root of C:. Wine
// keeps no access list on its folders, so the descriptor is read from the one
// the folder is created with.
TEST_F(Containment, TheDownloadFolderIsMadeAnewForTheUserSystemAndAdministratorsOnly)
{
    WriteTextFile(InTemp(L"stale.dll"), "from an earlier run");
    DownloadFolder folder;
    ASSERT_EQ(folder.Create(), DownloadFolder::State::Ready);
    EXPECT_EQ(FolderContent(TempFolder), std::vector<std::wstring>{}) << "made anew";

    const std::unique_ptr<void, LocalFreer> descriptor = PrivateFolderSecurity();
    ASSERT_TRUE(descriptor);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(::GetSecurityDescriptorControl(descriptor.get(), &control, &revision));
    EXPECT_TRUE(control & SE_DACL_PROTECTED) << "inherits from the root of C:";
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    ASSERT_TRUE(::GetSecurityDescriptorDacl(descriptor.get(), &present, &dacl, &defaulted));
    ASSERT_TRUE(present && dacl);

    win::unique_handle token;
    ASSERT_TRUE(::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()));
    BYTE userBuffer[256];
    DWORD size = 0;
    ASSERT_TRUE(::GetTokenInformation(token.get(), TokenUser, userBuffer, sizeof userBuffer, &size));
    BYTE system[SECURITY_MAX_SID_SIZE];
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD systemSize = sizeof system;
    DWORD administratorsSize = sizeof administrators;
    ASSERT_TRUE(::CreateWellKnownSid(WinLocalSystemSid, nullptr, system, &systemSize));
    ASSERT_TRUE(::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &administratorsSize));
    const PSID granted[] = {reinterpret_cast<TOKEN_USER*>(userBuffer)->User.Sid, system, administrators};

    ASSERT_EQ(dacl->AceCount, 3);
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        SCOPED_TRACE(index);
        void* entry = nullptr;
        ASSERT_TRUE(::GetAce(dacl, index, &entry));
        const auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        EXPECT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        EXPECT_FALSE(ace->Header.AceFlags & INHERITED_ACE);
        EXPECT_EQ(ace->Header.AceFlags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE),
                  OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE) << "passed on to the downloads";
        EXPECT_EQ(ace->Mask, static_cast<DWORD>(FILE_ALL_ACCESS));
        EXPECT_TRUE(::EqualSid(const_cast<DWORD*>(&ace->SidStart), granted[index]));
    }
}

TEST_F(Containment, PathsInsideTheTempFolderAreResolvedInAnyWriting)
{
    // A short name applies where the folder exists, as after an earlier run.
    MakeFolders(TempFolder);
    wchar_t shortTemp[MAX_PATH] = L"";
    ASSERT_NE(::GetShortPathNameW(TempFolder, shortTemp, MAX_PATH), 0u);
    Configure({{"brvt/brvt.exe", "c:/brvtupdatetemp/./brvt.exe"},
               {"brvt/English.bvl", "C:\\BrvtUpdateTemp\\lang\\..\\English.bvl. "},
               {"brvt/Skyvell.ini", win::ToAnsi(shortTemp) + "\\Skyvell.ini"}});
    EXPECT_EQ(RunAndFinish(), Installed);
    ExpectNewVersionInstalled();
}

TEST_F(Containment, ARemoteFileThatCannotBeOpenedLeavesTheLocalFileAsItWas)
{
    FrmSkyvell& wizard = Wizard();
    ASSERT_TRUE(wizard.FTPConnect());
    MakeFolders(TempFolder);
    WriteTextFile(InTemp(L"kept.txt"), "kept");
    EXPECT_EQ(wizard.GetFiles(L"brvt/missing.bvl", InTemp(L"kept.txt"), ExpectedSize::Listed(4)),
              DownloadResult::Failed);
    EXPECT_EQ(ReadTextFile(InTemp(L"kept.txt")), "kept");
}

} // namespace
