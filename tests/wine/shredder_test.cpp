// The shredder on real files: every write, recorded through the page's hook,
// the file gone afterwards, protected files, a file in use and one that has gone.
#include "pages/utilities/frmShredder.h"
#include "ui/win/Handles.h"

#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using testing_support::FileExists;
using testing_support::ReadBytes;

namespace {

constexpr std::uint32_t Block = 32768;
constexpr UINT YesNoWarning = MB_YESNO | MB_ICONEXCLAMATION;

class ShredderTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        folder = testing_support::FreshFolder(L"shredder-files");
        frmShredder->txtPart1.SetText(L"It will be overwritten.");
        frmShredder->txtPart2.SetText(L"Continue?");
        frmShredder->txtVorgang.SetText(L"Finished.");
        frmShredder->onWrite = [this](const ShredWrite& write) { writes.push_back(write); };
        frmShredder->onFlush = [this] {
            flushes.push_back({writes.size(), FileExists(frmShredder->txtSchredderDir.Text())});
        };
    }
    void TearDown() override
    {
        FormTest::TearDown();
        testing_support::RemoveTree(folder);
    }

    std::wstring MakeFile(const wchar_t* name, std::size_t size)
    {
        const std::wstring path = folder + L"\\" + name;
        testing_support::WriteBytes(path, testing_support::PseudoRandomBytes(size, 3));
        return path;
    }
    // Puts the path in the box and presses the shred button, answering the boxes in turn.
    void Shred(const std::wstring& path, std::initializer_list<int> answers)
    {
        writes.clear();
        flushes.clear();
        seam.messages.clear();
        frmShredder->txtSchredderDir.SetText(path);
        seam.messageAnswers.assign(answers.begin(), answers.end());
        testing_support::Click(frmShredder->cmdSchredderIt.Hwnd());
    }

    // Nothing was written, the box said why, and the path stays for another try.
    void ExpectRefused(const std::wstring& path, const std::wstring& why)
    {
        EXPECT_TRUE(writes.empty());
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[1].text, L"The File : " + path + L"\r\n" + why + L" Nothing has been overwritten.");
        EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(frmShredder->txtSchredderDir.Text(), path);
    }

    struct Flush {
        std::size_t afterWrites;  // how many writes had gone before it
        bool fileThere;           // not yet deleted
    };

    std::wstring folder;
    std::vector<ShredWrite> writes;
    std::vector<Flush> flushes;
};

TEST_F(ShredderTest, OverwritesExactlyTheFileThirtySixTimesWithThePatternsInOrderThenDeletesIt)
{
    const std::uint8_t blockBytes[] = {0x00, 0xFF, 0xFF};
    const std::uint8_t restBytes[] = {0x5A, 0xFF, 0x8C};
    for (const std::size_t size : {0u, 1u, 32767u, 32768u, 32769u, 100000u}) {
        SCOPED_TRACE(std::to_string(size) + " bytes");
        const std::wstring path = MakeFile(L"secret.bin", size);
        Shred(path, {IDYES});
        // 27 fixed runs, then 9 random ones: each the whole blocks from offset 0, then the rest in one write.
        const std::size_t blocks = size / Block, perRun = blocks + 1;
        ASSERT_EQ(writes.size(), perRun * 36);
        for (std::size_t i = 0; i < writes.size(); ++i) {
            const std::size_t run = i / perRun, k = i % perRun;
            const bool rest = k == blocks;
            ASSERT_EQ(writes[i].offset, k * Block) << "write " << i;
            ASSERT_EQ(writes[i].length, rest ? size % Block : Block) << "write " << i;
            if (run < 27)
                ASSERT_EQ(writes[i].byte, rest ? restBytes[run % 3] : blockBytes[run % 3]) << "write " << i;
            else
                ASSERT_NE(writes[i].byte, 0) << "write " << i;
        }
        // Each pass reaches the disk before the next one begins, and the last before the delete.
        ASSERT_EQ(flushes.size(), 36u);
        for (std::size_t run = 0; run < flushes.size(); ++run) {
            EXPECT_EQ(flushes[run].afterWrites, (run + 1) * perRun) << "flush " << run;
            EXPECT_TRUE(flushes[run].fileThere) << "flush " << run;
        }
        EXPECT_FALSE(FileExists(path));
        ASSERT_EQ(seam.messages.size(), 2u);
        EXPECT_EQ(seam.messages[0].text, L"Warning:  It will be overwritten. Continue?");
        EXPECT_EQ(seam.messages[0].style, YesNoWarning);
        EXPECT_EQ(seam.messages[0].title, L"Brevantor");
        EXPECT_EQ(seam.messages[1].text, L"Finished.");
        EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(frmShredder->txtSchredderDir.Text(), L"");
    }
}

