// Video capture devices through DirectShow's system device enumerator.
#include <VideoDevice.h>

#include "media/MediaGlobals.h"

#include <afxlite/AfxDef.h>

#include <comdef.h>
#include <oleauto.h>
#include <strmif.h>
#include <uuids.h>

_COM_SMARTPTR_TYPEDEF(ICreateDevEnum, __uuidof(ICreateDevEnum));
_COM_SMARTPTR_TYPEDEF(IBaseFilter, __uuidof(IBaseFilter));
_COM_SMARTPTR_TYPEDEF(IPropertyBag, __uuidof(IPropertyBag));
_COM_SMARTPTR_TYPEDEF(IEnumMoniker, __uuidof(IEnumMoniker));

namespace VoHelper {

namespace {

// Friendly names longer than this are cut: they are shown in lists, and come from whatever
// registered the device.
const UINT kMaxNameLength = 256;

// The friendly name of a device; false when it has none that reads as text.
bool ReadFriendlyName(IMoniker* pDevice, CString& name)
{
    IPropertyBagPtr bag;
    if (FAILED(pDevice->BindToStorage(nullptr, nullptr, IID_IPropertyBag, reinterpret_cast<void**>(&bag))))
        return false;
    _variant_t value;
    if (FAILED(bag->Read(L"FriendlyName", &value, nullptr)) || value.vt != VT_BSTR)
        return false;
    const UINT length = value.bstrVal != nullptr ? ::SysStringLen(value.bstrVal) : 0;
    name = CString(value.bstrVal != nullptr ? value.bstrVal : L"",
                   static_cast<int>(length < kMaxNameLength ? length : kMaxNameLength));
    return true;
}

} // namespace

CVideoDevice::CVideoDevice(Deferred) : m_pDevices(), m_hrCom(E_FAIL), m_dwComThread(0), m_bStarted(false)
{
    Clear();
}

CVideoDevice::CVideoDevice() : CVideoDevice(Deferred())
{
    m_hrCom = ::CoInitialize(nullptr);
    m_dwComThread = ::GetCurrentThreadId();
    m_bStarted = true;
    Refresh();
}

CVideoDevice::CVideoDevice(const CVideoDevice& other) : CVideoDevice(Deferred())
{
    m_bStarted = other.m_bStarted;
    CopyFrom(other);
}

CVideoDevice& CVideoDevice::operator=(const CVideoDevice& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

CVideoDevice::~CVideoDevice()
{
    Release();
    // Only a successful CoInitialize is balanced, and only on its own thread.
    if (SUCCEEDED(m_hrCom) && m_dwComThread == ::GetCurrentThreadId())
        ::CoUninitialize();
}

CVideoDevice* CVideoDevice::Instance()
{
    // The apartment opened here stays open: the instance is destroyed inside the loader's lock
    // at unload, where CoUninitialize is no safer than CoInitialize.
    if (!g_VideoDevice.m_bStarted) {
        g_VideoDevice.m_bStarted = true;
        ::CoInitialize(nullptr);
        g_VideoDevice.Refresh();
    }
    return &g_VideoDevice;
}

void CVideoDevice::Clear()
{
    m_nCount = 0;
    m_nError = 0;
    for (CString& name : m_strNames)
        name.Empty();
}

void CVideoDevice::CopyFrom(const CVideoDevice& other)
{
    Release();
    m_nCount = other.m_nCount;
    m_nError = other.m_nError;
    for (int i = 0; i < MAX_DEVICES; ++i) {
        m_strNames[i] = other.m_strNames[i];
        m_pDevices[i] = other.m_pDevices[i];
        if (m_pDevices[i] != nullptr)
            m_pDevices[i]->AddRef();
    }
}

void CVideoDevice::Release()
{
    for (IMoniker*& pDevice : m_pDevices) {
        if (pDevice != nullptr)
            pDevice->Release();
        pDevice = nullptr;
    }
}

void CVideoDevice::Refresh()
{
    Release();
    Clear();
    ICreateDevEnumPtr devEnum;
    if (FAILED(devEnum.CreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER))) {
        m_nError = -1;
        return;
    }
    // An empty category answers S_FALSE and no enumerator.
    IEnumMonikerPtr devices;
    if (devEnum->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &devices, 0) != S_OK || devices == nullptr) {
        m_nError = -2;
        return;
    }
    devices->Reset();
    IMoniker* pDevice = nullptr;
    while (m_nCount < MAX_DEVICES && devices->Next(1, &pDevice, nullptr) == S_OK && pDevice != nullptr) {
        // The slot takes the enumerator's reference; a device without a name gives it back.
        if (ReadFriendlyName(pDevice, m_strNames[m_nCount]))
            m_pDevices[m_nCount++] = pDevice;
        else
            pDevice->Release();
        pDevice = nullptr;
    }
}

void CVideoDevice::ChooseDevice(int index)
{
    if (index < 0 || index >= m_nCount || m_pDevices[index] == nullptr)
        return;
    IBaseFilter* pFilter = nullptr;
    if (SUCCEEDED(
            m_pDevices[index]->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(&pFilter))))
        pFilter->Release();
}

} // namespace VoHelper
