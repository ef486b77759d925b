// Module-wide state of the skin engine, defined in the library's load order in
// module/Globals.cpp. The skin in use, g_Skin, is public (Skin.h).
#pragma once

class CSkin;

// The skin CSkin::Instance() returns: null until first asked, then g_Skin.
extern CSkin* g_pSkinInstance;
