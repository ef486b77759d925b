// The sound mixer: set-up of the input and output mixers, their ports, recording source and
// volumes. Every winmm call goes through the mixer table in use (MixerApi.h).
#include <AudioControl.h>

#include <MixerApi.h>

#include "media/MediaGlobals.h"
#include "media/MixerLine.h"

#include <afxlite/AfxScoped.h>

#include <new>
#include <vector>

namespace {

// Drivers report at most this many wave devices; a larger count is not believed.
const UINT kMaxWaveDevices = 64;

const wchar_t kInputValue[] = L"inputd";
const wchar_t kOutputValue[] = L"outputd";

// A copy of count ports in a new array, null when count is 0 or memory is short.
audio_port_details_t* CopyPorts(const audio_port_details_t* pPorts, int nCount)
{
    if (nCount <= 0)
        return nullptr;
    audio_port_details_t* pCopy = new (std::nothrow) audio_port_details_t[nCount];
    if (pCopy == nullptr)
        return nullptr;
    for (int i = 0; i < nCount; ++i)
        pCopy[i] = pPorts[i];
    return pCopy;
}

// Capabilities of wave device n of one direction, through the table in use.
bool GetWaveCaps(UINT n, WAVEINCAPSW& caps)
{
    return VoGetMixerApi().pfnWaveInGetDevCapsW(n, &caps, sizeof(caps)) == MMSYSERR_NOERROR;
}

bool GetWaveCaps(UINT n, WAVEOUTCAPSW& caps)
{
    return VoGetMixerApi().pfnWaveOutGetDevCapsW(n, &caps, sizeof(caps)) == MMSYSERR_NOERROR;
}

UINT WaveDeviceCount(bool bInput)
{
    const VO_MIXER_API& api = VoGetMixerApi();
    const UINT count = bInput ? api.pfnWaveInGetNumDevs() : api.pfnWaveOutGetNumDevs();
    return count < kMaxWaveDevices ? count : kMaxWaveDevices;
}

// The destination of mixer nDevice that feeds (or is fed by) one of the wave devices of type
// Caps: the first wave device whose line the mixer knows gives it.
template <class Caps>
bool FindDestination(int nDevice, DWORD dwTargetType, DWORD& dwLineID)
{
    MIXERCAPSW mixerCaps = {};
    if (VoGetMixerApi().pfnMixerGetDevCapsW(static_cast<UINT_PTR>(nDevice), &mixerCaps, sizeof(mixerCaps)) !=
        MMSYSERR_NOERROR)
        return false;
    const UINT count = WaveDeviceCount(dwTargetType == MIXERLINE_TARGETTYPE_WAVEIN);
    for (UINT n = 0; n < count; ++n) {
        Caps caps = {};
        if (!GetWaveCaps(n, caps))
            continue;
        const CString name = MixerText(caps.szPname);
        if (CMixerLine::FindTargetLine(static_cast<UINT>(nDevice), dwTargetType, caps.wMid, caps.wPid,
                                       caps.vDriverVersion, name, dwLineID))
            return true;
    }
    return false;
}

} // namespace

// ---- Singleton and set-up ----

CAudioControl::CAudioControl()
    : m_dwInLineID(0), m_nInPorts(0), m_pInPorts(nullptr), m_pOutPorts(nullptr), m_dwOutLineID(0), m_nOutPorts(0),
      m_hMixerIn(nullptr), m_hMixerOut(nullptr), m_nInDevice(0), m_nOutDevice(0), m_bReady(0)
{
    GetCurrDevice(m_nInDevice, m_nOutDevice);
    SetUpAndOpenDefaults();
}

CAudioControl::~CAudioControl()
{
    Close();
}

CAudioControl* CAudioControl::Instance()
{
    if (g_Instance == nullptr)
        g_Instance = new CAudioControl;
    return g_Instance;
}

void CAudioControl::Release()
{
    delete g_Instance;
    g_Instance = nullptr;
}

int CAudioControl::Init()
{
    if (m_hMixerIn != nullptr || m_hMixerOut != nullptr)
        return -1;
    SetUpAndOpenDefaults();
    return 0;
}

