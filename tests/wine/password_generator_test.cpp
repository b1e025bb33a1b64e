// The password generator: the count box, the masks, duplicate dropping, the
// custom mask, a run and its stop, the saved list and the uniform draws.
#include "pages/utilities/frmPassGen.h"
#include "pages/utilities/modPass.h"

#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using testing_support::Click;
using testing_support::FormTest;

namespace {

const std::string ListHeader = "Created with Brevantor\r\n" + std::string(51, '-') + "\r\n\r\n";

class PasswordGeneratorTest : public FormTest {
protected:
    // Sets the count and the mask and presses Generate.
    FrmPassGen& Generate(const std::wstring& count, const std::wstring& mask)
    {
        FrmPassGen& page = frmPassGen.Get();
        page.txtNumPass.SetText(count);
        page.cmbMask.SetText(mask);
        Click(page.cmdGen.Hwnd());
        return page;
    }
    std::vector<std::wstring> Entries()
    {
        std::vector<std::wstring> entries;
        for (int i = 0; i < frmPassGen->lstPass.ListCount(); ++i)
            entries.push_back(frmPassGen->lstPass.List(i));
        return entries;
    }
};

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    ::DeleteFileW(path.c_str());
    return path;
}

std::string FileContent(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(PasswordGeneratorTest, TheCountIsOneToAThousandRoundedHalvesToEven)
{
    const struct {
        const wchar_t* count;
        std::optional<int> made;
    } cases[] = {
        {L"1000", 1000}, {L"2.5", 2}, {L"3.5", 4}, {L"1000.5", {}}, {L"1001", {}}, {L"0.6", {}}, {L"abc", {}}, {L"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.count)));
        seam.messages.clear();
        frmPassGen->lstPass.Clear();
        frmPassGen->lstPass.AddItem(L"earlier");
        FrmPassGen& page = Generate(c.count, L"####-XXXX");
        if (c.made) {
            EXPECT_TRUE(seam.messages.empty());
            EXPECT_EQ(page.lstPass.ListCount(), *c.made);
        } else {
            ASSERT_EQ(seam.messages.size(), 1u);
            EXPECT_EQ(seam.messages[0].text, L"Password-Value invalid");
            EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_EQ(Entries(), std::vector<std::wstring>{L"earlier"});
        }
    }
}

TEST_F(PasswordGeneratorTest, MasksMakeTheirPasswordsAndDuplicatesAreDropped)
{
    FrmPassGen& page = frmPassGen.Get();
    EXPECT_EQ(page.cmbMask.ListCount(), 12);
    EXPECT_EQ(page.cmbMask.Text(), L"####-####-####-####");

    Generate(L"50", L"KEY-####");
    ASSERT_EQ(page.lstPass.ListCount(), 50);
    for (const std::wstring& password : Entries())
        EXPECT_TRUE(password.size() == 8 && password.compare(0, 4, L"KEY-") == 0 &&
                    password.find_first_not_of(L"0123456789", 4) == std::wstring::npos)
            << ::testing::PrintToString(password);

    page.chkDoDuplicates.SetValue(1);
    Generate(L"20", L"ab-xx");
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"ab-xx"});
    EXPECT_EQ(modPass::DuplicateCount, 19);
    // An empty mask makes only empty passwords, and none is kept.
    Generate(L"7", L"");
    EXPECT_EQ(page.lstPass.ListCount(), 0);
    EXPECT_EQ(modPass::DuplicateCount, 7);
}

TEST_F(PasswordGeneratorTest, ACustomMaskWithLowercaseXTurnsCapitalOnLeavingTheBox)
{
    FrmPassGen& page = frmPassGen.Get();
    page.txtCustom.SetText(L"ab-cd");
    EXPECT_FALSE(page.cmdSet.Enabled());
    page.txtCustom.SetText(L"xx-x");
    EXPECT_TRUE(page.cmdSet.Enabled());

    ::SetFocus(page.txtCustom.Hwnd());
    ::SetFocus(page.txtNumPass.Hwnd());
    EXPECT_EQ(page.txtCustom.Text(), L"XX-X");
    Click(page.cmdSet.Hwnd());
    EXPECT_EQ(page.cmbMask.List(12), L"XX-X");
    EXPECT_EQ(page.cmbMask.Text(), L"XX-X");
    EXPECT_EQ(page.txtCustom.Text(), L"");
}

