// Collections: list order and editing while iterating, hash map lookup and iteration, arrays
// growing and shrinking, and the typed pointer wrappers.
#include <afxtempl.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<INT_PTR> Contents(const CPtrList& list)
{
    std::vector<INT_PTR> values;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        values.push_back(reinterpret_cast<INT_PTR>(list.GetNext(pos)));
    return values;
}

void* P(INT_PTR value)
{
    return reinterpret_cast<void*>(value);
}

TEST(CPtrListTest, AddsInsertsAndFindsInOrder)
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
    EXPECT_EQ(7, list.GetCount());
    EXPECT_EQ(three, list.Find(P(3)));
    EXPECT_EQ(nullptr, list.Find(P(3), three));
    EXPECT_EQ(nullptr, list.Find(P(99)));
    EXPECT_EQ(three, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(7));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(P(0), list.RemoveHead());
    EXPECT_EQ(P(5), list.RemoveTail());
    EXPECT_EQ(P(1), list.GetHead());
    EXPECT_EQ(P(4), list.GetTail());
}

TEST(CPtrListTest, RemovesTheCurrentElementWhileIterating)
{
    CPtrList list;
    for (INT_PTR i = 0; i < 10; ++i)
        list.AddTail(P(i));
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const POSITION current = pos;
        if (reinterpret_cast<INT_PTR>(list.GetNext(pos)) % 2 == 0)
            list.RemoveAt(current);
    }
    EXPECT_EQ((std::vector<INT_PTR>{1, 3, 5, 7, 9}), Contents(list));

    std::vector<INT_PTR> backwards;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards.push_back(reinterpret_cast<INT_PTR>(list.GetPrev(pos)));
    EXPECT_EQ((std::vector<INT_PTR>{9, 7, 5, 3, 1}), backwards);

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
}

TEST(CListTest, AddsWholeListsAtHeadAndTail)
{
    CList<CString> list, other;
    other.AddTail(L"b");
    other.AddTail(L"c");
    list.AddTail(L"x");
    list.AddHead(&other);
    list.AddTail(&other);
    CString joined;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        joined += list.GetNext(pos);
    EXPECT_STREQ(L"bcxbc", joined);
    EXPECT_NE(nullptr, list.Find(L"x"));
}

TEST(CMapStringToStringTest, LooksUpSetsAndRemoves)
{
    CMapStringToString map;
    CString value;
    EXPECT_FALSE(map.Lookup(L"a", value));
    map.SetAt(L"a", L"1");
    map[L"b"] = L"2";
    map.SetAt(L"a", L"3");
    EXPECT_EQ(2, map.GetCount());
    ASSERT_TRUE(map.Lookup(L"a", value));
    EXPECT_STREQ(L"3", value);
    EXPECT_FALSE(map.Lookup(L"A", value));
    EXPECT_STREQ(L"", map[L"new"]);
    EXPECT_EQ(3, map.GetCount());
    EXPECT_TRUE(map.RemoveKey(L"b"));
    EXPECT_FALSE(map.RemoveKey(L"b"));
    EXPECT_EQ(2, map.GetCount());
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    EXPECT_FALSE(map.Lookup(L"a", value));
}

TEST(CMapStringToStringTest, IterationVisitsEveryEntryOnce)
{
    CMapStringToString map;
    for (int i = 0; i < 500; ++i) {
        CString key;
        key.Format(L"key%d", i);
        map[key] = key + L"-value";
    }
    std::set<CString> seen;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.insert(key).second) << "visited twice: " << key.GetString();
        EXPECT_EQ(key + L"-value", value);
    }
    EXPECT_EQ(500u, seen.size());
}

TEST(CMapStringToStringTest, RemovingTheReturnedEntryKeepsIterating)
{
    CMapStringToString map;
    for (int i = 0; i < 100; ++i) {
        CString key;
        key.Format(L"%d", i);
        map[key] = L"v";
    }
    int visited = 0;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos; ++visited) {
        map.GetNextAssoc(pos, key, value);
        if (_wtoi(key) % 3 != 0)
            map.RemoveKey(key);
    }
    EXPECT_EQ(100, visited);
    EXPECT_EQ(34, map.GetCount());
}

TEST(CMapStringToPtrTest, ResizingTheHashTableKeepsEntries)
{
    CMapStringToPtr map;
    map[L"one"] = P(1);
    map[L"two"] = P(2);
    map.InitHashTable(101);
    EXPECT_EQ(101u, map.GetHashTableSize());
    void* value = nullptr;
    ASSERT_TRUE(map.Lookup(L"two", value));
    EXPECT_EQ(P(2), value);
    EXPECT_EQ(2, map.GetCount());
}

TEST(CArrayTest, GrowsInsertsAndRemoves)
{
    CArray<int, int> array;
    array.SetSize(3);
    EXPECT_EQ(0, array[2]);
    array[0] = 10;
    EXPECT_EQ(3, array.Add(40));
    array.InsertAt(1, 7, 2);
    EXPECT_EQ((std::vector<int>{10, 7, 7, 0, 0, 40}), std::vector<int>(array.GetData(), array.GetData() + array.GetSize()));
    array.RemoveAt(1, 3);
    EXPECT_EQ(3, array.GetSize());
    array.SetAtGrow(5, 9);
    EXPECT_EQ(6, array.GetCount());
    EXPECT_EQ(9, array.GetAt(5));
    array.InsertAt(8, 1);
    EXPECT_EQ(9, array.GetSize());
    EXPECT_EQ(8, array.GetUpperBound());

    CArray<int, int> copy;
    copy.Copy(array);
    EXPECT_EQ(9, copy.Append(array));
    EXPECT_EQ(18, copy.GetSize());
    copy.RemoveAll();
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(CStringArrayTest, AddsItsOwnElementsSafely)
{
    CStringArray array;
    array.Add(L"first");
    for (int i = 0; i < 20; ++i)
        array.Add(array[0]);
    EXPECT_EQ(21, array.GetSize());
    EXPECT_STREQ(L"first", array[20]);
    array.SetAt(1, L"second");
    EXPECT_STREQ(L"second", array.GetAt(1));
}

struct CItem {
    int id;
};

TEST(TypedPtrCollectionsTest, ReturnTypedPointers)
{
    CItem a{1}, b{2};
    CTypedPtrArray<CPtrArray, CItem*> array;
    array.Add(&a);
    array.Add(&b);
    EXPECT_EQ(2, array[1]->id);
    array[0] = &b;
    EXPECT_EQ(&b, array.GetAt(0));

    CTypedPtrList<CPtrList, CItem*> list;
    list.AddTail(&a);
    list.AddTail(&b);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(1, list.GetNext(pos)->id);
    EXPECT_EQ(2, list.GetNext(pos)->id);
    EXPECT_EQ(nullptr, pos);
    EXPECT_EQ(&a, list.RemoveHead());

    CTypedPtrMap<CMapStringToPtr, CString, CItem*> map;
    map[L"b"] = &b;
    CItem* found = nullptr;
    ASSERT_TRUE(map.Lookup(L"b", found));
    EXPECT_EQ(2, found->id);
    CString key;
    pos = map.GetStartPosition();
    map.GetNextAssoc(pos, key, found);
    EXPECT_STREQ(L"b", key);
    EXPECT_EQ(&b, found);
}

} // namespace
