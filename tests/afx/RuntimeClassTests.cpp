// Run-time classes: IsKindOf along the base chain, factories, lookup by name across modules,
// checked downcasts and leaving the class list.
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
    DECLARE_DYNCREATE(CStone)
};
IMPLEMENT_DYNCREATE(CStone, CObject)

TEST(RuntimeClassTest, IsKindOfFollowsTheBaseChain)
{
    CDog dog;
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CStone)));
    EXPECT_EQ(RUNTIME_CLASS(CAnimal), RUNTIME_CLASS(CDog)->GetBaseClass());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->GetBaseClass());
    EXPECT_STREQ("CDog", dog.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CDog)), RUNTIME_CLASS(CDog)->m_nObjectSize);
}

TEST(RuntimeClassTest, CreatesObjectsOnlyForDynCreateClasses)
{
    std::unique_ptr<CObject> dog(RUNTIME_CLASS(CDog)->CreateObject());
    ASSERT_NE(nullptr, dog);
    EXPECT_EQ(RUNTIME_CLASS(CDog), dog->GetRuntimeClass());
    EXPECT_EQ(4, static_cast<CDog*>(dog.get())->m_legs);
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CAnimal)->CreateObject());
}

TEST(RuntimeClassTest, FindsClassesOfThisModuleAndOfTheFrameworkByName)
{
    EXPECT_EQ(RUNTIME_CLASS(CDog), CRuntimeClass::FromName("CDog"));
    EXPECT_EQ(RUNTIME_CLASS(CDog), CRuntimeClass::FromName(L"CDog"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName(L"CObject"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(L"CNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(static_cast<LPCWSTR>(nullptr)));
    std::unique_ptr<CObject> stone(CRuntimeClass::CreateObject(L"CStone"));
    ASSERT_NE(nullptr, stone);
    EXPECT_TRUE(stone->IsKindOf(RUNTIME_CLASS(CStone)));
}

TEST(RuntimeClassTest, ClassLeavesTheListWhenItsRegistrarIsDestroyed)
{
    // The same registrar object IMPLEMENT_DYNAMIC creates, destroyed as at module unload.
    CRuntimeClass transient = {"CTransient", 1, 0xFFFF, nullptr, nullptr};
    {
        const AFX_CLASSINIT registrar(&transient);
        EXPECT_EQ(&transient, CRuntimeClass::FromName(L"CTransient"));
    }
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(L"CTransient"));
}

TEST(RuntimeClassTest, DynamicDowncastYieldsNullForOtherClasses)
{
    CDog dog;
    CStone stone;
    CObject* object = &dog;
    EXPECT_EQ(&dog, DYNAMIC_DOWNCAST(CAnimal, object));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CAnimal, static_cast<CObject*>(&stone)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CAnimal, static_cast<CObject*>(nullptr)));
    EXPECT_EQ(&dog, STATIC_DOWNCAST(CDog, object));
}

} // namespace
