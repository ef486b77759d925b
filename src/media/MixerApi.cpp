// The mixer seam: CAudioControl reaches winmm only through VoGetMixerApi().
#include <MixerApi.h>

#include "media/MediaGlobals.h"

const VO_MIXER_API* VoSetMixerApi(const VO_MIXER_API* pApi)
{
    const VO_MIXER_API* pPrevious = g_pMixerApi;
    g_pMixerApi = pApi;
    return pPrevious;
}

const VO_MIXER_API& VoGetMixerApi()
{
    static const VO_MIXER_API winmm = {
        ::mixerOpen,
        ::mixerClose,
        ::mixerGetDevCapsW,
        ::mixerGetLineInfoW,
        ::mixerGetLineControlsW,
        ::mixerGetControlDetailsW,
        ::mixerSetControlDetails,
        ::waveInGetNumDevs,
        ::waveInGetDevCapsW,
        ::waveOutGetNumDevs,
        ::waveOutGetDevCapsW,
    };
    return g_pMixerApi != nullptr ? *g_pMixerApi : winmm;
}
