// Every global object of vo_share.dll is defined in this one file. Within a translation unit
// objects are constructed in the order of their definitions and destroyed in reverse, so this
// file is the single place that fixes the library's load order:
//
//   - the extension module, joined to the host's framework before anything else, so that the
//     objects after it already find the library's resources through the framework's chain
//   - the audio settings key path, the mixer seam and the sound mixer's instance pointer
//   - the menus' settings, the system's classification, the global image list of menu images
//     and its tables (and the shell function of the controls, a constant needing no construction)
//   - the emoticon statics: the shortcut first characters, the picture folder name "images"
//     and the (not yet loaded) catalogue
//   - the executable-folder cache, the two picture addresses, then their load from the
//     multi-party chat file
//   - the global multi-party chat configuration
//   - the global branding object OEM, with built-in defaults only
//   - the emoticon picker's tooltip background colour
//   - the skins folder path and the list of skin names, then the global skin g_Skin
//   - the global video device list (empty until its first Instance(), which initialises COM
//     and enumerates the cameras: nothing of COM runs under the loader lock)
//   - the sequence counter of the file transfers and the XML writing layout (both
//     constant-initialised: no order to keep)
//   - the chat view's last link key (constant-initialised), the answer captions of the
//     invitation and file links (empty until the first chat view finds the language texts; their
//     keyboard hints are constants) and the keyword map
//
// A global object a new class brings is defined here, at its place in that order; no global
// object of the library is defined elsewhere. Each folder declares its own globals (frame,
// config, skin, media, controls and faces in their *Globals.h, the public ones in the public
// headers), so no lower folder includes this one.
//
// The C runtime runs these constructors before DllMain and these destructors after it, which
// is why the framework is joined by the first object rather than by DllMain itself.

#include "VoShareModule.h"

#include "config/ConfigGlobals.h"
#include "controls/ControlsGlobals.h"
#include "faces/FacesGlobals.h"
#include "frame/FrameGlobals.h"
#include "media/MediaGlobals.h"
#include "net/XmlTextWriter.h"
#include "skin/SkinGlobals.h"

#include <AudioControl.h>
#include <BCMenu.h>
#include <TavoKeyLink.h>
#include <TavoRichLink.h>
#include <HttpFileTransmit.h>
#include <Faces.h>
#include <MultiConfig.h>
#include <Oem.h>
#include <PopFaces.h>
#include <Skin.h>
#include <VideoDevice.h>

// The extension module.
CVoShareModule g_VoShareModule(CVoShareModule::ThisModule());

// The audio settings key, the mixer table in use (null: winmm) and the mixer made on first use.
const CString g_strAudioKey = L"Software\\Corvala\\Audio\\1.0";
const VO_MIXER_API* g_pMixerApi = nullptr;
CAudioControl* CAudioControl::g_Instance = nullptr;

// The owner-drawn menus: drawing settings, the system's classification (the theme is read on
// first need), the global image list with the command of each image, and every popup appended.
UINT BCMenu::xp_drawmode = BCMENU_DRAWMODE_XP;
UINT BCMenu::original_drawmode = BCMENU_DRAWMODE_ORIGINAL;
BOOL BCMenu::xp_select_disabled = FALSE;
BOOL BCMenu::original_select_disabled = TRUE;
BOOL BCMenu::xp_draw_3D_bitmaps = TRUE;
int BCMenu::m_nSystemClass = BCMenu::ClassifyRunningSystem();
int BCMenu::m_nClassicTheme = -1;
CImageList BCMenu::m_AllImages;
CArray<int, int> BCMenu::m_AllImagesID;
CTypedPtrArray<CPtrArray, HMENU> BCMenu::m_AllSubMenus;

// The shell function addresses are opened with: a constant pointer, set before any constructor.
VO_SHELLEXECUTEEX g_pfnShellExecuteEx = nullptr;

// The emoticon statics; the catalogue itself is loaded by its first user (CFaces::Init).
CString COneFace::g_strFirsts;
CString g_strFacesFolder(L"images");
COneFace** CFaces::m_ppfaces = nullptr;
unsigned int CFaces::m_nNum = 0;

// The executable folder and the picture addresses.
CString g_strExePath;
CString g_strFaceUrlDown;
CString g_strFaceUrlUp;
static const bool g_bFaceUrlsLoaded = LoadFaceUrls();

// The library's text set in the language library: a plain pointer, null before any
// constructor runs, filled by the first OEM load.
CLangProRC* g_pLangModule = nullptr;

// The multi-party chat configuration.
CMultiConfig g_MultiConfig;

// Branding, with built-in defaults until the host calls OEM.load().
unsigned int COem::m_nFriendImage = RGB(255, 0, 255);
COem OEM;

// The emoticon picker: the tooltip background colour of its band, and its shared cells and
// still pictures (made by the first picker).
COLORREF g_crPopFacesTipBk = ::GetSysColor(COLOR_INFOBK);
CRect* CPopFaces::m_pRects = nullptr;
CImageShow* CPopFaces::m_pImgShow = nullptr;
unsigned int CPopFaces::m_nImgShowNum = 0;

// The skins folder and names, then the skin in use (its construction scans and loads).
CString CSkin::g_strPath;
std::vector<CString> CSkin::g_vctNames;
CSkin* g_pSkinInstance = nullptr;
CSkin g_Skin;

// The video capture devices, enumerated on the first VoHelper::CVideoDevice::Instance().
VoHelper::CVideoDevice g_VideoDevice{VoHelper::CVideoDevice::Deferred()};

// The sequence numbers of the file transfers of every transmitter.
std::atomic<unsigned int> CHttpFileTransmit::g_nSequence{0};

// How the XML component writes documents, learned on the first text the library writes.
std::atomic<int> CXmlTextWriter::g_nLayout{CXmlTextWriter::kLayoutUnknown};

// The chat view's links: the last key handed out, and the keyword links by their text.
LONG CTavoLink::g_nLastKey = 0;
CString CTavoRichLink::g_strAnswers[ANSWER_COUNT];
CMapStringToPtr CTavoKeyLink::m_mapKeys;
