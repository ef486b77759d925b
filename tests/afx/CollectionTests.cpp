// Collections: list order and editing while iterating, hash map lookup and iteration, arrays
// growing and shrinking.
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

void* P(INT_PTR value)
{
    return reinterpret_cast<void*>(value);
}

std::vector<INT_PTR> Contents(const CPtrList& list)
{
    std::vector<INT_PTR> values;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        values.push_back(reinterpret_cast<INT_PTR>(list.GetNext(pos)));
    return values;
}

TEST(CPtrListTest, InsertsInOrderAndRemovesWhileIteratingBothWays)
{
    CPtrList list(10);
    list.AddTail(P(2));
    list.AddHead(P(1));
    const POSITION three = list.AddTail(P(3));
    list.InsertBefore(three, P(25));
    list.InsertAfter(three, P(4));
    list.InsertBefore(nullptr, P(0));
    list.InsertAfter(nullptr, P(5));
    EXPECT_EQ((std::vector<INT_PTR>{0, 1, 2, 25, 3, 4, 5}), Contents(list));
    EXPECT_EQ(nullptr, list.Find(P(3), three));
    EXPECT_EQ(three, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(7));

    for (INT_PTR i = 6; i < 10; ++i)
        list.AddTail(P(i));
    list.RemoveAt(list.Find(P(25)));
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION current = pos;
        if (reinterpret_cast<INT_PTR>(list.GetNext(pos)) % 2 == 0)
            list.RemoveAt(current);
    }
    std::vector<INT_PTR> backwards;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards.push_back(reinterpret_cast<INT_PTR>(list.GetPrev(pos)));
    EXPECT_EQ((std::vector<INT_PTR>{9, 7, 5, 3, 1}), backwards);

    CList<CString> strings, other;
    other.AddTail(L"b");
    other.AddTail(L"c");
    strings.AddTail(L"x");
    strings.AddHead(&other);
    strings.AddTail(&other);
    CString joined;
    for (POSITION pos = strings.GetHeadPosition(); pos;)
        joined += strings.GetNext(pos);
    EXPECT_STREQ(L"bcxbc", joined);
}

TEST(CMapStringToStringTest, LooksUpAndVisitsEveryEntryOnceEvenWhileRemoving)
{
    CMapStringToString map;
    CString key, value;
    map.SetAt(L"a", L"1");
    map.SetAt(L"a", L"3");
    ASSERT_TRUE(map.Lookup(L"a", value));
    EXPECT_STREQ(L"3", value);
    EXPECT_FALSE(map.Lookup(L"A", value));
    EXPECT_STREQ(L"", map[L"new"]);
    EXPECT_EQ(2, map.GetCount());

    map.RemoveAll();
    for (int i = 0; i < 500; ++i) {
        key.Format(L"%d", i);
        map[key] = key + L"-value";
    }
    std::set<CString> seen;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.insert(key).second) << "visited twice: " << key.GetString();
        EXPECT_EQ(key + L"-value", value);
        if (_wtoi(key) % 5 != 0)
            map.RemoveKey(key);
    }
    EXPECT_EQ(500u, seen.size());
    EXPECT_EQ(100, map.GetCount());

    CMapStringToPtr ptrs;
    ptrs[L"two"] = P(2);
    ptrs.InitHashTable(101);
    void* found = nullptr;
    ASSERT_TRUE(ptrs.Lookup(L"two", found)) << "resizing the table lost an entry";
    EXPECT_EQ(P(2), found);
}

TEST(CArrayTest, GrowsInsertsAndRemoves)
{
    CArray<int, int> array;
    array.SetSize(3);
    array[0] = 10;
    EXPECT_EQ(3, array.Add(40));
    array.InsertAt(1, 7, 2);
    EXPECT_EQ((std::vector<int>{10, 7, 7, 0, 0, 40}),
              std::vector<int>(array.GetData(), array.GetData() + array.GetSize()));
    array.RemoveAt(1, 3);
    array.SetAtGrow(5, 9);
    EXPECT_EQ((std::vector<int>{10, 0, 40, 0, 0, 9}),
              std::vector<int>(array.GetData(), array.GetData() + array.GetSize()));

    CStringArray strings;
    strings.Add(L"first");
    for (int i = 0; i < 20; ++i)
        strings.Add(strings[0]); // the argument lives in the block that grows
    EXPECT_STREQ(L"first", strings[20]);
}

} // namespace
