// The bitmap data object: its interfaces, copies handed out by GetData (the caller's bitmap is
// kept), formats it does not offer, media it owns, and static pictures made from it.
#include "ChatTestSupport.h"

#include <ImageDataObject.h>

using chattest::ChatTest;

namespace {

_COM_SMARTPTR_TYPEDEF(IDataObject, IID_IDataObject);

HBITMAP MakeBitmap(int width, int height)
{
    return ::CreateBitmap(width, height, 1, 32, nullptr);
}

int BitmapWidth(HBITMAP hBitmap)
{
    BITMAP info = {};
    return ::GetObjectW(hBitmap, sizeof(info), &info) ? info.bmWidth : -1;
}

} // namespace

// The caller's bitmap is copied and kept; a medium handed over is owned and freed.
TEST(ImageDataObjectTest, HandsOutCopiesOfItsBitmapOnlyAndFreesTheMediaItOwns)
{
    const HBITMAP hBitmap = MakeBitmap(7, 5);
    CImageDataObject* pData = new CImageDataObject;
    IDataObjectPtr data(pData); // the first reference
    pData->SetBitmap(hBitmap);
    IStream* pStream = nullptr;
    EXPECT_EQ(E_NOINTERFACE, data->QueryInterface(IID_IStream, reinterpret_cast<void**>(&pStream)));

    FORMATETC format = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    STGMEDIUM medium = {};
    ASSERT_EQ(S_OK, data->GetData(&format, &medium));
    EXPECT_EQ(static_cast<DWORD>(TYMED_GDI), medium.tymed);
    EXPECT_NE(hBitmap, medium.hBitmap);
    EXPECT_EQ(7, BitmapWidth(medium.hBitmap));
    ::ReleaseStgMedium(&medium);
    FORMATETC dib = {CF_DIB, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(DV_E_FORMATETC, data->GetData(&dib, &medium));
    EXPECT_EQ(E_NOTIMPL, data->QueryGetData(&format));

    const HBITMAP hFirst = MakeBitmap(3, 3);
    const HBITMAP hSecond = MakeBitmap(4, 4);
    medium = {};
    medium.tymed = TYMED_GDI;
    medium.hBitmap = hFirst;
    EXPECT_EQ(S_OK, data->SetData(&format, &medium, TRUE));
    medium.hBitmap = hSecond;
    EXPECT_EQ(S_OK, data->SetData(&format, &medium, TRUE));
    EXPECT_EQ(-1, BitmapWidth(hFirst)) << "the medium it owned is freed when replaced";
    data = nullptr;
    EXPECT_EQ(-1, BitmapWidth(hSecond));
    EXPECT_EQ(7, BitmapWidth(hBitmap)) << "the caller keeps its bitmap";
    ::DeleteObject(hBitmap);
}

TEST_F(ChatTest, BitmapBecomesAStaticPictureWithTheUserValue)
{
    const HBITMAP hBitmap = MakeBitmap(9, 6);
    m_edit.AppendMsg(L"ab", nullptr, 0, 0);
    m_edit.SetSel(1, 1);
    EXPECT_EQ(1, CImageDataObject::InsertBitmap(m_edit.Ole(), hBitmap, 42));
    EXPECT_EQ(9, BitmapWidth(hBitmap)) << "the caller keeps its bitmap";
    const std::vector<REOBJECT> objects = Objects();
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ(1, objects[0].cp);
    EXPECT_EQ(42u, objects[0].dwUser);
    EXPECT_EQ(L"ab", Text());
    EXPECT_EQ(0, CImageDataObject::InsertBitmap(m_edit.Ole(), nullptr, 1));
    EXPECT_EQ(0, CImageDataObject::InsertBitmap(nullptr, hBitmap, 1));
    ::DeleteObject(hBitmap);
}
