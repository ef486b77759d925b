// The simulated sound card and the mixer table that routes the library's calls to it.
#include "SimulatedSoundCard.h"

#include <AudioControl.h>

#include <algorithm>
#include <cwchar>

namespace {

CSimulatedSoundCard* g_pCard = nullptr;

// The bits of a mixer call's flags that say what kind of object it names.
const DWORD kObjectTypeMask = 0xF0000000;

template <size_t N>
void CopyText(wchar_t (&target)[N], const CString& text)
{
    wcsncpy(target, text, N - 1);
    target[N - 1] = L'\0';
}

SimLine* FindLine(SimMixer& mixer, DWORD dwLineID)
{
    for (SimLine& destination : mixer.destinations) {
        if (destination.dwID == dwLineID)
            return &destination;
        for (SimLine& source : destination.sources) {
            if (source.dwID == dwLineID)
                return &source;
        }
    }
    return nullptr;
}

SimControl* FindControlById(SimMixer& mixer, DWORD dwID)
{
    for (SimLine& destination : mixer.destinations) {
        for (SimControl& control : destination.controls) {
            if (control.dwID == dwID)
                return &control;
        }
        for (SimLine& source : destination.sources) {
            for (SimControl& control : source.controls) {
                if (control.dwID == dwID)
                    return &control;
            }
        }
    }
    return nullptr;
}

void FillLine(const SimLine& line, DWORD d, DWORD s, bool bSource, MIXERLINEW& info)
{
    const DWORD cbStruct = info.cbStruct;
    info = {};
    info.cbStruct = cbStruct;
    info.dwDestination = d;
    info.dwSource = bSource ? s : 0;
    info.dwLineID = line.dwID;
    info.fdwLine = MIXERLINE_LINEF_ACTIVE | (bSource ? MIXERLINE_LINEF_SOURCE : 0);
    info.dwComponentType = line.dwComponentType;
    info.cChannels = 1;
    info.cConnections = bSource ? 0 : line.dwReportedSources;
    info.cControls = static_cast<DWORD>(line.controls.size());
    CopyText(info.szShortName, line.strName.Left(MIXER_SHORT_NAME_CHARS - 1));
    // A name of the full field's length arrives unterminated, as from a careless driver.
    wmemcpy(info.szName, line.strName, std::min<size_t>(line.strName.GetLength() + 1, MIXER_LONG_NAME_CHARS));
    info.Target.dwType = line.dwTargetType;
}

} // namespace

// The table's functions: each finds the card's mixer and answers as a driver would.
struct CSimApi {
    static MMRESULT WINAPI Open(LPHMIXER phmx, UINT uMxId, DWORD_PTR, DWORD_PTR, DWORD)
    {
        SimMixer* pMixer = g_pCard->MixerOfId(uMxId);
        if (pMixer == nullptr)
            return MMSYSERR_BADDEVICEID;
        if (pMixer->bVanished)
            return MMSYSERR_NODRIVER;
        const HMIXER hMixer = reinterpret_cast<HMIXER>(g_pCard->m_nextHandle++);
        g_pCard->m_handles[hMixer] = static_cast<int>(uMxId);
        *phmx = hMixer;
        return MMSYSERR_NOERROR;
    }

    static MMRESULT WINAPI Close(HMIXER hmx)
    {
        return g_pCard->m_handles.erase(hmx) == 1 ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
    }

    static MMRESULT WINAPI GetDevCaps(UINT_PTR uMxId, LPMIXERCAPSW pCaps, UINT cbCaps)
    {
        const auto handle = g_pCard->m_handles.find(reinterpret_cast<HMIXER>(uMxId));
        SimMixer* pMixer =
            handle != g_pCard->m_handles.end() ? &g_pCard->m_mixers[handle->second] : g_pCard->MixerOfId(uMxId);
        if (pMixer == nullptr || cbCaps < sizeof(MIXERCAPSW))
            return MMSYSERR_BADDEVICEID;
        if (pMixer->bVanished)
            return MMSYSERR_NODRIVER;
        *pCaps = {};
        CopyText(pCaps->szPname, pMixer->strName);
        pCaps->cDestinations = static_cast<DWORD>(pMixer->destinations.size());
        return MMSYSERR_NOERROR;
    }

