// VoHelper::CVideoDevice through the real DirectShow enumerator, with fake cameras registered in
// the video-input category (IFilterMapper2::RegisterFilter) and removed again.
#include <VideoDevice.h>

#include "../common/FakeClassFactory.h"

#include <gtest/gtest.h>

#include <strmif.h>
#include <uuids.h>

#include <vector>

namespace {

// {6E0C3A52-1F5B-4C39-9C1D-7A0F2B5E3D41}: the class the fake cameras name; the tests serve it
// from this process (CoRegisterClassObject) so that opening a camera can be counted.
const CLSID kFakeCameraClass = {0x6e0c3a52, 0x1f5b, 0x4c39, {0x9c, 0x1d, 0x7a, 0x0f, 0x2b, 0x5e, 0x3d, 0x41}};

// The objects the fake class makes: nothing but reference counting, which is all a camera
// opened and closed at once needs. The count of live objects tells whether one was made.
class CFakeFilter final : public CFakeComObject<CFakeFilter, IUnknown> {
public:
    static LONG s_nMade;
    CFakeFilter() { ++s_nMade; }
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        // Answered for IBaseFilter too: the library only releases the filter it opens.
        if (riid != IID_IUnknown && riid != IID_IBaseFilter) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = this;
        AddRef();
        return S_OK;
    }
};
LONG CFakeFilter::s_nMade = 0;

// Fake cameras registered for the life of the object (and any left by an earlier run removed).
class CFakeCameras {
public:
    CFakeCameras()
    {
        ::CoInitialize(nullptr);
        ::CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                           reinterpret_cast<void**>(&m_pMapper));
        ::CoRegisterClassObject(kFakeCameraClass, &m_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_dwCookie);
        for (int i = 0; i < 12; ++i)
            Remove(i);
    }
    ~CFakeCameras()
    {
        for (int i : m_added)
            Remove(i);
        ::CoRevokeClassObject(m_dwCookie);
        if (m_pMapper != nullptr)
            m_pMapper->Release();
        ::CoUninitialize();
    }

    bool IsUsable() const { return m_pMapper != nullptr; }

    // Registers camera i (instance names sort in the order of i) with a friendly name.
    HRESULT Add(int i, const wchar_t* friendlyName)
    {
        REGFILTER2 filter = {};
        filter.dwVersion = 1;
        filter.dwMerit = MERIT_DO_NOT_USE;
        const HRESULT hr = m_pMapper->RegisterFilter(kFakeCameraClass, friendlyName, nullptr,
                                                     &CLSID_VideoInputDeviceCategory, InstanceName(i), &filter);
        if (SUCCEEDED(hr))
            m_added.push_back(i);
        return hr;
    }

    void Remove(int i)
    {
        m_pMapper->UnregisterFilter(&CLSID_VideoInputDeviceCategory, InstanceName(i), kFakeCameraClass);
    }

private:
    static CString InstanceName(int i)
    {
        CString name;
        name.Format(L"VoShareTestCamera%02d", i);
        return name;
    }

    IFilterMapper2* m_pMapper = nullptr;
    CFakeClassFactory<CFakeFilter> m_factory;
    DWORD m_dwCookie = 0;
    std::vector<int> m_added;
};

class VideoDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_cameras.IsUsable()); }
    CFakeCameras m_cameras;
};

// Runs first in this program's video tests: the library's global device list has not touched
// COM on the thread that loaded the library (a single-threaded apartment there would refuse
// the multithreaded one).
TEST(VideoDeviceLoad, LoadingTheLibraryLeavesComUninitialised)
{
    const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_NE(RPC_E_CHANGED_MODE, hr);
    if (SUCCEEDED(hr))
        ::CoUninitialize();
}

