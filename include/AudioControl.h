// CAudioControl: the library's one window onto the sound card's mixer. It opens the input
// (recording) and output (playback) mixers remembered in the user's registry, lists their ports
// (the source lines of the recording and playback destinations), selects the recording source,
// mutes or unmutes playback lines and reads and sets volumes in percent. One process-wide
// instance, made on first use (Instance) and destroyed by Release; user-interface thread only.
#pragma once

#include "VoDef.h"

#include <afxlite/CString.h>
#include <afxlite/CStringArray.h>

#include <windows.h>
#include <mmsystem.h>

// One port: a source line of a mixer destination.
struct VO_API audio_port_details_t {
    DWORD dwLineID = 0xFFFFFFFF;        // the mixer's identifier of the source line
    CString strName;                    // the line's full name as the mixer reports it
    DWORD dwComponentType = 0xFFFFFFFF; // MIXERLINE_COMPONENTTYPE_SRC_xxx (microphone 0x1003, ...)
    int nVolume = -1;                   // percent; filled only by GetInputLineInfo
};

class VO_API CAudioControl {
public:
    virtual ~CAudioControl();

    CAudioControl(const CAudioControl&) = delete;
    CAudioControl& operator=(const CAudioControl&) = delete;

    // ---- Singleton and set-up ----
    // The instance, made on the first call: it reads the device numbers from the registry, sets
    // the mixers up and, when that succeeds, opens the default input and output.
    static CAudioControl* Instance();
    // Destroys the instance (closing its mixers); the next Instance() makes a new one.
    static void Release();
    // -1 while a mixer is open; else sets the mixers up again (m_bReady tells whether that
    // worked) and opens the defaults on success; returns 0.
    int Init();
    // Frees the ports and closes the mixers; m_bReady keeps its value. Returns 0.
    int Close();
    // The input and output device numbers of the registry ("inputd", "outputd"; missing values
    // are created with 0). Returns 0.
    static int GetCurrDevice(int& nIn, int& nOut);
    // Switches the input (bIsInput nonzero) or output mixer to nDevice and remembers it in the
    // registry, whether or not the new set-up works; nothing at all when it is the current one.
    // Returns 0.
    int SetCurrDevice(int nDevice, int bIsInput);
    // Appends the product names of the wave-in (bIsInput nonzero) or wave-out devices.
    void GetDeviceNames(CStringArray& names, int bIsInput);

    // ---- Ports ----
    // A new array (free it with delete[]) with copies of the input ports in *ppPorts; returns
    // their number, 0 (and null) when not ready or without ports, -1 when out of memory.
    int GetInputPortNames(audio_port_details_t** ppPorts);
    // As above for the output ports; -1 (and null) when there are none.
    int GetOutputPortNames(audio_port_details_t** ppPorts);
    // The current recording source's name and, when an input port carries it, its volume.
    // 1 on success, 0 when not ready or the recording line has no source selector.
    int GetInputLineInfo(audio_port_details_t& port);
    // Selects the input port name (item 0 when no item carries it) as the recording source and,
    // for a volume of 0 to 100, sets that port's volume.
    void OpenInputPort(const wchar_t* name, int nVolume);
    // Unmutes the output port name and, for a volume of 0 to 100, sets its volume.
    void OpenOutputPort(const wchar_t* name, int nVolume);
    // Records from the first microphone port and mutes every microphone playback port.
    void OpenDefaultInput();
    // Records from input port 0.
    void OpenMusicInput();
    // Unmutes the first wave-output playback port.
    void OpenDefaultOutput();

    // ---- Volumes in percent, 0 to 100 ----
    // 0 when not ready; -1 when no port of that name exists. Output: an empty name reads the
    // playback destination itself. Input: an empty name reads the current recording source.
    int GetVolumn(int bIsInput, const wchar_t* name);
    // Nothing when not ready or for a volume outside 0 to 100. Output: the playback
    // destination's volume (the name is not used); input: the port of that name.
    void SetVolumn(int bIsInput, const wchar_t* name, int nVolume);
    // 0 when not ready, -1 without such a port. Output: the first wave-output port (whatever
    // dwComponentType says); input: the first input port of type dwComponentType.
    int GetVolumn2(int bIsInput, DWORD dwComponentType);
    // Output: the first wave-output port; input: the first analog (bAnalog nonzero) or
    // microphone port. Nothing when not ready or for a volume outside 0 to 100.
    void SetVolumn2(int bIsInput, int nVolume, int bAnalog);

    // ---- Diagnostics: constant names of mixer error codes and control types ----
    static const wchar_t* mixGetErrorText(unsigned int nError);
    static const wchar_t* mixGetControlType(unsigned long dwControlType);

    // ---- Registry DWORD values (the key is created when missing) ----
    // The value; a value that cannot be read is written as lDefault and returned. 0 when the
    // key cannot be opened or the default cannot be written.
    static long GetRegKeyLong(HKEY hRoot, const wchar_t* subkey, const wchar_t* name, long lDefault);
    // Writes lValue and returns it; -10 when the key cannot be opened, -20 when the write fails.
    static long SetRegKeyLong(HKEY hRoot, const wchar_t* subkey, const wchar_t* name, long lValue);

    DWORD m_dwInLineID;                // recording destination on the input mixer
    int m_nInPorts;                    // number of input ports
    audio_port_details_t* m_pInPorts;  // the recording destination's source lines
    audio_port_details_t* m_pOutPorts; // the playback destination's source lines
    DWORD m_dwOutLineID;               // playback destination on the output mixer
    int m_nOutPorts;                   // number of output ports
    HMIXER m_hMixerIn;                 // open input mixer
    HMIXER m_hMixerOut;                // open output mixer (the input one when the devices agree)
    int m_nInDevice;                   // input mixer identifier
    int m_nOutDevice;                  // output mixer identifier
    int m_bReady;                      // nonzero when the last set-up succeeded

    // The instance; null until Instance() is first called and after Release().
    static CAudioControl* g_Instance;

protected:
    CAudioControl();

private:
    // Finds the destinations, opens the mixers and reads their ports. A failure leaves no mixer
    // open, so that a later Init can try again.
    bool mixSetup();
    bool OpenMixer(int nDevice, HMIXER& hMixer);
    // Opens the input mixer and, when it is another device, the output mixer.
    bool OpenMixers();
    // Reads the ports of both destinations; false when either has none.
    bool ReadPorts();
    // Sets up and, on success, opens the default input and output; stores the outcome in m_bReady.
    void SetUpAndOpenDefaults();

    const audio_port_details_t* FindInPort(const wchar_t* name) const;
    const audio_port_details_t* FindOutPort(const wchar_t* name) const;
    const audio_port_details_t* FirstInPortOfType(DWORD dwComponentType) const;
    const audio_port_details_t* FirstOutPortOfType(DWORD dwComponentType) const;
    // Volume of a port of the given mixer, -1 for no port.
    static int PortVolume(HMIXER hMixer, const audio_port_details_t* pPort);
    static void SetPortVolume(HMIXER hMixer, const audio_port_details_t* pPort, int nVolume);
    // Name of the current recording source; empty when it cannot be read.
    CString SelectedInput() const;
};