TEST_F(ShredderTest, AProtectedFileLosesItsProtectionOnYesAndStaysAsItWasOnNo)
{
    const std::wstring kept = MakeFile(L"kept.bin", 5000);
    const std::string content = ReadBytes(kept);
    ::SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const DWORD attributes = ::GetFileAttributesW(kept.c_str());
    Shred(kept, {IDYES, IDNO});
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(::GetFileAttributesW(kept.c_str()), attributes);
    EXPECT_EQ(ReadBytes(kept), content);
    // Nothing claims a shredding that did not happen, and the path stays.
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, L"The File : " + kept + L"\r\nis protected ! Do you really want to shred it ?");
    EXPECT_EQ(seam.messages[1].style, YesNoWarning);
    EXPECT_EQ(seam.messages[1].title, L"Info");
    EXPECT_EQ(frmShredder->txtSchredderDir.Text(), kept);
    EXPECT_TRUE(frmShredder->cmdSchredderIt.Enabled());

    const std::wstring shredded = MakeFile(L"shredded.bin", 5000);
    ::SetFileAttributesW(shredded.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    DWORD whileWritten = 0;
    frmShredder->onWrite = [&](const ShredWrite&) { whileWritten = ::GetFileAttributesW(shredded.c_str()); };
    Shred(shredded, {IDYES, IDYES});
    EXPECT_EQ(whileWritten, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_FALSE(FileExists(shredded));
}

TEST_F(ShredderTest, AFileInUseStaysWholeAndProtectedAndIsReportedAndAFileThatHasGoneIsReportedSo)
{
    // A protected file loses its protection on Yes only to be shredded.
    for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_ARCHIVE}, DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}}) {
        SCOPED_TRACE(attributes);
        const std::wstring path = MakeFile(L"in-use.bin", 40000);
        const std::string content = ReadBytes(path);
        ASSERT_TRUE(::SetFileAttributesW(path.c_str(), attributes));
        const DWORD before = ::GetFileAttributesW(path.c_str());
        {
            win::unique_hfile held(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                 nullptr, OPEN_EXISTING, 0, nullptr));
            ASSERT_TRUE(held);
            Shred(path, {IDYES, IDYES});
        }
        EXPECT_TRUE(writes.empty());
        EXPECT_TRUE(ReadBytes(path) == content) << "overwritten";
        EXPECT_EQ(::GetFileAttributesW(path.c_str()), before);
        ASSERT_FALSE(seam.messages.empty());
        EXPECT_NE(seam.messages.back().text.find(L"cannot be opened"), std::wstring::npos);
        // The path stays for another try.
        EXPECT_EQ(frmShredder->txtSchredderDir.Text(), path);
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    Shred(folder + L"\\gone.bin", {IDYES});
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text, L"File not found !");
    EXPECT_EQ(seam.messages[1].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(frmShredder->txtSchredderDir.Text(), L"");
}

TEST_F(ShredderTest, AFileWithASecondNameIsRefusedAndKeepsItsBytesUnderBothNames)
{
    const std::wstring path = MakeFile(L"named-twice.bin", 40000);
    const std::wstring other = folder + L"\\other-name.bin";
    ASSERT_TRUE(::CreateHardLinkW(other.c_str(), path.c_str(), nullptr));
    const std::string content = ReadBytes(path);
    // Refused before the protection question, which would otherwise lift it.
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    Shred(path, {IDYES, IDYES});
    ExpectRefused(path, L"has a second name (a hard link): shredding it would overwrite the file under its other "
                        L"name too.");
    EXPECT_TRUE(ReadBytes(path) == content && ReadBytes(other) == content) << "overwritten";
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), attributes);

    // Once the other name has gone, the file is shredded as any other.
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(::DeleteFileW(other.c_str()));
    Shred(path, {IDYES});
    EXPECT_FALSE(writes.empty());
    EXPECT_FALSE(FileExists(path));
}

TEST_F(ShredderTest, ALinkIsRefusedAndKeepsItsPath)
{
    // The symbolic link that the build made for the disk cleaner's test; Wine
    // shows a link to a folder as a reparse point, but not one to a file.
    const std::wstring link = testing_support::TestProgramFolder() + L"\\hddclean-fixture\\tree\\link";
    ASSERT_TRUE(::GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)
        << "the link is missing: configure the build again";
    Shred(link, {IDYES});
    ExpectRefused(link, L"is a link to another file or folder: shredding it would overwrite what it leads to.");
    EXPECT_TRUE(FileExists(link));
}

} // namespace
