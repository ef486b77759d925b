// Run-time classes: IsKindOf along the base chain, factories, lookup by name and checked
// downcasts (a class leaving the list with its module is in ResourceChainTests).
#include <afx.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CAnimal : public CObject {
    DECLARE_DYNAMIC(CAnimal)
};
IMPLEMENT_DYNAMIC(CAnimal, CObject)

class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)
public:
    int m_legs = 4;
};
IMPLEMENT_DYNCREATE(CDog, CAnimal)

class CStone : public CObject {
    DECLARE_DYNAMIC(CStone)
};
IMPLEMENT_DYNAMIC(CStone, CObject)

TEST(RuntimeClassTest, KindsDowncastsAndFactoriesFollowTheBaseChain)
{
    CDog dog;
    CStone plain;
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_EQ(&dog, DYNAMIC_DOWNCAST(CAnimal, static_cast<CObject*>(&dog)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CAnimal, static_cast<CObject*>(&plain)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CAnimal, static_cast<CObject*>(nullptr)));

    std::unique_ptr<CObject> created(CRuntimeClass::CreateObject(L"CDog"));
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(4, static_cast<CDog*>(created.get())->m_legs);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CAnimal)->CreateObject()) << "not DYNCREATE";
    EXPECT_EQ(RUNTIME_CLASS(CDog), CRuntimeClass::FromName("CDog"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName(L"CObject"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(static_cast<LPCWSTR>(nullptr)));
}

} // namespace
