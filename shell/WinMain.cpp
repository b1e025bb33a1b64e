// brvt: the main program.
#include "shell/frmLanguage.h"
#include "ui/Form.h"
#include "ui/SystemFolders.h"

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    systemfolders::NarrowDllSearch();
    // The program ends with its last form.
    ui::FormCollection::Instance().onEmpty = [] { ::PostQuitMessage(0); };
    try {
        // Its start-up either waits for a choice or runs the language pass and shows the main window.
        frmLanguage.Get();
        ui::RunMessageLoop([] { return true; });
    } catch (const std::exception& error) {
        ui::EndWithUnexpectedError(error.what());
    }
    return 0;
}
