// The file splitter on real files: part sizes and names, the batch line, the
// size box, what it refuses or reports, and the batch file run in the command
// interpreter, which must rebuild the source byte for byte.
#include "pages/utilities/frmFileSplitter.h"
#include "ui/win/Handles.h"
#include "ui/win/Text.h"

#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <string>
#include <tuple>

using testing_support::FileExists;
using testing_support::ReadBytes;

namespace {

class SplitterTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        folder = testing_support::FreshFolder(L"splitter-files");
        page.txtInfo.SetText(L"Choose the file.");
        page.txtInfo2.SetText(L"Smaller than one part.");
        page.txtInfo3.SetText(L"Writing part");
        page.txtFinished.SetText(L"Done.");
    }
    void TearDown() override
    {
        FormTest::TearDown();
        testing_support::RemoveTree(folder);
    }

    std::string MakeFile(const std::wstring& name, std::size_t size, std::uint32_t seed = 1)
    {
        const std::string bytes = testing_support::PseudoRandomBytes(size, seed);
        testing_support::WriteBytes(folder + L"\\" + name, bytes);
        return bytes;
    }
    // Splits the file into parts of the typed size (empty: the floppy size), as the user does it.
    void Split(const std::wstring& name, const std::wstring& kilobytes)
    {
        seam.messages.clear();
        testing_support::Click((kilobytes.empty() ? page.chkFloppy : page.chkSelbst).Hwnd());
        page.textDateigroesse.SetText(kilobytes.empty() ? L"5" : kilobytes);
        seam.dialogAnswers = {folder + L"\\" + name};
        testing_support::Click(page.buttonKopieren.Hwnd());
    }
    std::wstring Batch(const std::wstring& name) { return win::FromAnsi(ReadBytes(folder + L"\\" + name)); }

    FrmFileSplitter& page = frmFileSplitter();
    std::wstring folder;
};

TEST_F(SplitterTest, CutsIntoFullPartsAndARestNamedAfterTheLastDotAndJoinsThemInOneLine)
{
    const std::string bytes = MakeFile(L"data.zip", 2560);
    // An earlier part, longer than the new one and hidden, so it cannot be overwritten in place.
    MakeFile(L"data.002", 9000, 2);
    ::SetFileAttributesW((folder + L"\\data.002").c_str(), FILE_ATTRIBUTE_HIDDEN);
    seam.messageAnswers = {IDOK, IDOK, IDYES};
    Split(L"data.zip", L"1");
    EXPECT_EQ(ReadBytes(folder + L"\\data.001"), bytes.substr(0, 1024));
    EXPECT_EQ(ReadBytes(folder + L"\\data.002"), bytes.substr(1024, 1024));
    EXPECT_EQ(ReadBytes(folder + L"\\data.003"), bytes.substr(2048));
    EXPECT_EQ(Batch(L"data.bat"), L"copy /b data.001 + data.002 + data.003 data.zip\r\n");
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[0].text, L"Choose the file.");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(seam.messages[1].text, L"yes");
    EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(page.labelInfo.Caption(), L"Done.");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].title, L"Select File Location");
    EXPECT_EQ(seam.dialogs[0].flags, static_cast<DWORD>(OFN_FILEMUSTEXIST));

    // Exact multiples give only full parts; one part size gives one part.
    MakeFile(L"even.bin", 3072);
    Split(L"even.bin", L"1");
    EXPECT_EQ(ReadBytes(folder + L"\\even.003").size(), 1024u);
    EXPECT_FALSE(FileExists(folder + L"\\even.004"));
    MakeFile(L"one.bin", 1024);
    Split(L"one.bin", L"1");
    EXPECT_EQ(Batch(L"one.bat"), L"copy /b one.001 one.bin\r\n");

    MakeFile(L"readme", 2048);
    Split(L"readme", L"1");
    EXPECT_EQ(Batch(L"readme.bat"), L"copy /b readme.001 + readme.002 readme\r\n");
    // A dot in a folder's name does not count: the parts lie beside their file.
    ::CreateDirectoryW((folder + L"\\my.dir").c_str(), nullptr);
    MakeFile(L"my.dir\\readme", 2048);
    Split(L"my.dir\\readme", L"1");
    EXPECT_TRUE(FileExists(folder + L"\\my.dir\\readme.002"));
    EXPECT_EQ(Batch(L"my.dir\\readme.bat"), L"copy /b readme.001 + readme.002 readme\r\n");
    EXPECT_FALSE(FileExists(folder + L"\\my.001") || FileExists(folder + L"\\my.bat"));
}

