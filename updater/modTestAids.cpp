#include "updater/modTestAids.h"

#ifdef SKYVELL_TEST_AIDS

#include <cwchar>
#include <string>

namespace modTestAids {

std::optional<effects::ServerAddress> RedirectedServer()
{
    wchar_t value[256] = L"";
    const DWORD length = ::GetEnvironmentVariableW(L"SKYVELL_TEST_SERVER", value, 256);
    const std::wstring text(value, length < 256 ? length : 0);
    const size_t colon = text.rfind(L':');
    if (colon == std::wstring::npos || colon == 0)
        return std::nullopt;
    const unsigned long port = std::wcstoul(text.c_str() + colon + 1, nullptr, 10);
    if (port == 0 || port > 65535)
        return std::nullopt;
    return effects::ServerAddress{text.substr(0, colon), static_cast<unsigned short>(port)};
}

void StopPoint(const wchar_t* step)
{
    wchar_t wanted[32] = L"";
    const DWORD length = ::GetEnvironmentVariableW(L"SKYVELL_TEST_STOP_AT", wanted, 32);
    if (length > 0 && length < 32 && std::wcscmp(wanted, step) == 0)
        ::TerminateProcess(::GetCurrentProcess(), StoppedByTest);
}

} // namespace modTestAids

#endif
