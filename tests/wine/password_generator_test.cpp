// The password generator: the count box, the masks, duplicate dropping, the
// custom mask, stopping a run, the saved list and the uniform draws.
#include "pages/utilities/frmPassGen.h"
#include "pages/utilities/modPass.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <array>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

class PasswordGeneratorTest : public FormTest {
protected:
    FrmPassGen& Page()
    {
        FrmPassGen& page = frmPassGen.Get();
        page.txtMaske.SetText(L"Add the custom mask?");
        return page;
    }
    // Sets the count and the mask and presses Generate.
    void Generate(FrmPassGen& page, const std::wstring& count, const std::wstring& mask)
    {
        page.txtNumPass.SetText(count);
        page.cmbMask.SetText(mask);
        Click(page.cmdGen.Hwnd());
    }
    std::vector<std::wstring> Entries(const FrmPassGen& page)
    {
        std::vector<std::wstring> entries;
        for (int i = 0; i < page.lstPass.ListCount(); ++i)
            entries.push_back(page.lstPass.List(i));
        return entries;
    }
    std::wstring SavePath(const wchar_t* name)
    {
        wchar_t folder[MAX_PATH];
        ::GetTempPathW(MAX_PATH, folder);
        const std::wstring path = std::wstring(folder) + name;
        ::DeleteFileW(path.c_str());
        return path;
    }
};

bool IsKeyOfFourDigits(const std::wstring& password)
{
    if (password.size() != 8 || password.compare(0, 4, L"KEY-") != 0)
        return false;
    for (size_t i = 4; i < 8; ++i)
        if (!std::iswdigit(password[i]))
            return false;
    return true;
}

std::string FileContent(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(PasswordGeneratorTest, ThePresetMasksAreListedAndTheFirstIsCurrent)
{
    FrmPassGen& page = Page();
    ASSERT_EQ(page.cmbMask.ListCount(), 12);
    EXPECT_EQ(page.cmbMask.List(0), L"####-####-####-####");
    EXPECT_EQ(page.cmbMask.List(6), L"KEY-####-####-####-####");
    EXPECT_EQ(page.cmbMask.List(11), L"KEY-XXXX-####-XXXX-####");
    EXPECT_EQ(page.cmbMask.ListIndex(), 0);
    EXPECT_EQ(page.cmbMask.Text(), L"####-####-####-####");
    EXPECT_EQ(page.txtNumPass.Text(), L"500");
    EXPECT_FALSE(page.cmdSave.Enabled());
    EXPECT_FALSE(page.cmdStop.Visible());
    EXPECT_FALSE(page.PB.Visible());
    EXPECT_EQ(page.lstTmp.List(0), L"Generating...");
}

TEST_F(PasswordGeneratorTest, TheCountIsOneToAThousandRoundedHalvesToEven)
{
    const struct {
        const wchar_t* count;
        std::optional<int> made;
    } cases[] = {
        {L"1000", 1000}, {L"2.5", 2},      {L"3.5", 4},    {L"1000.5", {}},
        {L"1001", {}},   {L"0.6", {}},     {L"abc", {}},   {L"", {}},
    };
    FrmPassGen& page = Page();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.count)));
        seam.messages.clear();
        page.lstPass.Clear();
        page.lstPass.AddItem(L"earlier");
        Generate(page, c.count, L"####-XXXX");
        if (c.made) {
            EXPECT_TRUE(seam.messages.empty());
            EXPECT_EQ(page.lstPass.ListCount(), *c.made);
            EXPECT_TRUE(page.cmdSave.Enabled());
        } else {
            ASSERT_EQ(seam.messages.size(), 1u);
            EXPECT_EQ(seam.messages[0].text, L"Password-Value invalid");
            EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_EQ(seam.messages[0].title, L"Brevantor");
            // The list stays as it was.
            EXPECT_EQ(Entries(page), std::vector<std::wstring>{L"earlier"});
        }
    }
}

TEST_F(PasswordGeneratorTest, AMaskTypedIntoTheListMakesItsPasswords)
{
    FrmPassGen& page = Page();
    Generate(page, L"50", L"KEY-####");
    const std::vector<std::wstring> entries = Entries(page);
    ASSERT_EQ(entries.size(), 50u);
    for (const std::wstring& password : entries)
        EXPECT_TRUE(IsKeyOfFourDigits(password)) << ::testing::PrintToString(password);
    EXPECT_TRUE(page.lstPass.Visible());
    EXPECT_FALSE(page.PB.Visible());
    EXPECT_FALSE(page.cmdStop.Visible());
    EXPECT_TRUE(page.cmdGen.Enabled());
}

