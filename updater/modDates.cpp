#include "updater/modDates.h"

#include "ui/Effects.h"
#include "ui/modLocale.h"
#include "ui/win/Handles.h"
#include "updater/core/DateText.h"

namespace modDates {

std::wstring FileTimeToText(const FILETIME& fileTime)
{
    SYSTEMTIME time{};
    if (!::FileTimeToSystemTime(&fileTime, &time))
        return {};
    int hour = time.wHour;
    ToLocalHour(hour);
    return datetext::DateTimeText(time.wYear, time.wMonth, time.wDay, hour, time.wMinute, modLocale::DateSeparator(),
                                  modLocale::TimeSeparator());
}

std::wstring GetFileDateText(const std::wstring& path)
{
    WIN32_FIND_DATAW found{};
    const win::unique_hfind search(::FindFirstFileW(path.c_str(), &found));
    if (!search)
        return {};
    return FileTimeToText(found.ftCreationTime);
}

void ToLocalHour(int& hour)
{
    TIME_ZONE_INFORMATION zone{};
    const DWORD result = ::GetTimeZoneInformation(&zone);
    if (result == TIME_ZONE_ID_INVALID) {
        MsgBox(L"TIME_ZONE ID_INVALID\r\n" + std::to_wstring(::GetLastError()), MB_ICONERROR | MB_OK, L"Skyvell");
        return;
    }
    const datetext::ZoneTime zoneTime = result == TIME_ZONE_ID_STANDARD ? datetext::ZoneTime::Standard
                                        : result == TIME_ZONE_ID_DAYLIGHT ? datetext::ZoneTime::Daylight
                                                                          : datetext::ZoneTime::Unknown;
    hour = datetext::ToLocalHour(hour, zoneTime, {zone.Bias, zone.StandardBias, zone.DaylightBias});
}

} // namespace modDates