TEST_F(SplitterTest, TheSizeBoxCountsOnlyForTheCustomSizeAndOnlyUpToItsNumber)
{
    EXPECT_TRUE(page.chkFloppy.Value());
    EXPECT_FALSE(page.textDateigroesse.Enabled());
    MakeFile(L"disk.img", 1400 * 1024 + 10);
    Split(L"disk.img", L"");
    EXPECT_FALSE(page.textDateigroesse.Enabled());
    EXPECT_EQ(seam.messages.size(), 1u);  // no "yes"
    EXPECT_EQ(ReadBytes(folder + L"\\disk.002").size(), 10u);

    MakeFile(L"video.avi", 700 * 1024 + 1);
    Split(L"video.avi", L"700 abc");
    EXPECT_TRUE(page.textDateigroesse.Enabled());
    EXPECT_EQ(ReadBytes(folder + L"\\video.001").size(), 700u * 1024);

    seam.dialogs.clear();
    for (const wchar_t* typed : {L"abc", L"0", L"-3"}) {
        Split(L"video.avi", typed);
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[1].text, L"Wrong Filesize");
        EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONERROR));
    }
    EXPECT_TRUE(seam.dialogs.empty());

    MakeFile(L"small.bin", 1000);
    Split(L"small.bin", L"1");
    EXPECT_EQ(seam.messages.back().text, L"Smaller than one part.");
    EXPECT_EQ(seam.messages.back().style, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_FALSE(FileExists(folder + L"\\small.001") || FileExists(folder + L"\\small.bat"));
}

