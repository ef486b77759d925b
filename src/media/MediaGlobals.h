// Module-wide state of the media devices, defined in the library's load order in
// module/Globals.cpp.
#pragma once

#include <afxlite/CString.h>

struct VO_MIXER_API;

// The user's audio settings key below HKEY_CURRENT_USER ("inputd", "outputd").
extern const CString g_strAudioKey;
// The mixer table VoSetMixerApi put in place; null for winmm's own functions.
extern const VO_MIXER_API* g_pMixerApi;

namespace VoHelper {
class CVideoDevice;
}
// The library's video device list (VoHelper::CVideoDevice::Instance()).
extern VoHelper::CVideoDevice g_VideoDevice;
