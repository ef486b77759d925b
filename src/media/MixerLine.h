// CMixerLine: one line of an open mixer (a destination or a source), and what CAudioControl
// does with its controls: volume in percent, mute, and on a recording destination the selector
// (multiplexer or mixer control) that picks the recording source. Every call goes through the
// mixer table in use (VoGetMixerApi) and treats the driver's answers as untrusted: counts are
// bounded and names need not be terminated.
#pragma once

#include <AudioControl.h>

#include <vector>

class CMixerLine {
public:
    CMixerLine(HMIXER hMixer, DWORD dwLineID) : m_hMixer(hMixer), m_dwLineID(dwLineID) {}

    // Volume in percent of the full range (at most 100); 0 when the line has no readable
    // volume control or its range is empty.
    int GetVolume() const;
    // Writes percent of the range; false when the line has no volume control or it refuses.
    bool SetVolume(int nPercent) const;
    // Mutes or unmutes through the mute control, else the on/off control; a line with neither
    // is left alone.
    void SetMute(bool bMute) const;

    // Recording destinations: selects the first selector item named name (item 0 when none is)
    // and clears every other item. Nothing happens without a selector.
    void SelectSource(const wchar_t* name) const;
    // The name of the first selected item (item 0 when none is); false without a selector.
    bool GetSelectedSource(CString& name) const;

    // The source lines of the destination dwDestLineID of hMixer, in the mixer's order. False
    // (and no ports) when the destination is not found or a source cannot be read.
    static bool ReadSources(HMIXER hMixer, DWORD dwDestLineID, std::vector<audio_port_details_t>& ports);
    // The line of mixer nDevice whose target is the wave device described by its type and
    // capabilities; false when the mixer knows no such line.
    static bool FindTargetLine(UINT nDevice, DWORD dwTargetType, WORD wMid, WORD wPid, MMVERSION vDriverVersion,
                               const wchar_t* pname, DWORD& dwLineID);

    // Mixers report at most this many destinations, sources or selector items; larger counts
    // come from a broken driver and are not believed.
    static constexpr DWORD kMaxLines = 64;

private:
    bool FindControl(DWORD dwControlType, MIXERCONTROLW& control) const;
    // The recording selector and the names of its items.
    bool FindSelector(MIXERCONTROLW& control, std::vector<CString>& items) const;

    HMIXER m_hMixer;
    DWORD m_dwLineID;
};

// A text of a fixed-size field of a mixer structure, which a driver need not terminate.
template <size_t N>
CString MixerText(const wchar_t (&text)[N])
{
    size_t length = 0;
    while (length < N && text[length] != L'\0')
        ++length;
    return CString(text, static_cast<int>(length));
}
