// CXmlTreeCtrl and CXmlTreeItem: insertion order, OR-merged position words and their limits,
// relinking on deletion, counts, search order and ownership of attribute maps.

#include <XmlTreeCtrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kLimit = 0xFFFF;

DWORD Depth(const CXmlTreeItem* item) { return item->GetPosition() & 0xFFFF; }
DWORD Index(const CXmlTreeItem* item) { return item->GetPosition() >> 16; }

// Names of a sibling list from first, checking that every prev link points back.
std::wstring Siblings(const CXmlTreeItem* first)
{
    std::wstring names;
    const CXmlTreeItem* before = first ? first->GetPrev() : nullptr;
    for (const CXmlTreeItem* item = first; item; before = item, item = item->GetNext()) {
        EXPECT_EQ(before, item->GetPrev()) << "prev link of " << item->GetName().GetString();
        names += item->GetName().GetString();
    }
    return names;
}

// An attribute map that counts its destructions.
int g_mapsDestroyed = 0;
class CountedMap : public CMapStringToString {
public:
    ~CountedMap() override { ++g_mapsDestroyed; }
};

// Reaches the protected DeleteChildItem.
class ExposedTree : public CXmlTreeCtrl {
public:
    using CXmlTreeCtrl::DeleteChildItem;
};

} // namespace

TEST(XmlTree, FirstInsertIsTopLevelWhateverParentAndAfterSay)
{
    CXmlTreeCtrl other;
    CXmlTreeItem* foreign = other.InsertItem(L"foreign");
    CXmlTreeCtrl tree;
    CXmlTreeItem* item = tree.InsertItem(L"a", L"text", nullptr, foreign, foreign);
    EXPECT_EQ(item, tree.GetFirstItem());
    EXPECT_EQ(nullptr, item->GetParent());
    EXPECT_EQ(nullptr, item->GetPrev());
    EXPECT_EQ(0u, item->GetPosition());
    EXPECT_EQ(nullptr, foreign->GetChild());
    EXPECT_EQ(nullptr, foreign->GetNext());
    EXPECT_EQ(1, tree.GetItemCount());
    EXPECT_EQ(nullptr, tree.GetLastItem());
}

TEST(XmlTree, ChildrenInsertedWithoutAfterStandInReverseOrderWithUnrenumberedIndexes)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* root = tree.InsertItem(L"root");
    CXmlTreeItem* p = tree.InsertItem(L"P", L"", nullptr, root);
    CXmlTreeItem* q = tree.InsertItem(L"Q", L"", nullptr, root);
    CXmlTreeItem* r = tree.InsertItem(L"R", L"", nullptr, root);
    EXPECT_EQ(r, root->GetChild());
    EXPECT_EQ(L"RQP", Siblings(root->GetChild()));
    EXPECT_EQ(0u, Index(r));
    EXPECT_EQ(1u, Index(q));
    EXPECT_EQ(1u, Index(p));  // kept from when Q came in front of it
    for (CXmlTreeItem* child : {p, q, r}) {
        EXPECT_EQ(root, child->GetParent());
        EXPECT_EQ(1u, Depth(child));
    }
    // Top-level items without parent or after go in front too.
    tree.InsertItem(L"top");
    EXPECT_EQ(L"toproot", Siblings(tree.GetFirstItem()));
    EXPECT_EQ(5, tree.GetItemCount());
}

TEST(XmlTree, InsertBehindGivesIndexPlusOneNoParentAndMergesIntoFollower)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* root = tree.InsertItem(L"root");
    CXmlTreeItem* b = tree.InsertItem(L"b", L"", nullptr, root);
    CXmlTreeItem* a = tree.InsertItem(L"a", L"", nullptr, root);  // a: 0, b: 1
    CXmlTreeItem* last = tree.InsertItem(L"c", L"", nullptr, root, b);
    EXPECT_EQ(2u, Index(last));
    EXPECT_EQ(nullptr, last->GetParent());
    EXPECT_EQ(0u, Depth(last));
    CXmlTreeItem* middle = tree.InsertItem(L"m", L"", nullptr, nullptr, a);
    EXPECT_EQ(L"ambc", Siblings(root->GetChild()));
    EXPECT_EQ(1u, Index(middle));
    EXPECT_EQ(1u | 2u, Index(b));  // its own 1 OR-ed with m's index + 1
}

