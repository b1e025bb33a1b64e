#pragma once
// Aids for the tests, compiled only into the test build (SKYVELL_TEST_AIDS):
// whoever can set the user's environment could otherwise redirect the update
// or stop it half way. The release build has neither and reads neither
// variable.
#include "ui/Effects.h"

#include <optional>

namespace modTestAids {

// The exit code of a process that SKYVELL_TEST_STOP_AT stopped.
inline constexpr unsigned StoppedByTest = 99;

#ifdef SKYVELL_TEST_AIDS
// The server that SKYVELL_TEST_SERVER=host:port names, if it names one.
std::optional<effects::ServerAddress> RedirectedServer();
// Ends the process at a named step of the installation, as a crash would,
// when SKYVELL_TEST_STOP_AT names that step.
void StopPoint(const wchar_t* step);
#else
inline std::optional<effects::ServerAddress> RedirectedServer()
{
    return std::nullopt;
}
inline void StopPoint(const wchar_t*) {}
#endif

} // namespace modTestAids
