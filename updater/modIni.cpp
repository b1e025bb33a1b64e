#include "updater/modIni.h"

#include "ui/win/Text.h"
#include "updater/core/IniValue.h"

#include <windows.h>

namespace modIni {

std::wstring ReadIniValue(const std::wstring& file, std::wstring_view section, std::wstring_view key)
{
    char buffer[255] = {};
    ::GetPrivateProfileStringA(win::ToAnsi(section).c_str(), win::ToAnsi(key).c_str(), inivalue::Unassigned, buffer,
                               inivalue::MaxLength + 1, win::ToAnsi(file).c_str());
    return win::FromAnsi(inivalue::ValueFromBuffer(std::string_view(buffer, sizeof buffer)));
}

} // namespace modIni
