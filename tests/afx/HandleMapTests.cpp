// Handle maps: permanent objects are shared by all threads, temporary wrappers are made once per
// thread and handle and go away with AfxDeleteTempMaps.
#include <afx.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

struct CWrapper {
    HANDLE m_h = nullptr;
    static int s_deleted;
    ~CWrapper() { ++s_deleted; }
};
int CWrapper::s_deleted = 0;

HANDLE H(INT_PTR value)
{
    return reinterpret_cast<HANDLE>(value);
}

TEST(HandleMapTest, TemporaryWrappersArePerThreadAndPermanentOnesShared)
{
    CWrapper::s_deleted = 0;
    CHandleMap<CWrapper> map{[](HANDLE h) { return new CWrapper{h}; }, [](CWrapper* w) { delete w; }};
    CWrapper permanent;
    map.SetPermanent(H(0x30), &permanent);
    CWrapper* mine = map.FromHandle(H(0x10));
    ASSERT_NE(nullptr, mine);
    EXPECT_EQ(H(0x10), mine->m_h);
    EXPECT_EQ(mine, map.FromHandle(H(0x10)));
    EXPECT_EQ(nullptr, map.FromHandle(nullptr));

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
    map.RemoveHandle(H(0x30));
    EXPECT_EQ(nullptr, map.LookupPermanent(H(0x30)));
    AfxDeleteTempMaps();
}

} // namespace
