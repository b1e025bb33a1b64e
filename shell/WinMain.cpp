// brvt: the main program.
#include "shell/Form.h"
#include "shell/frmMain.h"

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // The program ends with its last form.
    ui::FormCollection::Instance().onEmpty = [] { ::PostQuitMessage(0); };
    try {
        frmMain->Show();
        ui::RunMessageLoop([] { return true; });
    } catch (const std::exception& error) {
        ui::EndWithUnexpectedError(error.what());
    }
    return 0;
}