TEST_F(PasswordGeneratorTest, DuplicatesAreDroppedIgnoringCaseAndCounted)
{
    FrmPassGen& page = Page();
    page.chkDoDuplicates.SetValue(1);
    Generate(page, L"20", L"ab-xx");
    EXPECT_EQ(Entries(page), std::vector<std::wstring>{L"ab-xx"});
    EXPECT_EQ(modPass::DuplicateCount, 19);

    // Without the check every one stays; an empty mask makes only empty ones, none kept.
    page.chkDoDuplicates.SetValue(0);
    Generate(page, L"20", L"ab-xx");
    EXPECT_EQ(page.lstPass.ListCount(), 20);
    EXPECT_EQ(modPass::DuplicateCount, 0);
    Generate(page, L"7", L"");
    EXPECT_EQ(page.lstPass.ListCount(), 0);
    EXPECT_EQ(modPass::DuplicateCount, 7);

    // Case does not tell passwords apart.
    ui::ListBox list{L"list"};
    list.Create(page.Hwnd(), RECT{0, 0, 10, 10}, false);
    list.AddItem(L"AB-XX");
    modPass::GeneratePassword(list, 3, L"ab-xx", page.PB, true, false);
    EXPECT_EQ(list.ListCount(), 1);
    EXPECT_EQ(modPass::DuplicateCount, 3);
}

TEST_F(PasswordGeneratorTest, ACustomMaskWithLowercaseXTurnsCapitalOnLeavingTheBox)
{
    FrmPassGen& page = Page();
    page.txtCustom.SetText(L"ab-cd");
    EXPECT_FALSE(page.cmdSet.Enabled());
    page.txtCustom.SetText(L"xx-x");
    EXPECT_TRUE(page.cmdSet.Enabled());
    // Emptying the box leaves the button as it was.
    page.txtCustom.SetText(L"");
    EXPECT_TRUE(page.cmdSet.Enabled());

    page.txtCustom.SetText(L"xx-x");
    ::SetFocus(page.txtCustom.Hwnd());
    ::SetFocus(page.txtNumPass.Hwnd());
    EXPECT_EQ(page.txtCustom.Text(), L"XX-X");

    Click(page.cmdSet.Hwnd());
    EXPECT_EQ(page.cmbMask.ListCount(), 13);
    EXPECT_EQ(page.cmbMask.List(12), L"XX-X");
    EXPECT_EQ(page.cmbMask.Text(), L"XX-X");
    EXPECT_EQ(page.txtCustom.Text(), L"");
}

TEST_F(PasswordGeneratorTest, ACustomMaskLeftInTheBoxIsOfferedBeforeGenerating)
{
    FrmPassGen& page = Page();
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        seam.messages.clear();
        seam.messageAnswers = {answer};
        page.cmbMask.SetText(L"####");
        page.txtCustom.SetText(L"ZZ-X");
        page.txtNumPass.SetText(L"3");
        Click(page.cmdGen.Hwnd());
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, L"Add the custom mask?");
        EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(page.lstPass.ListCount(), 3);
        EXPECT_EQ(page.lstPass.List(0).size(), 4u);
        EXPECT_EQ(page.lstPass.List(0).compare(0, 3, L"ZZ-") == 0, answer == IDYES);
        EXPECT_EQ(page.txtCustom.Text().empty(), answer == IDYES);
    }
}

