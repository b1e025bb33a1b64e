// The language files as the program meets them: lookups in real files beside
// the program, the parse that is kept while a file stays the same, the end of
// the program on a missing or bad file or a name that reaches elsewhere, the
// translation of a form's controls and the list of the installed languages.
#include "shell/basLAnguageSelector.h"

#include "shell/core/LanguageFile.h"
#include "tests/wine/support/TestSupport.h"
#include "ui/Form.h"
#include "ui/SkinControls.h"
#include "ui/win/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

namespace {

using basLAnguageSelector::ApplyLanguage;
using basLAnguageSelector::FillLanguageList;
using basLAnguageSelector::GetLanguageString;

constexpr wchar_t kNotFoundText[] = L"File Not Found.\r\nMust Have at least one Language File!";
constexpr wchar_t kNotFoundTitle[] = L"Errore While Loading";

// Records the end of the program instead of ending the test process.
class EndRecordingSeam : public testing_support::ScriptedSeam {
public:
    std::vector<UINT> endCodes;
    std::vector<HWND> messageOwners;

    int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) override
    {
        messageOwners.push_back(owner);
        return ScriptedSeam::ShowMessageBox(owner, text, title, style);
    }
    void EndProgram(UINT exitCode) override { endCodes.push_back(exitCode); }
};

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'\\'));
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found{};
    win::unique_hfind find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (find) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(find.get(), &found));
    }
    find.reset();
    ::RemoveDirectoryW(folder.c_str());
}

// A folder of the test's own beside the test program, which stands in for the program folder.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = test ? test->name() : "none";
        path_ = ExeFolder() + L"\\lang-test-" + std::wstring(name.begin(), name.end()) + L"-" +
                std::to_wstring(::GetCurrentProcessId());
        RemoveTree(path_);
        ::CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const noexcept { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Writes the bytes over the file in place, so that it stays the same file object.
void WriteBytes(const std::wstring& path, std::string_view bytes)
{
    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                         nullptr));
    ASSERT_TRUE(file) << "cannot write the test file, error " << ::GetLastError();
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

// A fixed moment, so that a test decides the write times and not the clock.
FILETIME MomentPlus(int seconds)
{
    SYSTEMTIME moment{2020, 1, 3, 1, 12, 0, 0, 0};
    FILETIME time{};
    ::SystemTimeToFileTime(&moment, &time);
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    value.QuadPart += static_cast<ULONGLONG>(seconds) * 10'000'000ULL;
    return FILETIME{value.LowPart, value.HighPart};
}

void SetWriteTime(const std::wstring& path, const FILETIME& time)
{
    win::unique_hfile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot open the test file, error " << ::GetLastError();
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &time));
}

class LanguageTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        recorder.programFolder = folder.Path();
        effects::Install(&recorder);
    }

    void Write(const std::wstring& name, std::string_view bytes) { WriteBytes(folder.File(name), bytes); }
    std::wstring English(std::int16_t number) { return GetLanguageString(number, L"English.bvl"); }

    void ExpectNoEnd()
    {
        EXPECT_TRUE(recorder.endCodes.empty());
        EXPECT_TRUE(recorder.messages.empty());
    }

    void ExpectNotFoundEnd()
    {
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, kNotFoundText);
        EXPECT_EQ(recorder.messages[0].title, kNotFoundTitle);
        EXPECT_EQ(recorder.messages[0].style, 16u);
        EXPECT_EQ(recorder.messageOwners[0], nullptr);
        EXPECT_EQ(recorder.endCodes, std::vector<UINT>{1});
    }

    void ForgetEnds()
    {
        recorder.endCodes.clear();
        recorder.messages.clear();
        recorder.messageOwners.clear();
    }

    ScratchFolder folder;
    EndRecordingSeam recorder;
};

// Lookups

TEST_F(LanguageTest, TheLastLineWithTheNumberWins)
{
    Write(L"English.bvl", "1000 Hello\r\n1010 Other\r\n1000 World\r\n");
    EXPECT_EQ(English(1000), L"World");
    EXPECT_EQ(English(1010), L"Other");
    ExpectNoEnd();
}

