// Controls of one mixer line: volume, mute, the recording selector; the sources of a destination.
#include "media/MixerLine.h"

#include <MixerApi.h>

#include <algorithm>
#include <cwchar>

namespace {

const DWORD kHandleFlags = MIXER_OBJECTF_HMIXER;

HMIXEROBJ Object(HMIXER hMixer)
{
    return reinterpret_cast<HMIXEROBJ>(hMixer);
}

// Details of a control read or written through values of type T, one channel: a single value,
// or one per item of a multiple-item control (a selector).
template <class T>
MIXERCONTROLDETAILS Details(const MIXERCONTROLW& control, std::vector<T>& values, bool bItems = false)
{
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = control.dwControlID;
    details.cChannels = 1;
    details.cMultipleItems = bItems ? static_cast<DWORD>(values.size()) : 0;
    details.cbDetails = sizeof(T);
    details.paDetails = values.data();
    return details;
}

} // namespace

bool CMixerLine::FindControl(DWORD dwControlType, MIXERCONTROLW& control) const
{
    control = {};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSW controls = {};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = m_dwLineID;
    controls.dwControlType = dwControlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    const MMRESULT result = VoGetMixerApi().pfnMixerGetLineControlsW(Object(m_hMixer), &controls,
                                                                     kHandleFlags | MIXER_GETLINECONTROLSF_ONEBYTYPE);
    return result == MMSYSERR_NOERROR;
}