TEST_F(PasswordGeneratorTest, DuringARunOnlyStopIsOfferedAndStoppingKeepsThePasswords)
{
    FrmPassGen& page = frmPassGen.Get();
    struct {
        bool generate, stop, list, bar;
    } during{};
    // At the run's first yield, after its first password: look, then press Stop.
    ui::Timer look{L"look"};
    look.Create(page.Hwnd(), RECT{}, false);
    look.onTimer = [&] {
        during = {page.cmdGen.Enabled(), page.cmdStop.Visible() && page.cmdStop.Enabled(), page.lstPass.Visible(),
                  page.PB.Visible()};
        look.SetEnabled(false);
        Click(page.cmdStop.Hwnd());
    };
    look.SetInterval(1);
    look.SetEnabled(true);
    Generate(L"1000", L"XXXX");

    EXPECT_FALSE(during.generate);
    EXPECT_TRUE(during.stop);
    EXPECT_FALSE(during.list);
    EXPECT_TRUE(during.bar);
    // The run sees the stop after the password it is making.
    EXPECT_GE(page.lstPass.ListCount(), 2);
    EXPECT_LT(page.lstPass.ListCount(), 1000);
    EXPECT_EQ(page.PB.Value(), 0);
    EXPECT_FALSE(modPass::StopRequested);
    EXPECT_TRUE(page.cmdSave.Enabled());
    EXPECT_TRUE(page.cmdGen.Enabled());
    EXPECT_FALSE(page.cmdStop.Visible());
}

TEST_F(PasswordGeneratorTest, TheSavedListHasItsThreeHeaderLinesAndCrLfLineEnds)
{
    FrmPassGen& page = Generate(L"3", L"KEY-####");
    const std::wstring path = TempPath(L"brvt-passwords.txt");
    seam.dialogAnswers = {path};
    Click(page.cmdSave.Hwnd());
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_TRUE(seam.dialogs[0].save);
    EXPECT_EQ(seam.dialogs[0].filter, L"Text File (*.txt)|*.txt");
    EXPECT_EQ(seam.dialogs[0].flags, 15u);
    std::string expected = ListHeader;
    for (const std::wstring& password : Entries())
        expected += std::string(password.begin(), password.end()) + "\r\n";
    EXPECT_EQ(FileContent(path), expected);

    // Nothing made: the header alone, over the earlier file.
    Generate(L"4", L"");
    seam.dialogAnswers = {path};
    Click(page.cmdSave.Hwnd());
    EXPECT_EQ(FileContent(path), ListHeader);

    // A folder that is not there: a message, and the list stays to save elsewhere.
    seam.dialogAnswers = {TempPath(L"no-such-folder-here\\list.txt")};
    Click(page.cmdSave.Hwnd());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(page.IsLoaded());
}

// Chi-square bounds that a sound generator passes but once in 10^6 runs:
// 9 and 25 degrees of freedom.
constexpr double DigitBound = 44.8;
constexpr double LetterBound = 73.9;

template <size_t N>
double ChiSquare(const std::wstring& draws, wchar_t first)
{
    std::array<int, N> counts{};
    for (const wchar_t c : draws)
        if (c >= first && c < first + static_cast<wchar_t>(N))
            ++counts[static_cast<size_t>(c - first)];
    const double expected = static_cast<double>(draws.size()) / N;
    double sum = 0;
    for (const int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

TEST(PasswordDraws, DigitsAndLettersAreUniformOver100000Draws)
{
    // Half the chance for 0 and 9, as rounding r x 9 gives, is a chi-square of about 4900.
    EXPECT_LT(ChiSquare<10>(modPass::MakePassword(std::wstring(100000, L'#')), L'0'), DigitBound);
    EXPECT_LT(ChiSquare<26>(modPass::MakePassword(std::wstring(100000, L'X')), L'A'), LetterBound);
}

} // namespace
