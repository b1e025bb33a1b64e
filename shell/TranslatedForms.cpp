#include "shell/TranslatedForms.h"

#include "shell/basLAnguageSelector.h"

#include "pages/system/frmHDDCLean.h"
#include "pages/system/frmMonitor.h"
#include "pages/system/frmRamCleaner.h"
#include "pages/system/frmSysInfos.h"
#include "pages/system/frmSysRes.h"
#include "pages/tweaks/frmAntispy.h"
#include "pages/tweaks/frmBoot.h"
#include "pages/tweaks/frmCache.h"
#include "pages/tweaks/frmDesign.h"
#include "pages/tweaks/frmDesign2.h"
#include "pages/tweaks/frmGeneral.h"
#include "pages/tweaks/frmGeneral2.h"
#include "pages/tweaks/frmInternet.h"
#include "pages/tweaks/frmInternet2.h"
#include "pages/utilities/frmFileSplitter.h"
#include "pages/utilities/frmHide.h"
#include "pages/utilities/frmPassGen.h"
#include "pages/utilities/frmShredder.h"
#include "pages/utilities/frmUhrzeit.h"
#include "pages/utilities/frmUtilities.h"
#include "pages/utilities/frmVDrives.h"
#include "shell/frmHelpUpdates.h"
#include "shell/frmMain.h"
#include "shell/frmSystemOption.h"
#include "shell/frmTweaksOption.h"
#include "shell/frmUtilitiesOption.h"
#include "shell/frmUtilitiesOption2.h"

#include <algorithm>

namespace {

template <auto& ref>
TranslatedForm Entry(const wchar_t* name, int progressAfter)
{
    return {name, []() -> ui::Form& { return ref(); }, [] { return ref.IsLoaded(); }, progressAfter};
}

} // namespace

const std::array<TranslatedForm, 27>& TranslatedForms()
{
    // The main window comes first: its start-up puts the logo page into its container.
    static const std::array<TranslatedForm, 27> forms{
        Entry<frmMain>(L"frmMain", 0),
        Entry<frmHDDCLean>(L"frmHDDCLean", 10),
        Entry<frmSysRes>(L"frmSysRes", 0),
        Entry<frmMonitor>(L"frmMonitor", 0),
        Entry<frmRamCleaner>(L"frmRamCleaner", 0),
        Entry<frmCache>(L"frmCache", 0),
        Entry<frmSysInfos>(L"frmSysInfos", 0),
        Entry<frmSystemOption>(L"frmSystemOption", 0),
        Entry<frmAntispy>(L"frmAntispy", 20),
        Entry<frmDesign>(L"frmDesign", 0),
        Entry<frmDesign2>(L"frmDesign2", 0),
        Entry<frmGeneral>(L"frmGeneral", 0),
        Entry<frmGeneral2>(L"frmGeneral2", 0),
        Entry<frmBoot>(L"frmBoot", 0),
        Entry<frmTweaksOption>(L"frmTweaksOption", 0),
        Entry<frmVDrives>(L"frmVDrives", 30),
        Entry<frmShredder>(L"frmShredder", 0),
        Entry<frmFileSplitter>(L"frmFileSplitter", 0),
        Entry<frmUhrzeit>(L"frmUhrzeit", 0),
        Entry<frmUtilities>(L"frmUtilities", 50),
        Entry<frmPassGen>(L"frmPassGen", 0),
        Entry<frmHide>(L"frmHide", 0),
        Entry<frmInternet>(L"frmInternet", 0),
        Entry<frmInternet2>(L"frmInternet2", 80),
        Entry<frmUtilitiesOption>(L"frmUtilitiesOption", 0),
        Entry<frmUtilitiesOption2>(L"frmUtilitiesOption2", 0),
        Entry<frmHelpUpdates>(L"frmHelpUpdates", 0),
    };
    return forms;
}

void UseLanguage(const std::wstring& fileName)
{
    basLAnguageSelector::SetCurrentLanguage(fileName);
    ui::FormCollection::Instance().onLoad = [](ui::Form& form) {
        const std::wstring& language = basLAnguageSelector::CurrentLanguage();
        const auto& forms = TranslatedForms();
        const bool translated = std::any_of(forms.begin(), forms.end(), [&form](const TranslatedForm& entry) {
            return entry.isLoaded() && &entry.form() == &form;
        });
        if (translated && !language.empty())
            basLAnguageSelector::ApplyLanguage(form, language);
    };
}
