// Module-wide state of vo_share.dll, defined in Globals.cpp in the library's load order.
#pragma once

#include <afx.h>

class CLangProRC;
class CMultiConfig;
class CSkin;
class CVoShareModule;

// The library's membership in the host's framework (constructed first, destroyed last).
extern CVoShareModule g_VoShareModule;

// Folder of the running executable without a trailing backslash; empty until first asked.
extern CString g_strExePath;
// Picture download and upload addresses, read once at load.
extern CString g_strFaceUrlDown;
extern CString g_strFaceUrlUp;

// Reads the two picture addresses from the multi-party chat file unless already read.
// Returns whether addresses were read (the result only gives the load a place in the order).
bool LoadFaceUrls();

// The library's text set in the language library; null until obtained (LangModule.h).
extern CLangProRC* g_pLangModule;

// The process-wide multi-party chat configuration (CMultiConfig::GetConfig).
extern CMultiConfig g_MultiConfig;

// The skin CSkin::Instance() returns: null until first asked, then g_Skin.
extern CSkin* g_pSkinInstance;
