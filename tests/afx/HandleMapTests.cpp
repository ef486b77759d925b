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

CWrapper* MakeWrapper(HANDLE h)
{
    auto* wrapper = new CWrapper;
    wrapper->m_h = h;
    return wrapper;
}

void DeleteWrapper(CWrapper* wrapper)
{
    wrapper->m_h = nullptr;
    delete wrapper;
}

HANDLE H(INT_PTR value)
{
    return reinterpret_cast<HANDLE>(value);
}

class HandleMapTest : public ::testing::Test {
protected:
    void SetUp() override { CWrapper::s_deleted = 0; }
    void TearDown() override { AfxDeleteTempMaps(); }

    CHandleMap<CWrapper> m_map{&MakeWrapper, &DeleteWrapper};
};

TEST_F(HandleMapTest, MakesOneTemporaryWrapperPerHandleUntilTempMapsAreDeleted)
{
    CWrapper* first = m_map.FromHandle(H(0x10));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(H(0x10), first->m_h);
    EXPECT_EQ(first, m_map.FromHandle(H(0x10)));
    EXPECT_EQ(first, m_map.LookupTemporary(H(0x10)));
    EXPECT_EQ(nullptr, m_map.LookupPermanent(H(0x10)));
    EXPECT_NE(first, m_map.FromHandle(H(0x20)));
    EXPECT_EQ(nullptr, m_map.FromHandle(nullptr));

    AfxDeleteTempMaps();
    EXPECT_EQ(2, CWrapper::s_deleted);
    EXPECT_EQ(nullptr, m_map.LookupTemporary(H(0x10)));
}

TEST_F(HandleMapTest, PermanentObjectsWinAndAreSeenByOtherThreads)
{
    CWrapper permanent;
    permanent.m_h = H(0x30);
    m_map.SetPermanent(H(0x30), &permanent);
    EXPECT_EQ(&permanent, m_map.FromHandle(H(0x30)));

    CWrapper* seenByOther = nullptr;
    CWrapper* tempOfOther = nullptr;
    std::thread([&] {
        seenByOther = m_map.FromHandle(H(0x30));
        tempOfOther = m_map.FromHandle(H(0x40));
        AfxDeleteTempMaps();
    }).join();
    EXPECT_EQ(&permanent, seenByOther);
    EXPECT_NE(nullptr, tempOfOther);
    EXPECT_EQ(1, CWrapper::s_deleted);
    EXPECT_EQ(nullptr, m_map.LookupTemporary(H(0x40)));

    m_map.RemoveHandle(H(0x30));
    EXPECT_EQ(nullptr, m_map.LookupPermanent(H(0x30)));
    EXPECT_NE(&permanent, m_map.FromHandle(H(0x30)));
}

TEST_F(HandleMapTest, TemporaryWrappersAreKeptPerThread)
{
    CWrapper* mine = m_map.FromHandle(H(0x50));
    CWrapper* theirs = nullptr;
    std::thread([&] {
        theirs = m_map.FromHandle(H(0x50));
        AfxDeleteTempMaps();
    }).join();
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(mine, m_map.LookupTemporary(H(0x50)));
}

} // namespace
