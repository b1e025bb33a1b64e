#include "shell/PageForm.h"

#include "shell/frmMain.h"

namespace ui {

void ShowPage(Control& pageFrame)
{
    ::SetParent(pageFrame.Hwnd(), frmMain->picContainerMain.Hwnd());
}

} // namespace ui