TEST(XmlTreeItem, SettersMergeDepthAndIndexWithOr)
{
    CXmlTreeItem shallow, deeper, item;
    ASSERT_EQ(1, deeper.SetParent(&shallow));
    ASSERT_EQ(1, item.SetParent(&deeper));     // depth 2
    ASSERT_EQ(1, item.SetParent(&shallow));    // 2 | 1
    EXPECT_EQ(3u, Depth(&item));
    EXPECT_EQ(&shallow, item.GetParent());
    ASSERT_EQ(1, item.SetPrev(&deeper));        // deeper has index 0: 1 << 16
    EXPECT_EQ(0x00010003u, item.GetPosition());
    EXPECT_EQ(1, item.SetParent(nullptr));
    EXPECT_EQ(nullptr, item.GetParent());
    EXPECT_EQ(0x00010003u, item.GetPosition());  // a null link changes nothing else
}

// The 65,536th level has depth 65535 and the 65,536th sibling behind the first index 65535: the
// item setters refuse to go further, but the tree still links the items, and deleting them keeps
// every list whole. Searching and destroying a chain this deep must not recurse.
TEST(XmlTree, PositionLimitsRefuseTheSettersButNotTheLinks)
{
    const int kItems = static_cast<int>(kLimit) + 1;
    CXmlTreeCtrl tree;
    CXmlTreeItem* deepest = tree.InsertItem(L"level");
    for (int level = 1; level < kItems; ++level)
        deepest = tree.InsertItem(L"level", L"", nullptr, deepest);
    ASSERT_EQ(kLimit, Depth(deepest));
    CXmlTreeItem* last = tree.InsertItem(L"run", L"", nullptr, deepest);
    for (int index = 1; index < kItems; ++index)
        last = tree.InsertItem(L"run", L"", nullptr, nullptr, last);
    ASSERT_EQ(kLimit, Index(last));

    CXmlTreeItem loose;
    EXPECT_EQ(0, loose.SetParent(deepest));
    EXPECT_EQ(0, loose.SetPrev(last));
    EXPECT_EQ(0, tree.SetItemPrev(&loose, last));
    EXPECT_EQ(nullptr, loose.GetParent());
    EXPECT_EQ(nullptr, loose.GetPrev());
    EXPECT_EQ(0u, loose.GetPosition());

    CXmlTreeItem* runFirst = deepest->GetChild();
    CXmlTreeItem* tooDeep = tree.InsertItem(L"beyond", L"", nullptr, deepest);
    EXPECT_EQ(deepest, tooDeep->GetParent());
    EXPECT_EQ(0u, Depth(tooDeep));  // the refused depth is left out of the position
    CXmlTreeItem* beyond = tree.InsertItem(L"beyond", L"", nullptr, nullptr, last);
    CXmlTreeItem* after = tree.InsertItem(L"after", L"", nullptr, nullptr, beyond);
    EXPECT_EQ(last, beyond->GetPrev());
    EXPECT_EQ(0u, Index(beyond));
    EXPECT_EQ(beyond, after->GetPrev());
    EXPECT_EQ(tooDeep, tree.GetItemByName(L"beyond"));  // found 65,536 levels down

    const int count = tree.GetItemCount();
    ASSERT_EQ(1, tree.DeleteItem(beyond));
    EXPECT_EQ(after, last->GetNext());
    EXPECT_EQ(last, after->GetPrev());
    ASSERT_EQ(1, tree.DeleteItem(tooDeep));
    EXPECT_EQ(runFirst, deepest->GetChild());
    EXPECT_EQ(deepest, runFirst->GetParent());
    EXPECT_EQ(nullptr, runFirst->GetPrev());
    EXPECT_EQ(count - 2, tree.GetItemCount());
    EXPECT_EQ(1, tree.DeleteAllItem());  // 131,074 items, no recursion
    EXPECT_EQ(0, tree.GetItemCount());
}

