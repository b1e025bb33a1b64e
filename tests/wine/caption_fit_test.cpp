// Every form of the language pass in each shipped language: every translated
// caption fits the place its control draws it in, so that no language file
// clips a text unnoticed.
#include "shell/TranslatedForms.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Form.h"
#include "ui/win/Handles.h"

#include "tests/wine/support/TestSupport.h"

#include <string>

using testing_support::FormTest;

namespace {

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (const wchar_t c : text)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

// The size the text takes when drawn as the control draws it.
SIZE Extent(const ui::CaptionBox& box, const std::wstring& text)
{
    win::WindowDC screen(nullptr);
    win::SelectedObject font(screen.get(), box.font);
    RECT measure = box.area;
    ::DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &measure, box.format | DT_CALCRECT);
    return SIZE{measure.right - measure.left, measure.bottom - measure.top};
}

class CaptionFitTest : public FormTest, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        wchar_t path[MAX_PATH];
        const std::wstring program(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
        seam.programFolder = program.substr(0, program.rfind(L'\\')) + L"\\layout\\main";
    }
};

TEST_P(CaptionFitTest, EveryTranslatedCaptionFitsItsControl)
{
    const std::wstring language = GetParam();
    int checked = 0;
    for (const TranslatedForm& entry : TranslatedForms()) {
        ui::Form& form = entry.form();
        basLAnguageSelector::ApplyLanguage(form, language);
        for (const ui::Control* control : form.Controls()) {
            // Message boxes hold texts for later, and controls without a Tag keep their built-in text.
            if (control->Tag.empty() || control->TypeName() == L"TextBox")
                continue;
            const std::wstring caption = control->Caption();
            if (caption.empty())
                continue;
            const std::string where = Narrow(form.Name() + L"." + control->Name() + L" \"" + caption + L"\"");
            RECT client{};
            ::GetClientRect(control->Hwnd(), &client);
            const auto box = control->CaptionLayout(client);
            if (!box) {
                ADD_FAILURE() << where << ": a translated caption, but no caption box to check it against";
                continue;
            }
            ++checked;
            const SIZE needed = Extent(*box, caption);
            const LONG width = box->area.right - box->area.left;
            const LONG height = box->area.bottom - box->area.top;
            EXPECT_TRUE(needed.cx <= width && needed.cy <= height)
                << where << " needs " << needed.cx << " x " << needed.cy << " pixels, has " << width << " x "
                << height;
        }
    }
    // The walk reached the pages' captions, so it is not vacuous.
    EXPECT_GE(checked, 150);
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, CaptionFitTest, ::testing::Values(L"English.bvl", L"Deutsch.bvl"),
                         [](const ::testing::TestParamInfo<const wchar_t*>& language) {
                             const std::wstring name = language.param;
                             return Narrow(name.substr(0, name.find(L'.')));
                         });

} // namespace
