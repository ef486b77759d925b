// CXmlTreeCtrl: insertion, deletion and search in an XML tree of CXmlTreeItem objects.
//
// Every walk over a subtree keeps its own stack instead of recursing, so that a tree as deep as
// a caller or a document makes it never exhausts the thread's stack. The walks do not rely on
// parent links: an item inserted behind another has none.

#include <XmlTreeCtrl.h>

#include <memory>
#include <utility>
#include <vector>

CXmlTreeCtrl::CXmlTreeCtrl() : m_nCount(0), m_pFirst(nullptr), m_pLast(nullptr)
{
}

CXmlTreeCtrl::~CXmlTreeCtrl()
{
    DeleteAllItem();
}

CXmlTreeItem* CXmlTreeCtrl::InsertItem(CString name, CString text, CMapStringToString* attri, CXmlTreeItem* parent,
                                       CXmlTreeItem* after)
{
    // The tree owns attri from here on, even when the item cannot be allocated.
    std::unique_ptr<CMapStringToString> attriOwner(attri);
    CXmlTreeItem* item = new CXmlTreeItem(std::move(name), std::move(text), attri);
    attriOwner.release();

    if (!m_pFirst) {
        m_pFirst = item;
    } else if (after) {
        CXmlTreeItem* follower = after->m_pNext;
        after->m_pNext = item;
        item->LinkPrev(after);
        PutInFront(item, follower);
    } else if (parent) {
        CXmlTreeItem* former = parent->m_pChild;
        parent->m_pChild = item;
        item->LinkParent(parent);
        PutInFront(item, former);
    } else {
        PutInFront(item, m_pFirst);
        m_pFirst = item;
    }
    ++m_nCount;
    return item;
}

void CXmlTreeCtrl::PutInFront(CXmlTreeItem* item, CXmlTreeItem* former)
{
    item->m_pNext = former;
    if (former)
        former->LinkPrev(item);
}

int CXmlTreeCtrl::DeleteItem(CXmlTreeItem* item)
{
    if (!item)
        return 0;
    CXmlTreeItem* next = item->m_pNext;
    CXmlTreeItem* prev = item->m_pPrev;
    CXmlTreeItem* parent = item->m_pParent;
    if (parent && parent->m_pChild == item) {
        parent->m_pChild = next;
        if (next)
            next->LinkParent(parent);
    }
    if (next)
        next->LinkPrev(prev);
    if (prev)
        prev->m_pNext = next;
    if (item == m_pFirst)
        m_pFirst = next;

    DeleteChildItem(item);
    delete item;
    --m_nCount;
    return 1;
}

int CXmlTreeCtrl::DeleteAllItem()
{
    DestroySiblings(m_pFirst);
    m_pFirst = nullptr;
    m_nCount = 0;
    return 1;
}

int CXmlTreeCtrl::DeleteChildItem(CXmlTreeItem* item)
{
    if (!item)
        return 0;
    DestroySiblings(item->m_pChild);
    item->m_pChild = nullptr;
    return 1;
}

// Post-order: an item's children go before the item, siblings in list order. The stack holds
// the items whose child lists are being destroyed; each one's child link is cleared on the way
// down, so that coming back up it is destroyed like a leaf.
void CXmlTreeCtrl::DestroySiblings(CXmlTreeItem* first)
{
    std::vector<CXmlTreeItem*> parents;
    CXmlTreeItem* current = first;
    while (current) {
        if (CXmlTreeItem* child = current->m_pChild) {
            current->m_pChild = nullptr;
            parents.push_back(current);
            current = child;
            continue;
        }
        CXmlTreeItem* next = current->m_pNext;
        delete current;
        --m_nCount;
        if (next) {
            current = next;
        } else if (!parents.empty()) {
            current = parents.back();
            parents.pop_back();
        } else {
            current = nullptr;
        }
    }
}

// Pre-order: the stack holds the next siblings to come back to after a subtree.
CXmlTreeItem* CXmlTreeCtrl::GetItemByName(CString name, CXmlTreeItem* start) const
{
    std::vector<CXmlTreeItem*> resume;
    CXmlTreeItem* current = start ? start : m_pFirst;
    while (current) {
        if (current->m_strName == name)
            return current;
        if (current->m_pChild) {
            if (current->m_pNext)
                resume.push_back(current->m_pNext);
            current = current->m_pChild;
        } else if (current->m_pNext) {
            current = current->m_pNext;
        } else if (!resume.empty()) {
            current = resume.back();
            resume.pop_back();
        } else {
            current = nullptr;
        }
    }
    return nullptr;
}

CXmlTreeItem* CXmlTreeCtrl::GetFirstItem() const
{
    return m_pFirst;
}
CXmlTreeItem* CXmlTreeCtrl::GetLastItem() const
{
    return m_pLast;
}
int CXmlTreeCtrl::GetItemCount() const
{
    return m_nCount;
}

CXmlTreeItem* CXmlTreeCtrl::GetNextItem(CXmlTreeItem* item) const
{
    return item ? item->GetNext() : nullptr;
}

CXmlTreeItem* CXmlTreeCtrl::GetPrevItem(CXmlTreeItem* item) const
{
    return item ? item->GetPrev() : nullptr;
}

CXmlTreeItem* CXmlTreeCtrl::GetParentItem(CXmlTreeItem* item) const
{
    return item ? item->GetParent() : nullptr;
}

CXmlTreeItem* CXmlTreeCtrl::GetChildItem(CXmlTreeItem* item) const
{
    return item ? item->GetChild() : nullptr;
}

CString CXmlTreeCtrl::GetItemName(CXmlTreeItem* item) const
{
    return item ? item->GetName() : CString();
}

CString CXmlTreeCtrl::GetItemText(CXmlTreeItem* item) const
{
    return item ? item->GetText() : CString();
}

CMapStringToString* CXmlTreeCtrl::GetItemAttri(CXmlTreeItem* item) const
{
    return item ? item->GetAttri() : nullptr;
}

DWORD CXmlTreeCtrl::GetItemPos(CXmlTreeItem* item) const
{
    return item ? item->GetPosition() : 0;
}

int CXmlTreeCtrl::SetItemName(CXmlTreeItem* item, CString name)
{
    return item ? item->SetName(std::move(name)) : 0;
}

int CXmlTreeCtrl::SetItemText(CXmlTreeItem* item, CString text)
{
    return item ? item->SetText(std::move(text)) : 0;
}

// Without an item nothing is taken: attri stays the caller's.
int CXmlTreeCtrl::SetItemAttri(CXmlTreeItem* item, CMapStringToString* attri)
{
    return item ? item->SetAttri(attri) : 0;
}

int CXmlTreeCtrl::SetItemNext(CXmlTreeItem* item, CXmlTreeItem* next)
{
    return item ? item->SetNext(next) : 0;
}

int CXmlTreeCtrl::SetItemChild(CXmlTreeItem* item, CXmlTreeItem* child)
{
    return item ? item->SetChild(child) : 0;
}

int CXmlTreeCtrl::SetItemParent(CXmlTreeItem* item, CXmlTreeItem* parent)
{
    return item ? item->SetParent(parent) : 0;
}

int CXmlTreeCtrl::SetItemPrev(CXmlTreeItem* item, CXmlTreeItem* prev)
{
    return item ? item->SetPrev(prev) : 0;
}
