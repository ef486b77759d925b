// Helpers of the short-message store tests: a fixture with COM on the test thread, a fresh base
// folder (with its "sms" folder) per test, a hidden window holding a report list and a tree
// control, and short ways to build documents, read stored bytes and walk the tree.
#pragma once

#include <ConvertXml.h>
#include <XMLBase.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class SmsStoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Parses text into a new document (the test fails when it does not parse).
    static IXMLDOMDocumentPtr Parse(const std::wstring& text);
    // The document's reference count (without changing it).
    static ULONG References(IXMLDOMDocumentPtr& doc);

    // <base>\<relative>
    std::wstring PathOf(const std::wstring& relative) const { return m_base + L"\\" + relative; }
    bool Exists(const std::wstring& relative) const;
    // The bytes of a file below the base folder; empty when it cannot be read.
    std::string ReadBytes(const std::wstring& relative) const;
    // Names of the files in a folder below the base folder (empty text: the base itself).
    std::vector<std::wstring> FilesIn(const std::wstring& relative) const;

    // Texts of the tree, depth first, children in brackets (as "a(b,c),d").
    std::wstring TreeText(HTREEITEM first = nullptr) const;
    // The value of an entry of an item's attribute map, or "(none)".
    std::wstring MapValue(HTREEITEM item, const wchar_t* name) const;
    INT_PTR MapCount(HTREEITEM item) const;
    // Frees every item's attribute map and its strings, as the store's callers do, and
    // empties the tree; the number of items that had no map.
    int FreeTree();

    std::wstring m_base;  // the test's base folder, holding an empty "sms" folder
    CWnd m_frame;
    CListCtrl m_list;
    CTreeCtrl m_tree;
};
