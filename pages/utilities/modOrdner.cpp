#include "pages/utilities/modOrdner.h"

#include <shlobj.h>

int CALLBACK BrowseCallbackProc(HWND dialog, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED)
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}