int CMixerLine::GetVolume() const
{
    MIXERCONTROLW control;
    if (!FindControl(MIXERCONTROL_CONTROLTYPE_VOLUME, control))
        return 0;
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> value(1);
    MIXERCONTROLDETAILS details = Details(control, value);
    if (VoGetMixerApi().pfnMixerGetControlDetailsW(Object(m_hMixer), &details,
                                                   kHandleFlags | MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
        return 0;
    // The minimum is not added on either side: the volume controls of sound cards start at 0.
    const DWORD range = control.Bounds.dwMaximum - control.Bounds.dwMinimum;
    if (range == 0)
        return 0;
    // A value above the maximum is the driver's error: it reads as full volume.
    const unsigned long long percent = static_cast<unsigned long long>(value[0].dwValue) * 100 / range;
    return static_cast<int>(std::min<unsigned long long>(percent, 100));
}

bool CMixerLine::SetVolume(int nPercent) const
{
    MIXERCONTROLW control;
    if (nPercent < 0 || nPercent > 100 || !FindControl(MIXERCONTROL_CONTROLTYPE_VOLUME, control))
        return false;
    const DWORD range = control.Bounds.dwMaximum - control.Bounds.dwMinimum;
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> value(1);
    value[0].dwValue = static_cast<DWORD>(static_cast<unsigned long long>(range) * nPercent / 100);
    MIXERCONTROLDETAILS details = Details(control, value);
    return VoGetMixerApi().pfnMixerSetControlDetails(Object(m_hMixer), &details,
                                                     kHandleFlags | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

void CMixerLine::SetMute(bool bMute) const
{
    MIXERCONTROLW control;
    if (!FindControl(MIXERCONTROL_CONTROLTYPE_MUTE, control) && !FindControl(MIXERCONTROL_CONTROLTYPE_ONOFF, control))
        return;
    std::vector<MIXERCONTROLDETAILS_BOOLEAN> value(1);
    value[0].fValue = bMute ? 1 : 0;
    MIXERCONTROLDETAILS details = Details(control, value);
    VoGetMixerApi().pfnMixerSetControlDetails(Object(m_hMixer), &details,
                                              kHandleFlags | MIXER_SETCONTROLDETAILSF_VALUE);
}

bool CMixerLine::FindSelector(MIXERCONTROLW& control, std::vector<CString>& items) const
{
    if (!FindControl(MIXERCONTROL_CONTROLTYPE_MUX, control) && !FindControl(MIXERCONTROL_CONTROLTYPE_MIXER, control))
        return false;
    if (control.cMultipleItems == 0 || control.cMultipleItems > kMaxLines)
        return false;
    std::vector<MIXERCONTROLDETAILS_LISTTEXTW> texts(control.cMultipleItems);
    MIXERCONTROLDETAILS details = Details(control, texts, true);
    if (VoGetMixerApi().pfnMixerGetControlDetailsW(
            Object(m_hMixer), &details, kHandleFlags | MIXER_GETCONTROLDETAILSF_LISTTEXT) != MMSYSERR_NOERROR)
        return false;
    items.clear();
    for (const MIXERCONTROLDETAILS_LISTTEXTW& text : texts)
        items.push_back(MixerText(text.szName));
    return true;
}

void CMixerLine::SelectSource(const wchar_t* name) const
{
    MIXERCONTROLW control;
    std::vector<CString> items;
    if (!FindSelector(control, items))
        return;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [name](const CString& item) { return name != nullptr && item == name; });
    const size_t selected = found == items.end() ? 0 : static_cast<size_t>(found - items.begin());
    // Every item is written, so that the result is one source even on a mixer control that
    // would record from several at once.
    std::vector<MIXERCONTROLDETAILS_BOOLEAN> values(items.size());
    values[selected].fValue = 1;
    MIXERCONTROLDETAILS details = Details(control, values, true);
    VoGetMixerApi().pfnMixerSetControlDetails(Object(m_hMixer), &details,
                                              kHandleFlags | MIXER_SETCONTROLDETAILSF_VALUE);
}

bool CMixerLine::GetSelectedSource(CString& name) const
{
    MIXERCONTROLW control;
    std::vector<CString> items;
    if (!FindSelector(control, items))
        return false;
    std::vector<MIXERCONTROLDETAILS_BOOLEAN> values(items.size());
    MIXERCONTROLDETAILS details = Details(control, values, true);
    size_t selected = 0;
    if (VoGetMixerApi().pfnMixerGetControlDetailsW(Object(m_hMixer), &details,
                                                   kHandleFlags | MIXER_GETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR) {
        const auto found = std::find_if(values.begin(), values.end(),
                                        [](const MIXERCONTROLDETAILS_BOOLEAN& value) { return value.fValue != 0; });
        if (found != values.end())
            selected = static_cast<size_t>(found - values.begin());
    }
    name = items[selected];
    return true;
}

bool CMixerLine::ReadSources(HMIXER hMixer, DWORD dwDestLineID, std::vector<audio_port_details_t>& ports)
{
    ports.clear();
    const VO_MIXER_API& api = VoGetMixerApi();
    MIXERCAPSW caps = {};
    if (api.pfnMixerGetDevCapsW(reinterpret_cast<UINT_PTR>(hMixer), &caps, sizeof(caps)) != MMSYSERR_NOERROR)
        return false;
    const DWORD destinations = std::min(caps.cDestinations, kMaxLines);
    for (DWORD destination = 0; destination < destinations; ++destination) {
        MIXERLINEW line = {};
        line.cbStruct = sizeof(line);
        line.dwDestination = destination;
        if (api.pfnMixerGetLineInfoW(Object(hMixer), &line, kHandleFlags | MIXER_GETLINEINFOF_DESTINATION) !=
                MMSYSERR_NOERROR ||
            line.dwLineID != dwDestLineID)
            continue;
        if (line.cConnections > kMaxLines)
            return false;
        for (DWORD source = 0; source < line.cConnections; ++source) {
            MIXERLINEW sourceLine = {};
            sourceLine.cbStruct = sizeof(sourceLine);
            sourceLine.dwDestination = destination;
            sourceLine.dwSource = source;
            if (api.pfnMixerGetLineInfoW(Object(hMixer), &sourceLine, kHandleFlags | MIXER_GETLINEINFOF_SOURCE) !=
                MMSYSERR_NOERROR) {
                ports.clear();
                return false;
            }
            audio_port_details_t port;
            port.dwLineID = sourceLine.dwLineID;
            port.strName = MixerText(sourceLine.szName);
            port.dwComponentType = sourceLine.dwComponentType;
            ports.push_back(port);
        }
        return !ports.empty();
    }
    return false;
}

bool CMixerLine::FindTargetLine(UINT nDevice, DWORD dwTargetType, WORD wMid, WORD wPid, MMVERSION vDriverVersion,
                                const wchar_t* pname, DWORD& dwLineID)
{
    MIXERLINEW line = {};
    line.cbStruct = sizeof(line);
    line.Target.dwType = dwTargetType;
    line.Target.wMid = wMid;
    line.Target.wPid = wPid;
    line.Target.vDriverVersion = vDriverVersion;
    wcsncpy(line.Target.szPname, pname, MAXPNAMELEN - 1);
    const MMRESULT result =
        VoGetMixerApi().pfnMixerGetLineInfoW(reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(nDevice)), &line,
                                             MIXER_OBJECTF_MIXER | MIXER_GETLINEINFOF_TARGETTYPE);
    if (result != MMSYSERR_NOERROR)
        return false;
    dwLineID = line.dwLineID;
    return true;
}
