// CXmlTreeItem: one item of an in-memory XML tree (CXmlTreeCtrl): a name, a text, an optional
// attribute map and the links to its parent, first child and siblings. Commands for the service's
// servers and their answers are built and read as trees of these items.
#pragma once

#include "VoDef.h"

#include <afx.h>
#include <afxcoll.h>

class CXmlTreeCtrl;
class CXmlTextWriter;

class VO_API CXmlTreeItem {
public:
    // The item takes ownership of attri (which may be null).
    CXmlTreeItem(CString name = CString(), CString text = CString(), CMapStringToString* attri = nullptr);
    // Destroys the attribute map; linked items are left alone (the tree deletes them).
    ~CXmlTreeItem();

    CXmlTreeItem(const CXmlTreeItem&) = delete;
    CXmlTreeItem& operator=(const CXmlTreeItem&) = delete;

    int SetName(CString name);
    int SetText(CString text);
    // Destroys the map held so far and takes attri (which may be null). Passing the map the item
    // already holds keeps it.
    int SetAttri(CMapStringToString* attri);
    // Store the link only; the other side of the link is not touched.
    int SetChild(CXmlTreeItem* child);
    int SetNext(CXmlTreeItem* next);
    // Store the link and OR the parent's depth + 1 into the low word of the position. Refused
    // (0, nothing changed) when the parent's depth is already 65535. A null parent only clears
    // the link.
    int SetParent(CXmlTreeItem* parent);
    // Store the link and OR the previous sibling's index + 1 into the high word of the position.
    // Refused (0, nothing changed) when that index is already 65535. A null prev only clears
    // the link.
    int SetPrev(CXmlTreeItem* prev);

    CString GetName() const;
    CString GetText() const;
    // Still owned by the item; null when the item has no attributes.
    CMapStringToString* GetAttri() const;
    CXmlTreeItem* GetChild() const;
    CXmlTreeItem* GetNext() const;
    CXmlTreeItem* GetParent() const;
    CXmlTreeItem* GetPrev() const;
    // Packed position: depth in the low 16 bits, sibling index in the high 16 bits.
    DWORD GetPosition() const;

private:
    friend class CXmlTreeCtrl;
    friend class CXmlTextWriter; // reads names and texts without a copy per item

    // Used by the tree while it links items: the link is always stored, so that the lists stay
    // whole; only the position keeps what the limits allow.
    void LinkParent(CXmlTreeItem* parent);
    void LinkPrev(CXmlTreeItem* prev);

    CMapStringToString* m_pAttri;
    CString m_strName;
    CString m_strText;
    CXmlTreeItem* m_pNext;
    CXmlTreeItem* m_pChild;
    CXmlTreeItem* m_pParent;
    CXmlTreeItem* m_pPrev;
    DWORD m_dwPosition;
};
