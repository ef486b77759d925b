// Entry point of vo_share.dll. The framework has already been joined (or refused the library)
// by the first global object when the C runtime calls this function.

#include "VoShareModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        return g_VoShareModule.IsJoined() ? TRUE : FALSE;
    return TRUE;
}
