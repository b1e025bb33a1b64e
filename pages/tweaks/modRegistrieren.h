#pragma once
// Registers or unregisters a self-registering DLL (a COM server) inside this
// process, as regsvr32 does, but without a process of its own and without
// any message.
#include <string>

// Runs the DLL's DllRegisterServer (registerServer true) or DllUnregisterServer
// on a worker thread and waits for it at most 10 seconds, with the user
// interface held. The DLL is named by its full path; the DLLs it needs come
// from its own folder, then the system folder. True when the export ran to its
// end within the wait, whatever it returned; false when the path is no full
// path, the DLL or the export is missing, no thread could start, or the wait ran out.
bool RegisterComServer(const std::wstring& dllPath, bool registerServer);
