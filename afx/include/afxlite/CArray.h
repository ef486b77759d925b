// CArray: a growable array of TYPE elements passed as ARG_TYPE, indexed by INT_PTR, with MFC's
// interface. Elements are kept in a std::vector, so any copyable TYPE is safe.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // Resizes to nNewSize elements (new ones are value-initialised). The vector chooses its own
    // growth, so nGrowBy is accepted for compatibility only.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        ASSERT(nNewSize >= 0);
        UNUSED_ALWAYS(nGrowBy);
        m_data.resize(static_cast<size_t>(nNewSize > 0 ? nNewSize : 0));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    // Sets element nIndex, growing the array first when it is too short.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        ASSERT(nIndex >= 0);
        TYPE value(newElement); // copy first: newElement may refer into the array
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = std::move(value);
    }
    // Appends one element and returns its index.
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(TYPE(newElement));
        return GetSize() - 1;
    }
    // Appends the other array's elements and returns the index of the first of them.
    INT_PTR Append(const CArray& src)
    {
        const INT_PTR oldSize = GetSize();
        if (&src == this) {
            const std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return oldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }
    // Inserts nCount copies at nIndex; an index past the end grows the array up to it.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        ASSERT(nIndex >= 0 && nCount >= 0);
        TYPE value(newElement);
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        ASSERT(pNewArray != nullptr && nStartIndex >= 0);
        const std::vector<TYPE> copy(pNewArray->m_data);
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    // Removes nCount elements from nIndex (clamped to the end of the array).
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
        if (nIndex < 0 || nIndex >= GetSize() || nCount <= 0)
            return;
        const INT_PTR last = nIndex + nCount < GetSize() ? nIndex + nCount : GetSize();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + last);
    }

private:
    size_t Checked(INT_PTR nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < GetSize());
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};
