// CList: a doubly linked list of TYPE elements passed as ARG_TYPE, walked with POSITION values
// (a position stays valid until its own element is removed), with MFC's interface.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/AfxCollHelpers.h"
#include "afxlite/CObject.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
public:
    // Nodes are allocated one by one; nBlockSize is accepted for compatibility only.
    explicit CList(INT_PTR nBlockSize = 10) { UNUSED_ALWAYS(nBlockSize); }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Head()->data; }
    const TYPE& GetHead() const { return Head()->data; }
    TYPE& GetTail() { return Tail()->data; }
    const TYPE& GetTail() const { return Tail()->data; }

    TYPE RemoveHead()
    {
        TYPE value = Head()->data;
        Unlink(m_pNodeHead);
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = Tail()->data;
        Unlink(m_pNodeTail);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(nullptr, m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(m_pNodeTail, nullptr, newElement); }
    // Adds the other list's elements, in their order, before the head / after the tail.
    void AddHead(const CList* pNewList)
    {
        ASSERT(pNewList != nullptr && pNewList != this);
        for (POSITION pos = pNewList->GetTailPosition(); pos;)
            AddHead(pNewList->GetPrev(pos));
    }
    void AddTail(const CList* pNewList)
    {
        ASSERT(pNewList != nullptr && pNewList != this);
        for (POSITION pos = pNewList->GetHeadPosition(); pos;)
            AddTail(pNewList->GetNext(pos));
    }

    void RemoveAll()
    {
        while (m_pNodeHead)
            Unlink(m_pNodeHead);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }

    // Return the element at rPosition and move rPosition to its neighbour (null at the end).
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false)->data; }

    TYPE& GetAt(POSITION position) { return FromPosition(position)->data; }
    const TYPE& GetAt(POSITION position) const { return FromPosition(position)->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { FromPosition(position)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(FromPosition(position)); }

    // Inserting before null adds at the head, after null at the tail.
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddHead(newElement);
        CNode* node = FromPosition(position);
        return Link(node->pPrev, node, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddTail(newElement);
        CNode* node = FromPosition(position);
        return Link(node, node->pNext, newElement);
    }

    // First element equal to searchValue after startAfter (from the head when null), or null.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* node = startAfter ? FromPosition(startAfter)->pNext : m_pNodeHead;
        for (; node; node = node->pNext) {
            if (CompareElements(&node->data, &searchValue))
                return ToPosition(node);
        }
        return nullptr;
    }
    // Position of the nIndex-th element, or null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* node = m_pNodeHead;
        while (nIndex-- > 0)
            node = node->pNext;
        return ToPosition(node);
    }

private:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

    static POSITION ToPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* FromPosition(POSITION position)
    {
        ASSERT(position != nullptr && position != BEFORE_START_POSITION);
        return reinterpret_cast<CNode*>(position);
    }
    CNode* Head() const
    {
        ASSERT(m_pNodeHead != nullptr);
        return m_pNodeHead;
    }
    CNode* Tail() const
    {
        ASSERT(m_pNodeTail != nullptr);
        return m_pNodeTail;
    }
    static CNode* Step(POSITION& rPosition, bool forward)
    {
        CNode* node = FromPosition(rPosition);
        rPosition = ToPosition(forward ? node->pNext : node->pPrev);
        return node;
    }
    POSITION Link(CNode* prev, CNode* next, ARG_TYPE value)
    {
        CNode* node = new CNode{next, prev, TYPE(value)};
        (prev ? prev->pNext : m_pNodeHead) = node;
        (next ? next->pPrev : m_pNodeTail) = node;
        ++m_nCount;
        return ToPosition(node);
    }
    void Unlink(CNode* node)
    {
        (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
        --m_nCount;
        delete node;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};
