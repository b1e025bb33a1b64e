// The shipped language files against the forms: every string number that a
// translated form carries has a text in both files, so no control is blanked.
#include "shell/TranslatedForms.h"
#include "shell/core/LanguageFile.h"
#include "ui/Form.h"
#include "ui/core/NumberText.h"
#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using testing_support::FormTest;

namespace {

std::wstring FolderOfThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'\\'));
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The numbers of string-numbers.txt: the first field of each line.
std::set<std::int16_t> ListedNumbers()
{
    std::set<std::int16_t> numbers;
    std::istringstream lines(ReadBytes(FolderOfThisProgram() + L"\\string-numbers.txt"));
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (line.empty() || line == "\r")
            continue;
        const std::string field = line.substr(0, line.find_first_of("\t "));
        const auto number = numbertext::StrictInteger(std::wstring(field.begin(), field.end()));
        EXPECT_TRUE(number && *number > 0) << "line " << lineNumber << " of the list: " << line;
        if (number) {
            EXPECT_TRUE(numbers.insert(*number).second) << "listed twice: " << *number;
        }
    }
    return numbers;
}

struct ShippedFile {
    const wchar_t* name;
    language::ParsedFile parsed;
};

std::vector<ShippedFile> ShippedFiles()
{
    std::vector<ShippedFile> files;
    for (const wchar_t* name : {L"English.bvl", L"Deutsch.bvl"}) {
        const std::string bytes = ReadBytes(FolderOfThisProgram() + L"\\layout\\main\\" + name);
        EXPECT_FALSE(bytes.empty()) << Narrow(name) << " is missing from the layout or empty";
        files.push_back({name, language::Parse(bytes)});
    }
    return files;
}

// A number that a control of a form looks up, and where it comes from.
struct Use {
    std::int16_t number;
    std::string where;
};

bool IsNamedType(const std::wstring& type)
{
    return type == L"Label" || type == L"TextBox" || type == L"sevCheck" || type == L"xpButton" ||
           type == L"Frame" || type == L"sevFrame";
}

// The numbers that the language pass looks up for the controls of a form, by its rules.
std::vector<Use> NumbersUsedBy(const ui::Form& form)
{
    std::vector<Use> uses;
    for (const ui::Control* control : form.Controls()) {
        const std::string where = Narrow(form.Name() + L"." + control->Name());
        if (control->Tag.empty())
            continue;
        // A Tag that gives no number would be skipped by the pass: a typo in a form.
        if (IsNamedType(control->TypeName())) {
            const auto number = numbertext::StrictInteger(control->Tag);
            EXPECT_TRUE(number) << where << " carries the Tag " << Narrow(control->Tag) << ", no number";
            if (number)
                uses.push_back({*number, where});
            continue;
        }
        const std::int16_t caption = numbertext::RoundedLeadingValue(control->Tag).value_or(0);
        EXPECT_GT(caption, 0) << where << " carries the Tag " << Narrow(control->Tag) << ", no number";
        if (caption > 0)
            uses.push_back({caption, where});
        if (control->Index) {
            const std::int16_t tip =
                numbertext::RoundedLeadingValue(control->Tag + std::to_wstring(*control->Index)).value_or(0);
            if (tip > 0)
                uses.push_back({tip, where + " (tooltip)"});
        }
    }
    return uses;
}

TEST(LanguageFilesTest, BothShippedFilesParseAndCarryEveryListedNumberWithAText)
{
    const std::set<std::int16_t> listed = ListedNumbers();
    ASSERT_FALSE(listed.empty());
    for (const ShippedFile& file : ShippedFiles()) {
        SCOPED_TRACE(Narrow(file.name));
        ASSERT_EQ(file.parsed.error, language::ParseError::None) << "bad line " << file.parsed.errorLine;
        for (const std::int16_t number : listed) {
            const std::string text = language::Lookup(file.parsed, number);
            EXPECT_NE(text, "") << number << " has no line";
            EXPECT_NE(text, language::kEmptyTextMarker) << number << " has an empty text";
        }
        // A number outside the list is one that the list has forgotten.
        for (const auto& [number, text] : file.parsed.texts)
            EXPECT_EQ(listed.count(number), 1u) << number << " is not in the list";
    }
}

class TranslatedFormsTagTest : public FormTest {};

TEST_F(TranslatedFormsTagTest, EveryNumberThatTheTranslatedFormsCarryIsListed)
{
    const std::set<std::int16_t> listed = ListedNumbers();
    std::map<std::wstring, int> messageBoxes;
    int uses = 0;
    for (const TranslatedForm& entry : TranslatedForms()) {
        ui::Form& form = entry.form();
        EXPECT_EQ(form.Tag, L"") << Narrow(form.Name()) << ": no form carries a number, so captions stay built in";
        for (const Use& use : NumbersUsedBy(form)) {
            ++uses;
            EXPECT_EQ(listed.count(use.number), 1u) << use.where << " carries " << use.number << ", not listed";
        }
        for (const ui::Control* control : form.Controls())
            if (control->TypeName() == L"TextBox" && !control->Visible() && !control->Tag.empty())
                ++messageBoxes[form.Name()];
    }
    // The walk saw the section labels and the message text boxes, so it is not vacuous.
    EXPECT_GE(uses, 5);
    EXPECT_GE(messageBoxes[L"frmAntispy"], 2);
}

} // namespace
