// A self-registering DLL for the registration worker's tests, built in five
// kinds: REGISTRATION_IMMEDIATE registers and unregisters at once,
// REGISTRATION_FAILING reports an error at once, REGISTRATION_REGISTER_ONLY
// has no DllUnregisterServer, REGISTRATION_SLOW registers only when the test
// lets it (or after a minute), REGISTRATION_DEPENDENT registers with the help
// of a DLL that it imports from beside it. Each call records its DLL's file
// name and path, what it did and the thread it ran on (RegistrationRecord.h).
#include "tests/wine/dlls/RegistrationRecord.h"

#include <windows.h>

#ifdef REGISTRATION_DEPENDENT
extern "C" __declspec(dllimport) int RegistrationHelper();
#endif

namespace {

HMODULE self = nullptr;

void Record(const wchar_t* what)
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(self, path, MAX_PATH);
    const wchar_t* name = path;
    for (const wchar_t* c = path; *c; ++c)
        if (*c == L'\\' || *c == L'/')
            name = c + 1;
    wchar_t call[MAX_PATH + 32];
    ::wsprintfW(call, L"%s %s", name, what);
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, registration_record::Key, 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExW(key, L"Call", 0, REG_SZ, reinterpret_cast<const BYTE*>(call),
                     static_cast<DWORD>((::lstrlenW(call) + 1) * sizeof(wchar_t)));
    ::RegSetValueExW(key, L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                     static_cast<DWORD>((::lstrlenW(path) + 1) * sizeof(wchar_t)));
    const DWORD thread = ::GetCurrentThreadId();
    ::RegSetValueExW(key, L"Thread", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&thread), sizeof thread);
    ::RegCloseKey(key);
}

HRESULT Finish(const wchar_t* what)
{
#ifdef REGISTRATION_DEPENDENT
    if (RegistrationHelper() != 1)
        return E_FAIL;
#endif
    Record(what);
#ifdef REGISTRATION_FAILING
    return E_FAIL;
#else
    return S_OK;
#endif
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer()
{
#ifdef REGISTRATION_SLOW
    if (const HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, L"BrevantorTestsReleaseRegistration")) {
        ::WaitForSingleObject(release, 60000);
        ::CloseHandle(release);
    }
#endif
    return Finish(L"register");
}

#ifndef REGISTRATION_REGISTER_ONLY
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return Finish(L"unregister");
}
#endif
