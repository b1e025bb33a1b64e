#include "shell/PageForm.h"

#include "shell/frmMain.h"

#include <algorithm>
#include <vector>

namespace ui {

void ShowPage(Control& pageFrame)
{
    for (Form* form : FormCollection::Instance().Loaded()) {
        const auto& controls = form->Controls();
        if (std::find(controls.begin(), controls.end(), &pageFrame) == controls.end())
            continue;
        if (auto* page = dynamic_cast<PageForm*>(form))
            page->Page_Showing();
        break;
    }
    const HWND main = frmMain->Hwnd();
    const HWND focus = ::GetFocus();
    const bool focusInMain = focus && ::GetAncestor(focus, GA_ROOT) == main;
    ::SetParent(pageFrame.Hwnd(), frmMain->picContainerMain.Hwnd());
    // Left alone, the focus would stay on the page now covered, out of sight,
    // and the next key would act there.
    if (focusInMain) {
        const std::vector<HWND> stops = TabStops(pageFrame.Hwnd());
        ::SetFocus(stops.empty() ? main : stops.front());
    }
}

} // namespace ui
