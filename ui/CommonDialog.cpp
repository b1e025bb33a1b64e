#include "ui/CommonDialog.h"

#include "ui/Effects.h"
#include "ui/modWindow.h"

namespace ui {

bool CommonDialog::ShowOpen(HWND from)
{
    return Show(from, false);
}

bool CommonDialog::ShowSave(HWND from)
{
    return Show(from, true);
}

bool CommonDialog::Show(HWND from, bool save)
{
    effects::FileDialogRequest request;
    request.save = save;
    request.title = DialogTitle;
    request.filter = Filter;
    request.flags = Flags;
    request.fileName = FileName;
    if (effects::Current().ShowFileDialog(modWindow::DialogOwner(from), request)) {
        FileName = request.fileName;
        return true;
    }
    if (!CancelError)
        FileName.clear();
    return false;
}

} // namespace ui
