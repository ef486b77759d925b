// Module-wide state of vo_share.dll, defined in Globals.cpp in the library's load order.
#pragma once

#include <afx.h>

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
