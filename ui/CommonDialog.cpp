#include "ui/CommonDialog.h"

#include "ui/Effects.h"

namespace ui {

bool CommonDialog::ShowOpen(HWND owner)
{
    return Show(owner, false);
}

bool CommonDialog::ShowSave(HWND owner)
{
    return Show(owner, true);
}

bool CommonDialog::Show(HWND owner, bool save)
{
    effects::FileDialogRequest request;
    request.save = save;
    request.title = DialogTitle;
    request.filter = Filter;
    request.flags = Flags;
    request.fileName = FileName;
    if (effects::Current().ShowFileDialog(owner, request)) {
        FileName = request.fileName;
        return true;
    }
    if (!CancelError)
        FileName.clear();
    return false;
}

} // namespace ui
