#pragma once
// Ending the Windows session from the notification-area menu: on the NT family
// the process first enables its shutdown privilege, and a failing step there
// means the session is not ended.
#include <cstdint>

namespace session {

// EWX_* actions of the menu's items.
inline constexpr std::uint32_t LogOff = 0;
inline constexpr std::uint32_t ShutDown = 1;
inline constexpr std::uint32_t Reboot = 2;

// The system calls the steps make, in their order.
class SessionSteps {
public:
    virtual ~SessionSteps() = default;
    // Opens the process token for adjusting and querying privileges.
    virtual bool OpenProcessToken() = 0;
    // Looks up the shutdown privilege; a failed look-up leaves its identifier zero.
    virtual void LookUpShutdownPrivilege() = 0;
    virtual bool EnableShutdownPrivilege() = 0;
    virtual bool EndSession(std::uint32_t action) = 0;
};

// True when Windows took the request to end the session.
bool RebootSystem(bool ntFamily, std::uint32_t action, SessionSteps& steps);

} // namespace session
