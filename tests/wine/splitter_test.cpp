// The file splitter on real files: part sizes and names, the batch line, the
// size box, the faults it refuses or reports, and the batch file run in the
// command interpreter, which must rebuild the source byte for byte.
#include "pages/utilities/frmFileSplitter.h"
#include "ui/win/Handles.h"
#include "ui/win/Text.h"

#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <string>

using testing_support::Click;
using testing_support::FileExists;
using testing_support::FormTest;
using testing_support::ReadBytes;

namespace {

constexpr wchar_t Info[] = L"Choose the file to split.";
constexpr wchar_t TooSmall[] = L"The file is smaller than one part.";
constexpr wchar_t Writing[] = L"Writing part";
constexpr wchar_t Finished[] = L"Done.";
constexpr std::size_t Floppy = 1400 * 1024;

class SplitterTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        folder = testing_support::FreshFolder(L"splitter-files");
        FrmFileSplitter& page = frmFileSplitter();
        page.txtInfo.SetText(Info);
        page.txtInfo2.SetText(TooSmall);
        page.txtInfo3.SetText(Writing);
        page.txtFinished.SetText(Finished);
    }

    void TearDown() override
    {
        FormTest::TearDown();
        testing_support::RemoveTree(folder);
    }

    std::string MakeFile(const std::wstring& path, std::size_t size, std::uint32_t seed = 1)
    {
        const std::string bytes = testing_support::PseudoRandomBytes(size, seed);
        testing_support::WriteBytes(path, bytes);
        return bytes;
    }

    // Splits `source` into parts of the typed size in KB, as the user does it.
    void SplitCustom(const std::wstring& source, const std::wstring& kilobytes)
    {
        FrmFileSplitter& page = frmFileSplitter();
        Click(page.chkSelbst.Hwnd());
        page.textDateigroesse.SetText(kilobytes);
        seam.dialogAnswers = {source};
        Click(page.buttonKopieren.Hwnd());
    }

    std::wstring folder;
};

std::wstring BatchLine(const std::wstring& path)
{
    return win::FromAnsi(ReadBytes(path));
}

TEST_F(SplitterTest, CutsIntoFullPartsAndARestAndJoinsThemInOneLine)
{
    struct Case {
        std::size_t size;
        std::size_t parts;
        const wchar_t* line;
    };
    for (const Case& c : {Case{1024, 1, L"copy /b data.001 data.zip\r\n"},
                          Case{3072, 3, L"copy /b data.001 + data.002 + data.003 data.zip\r\n"},
                          Case{2560, 3, L"copy /b data.001 + data.002 + data.003 data.zip\r\n"}}) {
        SCOPED_TRACE(c.size);
        testing_support::RemoveTree(folder);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        seam.messages.clear();
        const std::wstring source = folder + L"\\data.zip";
        const std::string bytes = MakeFile(source, c.size);
        SplitCustom(source, L"1");

        for (std::size_t k = 1; k <= c.parts; ++k) {
            const std::string part = ReadBytes(folder + L"\\data.00" + std::to_wstring(k));
            EXPECT_EQ(part, bytes.substr((k - 1) * 1024, 1024)) << "part " << k;
        }
        EXPECT_FALSE(FileExists(folder + L"\\data.00" + std::to_wstring(c.parts + 1)));
        EXPECT_EQ(BatchLine(folder + L"\\data.bat"), c.line);
        EXPECT_EQ(ReadBytes(source), bytes);
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[0].text, Info);
        EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(seam.messages[1].text, L"yes");
        EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_OK));
        EXPECT_EQ(frmFileSplitter->labelInfo.Caption(), Finished);
    }
    ASSERT_FALSE(seam.dialogs.empty());
    EXPECT_EQ(seam.dialogs[0].title, L"Select File Location");
    EXPECT_EQ(seam.dialogs[0].flags, static_cast<DWORD>(OFN_FILEMUSTEXIST));
    EXPECT_EQ(seam.dialogs[0].filter, L"");
}

TEST_F(SplitterTest, NamesThePartsAfterTheLastDotOfThePathWhereverItStands)
{
    MakeFile(folder + L"\\readme", 2048);
    SplitCustom(folder + L"\\readme", L"1");
    EXPECT_TRUE(FileExists(folder + L"\\readme.002"));
    EXPECT_EQ(BatchLine(folder + L"\\readme.bat"), L"copy /b readme.001 + readme.002 readme\r\n");

    const std::wstring dotted = folder + L"\\my.dir";
    ::CreateDirectoryW(dotted.c_str(), nullptr);
    MakeFile(dotted + L"\\readme", 2048);
    SplitCustom(dotted + L"\\readme", L"1");
    EXPECT_TRUE(FileExists(folder + L"\\my.001"));
    EXPECT_TRUE(FileExists(folder + L"\\my.002"));
    EXPECT_EQ(BatchLine(folder + L"\\my.bat"), L"copy /b my.001 + my.002 readme\r\n");
}

TEST_F(SplitterTest, AnExistingPartIsReplacedNotAppendedTo)
{
    const std::wstring source = folder + L"\\data.zip";
    const std::string bytes = MakeFile(source, 2048);
    MakeFile(folder + L"\\data.002", 9000, 2);
    SplitCustom(source, L"1");
    EXPECT_EQ(ReadBytes(folder + L"\\data.002"), bytes.substr(1024));
}

