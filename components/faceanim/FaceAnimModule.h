// The module of faceanim.dll: its instance handle and the count of live objects and server
// locks that DllCanUnloadNow answers from.
#pragma once

#include <windows.h>

HINSTANCE FaceAnimModule();
void FaceAnimAddRef();
void FaceAnimRelease();
