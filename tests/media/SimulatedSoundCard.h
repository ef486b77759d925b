// A sound card in memory that answers the mixer and wave-device calls of CAudioControl through
// the library's mixer seam (VoSetMixerApi): mixers with playback and recording destinations,
// source lines with volume, mute and on/off controls, the recording selector, wave devices the
// destinations feed, and devices that vanish. Tests build a card, install it, and read back what
// the library wrote.
#pragma once

#include <MixerApi.h>

#include <afxlite/CString.h>

#include <map>
#include <vector>

struct SimControl {
    DWORD dwID = 0;
    DWORD dwType = 0;
    DWORD dwMaximum = 0;        // the minimum is 0
    std::vector<DWORD> values;  // one value, or one per item of a selector
    std::vector<CString> items; // item names of a selector
    DWORD dwReportedItems = 0;  // what the control says it has (normally items.size())
};

struct SimLine {
    DWORD dwID = 0;
    CString strName;
    DWORD dwComponentType = 0;
    std::vector<SimControl> controls;
    // Destinations only.
    DWORD dwTargetType = MIXERLINE_TARGETTYPE_UNDEFINED;
    CString strTargetDevice; // product name of the wave device the destination serves
    std::vector<SimLine> sources;
    DWORD dwReportedSources = 0; // what the destination says it has (normally sources.size())
    bool bUnreadable = false;    // reading this line fails
};

struct SimMixer {
    CString strName;
    std::vector<SimLine> destinations;
    bool bVanished = false; // every call about this mixer fails as for a removed device
    DWORD dwNextControlID = 1;
};

struct SimWaveDevice {
    CString strName;
    WORD wMid = 1;
    WORD wPid = 100;
    MMVERSION vDriverVersion = 0x0500;
};

class CSimulatedSoundCard {
public:
    CSimulatedSoundCard();
    ~CSimulatedSoundCard(); // puts winmm back and destroys the library's mixer

    // Installs this card in place of winmm (and destroys any CAudioControl made before).
    void Install();

    // ---- Building ----
    int AddMixer(const wchar_t* name);
    // A recording destination of mixer m that serves a new wave-in device of that name, with a
    // multiplexer over its sources (added by AddRecordingSource); returns the destination index.
    int AddRecording(int m, const wchar_t* waveInName, DWORD dwSelectorType = MIXERCONTROL_CONTROLTYPE_MUX);
    // A playback destination with a volume (0..65535) and mute control, serving a new wave-out
    // device of that name.
    int AddPlayback(int m, const wchar_t* waveOutName);
    // A source line with a volume control (0..maximum, at value) and, when asked, a mute control;
    // a recording source is also an item of the destination's selector. Returns its line ID.
    DWORD AddSource(int m, int d, const wchar_t* name, DWORD dwComponentType, DWORD dwValue = 0,
                    DWORD dwMaximum = 65535, bool bMute = true);
    // A card like most: mixer 0 with playback ("Wave", "Microphone", "CD Audio") and recording
    // ("Line In", "Microphone", "Stereo Mix") destinations.
    static void BuildTypical(CSimulatedSoundCard& card);

    // ---- Reading and changing the state ----
    SimLine& Line(int m, DWORD dwLineID);
    SimLine& Destination(int m, int d) { return m_mixers[m].destinations[d]; }
    SimControl* Control(int m, DWORD dwLineID, DWORD dwType);
    DWORD Value(int m, DWORD dwLineID, DWORD dwType) { return Control(m, dwLineID, dwType)->values[0]; }
    // Index of the selected item of a recording destination's selector, -1 when none or several.
    int SelectedItem(int m, int d);
    SimMixer& Mixer(int m) { return m_mixers[m]; }
    int OpenHandles() const { return static_cast<int>(m_handles.size()); }
    int SetCalls() const { return m_nSetCalls; }

    std::vector<SimWaveDevice> m_waveIn;
    std::vector<SimWaveDevice> m_waveOut;

private:
    friend struct CSimApi;
    SimControl& AddControl(int m, SimLine& line, DWORD dwType, DWORD dwMaximum, DWORD dwValue);
    // A new destination of mixer m serving the wave device waveName.
    SimLine& AddDestination(int m, const wchar_t* name, DWORD dwComponentType, DWORD dwTargetType,
                            const wchar_t* waveName);
    SimMixer* MixerOf(HMIXEROBJ hObject, DWORD dwFlags);
    SimMixer* MixerOfId(UINT_PTR id);

    std::vector<SimMixer> m_mixers;
    std::map<HMIXER, int> m_handles;
    UINT_PTR m_nextHandle = 0xA000;
    int m_nSetCalls = 0;
    const VO_MIXER_API* m_pPrevious = nullptr;
    bool m_bInstalled = false;
};
