// The platform's mixer and wave-device functions that CAudioControl calls, gathered in one
// table. The library calls winmm's own functions; a host or a test may put a table of its own in
// their place, for instance one that simulates a sound card this machine does not have.
#pragma once

#include "VoDef.h"

#include <windows.h>
#include <mmsystem.h>

// One member per winmm function, with that function's signature.
struct VO_MIXER_API {
    MMRESULT(WINAPI* pfnMixerOpen)
    (LPHMIXER phmx, UINT uMxId, DWORD_PTR dwCallback, DWORD_PTR dwInstance, DWORD fdwOpen);
    MMRESULT(WINAPI* pfnMixerClose)(HMIXER hmx);
    MMRESULT(WINAPI* pfnMixerGetDevCapsW)(UINT_PTR uMxId, LPMIXERCAPSW pmxcaps, UINT cbmxcaps);
    MMRESULT(WINAPI* pfnMixerGetLineInfoW)(HMIXEROBJ hmxobj, LPMIXERLINEW pmxl, DWORD fdwInfo);
    MMRESULT(WINAPI* pfnMixerGetLineControlsW)(HMIXEROBJ hmxobj, LPMIXERLINECONTROLSW pmxlc, DWORD fdwControls);
    MMRESULT(WINAPI* pfnMixerGetControlDetailsW)(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails);
    MMRESULT(WINAPI* pfnMixerSetControlDetails)(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails);
    UINT(WINAPI* pfnWaveInGetNumDevs)();
    MMRESULT(WINAPI* pfnWaveInGetDevCapsW)(UINT_PTR uDeviceID, LPWAVEINCAPSW pwic, UINT cbwic);
    UINT(WINAPI* pfnWaveOutGetNumDevs)();
    MMRESULT(WINAPI* pfnWaveOutGetDevCapsW)(UINT_PTR uDeviceID, LPWAVEOUTCAPSW pwoc, UINT cbwoc);
};

// Puts pApi in place of winmm's functions (null restores them) and returns the table in use
// before (null when it was winmm's). The table must live as long as it is in use. Change it
// only while no CAudioControl exists (CAudioControl::Release first): an open mixer handle belongs
// to the table that opened it.
VO_API const VO_MIXER_API* VoSetMixerApi(const VO_MIXER_API* pApi);

// The table in use: the one given to VoSetMixerApi, else winmm's own functions.
VO_API const VO_MIXER_API& VoGetMixerApi();
