// Every global object of vo_share.dll is defined in this one file. Within a translation unit
// objects are constructed in the order of their definitions and destroyed in reverse, so this
// file is the single place that fixes the library's load order:
//
//   0. the extension module, joined to the host's framework before anything else, so that the
//      objects after it already find the library's resources through the framework's chain
//   1. the audio settings key path
//   2. the menus' global image list and its tables
//   3. the emoticon statics: shortcut first characters and the picture folder name "images"
//   4. the executable-folder cache, the two picture addresses, then their load from the
//      multi-party chat file
//   5. the global multi-party chat configuration
//   6. the global branding object OEM, with built-in defaults only
//   7. the tooltip background colour of the emoticon picker
//   8. the skins folder path and the list of skin names, then the global skin g_Skin
//   9. the global video device list
//  10. the keyboard hints, the caches of the link answer captions and the keyword map
//
// Objects of the list that are not defined below yet are added at their place in this list
// as their classes join the library; no global object of the library is defined elsewhere.
//
// The C runtime runs these constructors before DllMain and these destructors after it, which
// is why the framework is joined by object 0 rather than by DllMain itself.

#include "Globals.h"

#include "VoShareModule.h"

#include <MultiConfig.h>
#include <Oem.h>
#include <Skin.h>

// 0. extension module
CVoShareModule g_VoShareModule(CVoShareModule::ThisModule());

// 4. executable folder and picture addresses
CString g_strExePath;
CString g_strFaceUrlDown;
CString g_strFaceUrlUp;
static const bool g_bFaceUrlsLoaded = LoadFaceUrls();

// The library's text set in the language library: a plain pointer, null before any
// constructor runs, filled by the first OEM load.
CLangProRC* g_pLangModule = nullptr;

// 5. multi-party chat configuration
CMultiConfig g_MultiConfig;

// 6. branding, with built-in defaults until the host calls OEM.load()
unsigned int COem::m_nFriendImage = RGB(255, 0, 255);
COem OEM;

// 8. skins folder and names, then the skin in use (its construction scans and loads)
CString CSkin::g_strPath;
std::vector<CString> CSkin::g_vctNames;
CSkin* g_pSkinInstance = nullptr;
CSkin g_Skin;
