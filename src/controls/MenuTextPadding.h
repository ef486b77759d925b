// Aligns the accelerator texts of a menu: the part of each item's text before its tab is padded
// with spaces to the width of the widest such part (measured with one space after it), so that
// the accelerators after the tabs start in one column.
#pragma once

#include <afx.h>

#include <algorithm>

#include <vector>

// Padding stops after this many spaces even when the width is not reached, so that a measure
// that fails (answers 0) or grows too little cannot keep the loop going.
const int kMaxAcceleratorPadding = 256;

// measure(text) is the width of a text in pixels (0 when it cannot be measured).
template <class Measure>
void PadAcceleratorTexts(std::vector<CString>& texts, Measure measure)
{
    int nWidest = 0;
    for (const CString& strText : texts) {
        const int nTab = strText.Find(L'\t');
        const CString strLeft = nTab < 0 ? strText : strText.Left(nTab);
        nWidest = std::max(nWidest, measure(strLeft + L" "));
    }
    for (CString& strText : texts) {
        const int nTab = strText.Find(L'\t');
        if (nTab < 0)
            continue;
        CString strLeft = strText.Left(nTab);
        int nWidth = measure(strLeft);
        for (int nAdded = 0; nWidth < nWidest && nAdded < kMaxAcceleratorPadding; ++nAdded) {
            strLeft += L' ';
            const int nPadded = measure(strLeft);
            if (nPadded <= nWidth) // the space adds nothing: measuring fails
                break;
            nWidth = nPadded;
        }
        strText = strLeft + strText.Mid(nTab);
    }
}