    static MMRESULT WINAPI GetLineInfo(HMIXEROBJ hObject, LPMIXERLINEW pLine, DWORD dwFlags)
    {
        SimMixer* pMixer = g_pCard->MixerOf(hObject, dwFlags);
        if (pMixer == nullptr)
            return MMSYSERR_INVALHANDLE;
        if (pMixer->bVanished)
            return MMSYSERR_NODRIVER;
        switch (dwFlags & MIXER_GETLINEINFOF_QUERYMASK) {
        case MIXER_GETLINEINFOF_DESTINATION: {
            if (pLine->dwDestination >= pMixer->destinations.size())
                return MIXERR_INVALLINE;
            const SimLine& line = pMixer->destinations[pLine->dwDestination];
            if (line.bUnreadable)
                return MMSYSERR_ERROR;
            FillLine(line, pLine->dwDestination, 0, false, *pLine);
            return MMSYSERR_NOERROR;
        }
        case MIXER_GETLINEINFOF_SOURCE: {
            if (pLine->dwDestination >= pMixer->destinations.size())
                return MIXERR_INVALLINE;
            const SimLine& destination = pMixer->destinations[pLine->dwDestination];
            if (pLine->dwSource >= destination.sources.size() || destination.sources[pLine->dwSource].bUnreadable)
                return MIXERR_INVALLINE;
            FillLine(destination.sources[pLine->dwSource], pLine->dwDestination, pLine->dwSource, true, *pLine);
            return MMSYSERR_NOERROR;
        }
        case MIXER_GETLINEINFOF_TARGETTYPE:
            return FindTarget(*pMixer, *pLine);
        }
        return MMSYSERR_INVALFLAG;
    }

    static MMRESULT FindTarget(SimMixer& mixer, MIXERLINEW& line)
    {
        const bool bInput = line.Target.dwType == MIXERLINE_TARGETTYPE_WAVEIN;
        const std::vector<SimWaveDevice>& devices = bInput ? g_pCard->m_waveIn : g_pCard->m_waveOut;
        for (size_t d = 0; d < mixer.destinations.size(); ++d) {
            const SimLine& destination = mixer.destinations[d];
            if (destination.dwTargetType != line.Target.dwType || destination.strTargetDevice != line.Target.szPname)
                continue;
            const auto device = std::find_if(devices.begin(), devices.end(), [&](const SimWaveDevice& wave) {
                return wave.strName == destination.strTargetDevice && wave.wMid == line.Target.wMid &&
                       wave.wPid == line.Target.wPid && wave.vDriverVersion == line.Target.vDriverVersion;
            });
            if (device == devices.end())
                continue;
            FillLine(destination, static_cast<DWORD>(d), 0, false, line);
            return MMSYSERR_NOERROR;
        }
        return MIXERR_INVALLINE;
    }

    static MMRESULT WINAPI GetLineControls(HMIXEROBJ hObject, LPMIXERLINECONTROLSW pControls, DWORD dwFlags)
    {
        SimMixer* pMixer = g_pCard->MixerOf(hObject, dwFlags);
        if (pMixer == nullptr || pMixer->bVanished)
            return MMSYSERR_INVALHANDLE;
        if ((dwFlags & MIXER_GETLINECONTROLSF_QUERYMASK) != MIXER_GETLINECONTROLSF_ONEBYTYPE ||
            pControls->cbmxctrl < sizeof(MIXERCONTROLW) || pControls->pamxctrl == nullptr)
            return MMSYSERR_INVALPARAM;
        SimLine* pLine = FindLine(*pMixer, pControls->dwLineID);
        if (pLine == nullptr)
            return MIXERR_INVALLINE;
        for (const SimControl& control : pLine->controls) {
            if (control.dwType != pControls->dwControlType)
                continue;
            MIXERCONTROLW& info = *pControls->pamxctrl;
            info = {};
            info.cbStruct = sizeof(info);
            info.dwControlID = control.dwID;
            info.dwControlType = control.dwType;
            info.fdwControl =
                control.items.empty() ? 0 : MIXERCONTROL_CONTROLF_MULTIPLE | MIXERCONTROL_CONTROLF_UNIFORM;
            info.cMultipleItems = control.dwReportedItems;
            info.Bounds.dwMaximum = control.dwMaximum;
            return MMSYSERR_NOERROR;
        }
        return MIXERR_INVALCONTROL;
    }

