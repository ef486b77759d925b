// CXmlTreeCtrl: an in-memory XML tree of CXmlTreeItem objects, without any parser behind it.
// The tree owns every item and every attribute map handed to it. Items inserted under a parent
// without an `after` item go in front of their earlier siblings; CConvertXml relies on that order.
#pragma once

#include "VoDef.h"
#include "XmlTreeItem.h"

#include <afx.h>
#include <afxcoll.h>

class VO_API CXmlTreeCtrl {
public:
    CXmlTreeCtrl();
    ~CXmlTreeCtrl();

    CXmlTreeCtrl(const CXmlTreeCtrl&) = delete;
    CXmlTreeCtrl& operator=(const CXmlTreeCtrl&) = delete;

    // Creates an item (owning attri) and links it in: into an empty tree as the first top-level
    // item; else directly behind `after` (parent link left null); else as the first child of
    // `parent`; else as the first top-level item. Returns the new item.
    CXmlTreeItem* InsertItem(CString name, CString text = CString(), CMapStringToString* attri = nullptr,
                             CXmlTreeItem* parent = nullptr, CXmlTreeItem* after = nullptr);
    // Unlinks the item and destroys it with its whole subtree. 0 for a null item.
    int DeleteItem(CXmlTreeItem* item);
    // Destroys every item; the tree is empty afterwards.
    int DeleteAllItem();

    // Depth-first search from start (or from the first top-level item) along start's following
    // siblings: an item, then its subtree, then its next sibling. Exact, case-sensitive match.
    CXmlTreeItem* GetItemByName(CString name, CXmlTreeItem* start = nullptr) const;

    CXmlTreeItem* GetFirstItem() const;
    // The last-item slot, which no operation fills: always null.
    CXmlTreeItem* GetLastItem() const;
    int GetItemCount() const;

    // The item's own getters; a null item gives null, an empty string or 0.
    CXmlTreeItem* GetNextItem(CXmlTreeItem* item) const;
    CXmlTreeItem* GetPrevItem(CXmlTreeItem* item) const;
    CXmlTreeItem* GetParentItem(CXmlTreeItem* item) const;
    CXmlTreeItem* GetChildItem(CXmlTreeItem* item) const;
    CString GetItemName(CXmlTreeItem* item) const;
    CString GetItemText(CXmlTreeItem* item) const;
    CMapStringToString* GetItemAttri(CXmlTreeItem* item) const;
    DWORD GetItemPos(CXmlTreeItem* item) const;

    // The item's own setters with their results, for callers that splice items by hand: each
    // changes one link only, never the other side or the count. A null item gives 0.
    int SetItemName(CXmlTreeItem* item, CString name);
    int SetItemText(CXmlTreeItem* item, CString text);
    int SetItemAttri(CXmlTreeItem* item, CMapStringToString* attri);
    int SetItemNext(CXmlTreeItem* item, CXmlTreeItem* next);
    int SetItemChild(CXmlTreeItem* item, CXmlTreeItem* child);
    int SetItemParent(CXmlTreeItem* item, CXmlTreeItem* parent);
    int SetItemPrev(CXmlTreeItem* item, CXmlTreeItem* prev);

protected:
    // Destroys every descendant of item, counting each one off, and clears its child link.
    int DeleteChildItem(CXmlTreeItem* item);

private:
    // Puts item in front of former (which may be null) in a sibling list.
    static void PutInFront(CXmlTreeItem* item, CXmlTreeItem* former);
    // Destroys the sibling list that starts at first, with all subtrees, counting each item off.
    void DestroySiblings(CXmlTreeItem* first);

    int m_nCount;
    CXmlTreeItem* m_pFirst;
    CXmlTreeItem* m_pLast;
};
