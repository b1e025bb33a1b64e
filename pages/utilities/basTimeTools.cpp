#include "pages/utilities/basTimeTools.h"

#include "pages/utilities/core/TimeProtocol.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"

#include <windows.h>

namespace basTimeTools {

SetResult SetTimeFromServer(std::string& answer, float delaySeconds)
{
    answer = std::string(timeprotocol::TrimBlanks(answer));
    const std::optional<timeprotocol::UtcTime> time = timeprotocol::ServerTime(answer, delaySeconds);
    if (!time) {
        MsgBox(L"Wrong Value", MB_ICONERROR);
        return SetResult::WrongValue;
    }
    SYSTEMTIME utc{};
    utc.wYear = static_cast<WORD>(time->year);
    utc.wMonth = static_cast<WORD>(time->month);
    utc.wDay = static_cast<WORD>(time->day);
    utc.wHour = static_cast<WORD>(time->hour);
    utc.wMinute = static_cast<WORD>(time->minute);
    utc.wSecond = static_cast<WORD>(time->second);
    if (!effects::Current().SetSystemTime(utc)) {
        MsgBox(basLAnguageSelector::LanguageText(2720, L"The system clock could not be set: changing it needs the right to change the system time."),
               MB_ICONERROR);
        return SetResult::Refused;
    }
    return SetResult::Set;
}

} // namespace basTimeTools