    static MMRESULT WINAPI GetControlDetails(HMIXEROBJ hObject, LPMIXERCONTROLDETAILS pDetails, DWORD dwFlags)
    {
        SimControl* pControl = ControlOf(hObject, pDetails, dwFlags);
        if (pControl == nullptr)
            return MIXERR_INVALCONTROL;
        const DWORD query = dwFlags & MIXER_GETCONTROLDETAILSF_QUERYMASK;
        if (query == MIXER_GETCONTROLDETAILSF_LISTTEXT) {
            if (pDetails->cbDetails != sizeof(MIXERCONTROLDETAILS_LISTTEXTW))
                return MMSYSERR_INVALPARAM;
            auto* pTexts = static_cast<MIXERCONTROLDETAILS_LISTTEXTW*>(pDetails->paDetails);
            for (size_t i = 0; i < pControl->items.size(); ++i) {
                pTexts[i] = {};
                CopyText(pTexts[i].szName, pControl->items[i]);
            }
            return MMSYSERR_NOERROR;
        }
        if (pDetails->cbDetails != sizeof(DWORD))
            return MMSYSERR_INVALPARAM;
        std::copy(pControl->values.begin(), pControl->values.end(), static_cast<DWORD*>(pDetails->paDetails));
        return MMSYSERR_NOERROR;
    }

    static MMRESULT WINAPI SetControlDetails(HMIXEROBJ hObject, LPMIXERCONTROLDETAILS pDetails, DWORD dwFlags)
    {
        SimControl* pControl = ControlOf(hObject, pDetails, dwFlags);
        if (pControl == nullptr)
            return MIXERR_INVALCONTROL;
        if (pDetails->cbDetails != sizeof(DWORD))
            return MMSYSERR_INVALPARAM;
        const DWORD* pValues = static_cast<const DWORD*>(pDetails->paDetails);
        if (std::any_of(pValues, pValues + pControl->values.size(),
                        [pControl](DWORD value) { return value > pControl->dwMaximum; }))
            return MIXERR_INVALVALUE;
        std::copy(pValues, pValues + pControl->values.size(), pControl->values.begin());
        ++g_pCard->m_nSetCalls;
        return MMSYSERR_NOERROR;
    }

    // The control a details call names, when the call describes it the way the driver expects:
    // one channel, and as many items as the control has.
    static SimControl* ControlOf(HMIXEROBJ hObject, LPMIXERCONTROLDETAILS pDetails, DWORD dwFlags)
    {
        SimMixer* pMixer = g_pCard->MixerOf(hObject, dwFlags);
        if (pMixer == nullptr || pMixer->bVanished || pDetails->cChannels != 1)
            return nullptr;
        SimControl* pControl = FindControlById(*pMixer, pDetails->dwControlID);
        if (pControl == nullptr || pDetails->cMultipleItems != pControl->items.size())
            return nullptr;
        return pControl;
    }

    static UINT WINAPI WaveInCount() { return static_cast<UINT>(g_pCard->m_waveIn.size()); }
    static UINT WINAPI WaveOutCount() { return static_cast<UINT>(g_pCard->m_waveOut.size()); }

