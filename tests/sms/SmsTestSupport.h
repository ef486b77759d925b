// The short-message store tests' fixture: COM on the test thread, a fresh base folder holding an
// empty "sms" folder, a hidden window with a report list and a tree control, and short ways to
// build documents, read stored bytes and walk the tree.
#pragma once

#include "../common/TempFolder.h"
#include "../common/TreeText.h"

#include <ConvertXml.h>
#include <XMLBase.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class SmsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(CreateDirectoryW(PathOf(L"sms").c_str(), nullptr));
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), L"sms test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                     nullptr, nullptr));
        ASSERT_TRUE(m_list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 380, 140), &m_frame, 201));
        for (int column = 0; column < 5; ++column)
            ASSERT_EQ(column, m_list.InsertColumn(column, L"column", LVCFMT_LEFT, 60));
        ASSERT_TRUE(m_tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(0, 140, 380, 280), &m_frame, 202));
    }
    void TearDown() override
    {
        if (m_tree.GetSafeHwnd()) {
            EXPECT_EQ(0, FreeTree()); // every folder item carried its map
        }
        m_frame.DestroyWindow();
        AfxDeleteTempMaps();
        CoUninitialize();
    }

    // Parses text into a new document (the test fails when it does not parse).
    static IXMLDOMDocumentPtr Parse(const std::wstring& text)
    {
        IXMLDOMDocumentPtr doc;
        EXPECT_EQ(S_OK, CConvertXml::CStringToXml(text.c_str(), doc)) << testing::PrintToString(text);
        return doc;
    }
    static ULONG References(IXMLDOMDocumentPtr& doc)
    {
        doc->AddRef();
        return doc->Release();
    }
    // Saves the store's document below the base folder; the folder text SaveSMS leaves behind.
    int Save(CXMLBase& store, CString* folderAfter = nullptr) const
    {
        CString folder = m_base.c_str();
        const int result = store.SaveSMS(folder);
        if (folderAfter != nullptr)
            *folderAfter = folder;
        return result;
    }

    std::wstring PathOf(const std::wstring& relative) const { return m_folder.Path(relative); }
    std::string ReadBytes(const std::wstring& relative) const
    {
        std::ifstream file(PathOf(relative).c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // Names in a folder below the base folder (empty text: the base itself).
    std::vector<std::wstring> FilesIn(const std::wstring& relative) const
    {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        const CFindHandle search(
            FindFirstFileW(((relative.empty() ? m_base : PathOf(relative)) + L"\\*").c_str(), &found));
        for (BOOL more = search ? TRUE : FALSE; more; more = FindNextFileW(search.Get(), &found))
            if (wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0)
                names.push_back(found.cFileName);
        return names;
    }

    std::wstring TreeText() const { return ::TreeText(m_tree, m_tree.GetRootItem()); }
    CMapStringToPtr* MapOf(HTREEITEM item) const
    {
        return reinterpret_cast<CMapStringToPtr*>(m_tree.GetItemData(item));
    }
    // The value of an entry of an item's attribute map, or "(none)".
    std::wstring MapValue(HTREEITEM item, const wchar_t* name) const
    {
        void* value = nullptr;
        return MapOf(item) && MapOf(item)->Lookup(name, value) ? static_cast<CString*>(value)->GetString() : L"(none)";
    }
    INT_PTR MapCount(HTREEITEM item) const { return MapOf(item) ? MapOf(item)->GetCount() : -1; }

    // Frees every item's attribute map as the store's callers do and empties the tree; the number
    // of items that had no map. An explicit stack: some trees are thousands of levels deep.
    int FreeTree()
    {
        int withoutMap = 0;
        std::vector<HTREEITEM> pending;
        for (HTREEITEM item = m_tree.GetRootItem(); item; item = m_tree.GetNextSiblingItem(item))
            pending.push_back(item);
        while (!pending.empty()) {
            const HTREEITEM item = pending.back();
            pending.pop_back();
            for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetNextSiblingItem(child))
                pending.push_back(child);
            CMapStringToPtr* map = MapOf(item);
            withoutMap += map == nullptr;
            CString name;
            void* value = nullptr;
            for (POSITION pos = map ? map->GetStartPosition() : nullptr; pos;) {
                map->GetNextAssoc(pos, name, value);
                delete static_cast<CString*>(value);
            }
            delete map;
        }
        m_tree.DeleteAllItems();
        return withoutMap;
    }

    CTempFolder m_folder;
    const std::wstring m_base = m_folder.Path(); // holds an empty "sms" folder
    CWnd m_frame;
    CListCtrl m_list;
    CTreeCtrl m_tree;
};
