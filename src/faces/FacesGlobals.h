// Module-wide state of the emoticon subsystem, defined in the library's load order in
// module/Globals.cpp. The catalogue's own statics are public (OneFace.h, Faces.h).
#pragma once

#include <afx.h>

// Name of the picture folder beside the executable that every language shares: "images".
extern CString g_strFacesFolder;

// The system tooltip background colour when the library loaded: the emoticon picker's band
// under its grid.
extern COLORREF g_crPopFacesTipBk;
