// A DLL that another test DLL imports from beside it.
#include <windows.h>

extern "C" __declspec(dllexport) int RegistrationHelper()
{
    return 1;
}
