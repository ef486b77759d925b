// VoHelper::CVideoDevice: the machine's video capture devices (cameras) by their friendly names,
// from DirectShow's system device enumerator, so that the host offers video calls only when a
// camera is present and lets the user pick one. The library's instance is reached through
// Instance(), which enumerates on its first call.
#pragma once

#include "VoDef.h"

#include <afxlite/CString.h>

#include <objidl.h>

namespace VoHelper {

class VO_API CVideoDevice {
public:
    // At most this many devices are listed; further ones are left out.
    enum { MAX_DEVICES = 8 };

    // Initialises COM on this thread (single-threaded apartment) and enumerates the devices.
    CVideoDevice();
    // The library's own instance: nothing happens until Instance() is first called, because
    // COM must not start inside the loader's lock, where the library's globals are made.
    struct Deferred {};
    explicit CVideoDevice(Deferred);
    // Copies share the device objects, each copy holding its own references.
    CVideoDevice(const CVideoDevice& other);
    CVideoDevice& operator=(const CVideoDevice& other);
    // Releases the devices; uninitialises COM when the constructor initialised it, on that thread.
    ~CVideoDevice();

    // The library's instance; the first call initialises COM on the calling thread and enumerates.
    static CVideoDevice* Instance();

    // Nonzero when at least one device was found.
    int HasDevice() const { return m_nCount > 0 ? 1 : 0; }
    // Enumerates again: m_nCount, m_strNames, m_pDevices and m_nError describe the result.
    void Refresh();
    // Opens device index as a capture filter and closes it again at once; nothing for an index
    // out of range or an empty slot.
    void ChooseDevice(int index);
    // Releases every device object held and empties the slots.
    void Release();

    int m_nCount;                      // devices found, 0 to MAX_DEVICES
    CString m_strNames[MAX_DEVICES];   // friendly names in enumeration order; empty beyond m_nCount
    IMoniker* m_pDevices[MAX_DEVICES]; // the device objects of those names, null beyond m_nCount
    int m_nError;                      // last Refresh: 0 enumerated, -1 no device enumerator,
                                       // -2 the video-input category failed or is empty

private:
    void Clear();
    void CopyFrom(const CVideoDevice& other);

    HRESULT m_hrCom;     // what the constructor's CoInitialize answered; E_FAIL when it made none
    DWORD m_dwComThread; // the thread it was made on
    bool m_bStarted;     // enumerated once (the library's instance: Instance() was called)
};

} // namespace VoHelper