TEST(XmlTree, DeletingRelinksParentsSiblingsAndTheFirstSlot)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* root = tree.InsertItem(L"root");
    CXmlTreeItem* c = tree.InsertItem(L"c", L"", nullptr, root);
    CXmlTreeItem* b = tree.InsertItem(L"b", L"", nullptr, root);
    CXmlTreeItem* a = tree.InsertItem(L"a", L"", nullptr, root);
    CXmlTreeItem* behind = tree.InsertItem(L"x", L"", nullptr, nullptr, a);  // no parent link

    ASSERT_EQ(1, tree.DeleteItem(a));  // the first child: the parent's link moves on
    EXPECT_EQ(behind, root->GetChild());
    EXPECT_EQ(root, behind->GetParent());
    EXPECT_EQ(L"xbc", Siblings(root->GetChild()));
    ASSERT_EQ(1, tree.DeleteItem(b));  // a middle child: its neighbours join
    EXPECT_EQ(L"xc", Siblings(root->GetChild()));
    EXPECT_EQ(behind, c->GetPrev());

    CXmlTreeItem* top = tree.InsertItem(L"top");
    ASSERT_EQ(1, tree.DeleteItem(top));  // the first top-level item: the first slot moves on
    EXPECT_EQ(root, tree.GetFirstItem());
    EXPECT_EQ(nullptr, root->GetPrev());
    EXPECT_EQ(0, tree.DeleteItem(nullptr));
    ASSERT_EQ(1, tree.DeleteItem(root));  // the only top-level item
    EXPECT_EQ(nullptr, tree.GetFirstItem());
    EXPECT_EQ(0, tree.GetItemCount());
    EXPECT_NE(nullptr, tree.InsertItem(L"again"));  // an emptied tree is usable
}

TEST(XmlTree, CountsDropByEveryItemOfADeletedSubtree)
{
    ExposedTree tree;
    CXmlTreeItem* root = tree.InsertItem(L"root");
    CXmlTreeItem* branch = tree.InsertItem(L"branch", L"", nullptr, root);
    CXmlTreeItem* leaf = tree.InsertItem(L"leaf", L"", nullptr, branch);
    tree.InsertItem(L"leaf", L"", nullptr, branch);
    tree.InsertItem(L"deep", L"", nullptr, leaf);
    tree.InsertItem(L"sibling", L"", nullptr, root);
    ASSERT_EQ(6, tree.GetItemCount());
    ASSERT_EQ(1, tree.DeleteItem(branch));  // three descendants
    EXPECT_EQ(2, tree.GetItemCount());
    EXPECT_EQ(L"sibling", Siblings(root->GetChild()));

    ASSERT_EQ(1, tree.DeleteChildItem(root));
    EXPECT_EQ(1, tree.GetItemCount());
    EXPECT_EQ(nullptr, root->GetChild());  // no link left to a destroyed item
}

