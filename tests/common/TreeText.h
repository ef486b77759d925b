// The items of a tree control as one text, depth first, children in brackets ("a(b,c),d"),
// so that a test compares a whole tree in one check.
#pragma once

#include <afxcmn.h>

#include <string>

inline std::wstring TreeText(const CTreeCtrl& tree, HTREEITEM first)
{
    std::wstring out;
    for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
        out += (out.empty() ? L"" : L",") + std::wstring(tree.GetItemText(item).GetString());
        if (HTREEITEM child = tree.GetChildItem(item))
            out += L"(" + TreeText(tree, child) + L")";
    }
    return out;
}
