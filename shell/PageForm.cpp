#include "shell/PageForm.h"

#include "shell/frmMain.h"

#include <algorithm>

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
    ::SetParent(pageFrame.Hwnd(), frmMain->picContainerMain.Hwnd());
}

} // namespace ui