TEST_F(LanguageTest, AnEmptyTextShowsQuestionMarksAndAMissingNumberIsBlank)
{
    Write(L"English.bvl", "1000 \r\n20 ab\r\n1010 Text\r\n-5   Negative\r\n");
    EXPECT_EQ(English(1000), L"??????");
    EXPECT_EQ(English(20), L"??????");  // a line of fewer than 6 characters
    EXPECT_EQ(English(1020), L"");
    EXPECT_EQ(English(-5), L"Negative");
    ExpectNoEnd();
}

TEST_F(LanguageTest, TheTextStartsAtTheSixthCharacterWhateverTheNumbersWidth)
{
    Write(L"English.bvl", "100 Hello\r\n10 abc\r\n10000 Wide\r\n1000 Normal\r\n");
    EXPECT_EQ(English(100), L"ello");
    EXPECT_EQ(English(10), L"c");
    EXPECT_EQ(English(10000), L" Wide");
    EXPECT_EQ(English(1000), L"Normal");
    ExpectNoEnd();
}

TEST_F(LanguageTest, EmptyLinesAnywhereAreSkipped)
{
    Write(L"English.bvl", "\r\n\r\n1000 First\r\n\r\n\r\n1010 Second\r1020 After a lone CR\r\n\r\n");
    EXPECT_EQ(English(1000), L"First");
    EXPECT_EQ(English(1010), L"Second");
    EXPECT_EQ(English(1020), L"After a lone CR");
    ExpectNoEnd();
}

TEST_F(LanguageTest, AnsiTextArrivesAsUtf16)
{
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the system's ANSI code page is " << ::GetACP() << ", not 1252";
    Write(L"Deutsch.bvl", "1000 Gr\xFC\xDF" "e \x84Test\x93 \x80\r\n");
    EXPECT_EQ(GetLanguageString(1000, L"Deutsch.bvl"), L"Gr\u00FC\u00DFe \u201ETest\u201C \u20AC");
    ExpectNoEnd();
}

TEST_F(LanguageTest, EachFileNameLooksInItsOwnFile)
{
    Write(L"English.bvl", "1000 Hello\r\n");
    Write(L"Deutsch.bvl", "1000 Hallo\r\n");
    EXPECT_EQ(English(1000), L"Hello");
    EXPECT_EQ(GetLanguageString(1000, L"Deutsch.bvl"), L"Hallo");
    EXPECT_EQ(English(1000), L"Hello");
    ExpectNoEnd();
}

// The kept parse

TEST_F(LanguageTest, KeepsTheParseWhileSizeAndWriteTimeStayAndReadsAgainOnANewWriteTime)
{
    const std::wstring path = folder.File(L"English.bvl");
    Write(L"English.bvl", "1000 Hello\r\n");
    SetWriteTime(path, MomentPlus(0));
    EXPECT_EQ(English(1000), L"Hello");

    // Same size, and the write time set back: the file looks unchanged, so the parse is kept.
    Write(L"English.bvl", "1000 World\r\n");
    SetWriteTime(path, MomentPlus(0));
    EXPECT_EQ(English(1000), L"Hello");

    SetWriteTime(path, MomentPlus(2));
    EXPECT_EQ(English(1000), L"World");
    ExpectNoEnd();
}

TEST_F(LanguageTest, ReadsAgainWhenTheSizeChanges)
{
    const std::wstring path = folder.File(L"English.bvl");
    Write(L"English.bvl", "1000 Hello\r\n");
    SetWriteTime(path, MomentPlus(0));
    EXPECT_EQ(English(1000), L"Hello");

    Write(L"English.bvl", "1000 Hello again\r\n1010 New\r\n");
    SetWriteTime(path, MomentPlus(0));
    EXPECT_EQ(English(1000), L"Hello again");
    EXPECT_EQ(English(1010), L"New");
    ExpectNoEnd();
}

