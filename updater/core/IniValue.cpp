#include "updater/core/IniValue.h"

namespace inivalue {

std::string ValueFromBuffer(std::string_view buffer)
{
    if (buffer.substr(0, sizeof Unassigned - 1) == Unassigned)
        return {};
    const std::string_view value = buffer.substr(0, buffer.find('\0'));
    return std::string(value.substr(0, MaxLength));
}

} // namespace inivalue