TEST_F(SplitterTest, TheFloppySizeIgnoresTheTypedSizeAndAsksNothing)
{
    FrmFileSplitter& page = frmFileSplitter();
    EXPECT_TRUE(page.chkFloppy.Value());
    EXPECT_FALSE(page.textDateigroesse.Enabled());
    Click(page.chkSelbst.Hwnd());
    EXPECT_TRUE(page.textDateigroesse.Enabled());
    page.textDateigroesse.SetText(L"5");
    Click(page.chkFloppy.Hwnd());
    EXPECT_FALSE(page.textDateigroesse.Enabled());

    const std::wstring source = folder + L"\\disk.img";
    MakeFile(source, Floppy + 10);
    seam.dialogAnswers = {source};
    Click(page.buttonKopieren.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(ReadBytes(folder + L"\\disk.001").size(), Floppy);
    EXPECT_EQ(ReadBytes(folder + L"\\disk.002").size(), 10u);
}

TEST_F(SplitterTest, TheTypedSizeIsReadUpToTheFirstCharacterThatIsNoPartOfANumber)
{
    const std::wstring source = folder + L"\\video.avi";
    MakeFile(source, 700 * 1024 + 1);
    SplitCustom(source, L"700 abc");
    EXPECT_EQ(ReadBytes(folder + L"\\video.001").size(), 700u * 1024);
    EXPECT_EQ(ReadBytes(folder + L"\\video.002").size(), 1u);
}

TEST_F(SplitterTest, ASizeThatIsNoPositiveNumberIsRefusedBeforeTheDialog)
{
    for (const wchar_t* typed : {L"abc", L"0", L"-3", L""}) {
        seam.messages.clear();
        SplitCustom(folder + L"\\none.bin", typed);
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[1].text, L"Wrong Filesize");
        EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONERROR));
    }
    EXPECT_TRUE(seam.dialogs.empty());
}

TEST_F(SplitterTest, AFileSmallerThanOnePartOrACancelledDialogWritesNothing)
{
    const std::wstring source = folder + L"\\small.bin";
    MakeFile(source, 1000);
    SplitCustom(source, L"1");
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[2].text, TooSmall);
    EXPECT_EQ(seam.messages[2].style, static_cast<UINT>(MB_ICONEXCLAMATION));

    SplitCustom(L"", L"1");
    EXPECT_EQ(seam.messages.size(), 5u);
    EXPECT_FALSE(FileExists(folder + L"\\small.001"));
    EXPECT_FALSE(FileExists(folder + L"\\small.bat"));
}

TEST_F(SplitterTest, ASourceNamedLikeOneOfItsPartsIsRefusedBeforeAnythingIsWritten)
{
    for (const wchar_t* name : {L"data.001", L"data.002", L"data.bat"}) {
        SCOPED_TRACE(std::string(name, name + 8));
        seam.messages.clear();
        const std::wstring source = folder + L"\\" + name;
        const std::string bytes = MakeFile(source, 3000);
        SplitCustom(source, L"1");
        EXPECT_EQ(ReadBytes(source), bytes);
        ASSERT_EQ(seam.messages.size(), 3u);
        EXPECT_EQ(seam.messages[2].style, static_cast<UINT>(MB_ICONERROR));
        EXPECT_NE(seam.messages[2].text.find(name), std::wstring::npos);
        ::DeleteFileW(source.c_str());
    }
    WIN32_FIND_DATAW found{};
    win::unique_hfind find(::FindFirstFileW((folder + L"\\data.*").c_str(), &found));
    EXPECT_FALSE(find) << "a split file was written";
}

TEST_F(SplitterTest, ASplitThatFailsMidwayIsReportedAndLeavesNoBatchFile)
{
    const std::wstring source = folder + L"\\data.zip";
    MakeFile(source, 3000);
    // An earlier split's batch file, and a folder where part 2 would go.
    testing_support::WriteBytes(folder + L"\\data.bat", "copy /b data.001 + data.002 data.zip\r\n");
    ::CreateDirectoryW((folder + L"\\data.002").c_str(), nullptr);
    SplitCustom(source, L"1");
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[2].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_NE(seam.messages[2].text.find(L"data.002"), std::wstring::npos);
    EXPECT_TRUE(FileExists(folder + L"\\data.001"));
    EXPECT_FALSE(FileExists(folder + L"\\data.bat"));
    EXPECT_NE(frmFileSplitter->labelInfo.Caption(), Finished);
}

// Runs the batch file in the command interpreter from its own folder, to its end.
DWORD RunInItsFolder(const std::wstring& batchFile, const std::wstring& batchFolder)
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
        const wchar_t* name;
        std::size_t size;
        const wchar_t* kilobytes;
        const wchar_t* lastPart;
    };
    // A name with blanks, and a set of more than a thousand parts, too long for one line.
    for (const Case& c : {Case{L"random data.bin", 5 * 3072 + 700, L"3", L"random data.006"},
                          Case{L"many.bin", 1001 * 1024, L"1", L"many.1001"}}) {
        SCOPED_TRACE(std::string(c.name, c.name + std::wcslen(c.name)));
        const std::wstring source = folder + L"\\" + c.name;
        const std::string bytes = MakeFile(source, c.size, 7);
        SplitCustom(source, c.kilobytes);
        ASSERT_TRUE(FileExists(folder + L"\\" + c.lastPart));
        const std::wstring prefix = source.substr(0, source.rfind(L'.') + 1);
        if (c.size > 1000 * 1024) {
            EXPECT_EQ(ReadBytes(prefix + L"1000").size(), 1024u);
        }
        // The parts travel without the source.
        ASSERT_TRUE(::MoveFileW(source.c_str(), (folder + L"\\original").c_str()));
        EXPECT_EQ(RunInItsFolder(prefix + L"bat", folder), 0u);
        const std::string rebuilt = ReadBytes(source);
        EXPECT_EQ(rebuilt.size(), bytes.size());
        EXPECT_TRUE(rebuilt == bytes) << "the joined file differs from the source";
        ::DeleteFileW((folder + L"\\original").c_str());
    }
}

} // namespace
