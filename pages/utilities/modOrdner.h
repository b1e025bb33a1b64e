#pragma once
// The folder-browse dialog's callback: it preselects the start folder.
#include <windows.h>

// At BFFM_INITIALIZED, selects the path that the request's data points to; returns 0 always.
int CALLBACK BrowseCallbackProc(HWND dialog, UINT message, LPARAM parameter, LPARAM data);