TEST_F(LanguageTest, ReadsAgainWhenAnotherFileTakesItsPlace)
{
    const std::wstring path = folder.File(L"English.bvl");
    const std::wstring other = folder.File(L"other.tmp");
    Write(L"English.bvl", "1000 Hello\r\n");
    SetWriteTime(path, MomentPlus(0));
    EXPECT_EQ(English(1000), L"Hello");

    // Same size and write time, but a different file.
    Write(L"other.tmp", "1000 World\r\n");
    SetWriteTime(other, MomentPlus(0));
    ASSERT_TRUE(::MoveFileExW(other.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(English(1000), L"World");
    ExpectNoEnd();
}

TEST_F(LanguageTest, AFileThatCannotBeOpenedFailsEvenAfterItWasRead)
{
    const std::wstring path = folder.File(L"English.bvl");
    Write(L"English.bvl", "1000 Hello\r\n");
    EXPECT_EQ(English(1000), L"Hello");
    {
        win::unique_hfile locked(
            ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(locked);
        EXPECT_EQ(English(1000), L"");
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_EQ(recorder.endCodes, std::vector<UINT>{1});
    }
    ForgetEnds();
    EXPECT_EQ(English(1000), L"Hello");
    ExpectNoEnd();
}

// Ends of the program

TEST_F(LanguageTest, AMissingFileShowsTheMessageAndEndsTheProgram)
{
    EXPECT_EQ(English(1000), L"");
    ExpectNotFoundEnd();
}

TEST_F(LanguageTest, AMissingProgramFolderCountsAsAMissingFile)
{
    recorder.programFolder = folder.File(L"nowhere");
    EXPECT_EQ(English(1000), L"");
    ExpectNotFoundEnd();
}

TEST_F(LanguageTest, AFileRemovedAfterALookupIsMissingAtTheNext)
{
    Write(L"English.bvl", "1000 Hello\r\n");
    EXPECT_EQ(English(1000), L"Hello");
    ASSERT_TRUE(::DeleteFileW(folder.File(L"English.bvl").c_str()));
    EXPECT_EQ(English(1000), L"");
    ExpectNotFoundEnd();
}

TEST_F(LanguageTest, ABadLineAnywhereEndsTheProgramWithoutAMessage)
{
    const char* const files[] = {
        "1000 Hello\r\nabc def\r\n",
        "1000 Hello\r\n1010\r\n",
        "1000 Hello\r\n40000 Too big\r\n",
        "1000 Hello\r\n-32769 Too small\r\n",
        "1000 Hello\r\n\r\n 1010 Blank first\r\n",
    };
    for (const char* bytes : files) {
        SCOPED_TRACE(bytes);
        ForgetEnds();
        Write(L"English.bvl", bytes);
        SetWriteTime(folder.File(L"English.bvl"), MomentPlus(static_cast<int>(std::string_view(bytes).size())));
        // 1000 comes before the bad line, and still fails.
        EXPECT_EQ(English(1000), L"");
        EXPECT_TRUE(recorder.messages.empty());
        EXPECT_EQ(recorder.endCodes, std::vector<UINT>{1});
        // The unchanged file fails again at the next lookup.
        EXPECT_EQ(English(1000), L"");
        EXPECT_EQ(recorder.endCodes, (std::vector<UINT>{1, 1}));
    }

    ForgetEnds();
    Write(L"English.bvl", "1000 Hello\r\n");
    SetWriteTime(folder.File(L"English.bvl"), MomentPlus(100));
    EXPECT_EQ(English(1000), L"Hello");
    ExpectNoEnd();
}

TEST_F(LanguageTest, AFolderInPlaceOfTheFileCountsAsAMissingFile)
{
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"English.bvl").c_str(), nullptr));
    EXPECT_EQ(English(1000), L"");
    ExpectNotFoundEnd();
}

TEST_F(LanguageTest, AFileOverTheSizeLimitCountsAsAMissingFile)
{
    // Valid lines to the last byte, so that only the size can fail it.
    std::string bytes = "1000 Hello\r\n1010 ";
    bytes.resize(language::kMaxFileSize - 2, 'x');
    bytes += "\r\n";
    Write(L"English.bvl", bytes);
    EXPECT_EQ(English(1000), L"Hello");
    ExpectNoEnd();

    Write(L"English.bvl", bytes + "\r");
    EXPECT_EQ(English(1000), L"");
    ExpectNotFoundEnd();
}

// Which names are read

