#include "ui/modLocale.h"

#include <windows.h>

namespace modLocale {

namespace {

std::wstring LocaleText(LCTYPE type, const wchar_t* fallback)
{
    wchar_t text[8] = L"";
    return ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 8) > 1 ? text : fallback;
}

} // namespace

std::wstring DecimalSeparator()
{
    return LocaleText(LOCALE_SDECIMAL, L".");
}

std::wstring DateSeparator()
{
    return LocaleText(LOCALE_SDATE, L"/");
}

std::wstring TimeSeparator()
{
    return LocaleText(LOCALE_STIME, L":");
}

} // namespace modLocale