TEST_F(PasswordGeneratorTest, StopKeepsThePasswordsMadeSoFar)
{
    FrmPassGen& page = Page();
    page.txtNumPass.SetText(L"1000");
    page.cmbMask.SetText(L"XXXX");
    // The stop button's click waits in the queue for the run's first yield,
    // after the first password; the run sees it after finishing the second.
    ::PostMessageW(page.cmdStop.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::PostMessageW(page.cmdStop.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Click(page.cmdGen.Hwnd());

    EXPECT_EQ(page.lstPass.ListCount(), 2);
    EXPECT_EQ(page.PB.Value(), 0);
    EXPECT_EQ(page.PB.Max(), 1000);
    EXPECT_TRUE(page.cmdSave.Enabled());
    EXPECT_TRUE(page.cmdGen.Enabled());
    EXPECT_FALSE(page.cmdStop.Enabled());
    EXPECT_FALSE(modPass::StopRequested);
}

TEST_F(PasswordGeneratorTest, DuringARunGenerateIsOffAndStopIsShown)
{
    FrmPassGen& page = Page();
    struct Seen {
        bool generate = true;
        bool stop = false;
        bool stopEnabled = false;
        bool list = true;
        bool bar = false;
    } seen;
    // Looked at from the run's first yield.
    ui::Timer look{L"look"};
    look.Create(page.Hwnd(), RECT{}, false);
    look.onTimer = [&] {
        seen = {page.cmdGen.Enabled(), page.cmdStop.Visible(), page.cmdStop.Enabled(), page.lstPass.Visible(),
                page.PB.Visible()};
        look.SetEnabled(false);
        modPass::StopRequested = true;
    };
    look.SetInterval(1);
    look.SetEnabled(true);
    Generate(page, L"1000", L"####");
    EXPECT_FALSE(seen.generate);
    EXPECT_TRUE(seen.stop);
    EXPECT_TRUE(seen.stopEnabled);
    EXPECT_FALSE(seen.list);
    EXPECT_TRUE(seen.bar);
    EXPECT_LT(page.lstPass.ListCount(), 1000);
}

TEST_F(PasswordGeneratorTest, TheSavedListHasItsThreeHeaderLinesAndEndsEachLineWithCrLf)
{
    FrmPassGen& page = Page();
    Generate(page, L"3", L"KEY-####");
    const std::wstring path = SavePath(L"brvt-passwords.txt");
    seam.dialogAnswers = {path};
    Click(page.cmdSave.Hwnd());

    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_TRUE(seam.dialogs[0].save);
    EXPECT_EQ(seam.dialogs[0].filter, L"Text File (*.txt)|*.txt");
    EXPECT_EQ(seam.dialogs[0].flags, 15u);
    std::string expected = "Created with Brevantor\r\n" + std::string(51, '-') + "\r\n\r\n";
    for (const std::wstring& password : Entries(page))
        expected += std::string(password.begin(), password.end()) + "\r\n";
    EXPECT_EQ(FileContent(path), expected);

    // Nothing made: the header alone, over the earlier file.
    Generate(page, L"4", L"");
    seam.dialogAnswers = {path};
    Click(page.cmdSave.Hwnd());
    EXPECT_EQ(FileContent(path), "Created with Brevantor\r\n" + std::string(51, '-') + "\r\n\r\n");

    // A cancelled dialog writes nothing.
    ::DeleteFileW(path.c_str());
    Click(page.cmdSave.Hwnd());
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(PasswordGeneratorTest, AListThatCannotBeWrittenIsReportedAndKept)
{
    FrmPassGen& page = Page();
    Generate(page, L"2", L"XX");
    seam.dialogAnswers = {SavePath(L"no-such-folder-here\\list.txt")};
    Click(page.cmdSave.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(page.lstPass.ListCount(), 2);
    EXPECT_TRUE(page.IsLoaded());
}

// Chi-square bounds with a chance of 1 in 10^6 of failing a sound generator:
// 9 and 25 degrees of freedom.
constexpr double DigitBound = 44.8;
constexpr double LetterBound = 73.9;

template <size_t N>
double ChiSquare(const std::array<int, N>& counts, int draws)
{
    const double expected = static_cast<double>(draws) / N;
    double sum = 0;
    for (const int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

TEST(PasswordDraws, DigitsAndLettersAreUniformOver100000Draws)
{
    constexpr int Draws = 100000;
    std::array<int, 10> digits{};
    for (const wchar_t c : modPass::MakePassword(std::wstring(Draws, L'#'))) {
        ASSERT_TRUE(c >= L'0' && c <= L'9');
        ++digits[static_cast<size_t>(c - L'0')];
    }
    EXPECT_LT(ChiSquare(digits, Draws), DigitBound) << "0: " << digits[0] << ", 9: " << digits[9];
    // Half the chance for 0 and 9 would show as about 5556 each, out of any bound.
    EXPECT_GT(digits[0], 9500);
    EXPECT_GT(digits[9], 9500);

    std::array<int, 26> letters{};
    for (const wchar_t c : modPass::MakePassword(std::wstring(Draws, L'X'))) {
        ASSERT_TRUE(c >= L'A' && c <= L'Z');
        ++letters[static_cast<size_t>(c - L'A')];
    }
    EXPECT_LT(ChiSquare(letters, Draws), LetterBound);
}

} // namespace