TEST_F(LanguageTest, OnlyAPlainNameOfAFileBesideTheProgramIsRead)
{
    // Files that the refused names would reach, were they opened: one above
    // the program folder, one below it and one that a wildcard would match.
    recorder.programFolder = folder.File(L"main");
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"main").c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"main\\sub").c_str(), nullptr));
    Write(L"Elsewhere.bvl", "1000 Elsewhere\r\n");
    Write(L"main\\sub\\English.bvl", "1000 Below\r\n");

    struct Case {
        std::wstring name;
        bool read;
    };
    const Case cases[] = {
        {L"English.bvl", true}, {L"en.GB.bvl", true}, {L"Deutsch (Schweiz).bvl", true},
        {L"Fran\u00e7ais.bvl", true}, {L"com10.bvl", true}, {L"console.bvl", true}, {L"nullx.bvl", true},
        {L"nul.bvl", false}, {L"NUL .bvl", false}, {L"..\\Elsewhere.bvl", false}, {L"../Elsewhere.bvl", false},
        {L"sub\\English.bvl", false}, {L"sub/English.bvl", false}, {folder.File(L"Elsewhere.bvl"), false},
        {L"English.bvl:stream", false}, {L"*.bvl", false}, {L"Engl?sh.bvl", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        ForgetEnds();
        if (c.read) {
            Write(L"main\\" + c.name, "1000 Hello\r\n");
            EXPECT_EQ(GetLanguageString(1000, c.name), L"Hello");
            ExpectNoEnd();
        } else {
            EXPECT_EQ(GetLanguageString(1000, c.name), L"");
            ExpectNotFoundEnd();
        }
    }
}

// Translation of a form

class LanguageForm : public ui::Form {
public:
    LanguageForm() : Form(L"frmLanguageTest") {}

    ui::Label lblPlain{L"lblPlain"};
    ui::Label lblMissing{L"lblMissing"};
    ui::Label lblTitle{L"lblTitle"};
    ui::TextBox txtMessage{L"txtMessage"};
    ui::SevCheck chkOption{L"chkOption"};
    ui::SevCheck chkBadTag{L"chkBadTag"};
    ui::XpButton cmdApply{L"cmdApply"};
    ui::SevFrame fraGroup{L"fraGroup"};
    ui::Frame fraPage{L"fraPage"};
    ui::SevOption optChoice{L"optChoice"};
    ui::SevOption optArray{L"optArray"};
    ui::PictureBox picArray{L"picArray"};
    ui::PictureBox picNoTag{L"picNoTag"};
    ui::SevOption optLoose{L"optLoose"};
    ui::ListBox lstItems{L"lstItems"};
    ui::SevProgressBar prgBar{L"prgBar"};
    int loads = 0;

protected:
    void CreateControls() override
    {
        optArray.Index = 1;
        picArray.Index = 1;
        picNoTag.Index = 3;
        prgBar.Index = 1;
        Place({
            {lblPlain, nullptr, {0, 0, 1000, 200}, L"", L"Design plain"},
            {lblMissing, nullptr, {0, 200, 1000, 200}, L"1500", L"Design missing"},
            {lblTitle, nullptr, {0, 400, 1000, 200}, L"1000", L"Design title"},
            {txtMessage, nullptr, {0, 600, 1000, 200}, L"1010", nullptr, false},
            {chkOption, nullptr, {0, 800, 1000, 200}, L"1020", L"Design check"},
            {chkBadTag, nullptr, {0, 1000, 1000, 200}, L"abc", L"Keep me"},
            {cmdApply, nullptr, {0, 1200, 1000, 300}, L" 1030 ", L"Design button"},
            {fraGroup, nullptr, {1200, 0, 2000, 1000}, L"1040", L"Design group"},
            {fraPage, nullptr, {1200, 1000, 2000, 1000}, L"1050", L"Design page"},
            {optChoice, nullptr, {0, 1600, 1000, 200}, L"1790", L"Design option"},
            {optArray, nullptr, {0, 1800, 1000, 200}, L"2460", L"Design element"},
            {picArray, nullptr, {0, 2000, 300, 300}, L"2460"},
            {picNoTag, nullptr, {400, 2000, 300, 300}, L""},
            {optLoose, nullptr, {0, 2400, 1000, 200}, L"12abc", L"Design loose"},
            {lstItems, nullptr, {0, 2600, 1000, 600}, L"1000"},
            {prgBar, nullptr, {0, 3300, 1000, 100}, L"99999"},
        });
    }
    void Form_Load() override { ++loads; }
};