    template <class Caps>
    static MMRESULT WaveCaps(const std::vector<SimWaveDevice>& devices, UINT_PTR n, Caps* pCaps, UINT cbCaps)
    {
        if (n >= devices.size() || cbCaps < sizeof(Caps))
            return MMSYSERR_BADDEVICEID;
        *pCaps = {};
        CopyText(pCaps->szPname, devices[n].strName);
        pCaps->wMid = devices[n].wMid;
        pCaps->wPid = devices[n].wPid;
        pCaps->vDriverVersion = devices[n].vDriverVersion;
        return MMSYSERR_NOERROR;
    }

    static MMRESULT WINAPI WaveInCaps(UINT_PTR n, LPWAVEINCAPSW pCaps, UINT cbCaps)
    {
        return WaveCaps(g_pCard->m_waveIn, n, pCaps, cbCaps);
    }

    static MMRESULT WINAPI WaveOutCaps(UINT_PTR n, LPWAVEOUTCAPSW pCaps, UINT cbCaps)
    {
        return WaveCaps(g_pCard->m_waveOut, n, pCaps, cbCaps);
    }
};

namespace {

const VO_MIXER_API kSimApi = {
    CSimApi::Open,
    CSimApi::Close,
    CSimApi::GetDevCaps,
    CSimApi::GetLineInfo,
    CSimApi::GetLineControls,
    CSimApi::GetControlDetails,
    CSimApi::SetControlDetails,
    CSimApi::WaveInCount,
    CSimApi::WaveInCaps,
    CSimApi::WaveOutCount,
    CSimApi::WaveOutCaps,
};

} // namespace

CSimulatedSoundCard::CSimulatedSoundCard() = default;

CSimulatedSoundCard::~CSimulatedSoundCard()
{
    if (!m_bInstalled)
        return;
    CAudioControl::Release();
    VoSetMixerApi(m_pPrevious);
    g_pCard = nullptr;
}

void CSimulatedSoundCard::Install()
{
    CAudioControl::Release();
    g_pCard = this;
    m_pPrevious = VoSetMixerApi(&kSimApi);
    m_bInstalled = true;
}

SimMixer* CSimulatedSoundCard::MixerOfId(UINT_PTR id)
{
    return id < m_mixers.size() ? &m_mixers[id] : nullptr;
}

SimMixer* CSimulatedSoundCard::MixerOf(HMIXEROBJ hObject, DWORD dwFlags)
{
    if ((dwFlags & kObjectTypeMask) == MIXER_OBJECTF_HMIXER) {
        const auto handle = m_handles.find(reinterpret_cast<HMIXER>(hObject));
        return handle != m_handles.end() ? &m_mixers[handle->second] : nullptr;
    }
    if ((dwFlags & kObjectTypeMask) == MIXER_OBJECTF_MIXER)
        return MixerOfId(reinterpret_cast<UINT_PTR>(hObject));
    return nullptr;
}

int CSimulatedSoundCard::AddMixer(const wchar_t* name)
{
    m_mixers.emplace_back();
    m_mixers.back().strName = name;
    return static_cast<int>(m_mixers.size()) - 1;
}

SimControl& CSimulatedSoundCard::AddControl(int m, SimLine& line, DWORD dwType, DWORD dwMaximum, DWORD dwValue)
{
    SimControl control;
    control.dwID = m_mixers[m].dwNextControlID++;
    control.dwType = dwType;
    control.dwMaximum = dwMaximum;
    control.values.push_back(dwValue);
    line.controls.push_back(control);
    return line.controls.back();
}

SimLine& CSimulatedSoundCard::AddDestination(int m, const wchar_t* name, DWORD dwComponentType, DWORD dwTargetType,
                                             const wchar_t* waveName)
{
    SimMixer& mixer = m_mixers[m];
    mixer.destinations.emplace_back();
    SimLine& line = mixer.destinations.back();
    line.dwID = static_cast<DWORD>(mixer.destinations.size() - 1);
    line.strName = name;
    line.dwComponentType = dwComponentType;
    line.dwTargetType = dwTargetType;
    line.strTargetDevice = waveName;
    return line;
}

