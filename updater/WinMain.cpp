// Skyvell: the update program.
#include "ui/Effects.h"
#include "ui/Form.h"
#include "ui/SystemFolders.h"
#include "updater/frmSkyvell.h"
#include "updater/modInstall.h"

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    systemfolders::NarrowDllSearch();
    // The program ends with its one form.
    ui::FormCollection::Instance().onEmpty = [] { ::PostQuitMessage(0); };
    try {
        // An installation that stopped half way is put right before the wizard shows.
        modInstall::RepairInterruptedInstall(InstallLayout(effects::Current().ProgramFolder()));
        frmSkyvell->Show();
        ui::RunMessageLoop([] { return true; });
    } catch (const std::exception& error) {
        ui::EndWithUnexpectedError(error.what());
    }
    return 0;
}