constexpr char kFormTexts[] =
    "1000 Title\r\n"
    "1010 Message text\r\n"
    "1020 Check text\r\n"
    "1030 Apply\r\n"
    "1040 Group\r\n"
    "1050 Page\r\n"
    "1790 Option text\r\n"
    "17901 Not a tooltip\r\n"
    "2460 Element\r\n"
    "24601 Element tip\r\n"
    "3    Tip by index\r\n"
    "12   Loose\r\n";

TEST_F(LanguageTest, ApplyLanguageGivesEachControlItsTextByItsTag)
{
    Write(L"English.bvl", kFormTexts);
    LanguageForm form;
    ApplyLanguage(form, L"English.bvl");
    ExpectNoEnd();

    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.Caption(), L"frmLanguageTest");  // no Tag, so the built-in caption stays
    EXPECT_EQ(form.lblPlain.Caption(), L"Design plain");
    EXPECT_EQ(form.lblMissing.Caption(), L"");
    EXPECT_EQ(form.lblTitle.Caption(), L"Title");
    EXPECT_EQ(form.txtMessage.Text(), L"Message text");
    EXPECT_EQ(form.chkOption.Caption(), L"Check text");
    EXPECT_EQ(form.chkBadTag.Caption(), L"Keep me");
    EXPECT_EQ(form.cmdApply.Caption(), L"Apply");
    EXPECT_EQ(form.fraGroup.Caption(), L"Group");
    EXPECT_EQ(form.fraPage.Caption(), L"Page");

    // Not in a control array: a caption and no tooltip.
    EXPECT_EQ(form.optChoice.Caption(), L"Option text");
    EXPECT_EQ(form.optChoice.ToolTipText(), L"");
    // Elements of control arrays: the tooltip by Tag and Index. The five-digit
    // key's text starts at the 6th character too, so with the blank.
    EXPECT_EQ(form.optArray.Caption(), L"Element");
    EXPECT_EQ(form.optArray.ToolTipText(), L" Element tip");
    EXPECT_EQ(form.picArray.ToolTipText(), L" Element tip");
    EXPECT_EQ(form.picNoTag.ToolTipText(), L"Tip by index");
    // Other types read the number the Tag starts with.
    EXPECT_EQ(form.optLoose.Caption(), L"Loose");
    EXPECT_EQ(form.optLoose.ToolTipText(), L"");
    EXPECT_EQ(form.lstItems.ToolTipText(), L"");
    // Tag and Index beyond 16 bits: nothing is set.
    EXPECT_EQ(form.prgBar.ToolTipText(), L"");

    form.Unload();
}

TEST_F(LanguageTest, ApplyLanguageTranslatesAFormWithATagAndTranslatesAgain)
{
    Write(L"English.bvl", kFormTexts);
    Write(L"Deutsch.bvl", "1000 Titel\r\n1020 Ankreuzen\r\n");
    LanguageForm form;
    form.Tag = L"1010";
    ApplyLanguage(form, L"English.bvl");
    EXPECT_EQ(form.Caption(), L"Message text");
    EXPECT_EQ(form.lblTitle.Caption(), L"Title");

    ApplyLanguage(form, L"Deutsch.bvl");
    ExpectNoEnd();
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.Caption(), L"");
    EXPECT_EQ(form.lblTitle.Caption(), L"Titel");
    EXPECT_EQ(form.chkOption.Caption(), L"Ankreuzen");
    EXPECT_EQ(form.txtMessage.Text(), L"");
    EXPECT_EQ(form.optArray.ToolTipText(), L"");
    form.Unload();
}