int CSimulatedSoundCard::AddRecording(int m, const wchar_t* waveInName, DWORD dwSelectorType)
{
    SimLine& line = AddDestination(m, L"Recording Control", MIXERLINE_COMPONENTTYPE_DST_WAVEIN,
                                   MIXERLINE_TARGETTYPE_WAVEIN, waveInName);
    SimControl& selector = AddControl(m, line, dwSelectorType, 1, 0);
    selector.values.clear();
    AddControl(m, line, MIXERCONTROL_CONTROLTYPE_VOLUME, 65535, 65535);
    m_waveIn.push_back({waveInName});
    return static_cast<int>(line.dwID);
}

int CSimulatedSoundCard::AddPlayback(int m, const wchar_t* waveOutName)
{
    SimLine& line = AddDestination(m, L"Master Volume", MIXERLINE_COMPONENTTYPE_DST_SPEAKERS,
                                   MIXERLINE_TARGETTYPE_WAVEOUT, waveOutName);
    AddControl(m, line, MIXERCONTROL_CONTROLTYPE_VOLUME, 65535, 32768);
    AddControl(m, line, MIXERCONTROL_CONTROLTYPE_MUTE, 1, 0);
    m_waveOut.push_back({waveOutName});
    return static_cast<int>(line.dwID);
}

DWORD CSimulatedSoundCard::AddSource(int m, int d, const wchar_t* name, DWORD dwComponentType, DWORD dwValue,
                                     DWORD dwMaximum, bool bMute)
{
    SimLine& destination = m_mixers[m].destinations[d];
    SimLine source;
    source.dwID = 0x10000 * static_cast<DWORD>(destination.sources.size() + 1) + static_cast<DWORD>(d);
    source.strName = name;
    source.dwComponentType = dwComponentType;
    AddControl(m, source, MIXERCONTROL_CONTROLTYPE_VOLUME, dwMaximum, dwValue);
    if (bMute)
        AddControl(m, source, MIXERCONTROL_CONTROLTYPE_MUTE, 1, 1);
    destination.sources.push_back(source);
    destination.dwReportedSources = static_cast<DWORD>(destination.sources.size());
    if (destination.dwTargetType == MIXERLINE_TARGETTYPE_WAVEIN) {
        SimControl& selector = destination.controls.front();
        selector.items.push_back(name);
        selector.values.push_back(0);
        selector.dwReportedItems = static_cast<DWORD>(selector.items.size());
    }
    return source.dwID;
}

void CSimulatedSoundCard::BuildTypical(CSimulatedSoundCard& card)
{
    const int m = card.AddMixer(L"Simulated Audio");
    const int play = card.AddPlayback(m, L"Simulated Audio Out");
    card.AddSource(m, play, L"Wave", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, 40000);
    card.AddSource(m, play, L"Microphone", MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, 20000);
    card.AddSource(m, play, L"CD Audio", MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC, 10000);
    const int record = card.AddRecording(m, L"Simulated Audio In");
    card.AddSource(m, record, L"Line In", MIXERLINE_COMPONENTTYPE_SRC_ANALOG, 0x4000, 0xFFFF, false);
    card.AddSource(m, record, L"Microphone", MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, 0x8000, 0xFFFF, false);
    card.AddSource(m, record, L"Stereo Mix", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, 0, 0xFFFF, false);
}

SimLine& CSimulatedSoundCard::Line(int m, DWORD dwLineID)
{
    return *FindLine(m_mixers[m], dwLineID);
}

SimControl* CSimulatedSoundCard::Control(int m, DWORD dwLineID, DWORD dwType)
{
    for (SimControl& control : Line(m, dwLineID).controls) {
        if (control.dwType == dwType)
            return &control;
    }
    return nullptr;
}

int CSimulatedSoundCard::SelectedItem(int m, int d)
{
    const std::vector<DWORD>& values = m_mixers[m].destinations[d].controls.front().values;
    if (std::count(values.begin(), values.end(), 1u) != 1)
        return -1;
    return static_cast<int>(std::find(values.begin(), values.end(), 1u) - values.begin());
}