void CAudioControl::SetUpAndOpenDefaults()
{
    m_bReady = mixSetup() ? 1 : 0;
    if (!m_bReady)
        return;
    OpenDefaultInput();
    OpenDefaultOutput();
}

int CAudioControl::Close()
{
    delete[] m_pInPorts;
    delete[] m_pOutPorts;
    m_pInPorts = nullptr;
    m_pOutPorts = nullptr;
    m_nInPorts = 0;
    m_nOutPorts = 0;
    const VO_MIXER_API& api = VoGetMixerApi();
    if (m_hMixerOut != nullptr && m_hMixerOut != m_hMixerIn)
        api.pfnMixerClose(m_hMixerOut);
    if (m_hMixerIn != nullptr)
        api.pfnMixerClose(m_hMixerIn);
    m_hMixerIn = nullptr;
    m_hMixerOut = nullptr;
    return 0;
}

bool CAudioControl::OpenMixer(int nDevice, HMIXER& hMixer)
{
    const VO_MIXER_API& api = VoGetMixerApi();
    if (api.pfnMixerOpen(&hMixer, static_cast<UINT>(nDevice), 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) {
        hMixer = nullptr;
        return false;
    }
    // A mixer with a recording and a playback side has at least two destinations. A mixer
    // refused here stays in hMixer for Close.
    MIXERCAPSW caps = {};
    return api.pfnMixerGetDevCapsW(reinterpret_cast<UINT_PTR>(hMixer), &caps, sizeof(caps)) == MMSYSERR_NOERROR &&
           caps.cDestinations >= 2;
}

bool CAudioControl::OpenMixers()
{
    if (!OpenMixer(m_nInDevice, m_hMixerIn))
        return false;
    if (m_nOutDevice != m_nInDevice)
        return OpenMixer(m_nOutDevice, m_hMixerOut);
    m_hMixerOut = m_hMixerIn;
    return true;
}

bool CAudioControl::ReadPorts()
{
    std::vector<audio_port_details_t> inPorts;
    std::vector<audio_port_details_t> outPorts;
    if (!CMixerLine::ReadSources(m_hMixerIn, m_dwInLineID, inPorts) ||
        !CMixerLine::ReadSources(m_hMixerOut, m_dwOutLineID, outPorts))
        return false;
    m_pInPorts = CopyPorts(inPorts.data(), static_cast<int>(inPorts.size()));
    m_pOutPorts = CopyPorts(outPorts.data(), static_cast<int>(outPorts.size()));
    if (m_pInPorts == nullptr || m_pOutPorts == nullptr)
        return false;
    m_nInPorts = static_cast<int>(inPorts.size());
    m_nOutPorts = static_cast<int>(outPorts.size());
    return true;
}

bool CAudioControl::mixSetup()
{
    if (!FindDestination<WAVEINCAPSW>(m_nInDevice, MIXERLINE_TARGETTYPE_WAVEIN, m_dwInLineID) ||
        !FindDestination<WAVEOUTCAPSW>(m_nOutDevice, MIXERLINE_TARGETTYPE_WAVEOUT, m_dwOutLineID))
        return false;
    if (OpenMixers() && ReadPorts())
        return true;
    // Whatever was opened is closed again: Init refuses to run while a mixer is open.
    Close();
    return false;
}

int CAudioControl::GetCurrDevice(int& nIn, int& nOut)
{
    nIn = static_cast<int>(GetRegKeyLong(HKEY_CURRENT_USER, g_strAudioKey, kInputValue, 0));
    nOut = static_cast<int>(GetRegKeyLong(HKEY_CURRENT_USER, g_strAudioKey, kOutputValue, 0));
    return 0;
}

int CAudioControl::SetCurrDevice(int nDevice, int bIsInput)
{
    int& nCurrent = bIsInput ? m_nInDevice : m_nOutDevice;
    if (nDevice == nCurrent)
        return 0;
    Close();
    nCurrent = nDevice;
    SetUpAndOpenDefaults();
    SetRegKeyLong(HKEY_CURRENT_USER, g_strAudioKey, bIsInput ? kInputValue : kOutputValue, nDevice);
    return 0;
}

void CAudioControl::GetDeviceNames(CStringArray& names, int bIsInput)
{
    const UINT count = WaveDeviceCount(bIsInput != 0);
    for (UINT n = 0; n < count; ++n) {
        if (bIsInput) {
            WAVEINCAPSW caps = {};
            if (GetWaveCaps(n, caps))
                names.Add(MixerText(caps.szPname));
        } else {
            WAVEOUTCAPSW caps = {};
            if (GetWaveCaps(n, caps))
                names.Add(MixerText(caps.szPname));
        }
    }
}

// ---- Ports ----

const audio_port_details_t* CAudioControl::FindInPort(const wchar_t* name) const
{
    for (int i = 0; name != nullptr && i < m_nInPorts; ++i) {
        if (m_pInPorts[i].strName == name)
            return &m_pInPorts[i];
    }
    return nullptr;
}

const audio_port_details_t* CAudioControl::FindOutPort(const wchar_t* name) const
{
    for (int i = 0; name != nullptr && i < m_nOutPorts; ++i) {
        if (m_pOutPorts[i].strName == name)
            return &m_pOutPorts[i];
    }
    return nullptr;
}

const audio_port_details_t* CAudioControl::FirstInPortOfType(DWORD dwComponentType) const
{
    for (int i = 0; i < m_nInPorts; ++i) {
        if (m_pInPorts[i].dwComponentType == dwComponentType)
            return &m_pInPorts[i];
    }
    return nullptr;
}

const audio_port_details_t* CAudioControl::FirstOutPortOfType(DWORD dwComponentType) const
{
    for (int i = 0; i < m_nOutPorts; ++i) {
        if (m_pOutPorts[i].dwComponentType == dwComponentType)
            return &m_pOutPorts[i];
    }
    return nullptr;
}

int CAudioControl::GetInputPortNames(audio_port_details_t** ppPorts)
{
    ASSERT(ppPorts != nullptr);
    *ppPorts = nullptr;
    if (!m_bReady || m_nInPorts == 0)
        return 0;
    *ppPorts = CopyPorts(m_pInPorts, m_nInPorts);
    return *ppPorts != nullptr ? m_nInPorts : -1;
}

int CAudioControl::GetOutputPortNames(audio_port_details_t** ppPorts)
{
    ASSERT(ppPorts != nullptr);
    *ppPorts = nullptr;
    if (m_nOutPorts <= 0)
        return -1;
    *ppPorts = CopyPorts(m_pOutPorts, m_nOutPorts);
    return *ppPorts != nullptr ? m_nOutPorts : -1;
}

CString CAudioControl::SelectedInput() const
{
    CString name;
    CMixerLine(m_hMixerIn, m_dwInLineID).GetSelectedSource(name);
    return name;
}

int CAudioControl::GetInputLineInfo(audio_port_details_t& port)
{
    CString name;
    if (!m_bReady || !CMixerLine(m_hMixerIn, m_dwInLineID).GetSelectedSource(name))
        return 0;
    port.strName = name;
    if (const audio_port_details_t* pPort = FindInPort(name))
        port.nVolume = PortVolume(m_hMixerIn, pPort);
    return 1;
}

void CAudioControl::OpenInputPort(const wchar_t* name, int nVolume)
{
    if (!m_bReady)
        return;
    CMixerLine(m_hMixerIn, m_dwInLineID).SelectSource(name);
    SetPortVolume(m_hMixerIn, FindInPort(name), nVolume);
}

void CAudioControl::OpenOutputPort(const wchar_t* name, int nVolume)
{
    const audio_port_details_t* pPort = m_bReady ? FindOutPort(name) : nullptr;
    if (pPort == nullptr)
        return;
    CMixerLine(m_hMixerOut, pPort->dwLineID).SetMute(false);
    SetPortVolume(m_hMixerOut, pPort, nVolume);
}

void CAudioControl::OpenDefaultInput()
{
    if (!m_bReady)
        return;
    if (const audio_port_details_t* pMicrophone = FirstInPortOfType(MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE))
        CMixerLine(m_hMixerIn, m_dwInLineID).SelectSource(pMicrophone->strName);
    // The microphone is recorded, not played back.
    for (int i = 0; i < m_nOutPorts; ++i) {
        if (m_pOutPorts[i].dwComponentType == MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE)
            CMixerLine(m_hMixerOut, m_pOutPorts[i].dwLineID).SetMute(true);
    }
}

void CAudioControl::OpenMusicInput()
{
    if (m_bReady && m_nInPorts > 0)
        CMixerLine(m_hMixerIn, m_dwInLineID).SelectSource(m_pInPorts[0].strName);
}

void CAudioControl::OpenDefaultOutput()
{
    if (!m_bReady)
        return;
    if (const audio_port_details_t* pWave = FirstOutPortOfType(MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT))
        CMixerLine(m_hMixerOut, pWave->dwLineID).SetMute(false);
}

// ---- Volumes ----

int CAudioControl::PortVolume(HMIXER hMixer, const audio_port_details_t* pPort)
{
    return pPort != nullptr ? CMixerLine(hMixer, pPort->dwLineID).GetVolume() : -1;
}

void CAudioControl::SetPortVolume(HMIXER hMixer, const audio_port_details_t* pPort, int nVolume)
{
    if (pPort != nullptr && nVolume >= 0 && nVolume <= 100)
        CMixerLine(hMixer, pPort->dwLineID).SetVolume(nVolume);
}

int CAudioControl::GetVolumn(int bIsInput, const wchar_t* name)
{
    if (!m_bReady)
        return 0;
    const bool bNoName = name == nullptr || *name == L'\0';
    if (!bIsInput)
        return bNoName ? CMixerLine(m_hMixerOut, m_dwOutLineID).GetVolume()
                       : PortVolume(m_hMixerOut, FindOutPort(name));
    const CString source = bNoName ? SelectedInput() : CString(name);
    return PortVolume(m_hMixerIn, FindInPort(source));
}

void CAudioControl::SetVolumn(int bIsInput, const wchar_t* name, int nVolume)
{
    if (!m_bReady || nVolume < 0 || nVolume > 100)
        return;
    if (bIsInput)
        SetPortVolume(m_hMixerIn, FindInPort(name), nVolume);
    else
        CMixerLine(m_hMixerOut, m_dwOutLineID).SetVolume(nVolume);
}

int CAudioControl::GetVolumn2(int bIsInput, DWORD dwComponentType)
{
    if (!m_bReady)
        return 0;
    if (bIsInput)
        return PortVolume(m_hMixerIn, FirstInPortOfType(dwComponentType));
    return PortVolume(m_hMixerOut, FirstOutPortOfType(MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT));
}

void CAudioControl::SetVolumn2(int bIsInput, int nVolume, int bAnalog)
{
    if (!m_bReady)
        return;
    if (!bIsInput) {
        SetPortVolume(m_hMixerOut, FirstOutPortOfType(MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT), nVolume);
        return;
    }
    const DWORD dwType = bAnalog ? MIXERLINE_COMPONENTTYPE_SRC_ANALOG : MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE;
    SetPortVolume(m_hMixerIn, FirstInPortOfType(dwType), nVolume);
}

// ---- Registry ----

namespace {

CRegKeyHandle CreateKey(HKEY hRoot, const wchar_t* subkey)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(hRoot, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return CRegKeyHandle();
    return CRegKeyHandle(hKey);
}

bool WriteDword(const CRegKeyHandle& key, const wchar_t* name, long lValue)
{
    const DWORD value = static_cast<DWORD>(lValue);
    return RegSetValueExW(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

} // namespace

long CAudioControl::GetRegKeyLong(HKEY hRoot, const wchar_t* subkey, const wchar_t* name, long lDefault)
{
    const CRegKeyHandle key = CreateKey(hRoot, subkey);
    if (!key)
        return 0;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof(value))
        return static_cast<long>(value);
    return WriteDword(key, name, lDefault) ? lDefault : 0;
}

long CAudioControl::SetRegKeyLong(HKEY hRoot, const wchar_t* subkey, const wchar_t* name, long lValue)
{
    const CRegKeyHandle key = CreateKey(hRoot, subkey);
    if (!key)
        return -10;
    return WriteDword(key, name, lValue) ? lValue : -20;
}