TEST_F(LanguageTest, ApplyLanguageWithAMissingFileEndsAtTheFirstLookup)
{
    // The device would read as an empty file and blank every caption.
    for (const wchar_t* name : {L"English.bvl", L"nul.bvl"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        ForgetEnds();
        LanguageForm form;
        ApplyLanguage(form, name);
        ExpectNotFoundEnd();
        EXPECT_EQ(form.lblMissing.Caption(), L"Design missing");
        EXPECT_EQ(form.lblTitle.Caption(), L"Design title");
        EXPECT_EQ(form.optChoice.Caption(), L"Design option");
        form.Unload();
    }
}

// Messages of the pages

TEST_F(LanguageTest, AMessageShowsItsTextInTheCurrentLanguageAndTheEnglishTextWhereThereIsNone)
{
    Write(L"Deutsch.bvl", "2710 Laufwerk %1 fehlt:%n%2\r\n2720 \r\n");
    Write(L"Broken.bvl", "2710 Laufwerk %1\r\nno number here\r\n");
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"sub").c_str(), nullptr));
    Write(L"sub\\Deutsch.bvl", "2710 Unterordner %1\r\n");
    constexpr wchar_t English[] = L"Drive %1 is missing:%n%2";
    struct Case {
        const wchar_t* language;  // "" before any pass
        std::int16_t number;
        std::wstring shown;
    };
    const Case cases[] = {
        {L"", 2710, L"Drive X: is missing:\r\nerror 5"},
        {L"Deutsch.bvl", 2710, L"Laufwerk X: fehlt:\r\nerror 5"},
        {L"Deutsch.bvl", 2730, L"Drive X: is missing:\r\nerror 5"},  // a file without the number
        {L"Deutsch.bvl", 2720, L"??????"},                            // a number without a text, as everywhere
        // A file that has gone or cannot be parsed gives the English text and does not end the program.
        {L"Gone.bvl", 2710, L"Drive X: is missing:\r\nerror 5"},
        {L"Broken.bvl", 2710, L"Drive X: is missing:\r\nerror 5"},
        // As does a name that is no plain file name beside the program.
        {L"sub\\Deutsch.bvl", 2710, L"Drive X: is missing:\r\nerror 5"},
        {L"nul.bvl", 2710, L"Drive X: is missing:\r\nerror 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language, c.language + std::wcslen(c.language)) + " " + std::to_string(c.number));
        basLAnguageSelector::SetCurrentLanguage(c.language);
        EXPECT_EQ(basLAnguageSelector::LanguageText(c.number, English, {L"X:", L"error 5"}), c.shown);
        ExpectNoEnd();
    }
}

// The list of installed languages

class ListForm : public ui::Form {
public:
    ListForm() : Form(L"frmListTest") {}
    ui::ListBox lstLanguages{L"lstLanguages"};

protected:
    void CreateControls() override { Place({{lstLanguages, nullptr, {120, 120, 3255, 1395}}}); }
};

std::vector<std::wstring> Entries(const ui::ListBox& list)
{
    std::vector<std::wstring> entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    return entries;
}

TEST_F(LanguageTest, FillLanguageListAddsTheNormalFilesByNameAfterWhatIsThere)
{
    Write(L"Deutsch.bvl", "1000 Hallo\r\n");
    Write(L"English.bvl", "1000 Hello\r\n");
    Write(L"H.bvl", "1000 Hidden\r\n");
    Write(L"S.bvl", "1000 System\r\n");
    Write(L"readme.txt", "Not a language\r\n");
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"X.bvl").c_str(), nullptr));
    ASSERT_TRUE(::SetFileAttributesW(folder.File(L"H.bvl").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(::SetFileAttributesW(folder.File(L"S.bvl").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_NE(::GetFileAttributesW(folder.File(L"H.bvl").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);

    ListForm form;
    form.Load();
    form.lstLanguages.AddItem(L"Existing");
    FillLanguageList(L"*.bvl", form.lstLanguages);

    std::vector<std::wstring> entries = Entries(form.lstLanguages);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], L"Existing");
    // In the file system's order, which the test does not fix.
    std::sort(entries.begin() + 1, entries.end());
    EXPECT_EQ(entries[1], L"Deutsch");
    EXPECT_EQ(entries[2], L"English");
    ExpectNoEnd();
    form.Unload();
}

TEST_F(LanguageTest, FillLanguageListTakesReadOnlyFilesAndIgnoresAnEmptyFolder)
{
    ListForm form;
    form.Load();
    form.lstLanguages.AddItem(L"Existing");
    FillLanguageList(L"*.bvl", form.lstLanguages);
    EXPECT_EQ(Entries(form.lstLanguages), std::vector<std::wstring>{L"Existing"});

    Write(L"Locked.bvl", "1000 Locked\r\n");
    ASSERT_TRUE(::SetFileAttributesW(folder.File(L"Locked.bvl").c_str(), FILE_ATTRIBUTE_READONLY));
    FillLanguageList(L"*.bvl", form.lstLanguages);
    EXPECT_EQ(Entries(form.lstLanguages), (std::vector<std::wstring>{L"Existing", L"Locked"}));
    form.Unload();
}

} // namespace
