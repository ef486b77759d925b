// CXmlTreeCtrl and CXmlTreeItem: insertion order, OR-merged position words and their limits,
// relinking on deletion, counts, search order and ownership of attribute maps.

#include "XmlTestSupport.h"

#include <string>

namespace {

const DWORD kLimit = 0xFFFF;

DWORD Depth(const CXmlTreeItem* item)
{
    return item->GetPosition() & 0xFFFF;
}
DWORD Index(const CXmlTreeItem* item)
{
    return item->GetPosition() >> 16;
}

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

TEST(XmlTree, ChildrenGoInFrontAndItemsInsertedBehindMergeTheirIndexIntoTheFollower)
{
    CXmlTreeCtrl other;
    CXmlTreeItem* foreign = other.InsertItem(L"foreign");
    CXmlTreeCtrl tree;
    CXmlTreeItem* root = tree.InsertItem(L"root", L"", nullptr, foreign, foreign);
    EXPECT_EQ(nullptr, root->GetParent()) << "the first item is top-level whatever parent and after say";
    EXPECT_EQ(0u, root->GetPosition());
    EXPECT_EQ(nullptr, foreign->GetChild());
    EXPECT_EQ(nullptr, foreign->GetNext());

    CXmlTreeItem* p = tree.InsertItem(L"P", L"", nullptr, root);
    CXmlTreeItem* q = tree.InsertItem(L"Q", L"", nullptr, root);
    CXmlTreeItem* r = tree.InsertItem(L"R", L"", nullptr, root);
    EXPECT_EQ(L"R,Q,P", Names(root->GetChild()));
    EXPECT_EQ(0u, Index(r));
    EXPECT_EQ(1u, Index(q));
    EXPECT_EQ(1u, Index(p)); // kept from when Q came in front of it
    for (CXmlTreeItem* child : {p, q, r}) {
        EXPECT_EQ(root, child->GetParent());
        EXPECT_EQ(1u, Depth(child));
    }
    // Behind an item: its index + 1, no parent link, depth 0; the follower ORs in the new index + 1.
    CXmlTreeItem* last = tree.InsertItem(L"c", L"", nullptr, root, p);
    EXPECT_EQ(2u, Index(last));
    EXPECT_EQ(nullptr, last->GetParent());
    EXPECT_EQ(0u, Depth(last));
    CXmlTreeItem* middle = tree.InsertItem(L"m", L"", nullptr, nullptr, r);
    EXPECT_EQ(L"R,m,Q,P,c", Names(root->GetChild()));
    EXPECT_EQ(1u, Index(middle));
    EXPECT_EQ(1u | 2u, Index(q));

    tree.InsertItem(L"top");
    EXPECT_EQ(L"top,root", Names(tree.GetFirstItem()));
    EXPECT_EQ(7, tree.GetItemCount());
}

TEST(XmlTreeItem, SettersMergeDepthAndIndexWithOr)
{
    CXmlTreeItem shallow, deeper, item;
    ASSERT_EQ(1, deeper.SetParent(&shallow));
    ASSERT_EQ(1, item.SetParent(&deeper));  // depth 2
    ASSERT_EQ(1, item.SetParent(&shallow)); // 2 | 1
    EXPECT_EQ(3u, Depth(&item));
    EXPECT_EQ(&shallow, item.GetParent());
    ASSERT_EQ(1, item.SetPrev(&deeper)); // deeper has index 0: 1 << 16
    EXPECT_EQ(0x00010003u, item.GetPosition());
    EXPECT_EQ(1, item.SetParent(nullptr));
    EXPECT_EQ(0x00010003u, item.GetPosition()); // a null link changes nothing else
}

// The 65,536th level has depth 65535 and the 65,536th sibling index 65535: the item setters
// refuse to go further, but the tree still links the items. Searching and destroying a chain this deep must not recurse.
TEST(XmlTree, PositionLimitsRefuseTheSettersButNotTheLinks)
{
    CXmlTreeCtrl tree;
    CXmlTreeItem* deepest = tree.InsertItem(L"level");
    for (DWORD level = 1; level <= kLimit; ++level)
        deepest = tree.InsertItem(L"level", L"", nullptr, deepest);
    ASSERT_EQ(kLimit, Depth(deepest));
    CXmlTreeItem* last = tree.InsertItem(L"run", L"", nullptr, deepest);
    for (DWORD index = 1; index <= kLimit; ++index)
        last = tree.InsertItem(L"run", L"", nullptr, nullptr, last);
    ASSERT_EQ(kLimit, Index(last));

    CXmlTreeItem loose;
    EXPECT_EQ(0, loose.SetParent(deepest));
    EXPECT_EQ(0, loose.SetPrev(last));
    EXPECT_EQ(0, tree.SetItemPrev(&loose, last));
    EXPECT_EQ(nullptr, loose.GetParent());
    EXPECT_EQ(nullptr, loose.GetPrev());
    EXPECT_EQ(0u, loose.GetPosition());

    CXmlTreeItem* tooDeep = tree.InsertItem(L"beyond", L"", nullptr, deepest);
    EXPECT_EQ(deepest, tooDeep->GetParent());
    EXPECT_EQ(0u, Depth(tooDeep)); // the refused depth is left out of the position
    CXmlTreeItem* beyond = tree.InsertItem(L"beyond", L"", nullptr, nullptr, last);
    EXPECT_EQ(last, beyond->GetPrev());
    EXPECT_EQ(beyond, last->GetNext());
    EXPECT_EQ(0u, Index(beyond));
    EXPECT_EQ(tooDeep, tree.GetItemByName(L"beyond")); // found 65,536 levels down
    EXPECT_EQ(1, tree.DeleteAllItem());                // 131,074 items, no recursion
    EXPECT_EQ(0, tree.GetItemCount());
}

TEST(XmlTree, DeletingRelinksParentsSiblingsAndTheFirstSlotAndCountsTheSubtree)
{
    ExposedTree tree;
    CXmlTreeItem* root = tree.InsertItem(L"root");
    CXmlTreeItem* c = tree.InsertItem(L"c", L"", nullptr, root);
    CXmlTreeItem* b = tree.InsertItem(L"b", L"", nullptr, root);
    CXmlTreeItem* a = tree.InsertItem(L"a", L"", nullptr, root);
    CXmlTreeItem* behind = tree.InsertItem(L"x", L"", nullptr, nullptr, a); // no parent link
    tree.InsertItem(L"deep", L"", nullptr, tree.InsertItem(L"leaf", L"", nullptr, b));
    ASSERT_EQ(7, tree.GetItemCount());

    ASSERT_EQ(1, tree.DeleteItem(a)); // the first child: the parent's link moves on
    EXPECT_EQ(behind, root->GetChild());
    EXPECT_EQ(root, behind->GetParent());
    EXPECT_EQ(L"x,b,c", Names(root->GetChild()));
    ASSERT_EQ(1, tree.DeleteItem(b)); // a middle child with two descendants: its neighbours join
    EXPECT_EQ(L"x,c", Names(root->GetChild()));
    EXPECT_EQ(behind, c->GetPrev());
    EXPECT_EQ(3, tree.GetItemCount());

    CXmlTreeItem* top = tree.InsertItem(L"top");
    ASSERT_EQ(1, tree.DeleteItem(top)); // the first top-level item: the first slot moves on
    EXPECT_EQ(root, tree.GetFirstItem());
    EXPECT_EQ(nullptr, root->GetPrev());
    ASSERT_EQ(1, tree.DeleteChildItem(root));
    EXPECT_EQ(nullptr, root->GetChild()); // no link left to a destroyed item
    EXPECT_EQ(1, tree.GetItemCount());
    EXPECT_EQ(0, tree.DeleteItem(nullptr));
    ASSERT_EQ(1, tree.DeleteItem(root));
    EXPECT_EQ(nullptr, tree.GetFirstItem());
    EXPECT_EQ(0, tree.GetItemCount());
    EXPECT_NE(nullptr, tree.InsertItem(L"again")); // an emptied tree is usable
}

TEST(XmlTree, GetItemByNameWalksItemThenSubtreeThenFollowingSiblings)
{
    CXmlTreeCtrl tree;
    EXPECT_EQ(nullptr, tree.GetItemByName(L"a"));
    CXmlTreeItem* second = tree.InsertItem(L"top");
    CXmlTreeItem* first = tree.InsertItem(L"top"); // top-level: first, second
    CXmlTreeItem* inner = tree.InsertItem(L"x", L"", nullptr, first);
    CXmlTreeItem* innerDeep = tree.InsertItem(L"x", L"", nullptr, inner);
    CXmlTreeItem* secondX = tree.InsertItem(L"x", L"", nullptr, second);
    tree.InsertItem(L"y", L"", nullptr, first); // first's children: y, x

    EXPECT_EQ(first, tree.GetItemByName(L"top"));  // an item before its subtree
    EXPECT_EQ(inner, tree.GetItemByName(L"x"));    // a subtree before the siblings
    EXPECT_EQ(nullptr, tree.GetItemByName(L"X"));  // case-sensitive
    EXPECT_EQ(nullptr, tree.GetItemByName(L"to")); // whole name
    EXPECT_EQ(innerDeep, tree.GetItemByName(L"x", innerDeep));
    EXPECT_EQ(secondX, tree.GetItemByName(L"x", second));
    EXPECT_EQ(nullptr, tree.GetItemByName(L"top", inner)); // ancestors are not visited
    EXPECT_EQ(nullptr, tree.GetItemByName(L"y", inner));   // nor earlier siblings
}

TEST(XmlTree, ItemsOwnTheirAttributeMaps)
{
    g_mapsDestroyed = 0;
    {
        CXmlTreeCtrl tree;
        CXmlTreeItem* root = tree.InsertItem(L"root", L"", new CountedMap);
        CXmlTreeItem* child = tree.InsertItem(L"child", L"", new CountedMap, root);
        tree.InsertItem(L"grandchild", L"", new CountedMap, child);
        EXPECT_EQ(1, tree.SetItemAttri(child, child->GetAttri())); // handing back the held map keeps it
        EXPECT_EQ(0, g_mapsDestroyed);
        EXPECT_EQ(1, root->SetAttri(new CountedMap)); // replacing destroys the old one
        EXPECT_EQ(1, g_mapsDestroyed);
        EXPECT_EQ(1, tree.DeleteItem(child)); // with its subtree's maps
        EXPECT_EQ(3, g_mapsDestroyed);
        tree.InsertItem(L"other", L"", new CountedMap);
    }
    EXPECT_EQ(5, g_mapsDestroyed); // the tree's destructor destroys the rest
}
