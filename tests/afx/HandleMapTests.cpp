// Handle maps and the ownership rules every wrapper shares: permanent objects are shared by all
// threads, temporary wrappers are made once per thread and handle and go away with
// AfxDeleteTempMaps; misuse of Attach and Detach ends the process in a debug build.
#include <afxgdi.h>
#include <afxwin.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

struct CWrapper {
    HANDLE m_h = nullptr;
    static int s_deleted;
    ~CWrapper() { ++s_deleted; }
};
int CWrapper::s_deleted = 0;

using CWrapperMap = CHandleMap<CWrapper, HANDLE, &CWrapper::m_h>;

HANDLE H(INT_PTR value)
{
    return reinterpret_cast<HANDLE>(value);
}

TEST(HandleMapTest, TemporaryWrappersArePerThreadAndPermanentOnesShared)
{
    CWrapper::s_deleted = 0;
    CWrapperMap map;
    CWrapper permanent;
    ASSERT_TRUE(map.Attach(permanent, H(0x30)));
    CWrapper* mine = map.FromHandle(H(0x10));
    ASSERT_NE(nullptr, mine);
    EXPECT_EQ(H(0x10), mine->m_h);
    EXPECT_EQ(mine, map.FromHandle(H(0x10)));
    EXPECT_EQ(nullptr, map.FromHandle(nullptr));
    EXPECT_EQ(nullptr, map.FromHandlePermanent(H(0x10)));

    CWrapper* theirs = nullptr;
    CWrapper* permanentOfOther = nullptr;
    std::thread([&] {
        theirs = map.FromHandle(H(0x10));
        permanentOfOther = map.FromHandle(H(0x30));
        AfxDeleteTempMaps();
    }).join();
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(&permanent, permanentOfOther);
    EXPECT_EQ(1, CWrapper::s_deleted);
    EXPECT_EQ(mine, map.LookupTemporary(H(0x10)));

    AfxDeleteTempMaps();
    EXPECT_EQ(2, CWrapper::s_deleted);
    EXPECT_EQ(nullptr, map.LookupTemporary(H(0x10)));
    EXPECT_EQ(H(0x30), map.Detach(permanent));
    EXPECT_EQ(nullptr, permanent.m_h);
    EXPECT_EQ(nullptr, map.FromHandlePermanent(H(0x30)));
    EXPECT_FALSE(map.Attach(permanent, nullptr)) << "a creation that gave no handle";
    AfxDeleteTempMaps();
}

TEST(HandleMapTest, StockObjectsMayBeHeldByAnyNumberOfWrappers)
{
    CBrush first;
    CBrush second;
    ASSERT_TRUE(first.CreateStockObject(WHITE_BRUSH));
    ASSERT_TRUE(second.CreateStockObject(WHITE_BRUSH));
    EXPECT_EQ(first.m_hObject, second.m_hObject);
    EXPECT_EQ(nullptr, CGdiObject::FromHandlePermanent(first.m_hObject)) << "nobody stands for a shared handle";
    CBrush window;
    CBrush windowToo;
    ASSERT_TRUE(window.CreateSysColorBrush(COLOR_WINDOW));
    ASSERT_TRUE(windowToo.CreateSysColorBrush(COLOR_WINDOW));
    EXPECT_TRUE(first.DeleteObject());
    window.DeleteObject();
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(second.m_hObject)) << "a stock object outlives a delete";
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(windowToo.m_hObject));
}

// Each misuse a caller can make of the ownership rules; every wrapper class goes through the
// same map code, so one class per rule stands for all.
TEST(HandleMapDeathTest, AttachingAHeldOrForeignHandleOrDetachingNothingEndsTheProcess)
{
    EXPECT_DEATH(
        {
            CMenu owner;
            owner.CreatePopupMenu();
            CMenu thief;
            thief.Attach(owner.m_hMenu);
        },
        "Assertion failed: .*CHandleMap\\.h");
    EXPECT_DEATH(
        {
            CBrush brush;
            brush.CreateSolidBrush(RGB(1, 2, 3));
            brush.CreateSolidBrush(RGB(4, 5, 6));
        },
        "Assertion failed: .*CHandleMap\\.h");
    EXPECT_DEATH(CWnd().Detach(), "Assertion failed: .*CHandleMap\\.h");
}

} // namespace
