#include "pages/tweaks/modRegistrieren.h"

#include "ui/SystemFolders.h"
#include "ui/core/CommandLine.h"

#include <windows.h>

namespace {

constexpr DWORD WorkerLimitMilliseconds = 10000;

using ServerEntry = HRESULT(STDAPICALLTYPE*)();

// The exports take no argument, a thread routine takes one: calling the export
// as the routine itself would leave the 32-bit stack off by one argument.
DWORD WINAPI RunServerEntry(void* entry)
{
    return static_cast<DWORD>(reinterpret_cast<ServerEntry>(entry)());
}

struct LateWorker {
    HANDLE thread;
    HMODULE module;
};

// Waits for a worker that outlived the limit, then closes its handle and
// releases its DLL: never before, since it still runs in the DLL's code.
DWORD WINAPI ReleaseWhenEnded(void* parameter)
{
    const LateWorker late = *static_cast<LateWorker*>(parameter);
    delete static_cast<LateWorker*>(parameter);
    if (::WaitForSingleObject(late.thread, INFINITE) != WAIT_OBJECT_0)
        return 0;  // not known to have ended: both stay for the rest of the run
    ::CloseHandle(late.thread);
    ::FreeLibrary(late.module);
    return 0;
}

void ReleaseLater(HANDLE thread, HMODULE module)
{
    auto* late = new LateWorker{thread, module};
    if (const HANDLE watcher = ::CreateThread(nullptr, 0, ReleaseWhenEnded, late, 0, nullptr)) {
        ::CloseHandle(watcher);
        return;
    }
    // Nothing can watch it: the worker keeps its handle and its DLL for the rest of the run.
    delete late;
}

} // namespace

bool RegisterComServer(const std::wstring& dllPath, bool registerServer)
{
    // A bare name would be looked for beside the program and in the current folder too.
    if (!commandline::IsFullPath(dllPath))
        return false;
    const HMODULE module = systemfolders::LoadDll(dllPath);
    if (!module)
        return false;
    const FARPROC found = ::GetProcAddress(module, registerServer ? "DllRegisterServer" : "DllUnregisterServer");
    if (!found) {
        ::FreeLibrary(module);
        return false;
    }
    // Through void (*)(), which converts to and from any function pointer without a warning.
    const auto entry = reinterpret_cast<ServerEntry>(reinterpret_cast<void (*)()>(found));
    const HANDLE thread = ::CreateThread(nullptr, 0, RunServerEntry, reinterpret_cast<void*>(entry), 0, nullptr);
    if (!thread) {
        ::FreeLibrary(module);
        return false;
    }
    if (::WaitForSingleObject(thread, WorkerLimitMilliseconds) != WAIT_OBJECT_0) {
        ReleaseLater(thread, module);
        return false;
    }
    ::CloseHandle(thread);
    ::FreeLibrary(module);
    return true;
}
