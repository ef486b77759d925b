// CMap: a hash table from KEY (passed as ARG_KEY) to VALUE (passed as ARG_VALUE) with MFC's
// interface. The bucket count is fixed (17 unless InitHashTable says otherwise); iteration with
// GetStartPosition / GetNextAssoc visits every entry once, and removing the entry just returned
// does not disturb the iteration.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/AfxCollHelpers.h"
#include "afxlite/CObject.h"

#include <vector>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    using KeyType = KEY;
    using ValueType = VALUE;

    // Entries are allocated one by one; nBlockSize is accepted for compatibility only.
    explicit CMap(INT_PTR nBlockSize = 10) { UNUSED_ALWAYS(nBlockSize); }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* assoc = Find(key);
        if (!assoc)
            return FALSE;
        rValue = assoc->value;
        return TRUE;
    }
    // The value of key, added (value-initialised) when missing.
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* assoc = Find(key))
            return assoc->value;
        if (m_buckets.empty())
            m_buckets.assign(m_nHashTableSize, nullptr);
        const UINT bucket = Bucket(key);
        CAssoc* assoc = new CAssoc{m_buckets[bucket], bucket, KEY(key), VALUE()};
        m_buckets[bucket] = assoc;
        ++m_nCount;
        return assoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        for (CAssoc** link = &m_buckets[Bucket(key)]; *link; link = &(*link)->pNext) {
            if (CompareElements(&(*link)->key, &key)) {
                CAssoc* found = *link;
                *link = found->pNext;
                delete found;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc* head : m_buckets) {
            while (head) {
                CAssoc* next = head->pNext;
                delete head;
                head = next;
            }
        }
        m_buckets.clear();
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    // Returns the entry at rNextPosition and moves rNextPosition to the next one (null at the end).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        ASSERT(rNextPosition != nullptr);
        const CAssoc* assoc =
            rNextPosition == BEFORE_START_POSITION ? FirstInBuckets(0) : reinterpret_cast<const CAssoc*>(rNextPosition);
        const CAssoc* next = assoc->pNext ? assoc->pNext : FirstInBuckets(assoc->nBucket + 1);
        rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(next));
        rKey = assoc->key;
        rValue = assoc->value;
    }

    // Sets the bucket count (best a prime a little above the expected count); entries already
    // present are redistributed.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        std::vector<CAssoc*> entries;
        for (CAssoc* head : m_buckets) {
            for (; head; head = head->pNext)
                entries.push_back(head);
        }
        m_nHashTableSize = nHashSize > 0 ? nHashSize : 1;
        m_buckets.clear();
        if (bAllocNow || !entries.empty())
            m_buckets.assign(m_nHashTableSize, nullptr);
        for (CAssoc* assoc : entries) {
            assoc->nBucket = HashKey<ARG_KEY>(assoc->key) % m_nHashTableSize;
            assoc->pNext = m_buckets[assoc->nBucket];
            m_buckets[assoc->nBucket] = assoc;
        }
    }

private:
    struct CAssoc {
        CAssoc* pNext;
        UINT nBucket;
        KEY key;
        VALUE value;
    };

    UINT Bucket(ARG_KEY key) const { return HashKey<ARG_KEY>(key) % m_nHashTableSize; }

    CAssoc* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (CAssoc* assoc = m_buckets[Bucket(key)]; assoc; assoc = assoc->pNext) {
            if (CompareElements(&assoc->key, &key))
                return assoc;
        }
        return nullptr;
    }
    const CAssoc* FirstInBuckets(UINT first) const
    {
        for (UINT bucket = first; bucket < m_buckets.size(); ++bucket) {
            if (m_buckets[bucket])
                return m_buckets[bucket];
        }
        return nullptr;
    }

    std::vector<CAssoc*> m_buckets; // empty until the first entry
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};
