// The module of faceanim.dll: its instance handle and the count of live objects and server
// locks that DllCanUnloadNow answers from (the client's shared in-process server state).
#pragma once

#include "../common/InprocServer.h"

inline HINSTANCE FaceAnimModule()
{
    return InprocServerModule();
}
inline void FaceAnimAddRef()
{
    InprocServerAddRef();
}
inline void FaceAnimRelease()
{
    InprocServerRelease();
}
