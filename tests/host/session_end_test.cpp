#include "shell/core/SessionEnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingSteps : session::SessionSteps {
    bool tokenOpens = true;
    bool privilegeEnabled = true;
    bool windowsAgrees = true;
    std::vector<std::string> calls;

    bool OpenProcessToken() override
    {
        calls.push_back("open");
        return tokenOpens;
    }
    void LookUpShutdownPrivilege() override { calls.push_back("look up"); }
    bool EnableShutdownPrivilege() override
    {
        calls.push_back("enable");
        return privilegeEnabled;
    }
    bool EndSession(std::uint32_t action) override
    {
        calls.push_back("exit " + std::to_string(action));
        return windowsAgrees;
    }
};

struct Case {
    const char* name;
    bool nt;
    bool tokenOpens;
    bool privilegeEnabled;
    bool windowsAgrees;
    bool result;
    std::vector<std::string> calls;
};

TEST(SessionEnd, StepsStopAtTheFirstFailureOnTheNtFamily)
{
    const Case cases[] = {
        {"9x: no privilege steps", false, false, false, true, true, {"exit 0"}},
        {"9x: Windows refuses", false, true, true, false, false, {"exit 0"}},
        {"NT: all steps", true, true, true, true, true, {"open", "look up", "enable", "exit 0"}},
        {"NT: no token", true, false, true, true, false, {"open"}},
        {"NT: privilege not enabled", true, true, false, true, false, {"open", "look up", "enable"}},
        {"NT: Windows refuses", true, true, true, false, false, {"open", "look up", "enable", "exit 0"}},
    };
    for (const Case& c : cases) {
        RecordingSteps steps;
        steps.tokenOpens = c.tokenOpens;
        steps.privilegeEnabled = c.privilegeEnabled;
        steps.windowsAgrees = c.windowsAgrees;
        EXPECT_EQ(session::RebootSystem(c.nt, session::LogOff, steps), c.result) << c.name;
        EXPECT_EQ(steps.calls, c.calls) << c.name;
    }
}

TEST(SessionEnd, TheActionReachesWindowsUnchanged)
{
    for (const std::uint32_t action : {session::LogOff, session::ShutDown, session::Reboot}) {
        RecordingSteps steps;
        session::RebootSystem(true, action, steps);
        EXPECT_EQ(steps.calls.back(), "exit " + std::to_string(action));
    }
}

} // namespace
