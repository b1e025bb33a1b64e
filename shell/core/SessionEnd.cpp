#include "shell/core/SessionEnd.h"

namespace session {

bool RebootSystem(bool ntFamily, std::uint32_t action, SessionSteps& steps)
{
    if (ntFamily) {
        if (!steps.OpenProcessToken())
            return false;
        steps.LookUpShutdownPrivilege();
        if (!steps.EnableShutdownPrivilege())
            return false;
    }
    return steps.EndSession(action);
}

} // namespace session