TEST_F(VideoDeviceTest, CamerasAreListedByFriendlyNameOnlyEightOfNineAndOnlyThoseInRangeAreChosen)
{
    ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(0, L"前置摄像头 HD"));
    ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(1, L"USB Camera"));
    ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(2, L"视频采集卡"));
    VoHelper::CVideoDevice devices;
    ASSERT_EQ(3, devices.m_nCount);
    EXPECT_EQ(0, devices.m_nError);
    EXPECT_NE(0, devices.HasDevice());
    EXPECT_EQ(CString(L"前置摄像头 HD"), devices.m_strNames[0]);
    EXPECT_EQ(CString(L"USB Camera"), devices.m_strNames[1]);
    EXPECT_EQ(CString(L"视频采集卡"), devices.m_strNames[2]);
    EXPECT_TRUE(devices.m_strNames[3].IsEmpty());
    EXPECT_EQ(nullptr, devices.m_pDevices[3]);

    m_cameras.Remove(1);
    devices.Refresh();
    ASSERT_EQ(2, devices.m_nCount);
    EXPECT_EQ(CString(L"视频采集卡"), devices.m_strNames[1]);
    EXPECT_TRUE(devices.m_strNames[2].IsEmpty());

    // Only eight of nine cameras are listed.
    for (int i : {1, 3, 4, 5, 6, 7, 8}) {
        CString name;
        name.Format(L"Camera %d", i);
        ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(i, name));
    }
    devices.Refresh();
    EXPECT_EQ(VoHelper::CVideoDevice::MAX_DEVICES, devices.m_nCount);
    EXPECT_EQ(CString(L"Camera 7"), devices.m_strNames[7]);

    // Choosing a camera opens and closes it, only for an index in range.
    const LONG nMade = CFakeFilter::s_nMade;
    devices.ChooseDevice(-1);
    devices.ChooseDevice(8);
    EXPECT_EQ(nMade, CFakeFilter::s_nMade);
    devices.ChooseDevice(1);
    EXPECT_EQ(nMade + 1, CFakeFilter::s_nMade);
    EXPECT_EQ(0, CFakeFilter::s_nLive);
    devices.Release();
    EXPECT_EQ(nullptr, devices.m_pDevices[1]);
    devices.ChooseDevice(1);
    EXPECT_EQ(nMade + 1, CFakeFilter::s_nMade);
}

TEST_F(VideoDeviceTest, CopiesHoldTheirOwnReferences)
{
    ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(0, L"Shared"));
    auto* pOriginal = new VoHelper::CVideoDevice;
    ASSERT_EQ(1, pOriginal->m_nCount);
    IMoniker* pDevice = pOriginal->m_pDevices[0];
    const ULONG nBefore = pDevice->AddRef();
    pDevice->Release();

    VoHelper::CVideoDevice copy(*pOriginal);
    VoHelper::CVideoDevice assigned;
    assigned = copy;
    EXPECT_EQ(nBefore + 2, pDevice->AddRef());
    pDevice->Release();
    EXPECT_EQ(CString(L"Shared"), assigned.m_strNames[0]);
    EXPECT_EQ(0, assigned.m_nError);

    delete pOriginal; // the copies' references keep the device
    const LONG nMade = CFakeFilter::s_nMade;
    copy.ChooseDevice(0);
    assigned = assigned; // assigning to itself keeps what it holds
    assigned.ChooseDevice(0);
    EXPECT_EQ(nMade + 2, CFakeFilter::s_nMade);
}

TEST_F(VideoDeviceTest, LibraryInstanceEnumeratesOnItsFirstCallOnlyAndAnEmptyListChoosesNothing)
{
    ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(0, L"First"));
    VoHelper::CVideoDevice* pDevices = VoHelper::CVideoDevice::Instance();
    ASSERT_EQ(1, pDevices->m_nCount);
    ASSERT_HRESULT_SUCCEEDED(m_cameras.Add(1, L"Second"));
    EXPECT_EQ(pDevices, VoHelper::CVideoDevice::Instance());
    EXPECT_EQ(1, pDevices->m_nCount);
    pDevices->Refresh();
    EXPECT_EQ(2, pDevices->m_nCount);
    m_cameras.Remove(0);
    m_cameras.Remove(1);
    pDevices->Refresh();
    EXPECT_EQ(0, pDevices->m_nCount);
    EXPECT_EQ(-2, pDevices->m_nError);
    EXPECT_EQ(0, pDevices->HasDevice());
    const LONG nMade = CFakeFilter::s_nMade;
    pDevices->ChooseDevice(0);
    EXPECT_EQ(nMade, CFakeFilter::s_nMade);
}

} // namespace
