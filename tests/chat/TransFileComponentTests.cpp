// The file-transfer component (transfile.dll) on its own: its dispatch members with their
// argument checks, and its picture through both drawing paths (IDataObject's CF_BITMAP, which
// Wine's rich edit uses, and IViewObject::Draw): the bar follows the progress, grey once ended.
#include "ChatTestSupport.h"

#include "../common/GdiTestSupport.h"

using chattest::ChatTest;

namespace {

_COM_SMARTPTR_TYPEDEF(IDispatch, IID_IDispatch);
_COM_SMARTPTR_TYPEDEF(IDataObject, IID_IDataObject);
_COM_SMARTPTR_TYPEDEF(IViewObject2, IID_IViewObject2);

const COLORREF kBack = RGB(255, 255, 255);
const COLORREF kBar = RGB(0, 120, 215);
const COLORREF kEndedBar = RGB(150, 150, 150);
// Points inside the bar: near its start and near its end.
const int kBarY = 38;
const int kBarStartX = 20;
const int kBarEndX = 240;

HRESULT Invoke(IDispatch* pAx, DISPID dispId, WORD wFlags, std::vector<_variant_t> args, VARIANT* pResult = nullptr)
{
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {reversed.data(), wFlags == DISPATCH_PROPERTYPUT ? &putId : nullptr,
                         static_cast<UINT>(reversed.size()), wFlags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    return pAx->Invoke(dispId, IID_NULL, 0, wFlags, &params, pResult, nullptr, nullptr);
}

} // namespace

TEST_F(ChatTest, TransferComponentMembersCheckTheirArguments)
{
    IDispatchPtr ax;
    ASSERT_EQ(S_OK, ax.CreateInstance(CLSID_TransFile, nullptr, CLSCTX_INPROC_SERVER)) << "registered by the build";
    EXPECT_EQ(S_OK, Invoke(ax, DISPID_TRANSFILE_TRANSFERID, DISPATCH_PROPERTYPUT, {_variant_t(L"-7")}));
    _variant_t id;
    EXPECT_EQ(S_OK, Invoke(ax, DISPID_TRANSFILE_TRANSFERID, DISPATCH_PROPERTYGET, {}, &id));
    EXPECT_EQ(-7, id.iVal) << "converted to 16 bits";
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Invoke(ax, DISPID_TRANSFILE_SETSTATUS, DISPATCH_METHOD, {_variant_t(L"x")}));
    EXPECT_EQ(DISP_E_TYPEMISMATCH,
              Invoke(ax, DISPID_TRANSFILE_SETFILEINFO, DISPATCH_METHOD, {_variant_t(L"a"), _variant_t(L"big")}));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Invoke(ax, 99, DISPATCH_METHOD, {}));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Invoke(ax, DISPID_TRANSFILE_STATUS, DISPATCH_PROPERTYPUT, {_variant_t(L"x")}));

    EXPECT_EQ(S_OK, Invoke(ax, DISPID_TRANSFILE_SETPROGRESS, DISPATCH_METHOD, {_variant_t(short(500))}));
    _variant_t progress;
    Invoke(ax, DISPID_TRANSFILE_PROGRESS, DISPATCH_PROPERTYGET, {}, &progress);
    EXPECT_EQ(100, progress.iVal) << "clamped";

    LPOLESTR names[] = {const_cast<LPOLESTR>(L"setstatus")};
    DISPID dispId = 0;
    EXPECT_EQ(S_OK, ax->GetIDsOfNames(IID_NULL, names, 1, 0, &dispId));
    EXPECT_EQ(DISPID_TRANSFILE_SETSTATUS, dispId);
}

TEST_F(ChatTest, TransferComponentDrawsItsBarThroughBothPaths)
{
    IDispatchPtr ax;
    ASSERT_EQ(S_OK, ax.CreateInstance(CLSID_TransFile, nullptr, CLSCTX_INPROC_SERVER));
    Invoke(ax, DISPID_TRANSFILE_SETFILEINFO, DISPATCH_METHOD, {_variant_t(L"a.zip"), _variant_t(3.4e6)});
    Invoke(ax, DISPID_TRANSFILE_SETPROGRESS, DISPATCH_METHOD, {_variant_t(short(50))});
    EXPECT_EQ(kBar, DataPixel(ax, kBarStartX, kBarY));
    EXPECT_EQ(kBack, DataPixel(ax, kBarEndX, kBarY));

    CDibTarget target(260, 50, RGB(1, 2, 3));
    ASSERT_TRUE(target.IsReady());
    IViewObject2Ptr view(ax);
    const RECTL bounds = {0, 0, 260, 50};
    ASSERT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, target.GetDC()->m_hDC, &bounds, nullptr,
                               nullptr, 0));
    EXPECT_EQ(kBar, target.Pixel(kBarStartX, kBarY));
    EXPECT_EQ(kBack, target.Pixel(kBarEndX, kBarY));

    Invoke(ax, DISPID_TRANSFILE_SETSTATUS, DISPATCH_METHOD, {_variant_t(L"done"), _variant_t(true)});
    EXPECT_EQ(kEndedBar, DataPixel(ax, kBarStartX, kBarY));
}
