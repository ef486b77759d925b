// Element helpers of the collection templates: HashKey (bucket choice of CMap),
// CompareElements (equality used by CList::Find and CMap lookups) and AfxHashSizeFor (the bucket
// count for a map of known size). Specialise the first two for key types whose equality or hash
// is not the plain value's.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    // Integers and pointers: drop the low bits, which are mostly alignment.
    return static_cast<UINT>((UINT_PTR)key >> 4);
}

// Strings hash by content (h = h * 33 + ch).
template <>
inline UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key)
{
    UINT hash = 0;
    for (; key && *key; ++key)
        hash = (hash << 5) + hash + *key;
    return hash;
}

template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCWSTR>(key.GetString());
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Bucket count for a map about to receive nCount entries: about a fifth more buckets than
// entries keeps the chains short and filling linear; never below the default of 17, always odd.
inline UINT AFXAPI AfxHashSizeFor(INT_PTR nCount)
{
    const UINT nDefault = 17;
    const UINT nSize = nCount > 0 ? static_cast<UINT>(nCount + nCount / 5) : 0;
    return nSize < nDefault ? nDefault : (nSize | 1);
}