TEST_F(SplitterTest, ASourceNamedLikeItsOwnPartsIsRefusedAndAFailedSplitLeavesNoBatchFile)
{
    for (const wchar_t* name : {L"data.001", L"data.002", L"data.bat"}) {
        const std::string bytes = MakeFile(name, 3000);
        Split(name, L"1");
        EXPECT_EQ(ReadBytes(folder + L"\\" + name), bytes);
        EXPECT_NE(seam.messages.back().text.find(name), std::wstring::npos);
        ::DeleteFileW((folder + L"\\" + name).c_str());
    }
    WIN32_FIND_DATAW found{};
    EXPECT_FALSE(win::unique_hfind(::FindFirstFileW((folder + L"\\data.*").c_str(), &found)));

    // An earlier split's batch file, and a folder where part 2 would go.
    MakeFile(L"data.zip", 3000);
    testing_support::WriteBytes(folder + L"\\data.bat", "copy /b data.001 + data.002 data.zip\r\n");
    ::CreateDirectoryW((folder + L"\\data.002").c_str(), nullptr);
    seam.messageAnswers = {IDOK, IDOK, IDYES};
    Split(L"data.zip", L"1");
    EXPECT_EQ(seam.messages.back().style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_NE(seam.messages.back().text.find(L"data.002"), std::wstring::npos);
    EXPECT_TRUE(FileExists(folder + L"\\data.001"));
    EXPECT_FALSE(FileExists(folder + L"\\data.bat"));
}

TEST_F(SplitterTest, AnExistingBatchFileOrPartIsReplacedOnlyWhenTheUserSaysSo)
{
    // setup.exe in parts of 1 KB: setup.001 to setup.003 and setup.bat.
    const std::string bytes = MakeFile(L"setup.exe", 2500);
    for (const wchar_t* existing : {L"setup.bat", L"setup.001", L"setup.003"}) {
        SCOPED_TRACE(testing::Message() << win::ToAnsi(existing));
        const std::wstring path = folder + L"\\" + existing;
        const std::string unrelated = MakeFile(existing, 100, 9);
        seam.messageAnswers = {IDOK, IDOK, IDNO};
        page.labelInfo.SetCaption(L"before");
        Split(L"setup.exe", L"1");
        ASSERT_EQ(seam.messages.size(), 3u);
        EXPECT_EQ(seam.messages[2].text,
                  L"The file " + path + L" already exists and would be replaced by the split.\r\nDo you want to go on?");
        EXPECT_EQ(seam.messages[2].style, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
        EXPECT_EQ(ReadBytes(path), unrelated);
        for (const wchar_t* other : {L"setup.bat", L"setup.001", L"setup.002", L"setup.003"})
            EXPECT_EQ(FileExists(folder + L"\\" + other), std::wstring(other) == existing) << win::ToAnsi(other);
        EXPECT_EQ(page.labelInfo.Caption(), L"before");

        seam.messageAnswers = {IDOK, IDOK, IDYES};
        Split(L"setup.exe", L"1");
        EXPECT_EQ(ReadBytes(folder + L"\\setup.001") + ReadBytes(folder + L"\\setup.002") +
                      ReadBytes(folder + L"\\setup.003"),
                  bytes);
        EXPECT_EQ(Batch(L"setup.bat"), L"copy /b setup.001 + setup.002 + setup.003 setup.exe\r\n");
        for (const wchar_t* made : {L"setup.bat", L"setup.001", L"setup.002", L"setup.003"})
            ::DeleteFileW((folder + L"\\" + made).c_str());
    }

    // A number beyond the set is no part of it.
    MakeFile(L"setup.004", 100, 9);
    Split(L"setup.exe", L"1");
    EXPECT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(Batch(L"setup.bat"), L"copy /b setup.001 + setup.002 + setup.003 setup.exe\r\n");
}

TEST_F(SplitterTest, OnlyTheNamesTheUserAgreedToAreReplaced)
{
    const std::string bytes = MakeFile(L"setup.exe", 2500);
    MakeFile(L"setup.001", 100, 9);
    MakeFile(L"setup.003", 100, 9);
    // One question covers every name that stands in the way; part 2 turns up while it is asked.
    const std::string newcomer = testing_support::PseudoRandomBytes(700, 5);
    seam.whileMessageShown = [&] {
        if (seam.messages.size() == 3)
            testing_support::WriteBytes(folder + L"\\setup.002", newcomer);
    };
    seam.messageAnswers = {IDOK, IDOK, IDYES};
    Split(L"setup.exe", L"1");
    EXPECT_TRUE(ReadBytes(folder + L"\\setup.002") == newcomer) << "replaced unasked";
    EXPECT_TRUE(ReadBytes(folder + L"\\setup.001") == bytes.substr(0, 1024));
    EXPECT_FALSE(FileExists(folder + L"\\setup.bat"));
    ASSERT_EQ(seam.messages.size(), 4u);
    EXPECT_EQ(seam.messages[2].text, L"2 files of the split already exist, among them " + folder +
                                         L"\\setup.001, and would be replaced by the split.\r\nDo you want to go on?");
    EXPECT_EQ(seam.messages[3].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_NE(seam.messages[3].text.find(folder + L"\\setup.002"), std::wstring::npos);
}

TEST_F(SplitterTest, APartIsNeverWrittenThroughALink)
{
    // The build made data.001 there, a symbolic link to a file yet to be made
    // in the folder beside it. Wine does not show the link, so nothing asks.
    const std::wstring fixture = testing_support::TestProgramFolder() + L"\\splitter-fixture";
    const std::wstring source = fixture + L"\\data.zip";
    const std::wstring target = fixture + L"\\elsewhere\\target";
    // What a failed run may have left.
    const auto clear = [&] {
        for (const wchar_t* made : {L"data.zip", L"data.002", L"data.003", L"data.bat", L"elsewhere\\target"})
            ::DeleteFileW((fixture + L"\\" + made).c_str());
    };
    clear();
    testing_support::WriteBytes(source, testing_support::PseudoRandomBytes(2500, 1));
    seam.messageAnswers = {IDOK, IDOK, IDNO};
    testing_support::Click(page.chkSelbst.Hwnd());
    page.textDateigroesse.SetText(L"1");
    seam.dialogAnswers = {source};
    testing_support::Click(page.buttonKopieren.Hwnd());
    EXPECT_FALSE(FileExists(target)) << "part 1 went where the link leads";
    EXPECT_FALSE(FileExists(fixture + L"\\data.bat"));
    clear();
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[2].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_NE(seam.messages[2].text.find(fixture + L"\\data.001"), std::wstring::npos);
}

// Runs a batch file in the command interpreter from its own folder, to its end.
DWORD RunInFolder(const std::wstring& batchFile, const std::wstring& batchFolder)
{
    std::wstring commandLine = L"cmd.exe /c \"\"" + batchFile + L"\"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          batchFolder.c_str(), &startup, &started))
        return ::GetLastError();
    ::CloseHandle(started.hThread);
    win::unique_handle process(started.hProcess);
    ::WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

TEST_F(SplitterTest, TheBatchFileRebuildsTheSourceByteForByteInTheCommandInterpreter)
{
    struct Case {
        const wchar_t* folder;  // below the test's folder
        const wchar_t* name;
        std::size_t size;
        const wchar_t* kilobytes;
        const wchar_t* batchFile;
    };
    // A name with blanks; more than a thousand parts: four digits, and too long
    // for one line; a name without a dot in a folder with one.
    const Case cases[] = {
        {L"", L"random data.bin", 5 * 3072 + 700, L"3", L"random data.bat"},
        {L"", L"many.bin", 1001 * 1024, L"1", L"many.bat"},
        {L"john.doe", L"data", 5000, L"1", L"data.bat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(win::ToAnsi(c.name));
        const std::wstring where = c.folder[0] ? folder + L"\\" + c.folder : folder;
        ::CreateDirectoryW(where.c_str(), nullptr);
        const std::wstring name = c.folder[0] ? std::wstring(c.folder) + L"\\" + c.name : c.name;
        const std::string bytes = MakeFile(name, c.size, 7);
        Split(name, c.kilobytes);
        if (c.size > 1000 * 1024) {
            EXPECT_EQ(ReadBytes(where + L"\\many.1000").size(), 1024u);
        }
        // The parts travel without their source.
        const std::wstring source = where + L"\\" + c.name;
        ASSERT_TRUE(::MoveFileW(source.c_str(), (folder + L"\\original").c_str()));
        EXPECT_EQ(RunInFolder(where + L"\\" + c.batchFile, where), 0u);
        EXPECT_TRUE(ReadBytes(source) == bytes) << "the joined file differs from the source";
        ::DeleteFileW((folder + L"\\original").c_str());
    }
}

} // namespace
