// The component as an OLE object: registration where Wine finds it (and gone once unregistered),
// the current frame through IDataObject (CF_BITMAP) and IViewObject2, its size, storage round
// trip, refused pictures, and no GDI object kept per call.
#include <initguid.h>

#include "FaceAnimTest.h"

#include <afxlite/AfxScoped.h>

#include "../common/GdiTestSupport.h"

#include <vector>

namespace {

_COM_SMARTPTR_TYPEDEF(IDataObject, IID_IDataObject);
_COM_SMARTPTR_TYPEDEF(IViewObject2, IID_IViewObject2);
_COM_SMARTPTR_TYPEDEF(IOleObject, IID_IOleObject);
_COM_SMARTPTR_TYPEDEF(IPersistStorage, IID_IPersistStorage);
_COM_SMARTPTR_TYPEDEF(IStorage, IID_IStorage);
_COM_SMARTPTR_TYPEDEF(ILockBytes, IID_ILockBytes);

FORMATETC BitmapFormat()
{
    return {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
}

IStoragePtr MemoryStorage()
{
    ILockBytes* pBytes = nullptr;
    IStorage* pStorage = nullptr;
    if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, &pBytes)))
        return nullptr;
    const ILockBytesPtr bytes(pBytes, false);
    if (FAILED(
            ::StgCreateDocfileOnILockBytes(bytes, STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0, &pStorage)))
        return nullptr;
    return IStoragePtr(pStorage, false);
}

typedef HRESULT(STDAPICALLTYPE* PFN_SERVER)();

HRESULT CallServer(const char* pszEntry)
{
    const HMODULE hModule = ::LoadLibraryW(L"faceanim.dll");
    const auto pfn = hModule ? reinterpret_cast<PFN_SERVER>(::GetProcAddress(hModule, pszEntry)) : nullptr;
    const HRESULT hr = pfn ? pfn() : E_FAIL;
    if (hModule)
        ::FreeLibrary(hModule);
    return hr;
}

std::wstring RegisteredServer()
{
    wchar_t value[MAX_PATH] = {};
    DWORD dwSize = sizeof(value);
    ::RegGetValueW(HKEY_LOCAL_MACHINE,
                   L"Software\\Classes\\CLSID\\{06ADA938-0FB0-4BC0-B19B-0A38AB17F182}\\InprocServer32", nullptr,
                   RRF_RT_REG_SZ, nullptr, value, &dwSize);
    return value;
}

} // namespace

TEST_F(FaceAnimTest, RegisteredForWineAndGoneOnceUnregistered)
{
    const std::wstring server = RegisteredServer();
    ASSERT_GE(server.size(), 12u);
    EXPECT_EQ(L"faceanim.dll", server.substr(server.size() - 12)) << "below HKLM\\Software\\Classes";
    ASSERT_NE(nullptr, Create());

    ASSERT_EQ(S_OK, CallServer("DllUnregisterServer"));
    const CScopeExit reregister([] { CallServer("DllRegisterServer"); });
    EXPECT_TRUE(RegisteredServer().empty());
    IFaceAnimatorPtr missing;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, missing.CreateInstance(CLSID_FaceAnimator, nullptr, CLSCTX_ALL));

    EXPECT_EQ(S_OK, CallServer("DllRegisterServer"));
    EXPECT_EQ(server, RegisteredServer());
}

TEST_F(FaceAnimTest, HandsOutAndDrawsTheCurrentFrameAtItsSize)
{
    IFaceAnimatorPtr animator = Create(L"animation.gif");
    ASSERT_NE(nullptr, animator);
    EXPECT_EQ(kBlue, DataPixel(animator, 8, 8));

    SIZEL extent = {};
    ASSERT_EQ(S_OK, IOleObjectPtr(animator)->GetExtent(DVASPECT_CONTENT, &extent));
    const CScopedGetDC screen(nullptr);
    EXPECT_EQ(::MulDiv(16, 2540, ::GetDeviceCaps(screen, LOGPIXELSX)), extent.cx);

    IViewObject2Ptr view(animator);
    CDibTarget target(20, 20, kCyan);
    const RECTL bounds = {2, 2, 18, 18};
    ASSERT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, target.GetDC()->GetSafeHdc(), &bounds,
                               nullptr, nullptr, 0));
    ExpectPixels(target, {{2, 2, kBlue}, {17, 17, kBlue}, {1, 1, kCyan}, {18, 18, kCyan}});

    IDataObjectPtr data(animator);
    FORMATETC text = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(&text));
    FORMATETC bitmap = BitmapFormat();
    EXPECT_EQ(S_OK, data->QueryGetData(&bitmap));
}

TEST_F(FaceAnimTest, StorageKeepsThePictureAndHostilePicturesAreRefused)
{
    IFaceAnimatorPtr original = Create(L"frames.gif");
    const IStoragePtr storage = MemoryStorage();
    ASSERT_NE(nullptr, storage);
    ASSERT_EQ(S_OK, IPersistStoragePtr(original)->Save(storage, TRUE));
    IFaceAnimatorPtr copy = Create(nullptr);
    ASSERT_EQ(S_OK, IPersistStoragePtr(copy)->Load(storage));
    EXPECT_EQ(kRed, DataPixel(copy, 6, 6));

    std::string truncated = ResourceBytes(IDR_TEST_ANIMATION_GIF).substr(0, 100);
    ASSERT_TRUE(m_folder.Write(L"truncated.gif", truncated));
    ASSERT_TRUE(m_folder.Write(L"header.gif", truncated.substr(0, 20)));
    ASSERT_TRUE(m_folder.Write(L"text.gif", "not a picture at all"));
    IFaceAnimatorPtr animator = Create(nullptr);
    EXPECT_EQ(S_OK, animator->LoadFromFile(_bstr_t(Path(L"truncated.gif").c_str()))) << "the frames it holds";
    EXPECT_EQ(kBlue, DataPixel(animator, 8, 8));
    VARIANT_BOOL playing = VARIANT_TRUE;
    EXPECT_EQ(S_OK, animator->Play(&playing));
    EXPECT_EQ(VARIANT_FALSE, playing) << "one frame left: nothing to play";
    for (const wchar_t* name : {L"header.gif", L"text.gif", L"missing.gif", L""}) {
        SCOPED_TRACE(testing::Message() << name);
        EXPECT_TRUE(FAILED(animator->LoadFromFile(_bstr_t(*name ? Path(name).c_str() : L""))));
        EXPECT_EQ(CLR_INVALID, DataPixel(animator, 0, 0)) << "an object that failed to load is blank";
        EXPECT_EQ(OLE_E_BLANK, animator->Play(nullptr));
    }
}

// A long chat shows thousands of emoticons: none may hold a GDI object of its own once drawn,
// or the process's GDI quota runs out.
TEST_F(FaceAnimTest, DrawnEmoticonsAndHandedOutFramesKeepNoGdiObjects)
{
    std::vector<IFaceAnimatorPtr> animators;
    CDibTarget target(16, 16, kCyan);
    const RECTL bounds = {0, 0, 16, 16};
    EXPECT_LE(GdiObjectsKeptBy(200,
                               [&] {
                                   animators.push_back(Create(L"frames.gif"));
                                   IViewObject2Ptr view(animators.back());
                                   ASSERT_EQ(S_OK,
                                             view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr,
                                                        target.GetDC()->GetSafeHdc(), &bounds, nullptr, nullptr, 0));
                                   DataPixel(animators.back(), 1, 1);
                               }),
              kGdiCountSlack);
    EXPECT_EQ(201u, animators.size());
}