TEST(XmlTree, GetItemByNameWalksItemThenSubtreeThenFollowingSiblings)
{
    CXmlTreeCtrl tree;
    EXPECT_EQ(nullptr, tree.GetItemByName(L"a"));
    CXmlTreeItem* second = tree.InsertItem(L"top");
    CXmlTreeItem* first = tree.InsertItem(L"top");              // top-level: first, second
    CXmlTreeItem* inner = tree.InsertItem(L"x", L"", nullptr, first);
    CXmlTreeItem* innerDeep = tree.InsertItem(L"x", L"", nullptr, inner);
    CXmlTreeItem* secondX = tree.InsertItem(L"x", L"", nullptr, second);
    tree.InsertItem(L"y", L"", nullptr, first);                  // first's children: y, x

    EXPECT_EQ(first, tree.GetItemByName(L"top"));               // an item before its subtree
    EXPECT_EQ(inner, tree.GetItemByName(L"x"));                 // a subtree before the siblings
    EXPECT_EQ(nullptr, tree.GetItemByName(L"X"));               // case-sensitive
    EXPECT_EQ(nullptr, tree.GetItemByName(L"to"));              // whole name
    EXPECT_EQ(innerDeep, tree.GetItemByName(L"x", innerDeep));
    EXPECT_EQ(secondX, tree.GetItemByName(L"x", second));
    EXPECT_EQ(nullptr, tree.GetItemByName(L"top", inner));      // ancestors are not visited
    EXPECT_EQ(nullptr, tree.GetItemByName(L"y", inner));        // nor earlier siblings
}

TEST(XmlTree, ItemsOwnTheirAttributeMaps)
{
    g_mapsDestroyed = 0;
    {
        CXmlTreeCtrl tree;
        CXmlTreeItem* root = tree.InsertItem(L"root", L"", new CountedMap);
        CXmlTreeItem* child = tree.InsertItem(L"child", L"", new CountedMap, root);
        tree.InsertItem(L"grandchild", L"", new CountedMap, child);
        CMapStringToString* held = child->GetAttri();
        EXPECT_EQ(1, tree.SetItemAttri(child, held));  // handing back the held map keeps it
        EXPECT_EQ(0, g_mapsDestroyed);
        EXPECT_EQ(1, root->SetAttri(new CountedMap));  // replacing destroys the old one
        EXPECT_EQ(1, g_mapsDestroyed);
        EXPECT_EQ(1, tree.DeleteItem(child));           // with its subtree's maps
        EXPECT_EQ(3, g_mapsDestroyed);
        EXPECT_EQ(1, root->SetAttri(nullptr));
        EXPECT_EQ(4, g_mapsDestroyed);
        tree.InsertItem(L"other", L"", new CountedMap);
    }
    EXPECT_EQ(5, g_mapsDestroyed);  // the tree's destructor destroys the rest
}

TEST(XmlTree, ItemAccessorsOfTheTreeMatchTheItemAndTolerateNull)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* root = tree.InsertItem(L"root", L"text");
    CXmlTreeItem* child = tree.InsertItem(L"child", L"", nullptr, root);
    EXPECT_EQ(1, tree.SetItemName(child, L"renamed"));
    EXPECT_EQ(1, tree.SetItemText(child, L"words"));
    EXPECT_STREQ(L"renamed", tree.GetItemName(child));
    EXPECT_STREQ(L"words", tree.GetItemText(child));
    EXPECT_EQ(root, tree.GetParentItem(child));
    EXPECT_EQ(child, tree.GetChildItem(root));
    EXPECT_EQ(child->GetPosition(), tree.GetItemPos(child));
    // Hand splicing changes one link only and never the count.
    CXmlTreeItem loose(L"loose");
    EXPECT_EQ(1, tree.SetItemNext(child, &loose));
    EXPECT_EQ(nullptr, loose.GetPrev());
    EXPECT_EQ(1, tree.SetItemNext(child, nullptr));
    EXPECT_EQ(2, tree.GetItemCount());

    EXPECT_EQ(nullptr, tree.GetNextItem(nullptr));
    EXPECT_EQ(nullptr, tree.GetItemAttri(nullptr));
    EXPECT_TRUE(tree.GetItemName(nullptr).IsEmpty());
    EXPECT_EQ(0u, tree.GetItemPos(nullptr));
    EXPECT_EQ(0, tree.SetItemText(nullptr, L"x"));
    EXPECT_EQ(0, tree.SetItemParent(nullptr, root));
}
